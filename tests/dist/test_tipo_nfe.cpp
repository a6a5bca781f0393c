// The NF-e MIME type as a desktop built on Qt sees it once the package is installed: every real
// distribution file is one by its content, whatever its name, and no other XML file is taken over.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

const QString TipoNFe = QStringLiteral("application/x-nfe+xml");

// The MIME definitions as an installed package leaves them: the system's own and the package's file
// in one folder, the only one searched, set before the first QMimeDatabase of the process reads
// the folders. (Qt ranks the content rules of separate folders apart, not by their priorities.)
class TipoNFeInstalado : public ::testing::Environment {
public:
    void SetUp() override {
        const QString sistema = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                       QStringLiteral("mime/packages/freedesktop.org.xml"));
        ASSERT_FALSE(sistema.isEmpty()) << "install shared-mime-info";
        ASSERT_TRUE(pasta_.isValid());
        const QString pacotes = pasta_.filePath(QStringLiteral("mime/packages"));
        ASSERT_TRUE(QDir().mkpath(pacotes));
        ASSERT_TRUE(QFile::copy(sistema, pacotes + QStringLiteral("/freedesktop.org.xml")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUVENOR_SOURCE_DIR "/dist/luvenor-nfe.xml"),
                                pacotes + QStringLiteral("/luvenor-nfe.xml")));
        qputenv("XDG_DATA_HOME", pasta_.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", pasta_.path().toLocal8Bit());
    }

    QString Pasta() const { return pasta_.path(); }

private:
    QTemporaryDir pasta_;
};

auto* const instalado =
    static_cast<TipoNFeInstalado*>(::testing::AddGlobalTestEnvironment(new TipoNFeInstalado));

QByteArray Conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the file is, read by an XML parser rather than by the MIME rules under test.
QString ElementoRaiz(const QByteArray& xml) {
    QXmlStreamReader leitor(xml);
    while (!leitor.atEnd()) {
        if (leitor.readNext() == QXmlStreamReader::StartElement) return leitor.name().toString();
    }
    return QString();
}

std::vector<std::string> ArquivosXml() {
    std::vector<std::string> r;
    for (const QString& pasta :
         {QStringLiteral(LUVENOR_SAMPLES_DIR), QStringLiteral(LUVENOR_SOURCE_DIR "/samples"),
          QStringLiteral(LUVENOR_FIXTURES_DIR "/nfe"), QStringLiteral(LUVENOR_FIXTURES_DIR "/danfe")}) {
        for (const QFileInfo& f :
             QDir(pasta).entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
            r.push_back(f.absoluteFilePath().toStdString());
    }
    // XML files of other kinds that travel with the program.
    for (const char* outro : {"dist/luvenor.svg", "dist/luvenor.metainfo.xml.in", "dist/luvenor-nfe.xml"})
        r.push_back(std::string(LUVENOR_SOURCE_DIR "/") + outro);
    return r;
}

class TipoPeloConteudo : public ::testing::TestWithParam<std::string> {};

TEST_P(TipoPeloConteudo, IsNfeExactlyWhenTheRootIsADistributionElement) {
    const QByteArray xml = Conteudo(QString::fromStdString(GetParam()));
    ASSERT_FALSE(xml.isEmpty());
    const QString raiz = ElementoRaiz(xml);
    const bool distribuicao = raiz == QStringLiteral("nfeProc") || raiz == QStringLiteral("procEventoNFe");
    const std::string tipo = QMimeDatabase().mimeTypeForData(xml).name().toStdString();
    if (distribuicao)
        EXPECT_EQ(tipo, TipoNFe.toStdString()) << "root <" << raiz.toStdString() << ">";
    else
        EXPECT_NE(tipo, TipoNFe.toStdString()) << "root <" << raiz.toStdString() << ">";
}

INSTANTIATE_TEST_SUITE_P(ArquivosReais, TipoPeloConteudo, ::testing::ValuesIn(ArquivosXml()),
                         [](const auto& info) {
                             std::string nome =
                                 QFileInfo(QString::fromStdString(info.param)).fileName().toStdString();
                             for (char& c : nome)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return nome;
                         });

TEST(TipoNFe, TheRealSamplesAreAmongTheFilesChecked) {
    const QDir amostras(QStringLiteral(LUVENOR_SAMPLES_DIR));
    EXPECT_GE(amostras.entryList({QStringLiteral("*.xml")}, QDir::Files).size(), 10)
        << "no NF-e samples in " << LUVENOR_SAMPLES_DIR;
}

// dpkg's trigger compiles the same folder with update-mime-database, which warns about a
// definition it cannot use.
TEST(TipoNFe, UpdateMimeDatabaseCompilesItWithoutComplaint) {
    const QString compilador = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    ASSERT_FALSE(compilador.isEmpty()) << "install shared-mime-info";
    QProcess compilar;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PKGSYSTEM_ENABLE_FSYNC"), QStringLiteral("0"));  // a scratch folder
    compilar.setProcessEnvironment(env);
    compilar.start(compilador, {instalado->Pasta() + QStringLiteral("/mime")});
    ASSERT_TRUE(compilar.waitForFinished(60000));
    EXPECT_EQ(compilar.exitCode(), 0);
    const QString avisos = QString::fromUtf8(compilar.readAllStandardError());
    EXPECT_FALSE(avisos.contains(QStringLiteral("luvenor-nfe"))) << avisos.toStdString();
    EXPECT_TRUE(QFile::exists(instalado->Pasta() + QStringLiteral("/mime/application/x-nfe+xml.xml")));
}

TEST(TipoNFe, IsAKindOfXmlWithItsOwnName) {
    const QMimeType tipo = QMimeDatabase().mimeTypeForName(TipoNFe);
    ASSERT_TRUE(tipo.isValid());
    EXPECT_TRUE(tipo.inherits(QStringLiteral("application/xml")));
    EXPECT_FALSE(tipo.comment().isEmpty());
}

TEST(TipoNFe, EventsAndPrefacedRootsAreRecognisedToo) {
    QMimeDatabase db;
    const QByteArray evento =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<procEventoNFe versao=\"1.00\" xmlns=\"http://www.portalfiscal.inf.br/nfe\">"
        "<evento/></procEventoNFe>";
    EXPECT_EQ(db.mimeTypeForData(evento).name().toStdString(), TipoNFe.toStdString());
    // A byte-order mark, a declaration and a comment before the root, as issuers' systems write.
    const QByteArray prefaciado =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<!-- exported by the issuer's system, batch 2025-01 -->\r\n"
        "<nfeProc versao=\"4.00\" xmlns=\"http://www.portalfiscal.inf.br/nfe\"/>";
    EXPECT_EQ(db.mimeTypeForData(prefaciado).name().toStdString(), TipoNFe.toStdString());
    // A wrapper that holds an invoice deep inside is not one.
    QByteArray envelope = "<?xml version=\"1.0\"?><soap:Envelope xmlns:soap=\"urn:x\"><soap:Body>";
    envelope += QByteArray(600, ' ') + "<nfeProc/></soap:Body></soap:Envelope>";
    EXPECT_NE(db.mimeTypeForData(envelope).name().toStdString(), TipoNFe.toStdString());
}

struct CasoNome {
    const char* nome;
    const char* arquivo;
    bool nfe;
    friend void PrintTo(const CasoNome& c, std::ostream* os) { *os << c.nome; }
};

class TipoPeloNome : public ::testing::TestWithParam<CasoNome> {};

// The names the tax authorities and issuers' systems give these files decide without the content;
// any other ".xml" stays plain XML by name.
TEST_P(TipoPeloNome, StandardNamesOfDistributionFilesAreNfe) {
    const QString tipo =
        QMimeDatabase()
            .mimeTypeForFile(QString::fromLatin1(GetParam().arquivo), QMimeDatabase::MatchExtension)
            .name();
    if (GetParam().nfe)
        EXPECT_EQ(tipo, TipoNFe);
    else
        EXPECT_EQ(tipo, QStringLiteral("application/xml"));
}

INSTANTIATE_TEST_SUITE_P(
    Nomes, TipoPeloNome,
    ::testing::Values(
        CasoNome{"key_procNFe", "35250112345678000195550010000043211876543211-procNFe.xml", true},
        CasoNome{"key_nfe", "35250112345678000195550010000043211876543211-nfe.xml", true},
        CasoNome{"upper_case", "35250112345678000195550010000043211876543211-NFE.XML", true},
        CasoNome{"event", "110111-35250112345678000195550010000043211876543211-procEventoNFe.xml", true},
        CasoNome{"any_xml", "pedido.xml", false}, CasoNome{"nfe_alone", "nfe.xml", false}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
