// The installed manual pages against the programs' own help: every command, option and exit code
// that `luvenor-cli --help` and `luvenor-cli COMMAND --help` list must be in luvenor-cli(1), so
// the page cannot fall behind the program. A failure names what the page lacks.
#include "ProgramasTeste.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <set>

using luvenor::teste::Executar;

namespace {

const QString Cli = QStringLiteral(LUVENOR_CLI);
const QString Pagina = QStringLiteral("dist/luvenor-cli.1.in");

QString LerFonte(const QString& relativo) {
    QFile f(QStringLiteral(LUVENOR_SOURCE_DIR "/") + relativo);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

QString Ajuda(const QStringList& argumentos) {
    const auto e = Executar(Cli, argumentos);
    return e.codigo == 0 ? e.saida : QString();
}

// Options as a help text or a page's plain text writes them: a dash or two after a blank or an
// opening bracket ("OUT-1.png" and "prepared-page" are no options).
std::set<QString> Opcoes(const QString& texto) {
    static const QRegularExpression opcao(QStringLiteral("(?:^|[\\s\\[(|,])(--?[A-Za-z][A-Za-z0-9-]*)"));
    std::set<QString> r;
    for (auto m = opcao.globalMatch(texto); m.hasNext();) r.insert(m.next().captured(1));
    return r;
}

// The exit codes a help lists after its "Exit codes" or "Exit status": each starts a line or
// follows a colon, semicolon or comma, with its meaning after it ("0  done", "; 2 not loaded").
std::set<int> CodigosDaAjuda(const QString& ajuda) {
    const qsizetype inicio = ajuda.indexOf(QRegularExpression(QStringLiteral("Exit (codes|status)")));
    if (inicio < 0) return {};
    static const QRegularExpression codigo(QStringLiteral("(?:^|[:;,\\n])\\s*(\\d{1,3})\\s+[a-z(]"));
    std::set<int> r;
    for (auto m = codigo.globalMatch(ajuda.mid(inicio)); m.hasNext();) r.insert(m.next().captured(1).toInt());
    return r;
}

// The page's source split by its headings: ".SH NAME" or, under COMMANDS, ".SS command".
struct PaginaManual {
    std::map<QString, QString> secoes;    // .SH name -> its troff
    std::map<QString, QString> comandos;  // .SS name under COMMANDS -> its troff
};

PaginaManual LerPagina(const QString& troff) {
    PaginaManual p;
    QString secao;
    QString comando;
    for (const QString& linha : troff.split(QLatin1Char('\n'))) {
        if (linha.startsWith(QStringLiteral(".SH "))) {
            secao = linha.mid(4).remove(QLatin1Char('"')).trimmed();
            comando.clear();
            continue;
        }
        if (secao == QStringLiteral("COMMANDS") && linha.startsWith(QStringLiteral(".SS "))) {
            comando = linha.mid(4).trimmed();
            continue;
        }
        p.secoes[secao] += linha + QLatin1Char('\n');
        if (!comando.isEmpty()) p.comandos[comando] += linha + QLatin1Char('\n');
    }
    return p;
}

// The words of troff source as the reader sees them: "\-" is a dash, font changes vanish.
QString TextoSimples(QString troff) {
    troff.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    troff.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return troff;
}

// The exit codes of a command's section: the ".B N" items after its "Exit status" line.
std::set<int> CodigosDaPagina(const QString& troff) {
    const qsizetype inicio = troff.indexOf(QStringLiteral("Exit status"));
    if (inicio < 0) return {};
    static const QRegularExpression item(QStringLiteral("^\\.B (\\d{1,3})$"),
                                         QRegularExpression::MultilineOption);
    std::set<int> r;
    for (auto m = item.globalMatch(troff.mid(inicio)); m.hasNext();) r.insert(m.next().captured(1).toInt());
    return r;
}

// The commands `luvenor-cli --help` lists: the indented names under "commands:".
QStringList ComandosDaAjuda(const QString& ajuda) {
    const qsizetype inicio = ajuda.indexOf(QStringLiteral("commands:\n"));
    if (inicio < 0) return {};
    QStringList r;
    for (const QString& linha : ajuda.mid(inicio + 10).split(QLatin1Char('\n'))) {
        if (linha.trimmed().isEmpty()) break;
        r << linha.trimmed().section(QLatin1Char(' '), 0, 0);
    }
    return r;
}

QString Listar(const QStringList& faltas) {
    return Pagina + QStringLiteral(" lacks:\n  ") + faltas.join(QStringLiteral("\n  "));
}

class ManualDoCli : public ::testing::Test {
protected:
    void SetUp() override {
        ajuda_ = Ajuda({QStringLiteral("--help")});
        ASSERT_FALSE(ajuda_.isEmpty()) << "luvenor-cli --help failed";
        comandos_ = ComandosDaAjuda(ajuda_);
        ASSERT_GE(comandos_.size(), 4) << "no command list found in luvenor-cli --help:\n"
                                       << ajuda_.toStdString();
        pagina_ = LerPagina(LerFonte(Pagina));
        ASSERT_FALSE(pagina_.secoes.empty()) << "cannot read " << Pagina.toStdString();
    }

    QString ajuda_;
    QStringList comandos_;
    PaginaManual pagina_;
};

TEST_F(ManualDoCli, DocumentsEveryCommandWithItsOptionsAndExitCodes) {
    QStringList faltas;
    for (const QString& comando : comandos_) {
        const QString ajuda = Ajuda({comando, QStringLiteral("--help")});
        ASSERT_FALSE(ajuda.isEmpty()) << "luvenor-cli " << comando.toStdString() << " --help failed";
        const std::set<QString> opcoes = Opcoes(ajuda);
        const std::set<int> codigos = CodigosDaAjuda(ajuda);
        // Without these the comparison below would pass on nothing: the help changed its form.
        ASSERT_FALSE(opcoes.empty()) << "no options read from the help of " << comando.toStdString();
        ASSERT_GE(codigos.size(), 2u) << "no exit codes read from the help of " << comando.toStdString();

        const auto secao = pagina_.comandos.find(comando);
        if (secao == pagina_.comandos.end()) {
            faltas << QStringLiteral("the command '%1' (a \".SS %1\" under COMMANDS)").arg(comando);
            continue;
        }
        const std::set<QString> documentadas = Opcoes(TextoSimples(secao->second));
        for (const QString& o : opcoes) {
            if (!documentadas.count(o)) faltas << QStringLiteral("the option '%1' of '%2'").arg(o, comando);
        }
        const std::set<int> listados = CodigosDaPagina(secao->second);
        for (int c : codigos) {
            if (!listados.count(c))
                faltas << QStringLiteral("the exit code %1 of '%2' (under its \"Exit status\")")
                              .arg(c)
                              .arg(comando);
        }
    }
    EXPECT_TRUE(faltas.isEmpty()) << Listar(faltas).toStdString();
}

TEST_F(ManualDoCli, DocumentsTheGlobalOptionsAndNoCommandThatIsGone) {
    QStringList faltas;
    const std::set<QString> globais = Opcoes(TextoSimples(pagina_.secoes[QStringLiteral("OPTIONS")]));
    for (const QString& o : {QStringLiteral("--help"), QStringLiteral("--version")}) {
        EXPECT_TRUE(Opcoes(ajuda_).count(o)) << "luvenor-cli --help no longer lists " << o.toStdString();
        if (!globais.count(o)) faltas << QStringLiteral("the option '%1' under OPTIONS").arg(o);
    }
    EXPECT_TRUE(faltas.isEmpty()) << Listar(faltas).toStdString();
    for (const auto& [comando, texto] : pagina_.comandos) {
        EXPECT_TRUE(comandos_.contains(comando))
            << Pagina.toStdString() << " documents '" << comando.toStdString()
            << "', which luvenor-cli --help does not list";
    }
}

struct CasoPagina {
    const char* nome;
    const char* fonte;
    friend void PrintTo(const CasoPagina& c, std::ostream* os) { *os << c.nome; }
};

class PaginaFormatada : public ::testing::TestWithParam<CasoPagina> {};

// groff's warnings point at a macro the page misuses, which man would show as garbage.
TEST_P(PaginaFormatada, GroffFormatsItWithoutWarnings) {
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty()) GTEST_SKIP() << "groff is not installed";
    QProcess p;
    p.start(groff,
            {QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"), QStringLiteral("-Tutf8"),
             QStringLiteral(LUVENOR_SOURCE_DIR "/") + QString::fromLatin1(GetParam().fonte)});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), QString());
}

INSTANTIATE_TEST_SUITE_P(Manuais, PaginaFormatada,
                         ::testing::Values(CasoPagina{"cli", "dist/luvenor-cli.1.in"},
                                           CasoPagina{"viewer", "dist/luvenor.1.in"}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
