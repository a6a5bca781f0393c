// A band no sheet holds whole (the additional information of a long text) starts below the last
// item, goes on over the next sheets with its captions repeated and its box closed on each, and
// the DANFE takes no more sheets than the text needs.
#include "PaginasDanfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

struct CasoFolhas {
    const char* xml;  // under tests/fixtures/danfe/
    int folhas;       // the least the text needs
    int volumes;      // "Volume NNN:" segments of its infCpl
};

// Each volume is written on a line of its own, and printed so.
const CasoFolhas casos[] = {
    {"infcpl-8000-dois-itens-retrato.xml", 3, 174},
    {"infcpl-16000-dois-itens-paisagem.xml", 6, 347},
};

struct Texto {
    std::string texto;
    TRLPageRect caixa;
};

std::vector<std::vector<Texto>> TextosPorFolha(const std::vector<TRLGraphicSurface>& folhas) {
    std::vector<std::vector<Texto>> r;
    for (const TRLGraphicSurface& f : folhas) {
        r.emplace_back();
        for (const TRLGraphicObject& o : f.Objects())
            if (const auto* t = o.As<TRLTextObject>()) r.back().push_back({t->Text, o.BoundsRect});
    }
    return r;
}

bool Tem(const std::vector<Texto>& folha, const std::string& texto) {
    return std::any_of(folha.begin(), folha.end(), [&](const Texto& t) { return t.texto == texto; });
}

// A closed upright box drawn on the sheet that holds every row of `caixa`.
bool CaixaFechadaEmVolta(const TRLGraphicSurface& folha, const TRLPageRect& caixa) {
    for (const TRLGraphicObject& o : folha.Objects()) {
        const auto* p = o.As<TRLPolygonObject>();
        if (!p || p->Points.size() != 4) continue;
        const TRLPageRect& b = o.BoundsRect;
        if (b.Left <= caixa.Left && b.Right >= caixa.Left + 10 && b.Top < caixa.Top &&
            b.Bottom >= caixa.Bottom)
            return true;
    }
    return false;
}

class FolhasDeBandaLonga : public testing::TestWithParam<CasoFolhas> {
protected:
    void SetUp() override {
        const std::string xml = NoProjeto(std::string("tests/fixtures/danfe/") + GetParam().xml);
        ASSERT_TRUE(ComFormulario(xml, [this](TFrtDanfe& f) {
            f.RLReport1().ShowProgress = false;
            ASSERT_TRUE(f.RLReport1().PreparePages());
            const TRLGraphicStorage& paginas = f.RLReport1().Pages();
            for (int i = 0; i < paginas.Count(); ++i) folhas_.push_back(*paginas.Page(i));
        }));
        textos_ = TextosPorFolha(folhas_);
    }
    std::vector<TRLGraphicSurface> folhas_;
    std::vector<std::vector<Texto>> textos_;
};

}  // namespace

TEST_P(FolhasDeBandaLonga, TextoInteiroUmaVezNoMenorNumeroDeFolhas) {
    ASSERT_EQ(static_cast<int>(folhas_.size()), GetParam().folhas);
    // The memo's lines, in order over the sheets: the texts that start at its left edge.
    int esquerda = -1;
    for (const Texto& t : textos_.at(0))
        if (t.texto.rfind("Volume 001:", 0) == 0) esquerda = t.caixa.Left;
    ASSERT_GE(esquerda, 0);
    std::string tudo;
    for (const auto& folha : textos_)
        for (const Texto& t : folha)
            if (t.caixa.Left == esquerda) tudo += t.texto + " ";
    for (int v = 1; v <= GetParam().volumes; ++v) {
        char marca[32];
        std::snprintf(marca, sizeof marca, "Volume %03d:", v);
        const size_t primeira = tudo.find(marca);
        ASSERT_NE(primeira, std::string::npos) << marca << " lost";
        EXPECT_EQ(tudo.find(marca, primeira + 1), std::string::npos) << marca << " printed twice";
    }
}

TEST_P(FolhasDeBandaLonga, ComecaAbaixoDoUltimoItemDaPrimeiraFolha) {
    int ultimoItem = -1;
    int primeiraLinha = INT_MAX;
    for (const Texto& t : textos_.at(0)) {
        if (t.texto == "ARRUELA") ultimoItem = t.caixa.Bottom;
        if (t.texto.rfind("Volume 001:", 0) == 0) primeiraLinha = t.caixa.Top;
    }
    ASSERT_GE(ultimoItem, 0);
    ASSERT_NE(primeiraLinha, INT_MAX) << "the text did not start on the first sheet";
    EXPECT_GT(primeiraLinha, ultimoItem);
}

TEST_P(FolhasDeBandaLonga, CadaParteTemLegendasECaixaFechadaENenhumaFolhaSoCabecalhos) {
    for (size_t i = 0; i < folhas_.size(); ++i) {
        SCOPED_TRACE("sheet " + std::to_string(i + 1));
        int topo = INT_MAX;
        int baixo = 0;
        int esquerda = INT_MAX;
        for (const Texto& t : textos_[i]) {
            if (t.texto.find("Volume ") == std::string::npos) continue;
            topo = std::min(topo, t.caixa.Top);
            baixo = std::max(baixo, t.caixa.Bottom);
            esquerda = std::min(esquerda, t.caixa.Left);
        }
        ASSERT_LT(topo, baixo) << "a sheet without any of the text";
        EXPECT_TRUE(Tem(textos_[i], "INFORMAÇÕES COMPLEMENTARES"));
        EXPECT_TRUE(Tem(textos_[i], "RESERVADO AO FISCO") || Tem(textos_[i], "DADOS"));
        EXPECT_TRUE(CaixaFechadaEmVolta(folhas_[i], {esquerda, topo, esquerda + 10, baixo}))
            << "the text's box is open";
        EXPECT_LE(baixo, folhas_[i].Height() - 30) << "the text runs into the bottom margin";
        // Item column headers head item rows: none on a sheet that has none.
        EXPECT_EQ(Tem(textos_[i], "DADOS DO PRODUTO/SERVIÇOS"), i == 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, FolhasDeBandaLonga, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoFolhas>& i) {
                             return std::string(i.param.xml).find("paisagem") != std::string::npos
                                        ? std::string("Paisagem")
                                        : std::string("Retrato");
                         });
