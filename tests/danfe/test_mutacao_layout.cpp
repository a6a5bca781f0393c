// Every value of every row of both DANFE layout tables reaches the printed pages, so that the
// checked-in dumps catch a change of any of them. Each row is changed in memory, one value at a
// time, on the form built from the table (where the builder has copied the row), and the dump of
// at least one fixture invoice must then differ from its dump without the change.
#include "PaginasDanfe.h"

#include "danfe/LayoutDanfe.h"
#include "report/RLLabel.h"
#include "report/RLSystemInfo.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace luvenor;

namespace {

enum class Mudanca { Esquerda, Topo, Largura, Altura, Fonte, Legenda };

const char* NomeDaMudanca(Mudanca m) {
    switch (m) {
        case Mudanca::Esquerda:
            return "Left+3";
        case Mudanca::Topo:
            return "Top+1";
        case Mudanca::Largura:
            return "Width+1";
        case Mudanca::Altura:
            return "Height+1";
        case Mudanca::Fonte:
            return "font height+1";
        case Mudanca::Legenda:
            return "caption changed";
    }
    return "";
}

bool EhMoldura(const ControleDanfe& c) {
    return c.Tipo == TipoControleDanfe::Retangulo || c.Tipo == TipoControleDanfe::Linha;
}

// A row of a layout table: a band (controle == nullptr) or a control of a band.
struct Linha {
    std::string nome;
    const BandaDanfe* banda = nullptr;
    const ControleDanfe* controle = nullptr;
};

std::vector<Linha> LinhasDoLayout(const LayoutDanfe& layout) {
    std::vector<Linha> linhas;
    for (const BandaDanfe& b : layout.Bandas) {
        linhas.push_back({std::string("band ") + b.Nome, &b, nullptr});
        int molduras = 0;
        for (const ControleDanfe& c : layout.Controles) {
            if (std::string(c.Banda) != b.Nome) continue;
            const std::string nome = EhMoldura(c) ? "frame " + std::to_string(++molduras) + " of " + b.Nome
                                                  : std::string(c.Nome) + " (" + b.Nome + ")";
            linhas.push_back({nome, &b, &c});
        }
    }
    return linhas;
}

// The values of a row that reach the page. Some never do, by what the row asks for: an auto-sized
// label takes its width and height from its text, a full-width label its left, top and width from
// the band, and a full-height frame its top and height from the band and the controls above it.
std::vector<Mudanca> MudancasDaLinha(const Linha& l) {
    if (!l.controle) return {Mudanca::Altura};
    const unsigned f = l.controle->Flags;
    const bool rotulo = l.controle->Tipo == TipoControleDanfe::Rotulo ||
                        l.controle->Tipo == TipoControleDanfe::RotuloVertical ||
                        l.controle->Tipo == TipoControleDanfe::InfoSistema;
    std::vector<Mudanca> m;
    if (!(f & flLarguraTotal)) m.push_back(Mudanca::Esquerda);
    if (!(f & (flLarguraTotal | flAlturaTotal))) m.push_back(Mudanca::Topo);
    if (!(f & (flLarguraTotal | (rotulo ? flLarguraAuto : 0u)))) m.push_back(Mudanca::Largura);
    if (!(f & (flAlturaTotal | (rotulo ? flLarguraAuto : 0u)))) m.push_back(Mudanca::Altura);
    const bool semFonte =
        l.controle->Tipo == TipoControleDanfe::Imagem || l.controle->Tipo == TipoControleDanfe::Barras;
    if (!semFonte && !EhMoldura(*l.controle)) m.push_back(Mudanca::Fonte);
    if (*l.controle->Legenda != '\0') m.push_back(Mudanca::Legenda);
    return m;
}

using Valores = std::set<std::pair<std::string, std::string>>;  // row, change

// Values that reach the page but that no fixture shows changed yet, and why. The test fails when
// one of them is caught, so that the lists only ever shrink.
const Valores naoCobertosRetrato = {
    // A fixed memo's height only decides which of its lines begin inside it, and every line of the
    // fixtures begins well inside.
    {"labCanhoto1 (bandCanhoto)", "Height+1"},
    {"labDados17 (bandDados)", "Height+1"},
    // A module of the bars is a whole pixel: one more pixel of box leaves the 277 modules of a key
    // at one pixel each.
    {"labIdentifica11 (bandDados)", "Width+1"},
    // The sub-detail reaches the foot of every sheet whatever its designed height.
    {"band RLSubDetail1", "Height+1"},
    // The additional information below it is aligned to the foot of the sheet, so the ISSQN band's
    // height only matters when it decides a sheet break, which no fixture comes close to.
    {"band bandISSQN", "Height+1"},
};
const Valores naoCobertosPaisagem = {
    // As in the portrait form.
    {"labFatura2 (bandFatura)", "Height+1"},
    {"labIdentifica11 (bandDados)", "Width+1"},
    {"band RLSubDetail1", "Height+1"},
    {"band bandISSQN", "Height+1"},
};

// The control the builder made of a row. Frames have no names: they are the first children of
// their band, in table order.
TRLCustomControl* ControleDaLinha(const TFrtDanfe& f, const Linha& l) {
    if (!l.controle) return f.Controle(l.banda->Nome);
    if (!EhMoldura(*l.controle)) return f.Controle(l.controle->Nome);
    TRLCustomControl* banda = f.Controle(l.banda->Nome);
    if (!banda) return nullptr;
    size_t n = 0;
    for (const ControleDanfe& c : f.Layout().Controles) {
        if (&c == l.controle) break;
        if (std::string(c.Banda) == l.banda->Nome && EhMoldura(c)) ++n;
    }
    return n < banda->Children().size() ? banda->Children()[n].get() : nullptr;
}

// A caption as if the table said otherwise. The filling pass writes fixed captions from the table
// on every sheet, so the label's text is changed as it prints, and only while it still is the
// table's caption; a page-number field keeps the prefix the builder gave it.
std::function<void()> MudarLegenda(TRLCustomControl& c, const std::string& legenda) {
    if (auto* campo = dynamic_cast<TRLCustomSystemInfo*>(&c)) {
        const std::string texto = campo->Text;
        campo->Text += "*";
        return [campo, texto] { campo->Text = texto; };
    }
    TRLBeforeTextEvent trocar = [legenda](TRLCustomControl&, std::string& texto, bool&) {
        if (texto == legenda) texto += "*";
    };
    if (auto* rotulo = dynamic_cast<TRLCustomLabel*>(&c)) {
        rotulo->BeforePrint = trocar;
        return [rotulo] { rotulo->BeforePrint = nullptr; };
    }
    if (auto* vertical = dynamic_cast<TRLCustomAngleLabel*>(&c)) {
        vertical->BeforePrint = trocar;
        return [vertical] { vertical->BeforePrint = nullptr; };
    }
    ADD_FAILURE() << c.Name() << " has a caption but is no label";
    return [] {};
}

// Changes one value of the control as the changed row would have built it; returns the undoing.
std::function<void()> Mudar(TRLCustomControl& c, const Linha& l, Mudanca m) {
    const TRLRect antes = c.BoundsRect();
    auto caixa = [&c, antes](int dl, int dt, int dw, int dh) {
        c.SetBounds(antes.Left + dl, antes.Top + dt, antes.Width + dw, antes.Height + dh);
        return std::function<void()>([&c, antes] { c.SetBoundsRect(antes); });
    };
    switch (m) {
        case Mudanca::Esquerda:
            return caixa(3, 0, 0, 0);
        case Mudanca::Topo:
            return caixa(0, 1, 0, 0);
        case Mudanca::Largura:
            return caixa(0, 0, 1, 0);
        case Mudanca::Altura:
            return caixa(0, 0, 0, 1);
        case Mudanca::Fonte: {
            const TRLFont fonte = c.Font();
            TRLFont maior = fonte;
            maior.Height -= 1;  // a negative height is the character height
            c.SetFont(maior);
            return [&c, fonte] { c.SetFont(fonte); };
        }
        case Mudanca::Legenda:
            return MudarLegenda(c, l.controle->Legenda);
    }
    return [] {};
}

// Prepares the form once, counting the prints of each band and sub-detail.
std::string DumpContandoBandas(TFrtDanfe& f, const LayoutDanfe& layout,
                               std::map<std::string, int>& impressoes) {
    std::vector<std::pair<TRLCustomControl*, TRLAfterPrintEvent>> originais;
    for (const BandaDanfe& b : layout.Bandas) {
        TRLCustomControl* banda = f.Controle(b.Nome);
        if (!banda) continue;
        originais.emplace_back(banda, banda->AfterPrint);
        banda->AfterPrint = [antes = banda->AfterPrint, &n = impressoes[b.Nome]](TRLCustomControl& s) {
            ++n;
            if (antes) antes(s);
        };
    }
    const std::string dump = teste::DumpDasPaginas(f);
    for (auto& [banda, antes] : originais) banda->AfterPrint = antes;
    return dump;
}

using Pendentes = std::set<std::pair<size_t, Mudanca>>;

// Tries every pending change of a row whose band the fixture prints; what changes the dump is
// crossed off.
void TentarNoFormulario(TFrtDanfe& f, const std::vector<Linha>& linhas, Pendentes& pendentes,
                        std::map<std::string, int>& impressoes) {
    std::map<std::string, int> nesta;
    const std::string base = DumpContandoBandas(f, f.Layout(), nesta);
    for (const auto& [banda, n] : nesta) impressoes[banda] += n;
    for (auto it = pendentes.begin(); it != pendentes.end();) {
        const Linha& l = linhas[it->first];
        TRLCustomControl* c = ControleDaLinha(f, l);
        ASSERT_NE(c, nullptr) << l.nome;
        if (l.controle) {
            const CaixaDanfe& cx = l.controle->Caixa;
            ASSERT_EQ(c->BoundsRect(), (TRLRect{cx.Left, cx.Top, cx.Width, cx.Height})) << l.nome;
        }
        if (nesta[l.banda->Nome] == 0) {
            ++it;
            continue;
        }
        const auto desfazer = Mudar(*c, l, it->second);
        const bool mudou = teste::DumpDasPaginas(f) != base;
        desfazer();
        it = mudou ? pendentes.erase(it) : std::next(it);
    }
    EXPECT_EQ(teste::DumpDasPaginas(f), base) << "a change was not undone";
}

struct CasoLayout {
    const char* nome;
    const LayoutDanfe& (*layout)();
    std::vector<const char*> fixtures;  // tried in turn: the first one catches most changes
    const Valores& naoCobertos;
};

const CasoLayout casos[] = {
    {"Retrato",
     LayoutRetrato,
     {"samples/nfe-exemplo.xml", "tests/fixtures/danfe/issqn-retrato.xml",
      "tests/fixtures/danfe/locais-retrato.xml"},
     naoCobertosRetrato},
    {"Paisagem",
     LayoutPaisagem,
     {"tests/fixtures/danfe/paisagem-servicos.xml", "tests/fixtures/danfe/locais-paisagem.xml"},
     naoCobertosPaisagem},
};

void PrintTo(const CasoLayout& c, std::ostream* os) {
    *os << c.nome;
}

class MutacaoLayout : public testing::TestWithParam<CasoLayout> {};

}  // namespace

TEST_P(MutacaoLayout, CadaValorDeCadaLinhaMudaODumpDeUmaFixture) {
    const LayoutDanfe& layout = GetParam().layout();
    const std::vector<Linha> linhas = LinhasDoLayout(layout);
    Pendentes pendentes;
    for (size_t i = 0; i < linhas.size(); ++i)
        for (Mudanca m : MudancasDaLinha(linhas[i])) pendentes.insert({i, m});
    std::map<std::string, int> impressoes;
    for (const char* fixture : GetParam().fixtures) {
        ASSERT_TRUE(teste::ComFormulario(teste::NoProjeto(fixture), [&](TFrtDanfe& f) {
            ASSERT_EQ(&f.Layout(), &layout) << fixture << " is printed in the other layout";
            TentarNoFormulario(f, linhas, pendentes, impressoes);
        })) << fixture;
    }

    // Every band is printed by some fixture, so that every row is checked.
    for (const BandaDanfe& b : layout.Bandas)
        EXPECT_GT(impressoes[b.Nome], 0) << b.Nome << " is never printed";
    const Valores& naoCobertos = GetParam().naoCobertos;
    Valores restantes;
    for (const auto& [i, m] : pendentes) {
        restantes.insert({linhas[i].nome, NomeDaMudanca(m)});
        if (!naoCobertos.count({linhas[i].nome, NomeDaMudanca(m)}))
            ADD_FAILURE() << linhas[i].nome << ": " << NomeDaMudanca(m) << " changes no fixture's dump";
    }
    for (const auto& [nome, mudanca] : naoCobertos) {
        if (!restantes.count({nome, mudanca}))
            ADD_FAILURE() << nome << ": " << mudanca
                          << " is caught now; take it off the list of rows not covered";
    }
}

INSTANTIATE_TEST_SUITE_P(Formularios, MutacaoLayout, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoLayout>& i) {
                             return std::string(i.param.nome);
                         });
