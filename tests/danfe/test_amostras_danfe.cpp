// Every real sample file: loaded as the viewer loads it, its DANFE prepares in the layout tpImp
// asks for (a consumer invoice's on its roll), and nothing is drawn off the paper.
#include "DanfeTeste.h"

#include "ClasNFe/CarregarNFe.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

std::vector<std::string> Amostras() {
    std::vector<std::string> v;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(LUVENOR_SAMPLES_DIR, ec))
        if (e.path().extension() == ".xml") v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

class AmostraDanfe : public testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(AmostraDanfe, PreparaNoLayoutDoTpImpDentroDoPapel) {
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ResultadoCarga carga =
        CarregarArquivoNFe(leitor, std::string(LUVENOR_SAMPLES_DIR) + "/" + GetParam());
    if (!carga.Carregado() || nf.NumLcto < 1)
        GTEST_SKIP() << "not an invoice the viewer prints: " << carga.ErroCarga << carga.MsgErro;
    DanfePreparado d = Preparar(nf);
    ASSERT_TRUE(d.preparado);
    ASSERT_FALSE(d.paginas.empty());
    if (EhNfce(nf)) {
        // A consumer invoice: its DANFE NFC-e on one roll page, whatever tpImp says.
        EXPECT_FALSE(d.paisagem);
        EXPECT_EQ(d.paginas.size(), 1u);
        EXPECT_EQ(ContarTexto(d, "Consulte pela Chave de Acesso em"), 1);
        EXPECT_EQ(ContarTexto(d, "DANFE"), 0);
    } else {
        EXPECT_EQ(d.paisagem, nf.tpImp == "2");
        EXPECT_EQ(ContarTexto(d, "DANFE"), static_cast<int>(d.paginas.size()));
        EXPECT_EQ(ContarTexto(d, "DADOS ADICIONAIS") + ContarTexto(d, "INFORMAÇÕES COMPLEMENTARES"),
                  d.paisagem ? 1 : 2);
    }
    for (const TRLGraphicSurface& p : d.paginas) {
        for (const TRLGraphicObject& o : p.Objects()) {
            if (o.As<TRLTextObject>() && (o.As<TRLTextObject>()->TextFlags & tfUnclipped))
                continue;  // memo lines and auto-sized labels may run past their boxes
            EXPECT_GE(o.BoundsRect.Left, 0);
            EXPECT_GE(o.BoundsRect.Top, 0);
            EXPECT_LE(o.BoundsRect.Right, p.Width());
            EXPECT_LE(o.BoundsRect.Bottom, p.Height());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Amostras, AmostraDanfe, testing::ValuesIn(Amostras()),
                         [](const testing::TestParamInfo<std::string>& i) {
                             std::string nome;
                             for (char c : i.param.substr(0, i.param.size() - 4))
                                 nome += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return nome;
                         });

// Our own invoices with an infCpl of 8,000 characters, one per layout: read from the file, every
// word of the text reaches the pages.
class InfCplLongo : public testing::TestWithParam<const char*> {};

TEST_P(InfCplLongo, TodoOTextoEImpresso) {
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ResultadoCarga carga =
        CarregarArquivoNFe(leitor, std::string(LUVENOR_FIXTURES_DIR) + "/danfe/" + GetParam());
    ASSERT_TRUE(carga.Carregado()) << carga.ErroCarga;
    ASSERT_EQ(carga.MsgErro, "");
    DanfePreparado d = Preparar(nf);
    ASSERT_TRUE(d.preparado);
    std::string impresso;
    for (const TRLGraphicSurface& p : d.paginas)
        for (const std::string& t : Textos(p)) impresso += t + " ";
    for (int i = 1; i < 730; ++i) {
        char palavra[16];
        std::snprintf(palavra, sizeof palavra, "trecho%04d ", i);
        ASSERT_NE(impresso.find(palavra), std::string::npos) << palavra << " is missing";
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, InfCplLongo,
                         testing::Values("infcpl-8000-retrato.xml", "infcpl-8000-paisagem.xml"));
