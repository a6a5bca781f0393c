// luvenor-cli danfe, run in-process: formats by extension, several files, logo, credit line,
// exit codes and what is written when a file cannot be read whole.
#include "cli/ComandoDanfe.h"

#include "report/RLGraphics.h"
#include "report/RLPageFile.h"
#include "report/PdfTeste.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace luvenor;

namespace {

int Executar(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return cli::ComandoDanfe(static_cast<int>(argv.size()), argv.data());
}

std::string Amostra(const char* nome) {
    return std::string(LUVENOR_SAMPLES_DIR) + "/" + nome;
}

const char* const retrato = "v400-1item-obscont-infresptec.xml";
const char* const paisagem = "v400-paisagem-5itens-bom.xml";
const char* const semNumero = "v400-minimo-sem-tpimp-tpamb.xml";      // the read stops at cNF
const char* const semProtocolo = "v400-nfeproc-sem-protnfe-bom.xml";  // the read stops at protNFe
const char* const nfceSemDestinatario = "nfce-v310-homologacao-sem-dest-cdata.xml";

QByteArray Bytes(const std::string& arquivo) {
    QFile f(QString::fromStdString(arquivo));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CliDanfe : public testing::Test {
protected:
    void SetUp() override {
        pasta =
            fs::temp_directory_path() /
            ("luvenor-danfe-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    void TearDown() override { fs::remove_all(pasta); }

    std::string Em(const std::string& nome) const { return (pasta / nome).string(); }

    std::unique_ptr<TRLGraphicStorage> Ler(const std::string& rpf) const {
        auto paginas = std::make_unique<TRLGraphicStorage>();
        CarregarArquivoPaginas(rpf, *paginas);
        return paginas;
    }

    bool TemTexto(const TRLGraphicStorage& paginas, const std::string& inicio) const {
        for (int i = 0; i < paginas.Count(); ++i)
            for (const TRLGraphicObject& o : paginas.Page(i)->Objects())
                if (const auto* t = o.As<TRLTextObject>(); t && t->Text.rfind(inicio, 0) == 0) return true;
        return false;
    }

    fs::path pasta;
};

}  // namespace

TEST_F(CliDanfe, GravaPdfPngERpfPelaExtensao) {
    const std::string xml = Amostra(retrato);
    EXPECT_EQ(Executar({xml, "-o", Em("a.pdf")}), 0);
    EXPECT_EQ(Executar({xml, "-o", Em("a.png"), "--dpi", "30"}), 0);
    EXPECT_EQ(Executar({xml, "-o", Em("a.RPF")}), 0);
    EXPECT_GT(fs::file_size(Em("a.pdf")), 1000u);
    EXPECT_TRUE(fs::exists(Em("a-1.png")));
    EXPECT_EQ(Ler(Em("a.RPF"))->Count(), 1);
}

TEST_F(CliDanfe, VariosArquivosNumaPastaNoLayoutDeCadaUm) {
    const fs::path saida = pasta / "saida";
    ASSERT_EQ(Executar({Amostra(retrato), Amostra(paisagem), "--outdir", saida.string(), "--formato", "rpf"}),
              0);
    const auto r = Ler((saida / "v400-1item-obscont-infresptec.rpf").string());
    const auto p = Ler((saida / "v400-paisagem-5itens-bom.rpf").string());
    EXPECT_EQ(r->Macros().Value("Orientation"), "1");
    EXPECT_EQ(p->Macros().Value("Orientation"), "2");
}

TEST_F(CliDanfe, VariosArquivosNumSoPdfNaOrdemComUmMarcadorCada) {
    const std::string cce = std::string(LUVENOR_FIXTURES_DIR) + "/eventos/avulsos/cce-curta.xml";
    testing::internal::CaptureStderr();
    // The missing file is reported and left out; the others keep their order and their sheets.
    EXPECT_EQ(Executar({Amostra(retrato), Amostra(paisagem), Em("nao-existe.xml"),
                        Amostra(nfceSemDestinatario), cce, "-o", Em("todas.pdf")}),
              2);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_NE(erro.find("nao-existe.xml: "), std::string::npos) << erro;
    const QByteArray pdf = Bytes(Em("todas.pdf"));
    const std::vector<teste::Caixa> folhas = teste::CaixasDoPdf(pdf);
    ASSERT_EQ(folhas.size(), 5u);
    EXPECT_LT(folhas[0].Largura, folhas[0].Altura);  // portrait
    EXPECT_GT(folhas[1].Largura, folhas[1].Altura);  // landscape, twice
    EXPECT_GT(folhas[2].Largura, folhas[2].Altura);
    EXPECT_NEAR(folhas[3].Largura, 80 / 25.4 * 72, 2);  // the 80 mm roll
    EXPECT_LT(folhas[4].Largura, folhas[4].Altura);
    const std::vector<teste::Marcador> marcadores = teste::MarcadoresDoPdf(pdf);
    ASSERT_EQ(marcadores.size(), 4u);
    EXPECT_EQ(marcadores[0].Titulo, "NF-e 7638 - GUESTON COMERCIO DE FERRAGENS EIRELI - EPP");
    EXPECT_EQ(marcadores[1].Titulo, "NF-e 1450 - CLIENTE EXEMPLO LTDA");
    EXPECT_EQ(marcadores[2].Titulo, "NFC-e 510 - Consumidor não identificado");
    EXPECT_EQ(marcadores[3].Titulo.rfind("CC-e 1 da NF-e ", 0), 0u) << marcadores[3].Titulo;
    const int primeiras[] = {1, 2, 4, 5};
    for (size_t i = 0; i < marcadores.size(); ++i) EXPECT_EQ(marcadores[i].Pagina, primeiras[i]) << i;
    // Each page holds its own document's text, in the order given.
    const auto texto = [&](int pagina) {
        return teste::Poppler(pdf,
                              "pdftotext -f " + std::to_string(pagina) + " -l " + std::to_string(pagina));
    };
    EXPECT_NE(texto(1).find("GUESTON"), std::string::npos);
    EXPECT_NE(texto(2).find("CLIENTE EXEMPLO"), std::string::npos);
    EXPECT_NE(texto(4).find("NFC-e"), std::string::npos);
    EXPECT_NE(texto(5).find("CARTA DE CORRE"), std::string::npos);
    // One font program for the whole file, not one per invoice.
    const std::string fontes = teste::Poppler(pdf, "pdffonts");
    EXPECT_EQ(std::count(fontes.begin(), fontes.end(), '\n'), 2 + 2) << fontes;
}

TEST_F(CliDanfe, PdfUnidoSemNadaAGravarNaoDeixaArquivo) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Executar({Em("a.xml"), Em("b.xml"), "-o", Em("todas.pdf")}), 4);
    EXPECT_TRUE(fs::is_empty(pasta)) << "no temporary file is left behind";
    // The output may not replace one of the inputs, whatever its name.
    fs::copy_file(Amostra(retrato), Em("entrada.pdf"));
    EXPECT_EQ(Executar({Amostra(paisagem), Em("entrada.pdf"), "-o", Em("entrada.pdf")}), 4);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_NE(erro.find("não há páginas a gravar"), std::string::npos) << erro;
    EXPECT_FALSE(fs::exists(Em("todas.pdf")));
    EXPECT_EQ(Bytes(Em("entrada.pdf")), Bytes(Amostra(retrato)));
}

TEST_F(CliDanfe, NomesIguaisNaPastaGanhamSufixoNaOrdemDada) {
    // Two folders hold files of the same name; a third input already is "nota-2".
    fs::create_directories(pasta / "a");
    fs::create_directories(pasta / "b");
    fs::copy_file(Amostra(retrato), pasta / "a" / "nota.xml");
    fs::copy_file(Amostra(paisagem), pasta / "b" / "nota.xml");
    fs::copy_file(Amostra(retrato), pasta / "nota-2.xml");
    ASSERT_EQ(Executar({Em("a/nota.xml"), Em("b/nota.xml"), Em("nota-2.xml"), Em("b/nota.xml"), "--outdir",
                        Em("d"), "--formato", "rpf"}),
              0);
    EXPECT_EQ(Ler(Em("d/nota.rpf"))->Macros().Value("Orientation"), "1");
    EXPECT_EQ(Ler(Em("d/nota-3.rpf"))->Macros().Value("Orientation"), "2");
    EXPECT_EQ(Ler(Em("d/nota-2.rpf"))->Macros().Value("Orientation"), "1");
    EXPECT_EQ(Ler(Em("d/nota-4.rpf"))->Macros().Value("Orientation"), "2");
    EXPECT_EQ(std::distance(fs::directory_iterator(Em("d")), fs::directory_iterator()), 4);
}

// Many invoices of both layouts and rolls prepared in parallel threads come out as each does alone:
// nothing of one preparation (font tables, measurers, pictures, page store) leaks into another.
TEST_F(CliDanfe, EmParaleloCadaSaidaIgualAFeitaSozinha) {
    std::vector<std::string> entradas;
    for (const char* nome :
         {retrato, paisagem, nfceSemDestinatario, "v400-retrato-41itens-12dup-transporta.xml",
          "v310-paisagem-textos-longos-nfref-issqn.xml", "nfce-v400-cdata-3dup-tpimp1.xml",
          "v400-caracteres-especiais-2itens.xml", "v400-homologacao-5itens-bom.xml"})
        entradas.push_back(Amostra(nome));
    for (const std::string d : {"s", "p"}) {
        std::vector<std::string> args = entradas;
        for (const std::string& e : entradas) args.push_back(e);  // twice each: NAME and NAME-2 race
        args.insert(args.end(), {"--outdir", Em(d), "--formato", "rpf", "-j", d == "s" ? "1" : "4"});
        ASSERT_EQ(Executar(args), 0);
    }
    int comparadas = 0;
    for (const auto& e : fs::directory_iterator(Em("s"))) {
        EXPECT_EQ(Bytes(e.path().string()), Bytes(Em("p/" + e.path().filename().string()))) << e.path();
        ++comparadas;
    }
    EXPECT_EQ(comparadas, 16);
}

TEST_F(CliDanfe, ArquivoQueNaoCarregaSai2SemGravar) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Executar({Em("nao-existe.xml"), "-o", Em("x.pdf")}), 2);
    EXPECT_EQ(Executar({std::string(LUVENOR_FIXTURES_DIR) + "/danfe/texto-solto.xml", "-o", Em("x.pdf")}), 2);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(erro.empty());
    EXPECT_FALSE(fs::exists(Em("x.pdf")));
}

TEST_F(CliDanfe, LeituraInterrompidaSai3EGravaSoComParcial) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Executar({Amostra(semProtocolo), "-o", Em("x.rpf")}), 3);
    EXPECT_FALSE(fs::exists(Em("x.rpf")));
    EXPECT_EQ(Executar({Amostra(semProtocolo), "-o", Em("x.rpf"), "--parcial"}), 3);
    EXPECT_TRUE(fs::exists(Em("x.rpf")));
    // Stopped before the invoice number: there is nothing to print, even with --parcial.
    EXPECT_EQ(Executar({Amostra(semNumero), "-o", Em("y.rpf"), "--parcial"}), 3);
    EXPECT_FALSE(fs::exists(Em("y.rpf")));
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_NE(erro.find("protNFe"), std::string::npos) << erro;
    EXPECT_NE(erro.find("cNF"), std::string::npos) << erro;
}

TEST_F(CliDanfe, ExigirAssinaturaRecusaOArquivoQueNaoVerificaESai5) {
    const std::string valida = std::string(LUVENOR_FIXTURES_DIR) + "/assinatura/assinada-sha1.xml";
    const std::string alterada = Amostra("v400-retrato-3itens-icms40-2dup.xml");
    testing::internal::CaptureStderr();
    EXPECT_EQ(Executar({alterada, valida, "--outdir", Em("d"), "--exigir-assinatura"}), 5);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fs::exists(Em("d/v400-retrato-3itens-icms40-2dup.pdf")));
    EXPECT_TRUE(fs::exists(Em("d/assinada-sha1.pdf")));
    EXPECT_EQ(erro, alterada +
                        ": DANFE não gerado: Assinatura inválida: conteúdo alterado após a assinatura \u00b7 "
                        "Protocolo confere \u00b7 Chave não confere com: CNPJ/CPF do emitente\n");
    // Without the option an altered file still prints: users need to see it.
    EXPECT_EQ(Executar({alterada, "-o", Em("x.pdf")}), 0);
    EXPECT_TRUE(fs::exists(Em("x.pdf")));
}

TEST_F(CliDanfe, VariosArquivosContinuamDepoisDeUmaFalha) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Executar({Em("nao-existe.xml"), Amostra(retrato), "--outdir", Em("d")}), 2);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(fs::exists(Em("d/v400-1item-obscont-infresptec.pdf")));
}

TEST_F(CliDanfe, LogoPngOuJpegNoLugarDoPadrao) {
    QImage logo(60, 30, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    for (const char* formato : {"PNG", "JPEG"}) {
        const std::string arquivo = Em(std::string("logo.") + formato);
        ASSERT_TRUE(logo.save(QString::fromStdString(arquivo), formato)) << formato;
        ASSERT_EQ(Executar({Amostra(retrato), "-o", Em("l.rpf"), "--logo", arquivo}), 0) << formato;
        bool achou = false;
        const auto paginas = Ler(Em("l.rpf"));
        for (const TRLGraphicObject& o : paginas->Page(0)->Objects())
            if (const auto* im = o.As<TRLImageObject>())
                achou = achou || DecodificarImagem(im->Picture).size() == QSize(60, 30);
        EXPECT_TRUE(achou) << formato;
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(Executar({Amostra(retrato), "-o", Em("l.pdf"), "--logo", Em("nao-existe.png")}), 1);
    testing::internal::GetCapturedStderr();
}

TEST_F(CliDanfe, LinhaDeCreditoSaiComSemCredito) {
    ASSERT_EQ(Executar({Amostra(retrato), "-o", Em("c.rpf")}), 0);
    EXPECT_TRUE(TemTexto(*Ler(Em("c.rpf")), "DANFE gerado pelo visualizador"));
    ASSERT_EQ(Executar({Amostra(retrato), "-o", Em("s.rpf"), "--sem-credito"}), 0);
    EXPECT_FALSE(TemTexto(*Ler(Em("s.rpf")), "DANFE gerado pelo visualizador"));
}

TEST_F(CliDanfe, StderrSoComVerbose) {
    testing::internal::CaptureStderr();
    ASSERT_EQ(Executar({Amostra(retrato), "-o", Em("v.pdf")}), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    testing::internal::CaptureStderr();
    ASSERT_EQ(Executar({Amostra(retrato), "-o", Em("v.pdf"), "--verbose"}), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(" ms"), std::string::npos);
}

TEST_F(CliDanfe, UsoErradoSai1EAjudaSai0) {
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_EQ(Executar({}), 1);
    EXPECT_EQ(Executar({Amostra(retrato), "-o", Em("x.txt")}), 1);
    EXPECT_EQ(Executar({Amostra(retrato), Amostra(paisagem), "-o", Em("x.png")}), 1);
    EXPECT_EQ(Executar({Amostra(retrato), "-o", Em("x.pdf"), "-j", "2"}), 1);
    EXPECT_EQ(Executar({Amostra(retrato), "--outdir", Em("d"), "-j", "0"}), 1);
    EXPECT_EQ(Executar({Amostra(retrato), "--outdir", Em("d"), "--formato", "bmp"}), 1);
    EXPECT_EQ(Executar({Amostra(retrato), "-o", Em("x.png"), "--dpi", "5"}), 1);
    EXPECT_EQ(Executar({Amostra(retrato), "-o"}), 1);
    EXPECT_EQ(Executar({"--help"}), 0);
    testing::internal::GetCapturedStderr();
    EXPECT_NE(testing::internal::GetCapturedStdout().find("usage: luvenor-cli danfe"), std::string::npos);
    EXPECT_FALSE(fs::exists(Em("x.txt")));
}
