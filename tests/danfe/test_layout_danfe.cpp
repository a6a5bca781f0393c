// The layout tables of both DANFE forms, row by row, and the report the builder makes of them.
#include "DanfeTeste.h"

#include "danfe/ConstrutorDanfe.h"
#include "danfe/LayoutDanfe.h"
#include "report/RLBarcode.h"
#include "report/RLDraw.h"
#include "report/RLImage.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "report/RLTextLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace luvenor;

namespace {

struct CasoLayout {
    const char* nome;
    const LayoutDanfe& (*layout)();
    int larguraBanda;
    int faixaEsquerda;  // nothing prints left of this column
};

const CasoLayout casos[] = {
    {"Retrato", LayoutRetrato, 734, 0},
    {"Paisagem", LayoutPaisagem, 1063, 85},
};

class LayoutDanfeTeste : public testing::TestWithParam<CasoLayout> {
protected:
    const LayoutDanfe& L() const { return GetParam().layout(); }

    std::map<std::string, const BandaDanfe*> Bandas() const {
        std::map<std::string, const BandaDanfe*> m;
        for (const BandaDanfe& b : L().Bandas) m[b.Nome] = &b;
        return m;
    }
};

}  // namespace

TEST_P(LayoutDanfeTeste, NomesSaoUnicosEntreBandasEControles) {
    std::set<std::string> nomes;
    for (const BandaDanfe& b : L().Bandas) EXPECT_TRUE(nomes.insert(b.Nome).second) << b.Nome;
    for (const ControleDanfe& c : L().Controles) {
        const bool moldura = c.Tipo == TipoControleDanfe::Retangulo || c.Tipo == TipoControleDanfe::Linha;
        EXPECT_EQ(std::string(c.Nome).empty(), moldura) << "row in " << c.Banda;
        if (!moldura) {
            EXPECT_TRUE(nomes.insert(c.Nome).second) << c.Nome;
        }
    }
}

TEST_P(LayoutDanfeTeste, CadaCaixaCabeNaSuaBandaENaFaixaImpressa) {
    const auto bandas = Bandas();
    for (const ControleDanfe& c : L().Controles) {
        SCOPED_TRACE(std::string(c.Banda) + " " + c.Nome + " at " + std::to_string(c.Caixa.Left) + "," +
                     std::to_string(c.Caixa.Top));
        auto b = bandas.find(c.Banda);
        ASSERT_NE(b, bandas.end());
        ASSERT_NE(b->second->Tipo, TipoBandaDanfe::SubDetalhe);
        EXPECT_GE(c.Caixa.Left, GetParam().faixaEsquerda);
        EXPECT_GE(c.Caixa.Top, 0);
        EXPECT_GT(c.Caixa.Width, 0);
        EXPECT_GT(c.Caixa.Height, 0);
        EXPECT_LE(c.Caixa.Left + c.Caixa.Width, GetParam().larguraBanda);
        EXPECT_LE(c.Caixa.Top + c.Caixa.Height, b->second->Altura);
    }
}

TEST_P(LayoutDanfeTeste, BandasQueSempreImprimemCabemNumaFolha) {
    const int margem = MilimetrosParaPixels(L().MargemMm);
    EXPECT_EQ(L().LarguraPagina - 2 * margem, GetParam().larguraBanda);
    int sempre = 0;
    int noSubDetalhe = 0;
    int declaradaSubDetalhe = 0;
    for (const BandaDanfe& b : L().Bandas) {
        const std::string nome = b.Nome;
        const bool opcional = nome.find("Retirada") != std::string::npos ||
                              nome.find("Entrega") != std::string::npos ||
                              nome.find("Fatura") != std::string::npos;
        if (b.Tipo == TipoBandaDanfe::SubDetalhe)
            declaradaSubDetalhe = b.Altura;
        else if (!opcional)
            sempre += b.Altura;
        if (std::string(b.Pai) != "RLReport1") noSubDetalhe += b.Altura;
    }
    EXPECT_LE(sempre, L().AlturaPagina - 2 * margem);
    EXPECT_LE(noSubDetalhe, declaradaSubDetalhe);
}

TEST_P(LayoutDanfeTeste, LegendasFixasSoEmTextosEDadosSemLegenda) {
    for (const ControleDanfe& c : L().Controles) {
        const bool texto = c.Tipo == TipoControleDanfe::Rotulo ||
                           c.Tipo == TipoControleDanfe::RotuloVertical ||
                           c.Tipo == TipoControleDanfe::InfoSistema || c.Tipo == TipoControleDanfe::Memo;
        if (texto) {
            EXPECT_GT(c.Fonte.Altura, 0) << c.Nome;
        } else {
            EXPECT_STREQ(c.Legenda, "") << c.Nome;
        }
    }
}

TEST_P(LayoutDanfeTeste, ConstrutorCriaCadaControleComSeuTipoEMoldurasAntesDosTextos) {
    teste::GarantirAplicacao();
    MapaControles mapa;
    auto relatorio = ConstruirRelatorio(L(), mapa);
    for (const ControleDanfe& c : L().Controles) {
        if (*c.Nome == '\0') continue;
        TRLCustomControl* ctl = mapa.at(c.Nome);
        EXPECT_EQ(ctl->Parent()->Name(), c.Banda) << c.Nome;
        EXPECT_EQ(ctl->BoundsRect(), (TRLRect{c.Caixa.Left, c.Caixa.Top, c.Caixa.Width, c.Caixa.Height}))
            << c.Nome;
        switch (c.Tipo) {
            case TipoControleDanfe::Memo:
                EXPECT_NE(dynamic_cast<TRLMemo*>(ctl), nullptr) << c.Nome;
                break;
            case TipoControleDanfe::Imagem:
                EXPECT_NE(dynamic_cast<TRLImage*>(ctl), nullptr) << c.Nome;
                break;
            case TipoControleDanfe::RotuloVertical:
                EXPECT_NE(dynamic_cast<TRLAngleLabel*>(ctl), nullptr) << c.Nome;
                break;
            case TipoControleDanfe::Barras:
                EXPECT_NE(dynamic_cast<TRLBarcode*>(ctl), nullptr) << c.Nome;
                break;
            default:
                EXPECT_NE(dynamic_cast<TRLCustomLabel*>(ctl), nullptr) << c.Nome;
                break;
        }
        if (c.Tipo != TipoControleDanfe::Imagem && c.Tipo != TipoControleDanfe::Barras) {
            EXPECT_EQ(ctl->Font().Name, "Times New Roman") << c.Nome;
        }
    }
    for (const BandaDanfe& b : L().Bandas) {
        bool viuTexto = false;
        for (const auto& filho : mapa.at(b.Nome)->Children()) {
            const bool moldura = dynamic_cast<TRLDraw*>(filho.get()) != nullptr;
            EXPECT_FALSE(moldura && viuTexto) << b.Nome << ": " << filho->Name() << " drawn over a text";
            viuTexto = viuTexto || !moldura;
        }
    }
}

namespace {

// The frame a control stands in: the smallest rectangle of its band holding its top-left pixel.
const ControleDanfe* MolduraDe(const LayoutDanfe& l, const ControleDanfe& c) {
    const ControleDanfe* achada = nullptr;
    for (const ControleDanfe& r : l.Controles) {
        if (r.Tipo != TipoControleDanfe::Retangulo || std::string(r.Banda) != c.Banda) continue;
        const CaixaDanfe& b = r.Caixa;
        const bool dentro = c.Caixa.Left >= b.Left && c.Caixa.Left < b.Left + b.Width &&
                            c.Caixa.Top >= b.Top && c.Caixa.Top < b.Top + b.Height;
        if (dentro && (!achada || b.Width * b.Height < achada->Caixa.Width * achada->Caixa.Height))
            achada = &r;
    }
    return achada;
}

}  // namespace

// Every fixed caption, measured with the DANFE font, ends inside its own box and at least one
// pixel before the right rule of the frame it stands in (that rule lies on the frame's
// left + width, where the next frame starts); a turned title fits its frame's height.
TEST_P(LayoutDanfeTeste, CadaLegendaFixaCabeNaSuaCaixaENaSuaMoldura) {
    teste::GarantirAplicacao();
    for (const ControleDanfe& c : L().Controles) {
        const bool rotulo =
            c.Tipo == TipoControleDanfe::Rotulo || c.Tipo == TipoControleDanfe::RotuloVertical;
        if (!rotulo || *c.Legenda == '\0' || (c.Flags & flLarguraTotal)) continue;
        SCOPED_TRACE(std::string(c.Nome) + " \"" + c.Legenda + "\"");
        const TRLTextMeasurer m(FonteDoControle(c.Fonte));
        const int comEspaco = m.TextWidth(std::string(c.Legenda) + " ");
        const int glifos = m.TextWidth(c.Legenda);
        const ControleDanfe* moldura = MolduraDe(L(), c);
        if (c.Tipo == TipoControleDanfe::RotuloVertical) {
            // Turned to read upwards from half a space above its box's bottom.
            ASSERT_NE(moldura, nullptr);
            EXPECT_GT(c.Caixa.Top + c.Caixa.Height - m.SpaceWidth() / 2 - glifos, moldura->Caixa.Top)
                << "runs into the rule at " << moldura->Caixa.Top;
            continue;
        }
        int inicio = c.Caixa.Left + m.SpaceWidth() / 2;
        if (!(c.Flags & flLarguraAuto)) {
            EXPECT_LE(comEspaco, c.Caixa.Width) << "cut by its own box";
            if (c.Alinhamento == TRLTextAlignment::taCenter) inicio += (c.Caixa.Width - comEspaco) / 2;
            if (c.Alinhamento == TRLTextAlignment::taRightJustify) inicio += c.Caixa.Width - comEspaco;
        }
        EXPECT_GE(inicio, moldura ? moldura->Caixa.Left + 1 : 0) << "starts on or before the left rule";
        const int regraDireita =
            moldura ? moldura->Caixa.Left + moldura->Caixa.Width : GetParam().larguraBanda;
        EXPECT_LT(inicio + glifos, regraDireita) << "runs into the rule at " << regraDireita;
    }
}

INSTANTIATE_TEST_SUITE_P(Formularios, LayoutDanfeTeste, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoLayout>& i) {
                             return std::string(i.param.nome);
                         });

TEST(LayoutDanfe, ChaveDeAcessoNomeiaOPortalNacional) {
    for (const LayoutDanfe* l : {&LayoutRetrato(), &LayoutPaisagem()}) {
        for (const ControleDanfe& c : l->Controles) {
            if (std::string(c.Nome) == "labIdentifica9") {
                const std::string legenda = c.Legenda;
                EXPECT_EQ(legenda, "CHAVE DE ACESSO DA NF-e P/CONSULTA DE AUTENTICIDADE NO SITE " +
                                       std::string(HostPortalNfe));
            }
        }
    }
}
