// Opening files without a window: what a file is, the paths a drop carries, whether two paths name
// one file, the window's title and the recent files kept in the settings.
#include "app/AberturaArquivo.h"
#include "app/ArquivosRecentes.h"
#include "app/TraducoesQt.h"
#include "report/RLPageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

class Pasta : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }
    QString Gravar(const QString& nome, const QByteArray& conteudo) {
        const QString caminho = pasta.filePath(nome);
        QFile f(caminho);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
        return caminho;
    }
    QTemporaryDir pasta;
};

struct CasoTipo {
    const char* nome;
    const char* arquivo;
    QByteArray conteudo;
    TTipoArquivo tipo;
};

class TipoDeArquivo : public Pasta, public ::testing::WithParamInterface<CasoTipo> {};

TEST_P(TipoDeArquivo, IsToldByTheContentNotByTheName) {
    const CasoTipo& c = GetParam();
    EXPECT_EQ(TipoDoArquivo(Gravar(QString::fromLatin1(c.arquivo), c.conteudo)), c.tipo);
}

const QByteArray paginas =
    QByteArray(AssinaturaArquivoPaginas.data(), AssinaturaArquivoPaginas.size()) + "....";

INSTANTIATE_TEST_SUITE_P(
    Tipos, TipoDeArquivo,
    ::testing::Values(
        CasoTipo{"Invoice", "nota.xml", "<?xml version=\"1.0\"?><!-- c --><nfeProc versao=\"4.00\"/>",
                 TTipoArquivo::NotaFiscal},
        CasoTipo{"InvoiceWithAByteOrderMark", "bom.xml", "\xEF\xBB\xBF<nfeProc xmlns=\"x\"><NFe/></nfeProc>",
                 TTipoArquivo::NotaFiscal},
        CasoTipo{"InvoiceNamedOtherwise", "nota.txt", "<nfeProc/>", TTipoArquivo::NotaFiscal},
        CasoTipo{"EventDistribution", "evento.xml",
                 "<procEventoNFe versao=\"1.00\"><evento/></procEventoNFe>", TTipoArquivo::Evento},
        CasoTipo{"BareEvent", "ev.xml", "<evento versao=\"1.00\"/>", TTipoArquivo::Evento},
        CasoTipo{"PageFile", "paginas.rpf", paginas, TTipoArquivo::PaginasSalvas},
        CasoTipo{"PageFileNamedXml", "paginas.xml", paginas, TTipoArquivo::PaginasSalvas},
        CasoTipo{"DamagedPageFileByItsName", "quebrado.rpf", "lixo", TTipoArquivo::PaginasSalvas},
        CasoTipo{"BareNFeIsOther", "nfe.xml", "<NFe/>", TTipoArquivo::Outro},
        CasoTipo{"NotXmlIsOther", "texto.xml", "isto não é XML", TTipoArquivo::Outro},
        CasoTipo{"EmptyIsOther", "vazio.xml", "", TTipoArquivo::Outro}),
    [](const ::testing::TestParamInfo<CasoTipo>& i) { return std::string(i.param.nome); });

TEST_F(Pasta, AFileThatCannotBeReadIsOther) {
    EXPECT_EQ(TipoDoArquivo(pasta.filePath(QStringLiteral("nao-existe.xml"))), TTipoArquivo::Outro);
    EXPECT_EQ(TipoDoArquivo(pasta.path()), TTipoArquivo::Outro) << "a folder";
}

TEST(CaminhosArrastados, FileUrlsAreDecodedAndOtherUrlsLeftOut) {
    QMimeData urls;
    urls.setUrls({QUrl(QStringLiteral("file:///tmp/nota%20fiscal.xml")),
                  QUrl(QStringLiteral("https://x/y.xml")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/b.rpf"))});
    EXPECT_EQ(CaminhosArrastados(urls),
              (QStringList{QStringLiteral("/tmp/nota fiscal.xml"), QStringLiteral("/tmp/b.rpf")}));

    QMimeData texto;  // what some programs drop: a text of URLs or paths, one a line
    texto.setText(QStringLiteral("file:///tmp/a%C3%A7%C3%A3o.xml\r\n/tmp/simples.xml\n\nhttp://x/z.xml\n"));
    EXPECT_EQ(CaminhosArrastados(texto),
              (QStringList{QStringLiteral("/tmp/ação.xml"), QStringLiteral("/tmp/simples.xml")}));

    QMimeData nada;
    EXPECT_TRUE(CaminhosArrastados(nada).isEmpty());
}

TEST_F(Pasta, TwoPathsNameOneFileAfterCleaningOrThroughALink) {
    const QString nota = Gravar(QStringLiteral("nota.xml"), "<nfeProc/>");
    ASSERT_TRUE(QFile::link(nota, pasta.filePath(QStringLiteral("atalho.xml"))));
    EXPECT_TRUE(MesmoArquivo(nota, pasta.path() + QStringLiteral("/./sub/../nota.xml")));
    EXPECT_TRUE(MesmoArquivo(nota, QStringLiteral("  ") + nota + QStringLiteral(" ")));
    EXPECT_TRUE(MesmoArquivo(nota, pasta.filePath(QStringLiteral("atalho.xml"))));
    EXPECT_FALSE(MesmoArquivo(nota, pasta.filePath(QStringLiteral("outra.xml"))));
    EXPECT_FALSE(MesmoArquivo(QStringLiteral("   "), QStringLiteral("   ")));
    EXPECT_FALSE(MesmoArquivo(nota, QString()));
}

TEST(TituloDaJanela, NamesTheLoadedFileElseTheProgram) {
    EXPECT_EQ(TituloDaJanela(QStringLiteral("/a/b/nota 1.xml"), QStringLiteral("Luvenor")),
              QStringLiteral("nota 1.xml"));
    EXPECT_EQ(TituloDaJanela(QString(), QStringLiteral("Luvenor")), QStringLiteral("Luvenor"));
}

class Recentes : public Pasta {
protected:
    void SetUp() override {
        Pasta::SetUp();
        settings =
            std::make_unique<QSettings>(pasta.filePath(QStringLiteral("luvenor.ini")), QSettings::IniFormat);
    }
    std::unique_ptr<QSettings> settings;
};

TEST_F(Recentes, MostRecentFirstOnceEachAndAtMostTen) {
    TArquivosRecentes r(*settings);
    EXPECT_TRUE(r.Lista().isEmpty());
    EXPECT_TRUE(r.UltimaPasta().isEmpty());
    QStringList arquivos;
    for (int i = 0; i < 12; ++i) arquivos.append(Gravar(QStringLiteral("n%1.xml").arg(i), "<nfeProc/>"));
    for (const QString& a : arquivos) r.Adicionar(a);
    ASSERT_EQ(r.Lista().size(), TArquivosRecentes::Maximo);
    EXPECT_EQ(r.Lista().first(), arquivos[11]);
    EXPECT_EQ(r.Lista().last(), arquivos[2]);
    r.Adicionar(pasta.path() + QStringLiteral("/./n5.xml"));  // the same file again comes first, once
    EXPECT_EQ(r.Lista().first(), arquivos[5]);
    EXPECT_EQ(r.Lista().count(arquivos[5]), 1);
    EXPECT_EQ(r.Lista().size(), TArquivosRecentes::Maximo);
    EXPECT_EQ(r.UltimaPasta(), pasta.path());
}

TEST_F(Recentes, KeptInTheSettingsAndFilesGoneAreNotListed) {
    const QString a = Gravar(QStringLiteral("a.xml"), "<nfeProc/>");
    const QString b = Gravar(QStringLiteral("b.xml"), "<nfeProc/>");
    TArquivosRecentes(*settings).Adicionar(a);
    TArquivosRecentes(*settings).Adicionar(b);
    QFile::remove(a);
    QSettings outra(pasta.filePath(QStringLiteral("luvenor.ini")), QSettings::IniFormat);
    TArquivosRecentes lidos(outra);
    EXPECT_EQ(lidos.Lista(), QStringList{b});
    lidos.Remover(b);
    EXPECT_TRUE(lidos.Lista().isEmpty());
    TArquivosRecentes(outra).Adicionar(b);
    TArquivosRecentes(outra).Limpar();
    EXPECT_TRUE(TArquivosRecentes(outra).Lista().isEmpty());
}

// With a Brazilian locale, Qt's own buttons and dialogs speak Portuguese.
TEST(TraducoesQt, QtsOwnTextsInPortuguese) {
    int argc = 1;
    char nome[] = "teste";
    char* argv[] = {nome, nullptr};
    QCoreApplication aplicacao(argc, argv);
    ASSERT_TRUE(InstalarTraducoesQt(aplicacao, QLocale(QLocale::Portuguese, QLocale::Brazil)))
        << "Qt's translations (qt6-translations-l10n) are not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("&Nome do arquivo:"));
    EXPECT_FALSE(InstalarTraducoesQt(aplicacao, QLocale(QLocale::Zulu)));
}

}  // namespace
