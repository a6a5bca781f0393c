// The programs as an installed copy runs them: from a menu or a terminal with no display, and on
// a machine that lacks the DANFE font.
#include "ProgramasTeste.h"

#include "LuvenorPrograma.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using luvenor::teste::Executar;

namespace {

// No display of any kind, and no platform chosen for Qt: a program that starts its windows before
// it reads --version aborts here.
const std::vector<std::pair<QString, QString>> SemTela = {
    {QStringLiteral("DISPLAY"), QString()},
    {QStringLiteral("WAYLAND_DISPLAY"), QString()},
    {QStringLiteral("QT_QPA_PLATFORM"), QString()},
};

struct CasoVersao {
    const char* nome;
    const char* programa;
    const char* prefixo;
    friend void PrintTo(const CasoVersao& c, std::ostream* os) { *os << c.nome; }
};

class VersaoDoPrograma : public ::testing::TestWithParam<CasoVersao> {};

TEST_P(VersaoDoPrograma, IsPrintedWithoutADisplay) {
    const auto e =
        Executar(QString::fromLocal8Bit(GetParam().programa), {QStringLiteral("--version")}, SemTela);
    EXPECT_EQ(e.codigo, 0) << e.erros.toStdString();
    EXPECT_EQ(e.saida.toStdString(), std::string(GetParam().prefixo) + ' ' + luvenor::VersaoPrograma + '\n');
    EXPECT_EQ(e.erros.toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Programas, VersaoDoPrograma,
                         ::testing::Values(CasoVersao{"viewer", LUVENOR_VIEWER, "luvenor"},
                                           CasoVersao{"cli", LUVENOR_CLI, "luvenor-cli"}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(VersaoDoPrograma, IsTheProjectsDottedVersion) {
    const QString versao = QString::fromLatin1(luvenor::VersaoPrograma);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(versao).hasMatch())
        << versao.toStdString();
}

// A fontconfig that knows no fonts at all stands for a machine without fonts-liberation2: the
// DANFE is still written, and the warning says which package to install.
TEST(FonteAusente, TheWarningNamesThePackageAndTheDanfeIsStillWritten) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QFile conf(pasta.filePath(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral(
                   "<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir><cachedir>%2</cachedir></fontconfig>\n")
                   .arg(pasta.filePath(QStringLiteral("fontes")), pasta.filePath(QStringLiteral("cache")))
                   .toUtf8());
    conf.close();
    const QString pdf = pasta.filePath(QStringLiteral("nota.pdf"));
    const auto e =
        Executar(QStringLiteral(LUVENOR_CLI),
                 {QStringLiteral("danfe"), QStringLiteral(LUVENOR_SOURCE_DIR "/samples/nfe-exemplo.xml"),
                  QStringLiteral("-o"), pdf},
                 {{QStringLiteral("FONTCONFIG_FILE"), conf.fileName()}});
    EXPECT_EQ(e.codigo, 0) << e.erros.toStdString();
    EXPECT_TRUE(e.erros.contains(QStringLiteral("Liberation Serif"))) << e.erros.toStdString();
    EXPECT_TRUE(e.erros.contains(QStringLiteral("install the fonts-liberation2 package")))
        << e.erros.toStdString();
    EXPECT_GT(QFile(pdf).size(), 0);

    // With the machine's own fonts the same run gives no such warning (a sanitizer's build may
    // still report on stderr).
    const auto comFonte =
        Executar(QStringLiteral(LUVENOR_CLI),
                 {QStringLiteral("danfe"), QStringLiteral(LUVENOR_SOURCE_DIR "/samples/nfe-exemplo.xml"),
                  QStringLiteral("-o"), pdf});
    EXPECT_EQ(comFonte.codigo, 0);
    EXPECT_FALSE(comFonte.erros.contains(QStringLiteral("fonts-liberation2")))
        << comFonte.erros.toStdString();
}

}  // namespace
