// Text controls: where a label's text sits in its box, auto-size edges, memo wrapping and growth,
// justifying, page-number fields.
#include "test_prepare_apoio.h"

#include "report/RLDraw.h"
#include "report/RLSystemInfo.h"
#include "report/RLTextLayout.h"

#include <functional>
#include <memory>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

TRLTextMeasurer Medidor() {
    return TRLTextMeasurer(FonteTimes(9));
}

TRLTextObject UnicoTexto(const TRLGraphicSurface& s, TRLPageRect* caixa = nullptr) {
    for (const auto& o : s.Objects())
        if (const auto* t = o.As<TRLTextObject>()) {
            if (caixa) *caixa = o.BoundsRect;
            return *t;
        }
    ADD_FAILURE() << "nenhum texto";
    return {};
}

struct CasoDeRotulo {
    const char* nome;
    TRLTextAlignment alinhamento;
    TRLTextLayout layout;
};

void PrintTo(const CasoDeRotulo& c, std::ostream* os) {
    *os << c.nome;
}

class PosicaoDoRotuloFixo : public ::testing::TestWithParam<CasoDeRotulo> {};

}  // namespace

// A fixed-size label at (10, 5) 100 x 20 with "ABC": half a space in from the aligned edge,
// centred as if the text had a trailing space.
TEST_P(PosicaoDoRotuloFixo, OrigemEFlags) {
    const auto caso = GetParam();
    const auto m = Medidor();
    TRLLabel l("lab");
    l.AutoSize = false;
    l.SetFont(FonteTimes(9));
    l.SetBounds(10, 5, 100, 20);
    l.Alignment = caso.alinhamento;
    l.Layout = caso.layout;
    l.SetCaption("ABC");
    TRLGraphicSurface s(200, 100);
    l.Draw(s, 0, 0);
    TRLPageRect caixa;
    const TRLTextObject t = UnicoTexto(s, &caixa);
    const int meio = m.SpaceWidth() / 2;
    const int w = m.TextWidth("ABC ");
    const int h = m.TextHeight();
    int x = meio + 10;
    if (caso.alinhamento == TRLTextAlignment::taRightJustify) x = meio + 110 - w;
    if (caso.alinhamento == TRLTextAlignment::taCenter) x = meio + (120 - w) / 2;
    int y = 5;
    if (caso.layout == TRLTextLayout::tlCenter) y = (30 - h) / 2;
    if (caso.layout == TRLTextLayout::tlBottom) y = 25 - h;
    EXPECT_EQ(t.Origin, (TRLPagePoint{x, y}));
    EXPECT_EQ(caixa, (TRLPageRect{10, 5, 110, 25}));
    EXPECT_EQ(t.TextFlags, tfUnbreakable) << "a fixed-size label is clipped to its box";
    EXPECT_EQ(t.Text, "ABC");
    EXPECT_EQ(l.Width, 100);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PosicaoDoRotuloFixo,
    ::testing::Values(
        CasoDeRotulo{"esquerda_topo", TRLTextAlignment::taLeftJustify, TRLTextLayout::tlTop},
        CasoDeRotulo{"direita_topo", TRLTextAlignment::taRightJustify, TRLTextLayout::tlTop},
        CasoDeRotulo{"centro_centro", TRLTextAlignment::taCenter, TRLTextLayout::tlCenter},
        CasoDeRotulo{"esquerda_baixo", TRLTextAlignment::taLeftJustify, TRLTextLayout::tlBottom},
        CasoDeRotulo{"justificado_como_esquerda", TRLTextAlignment::taJustify, TRLTextLayout::tlJustify}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(RotuloAutoSize, GuardaABordaDoAlinhamento) {
    const auto m = Medidor();
    TRLLabel direita("direita");
    direita.SetFont(FonteTimes(9));
    direita.Alignment = TRLTextAlignment::taRightJustify;
    direita.SetBounds(100, 0, 50, 10);
    direita.SetCaption("ABCDEFGH");
    EXPECT_EQ(direita.Left + direita.Width, 150) << "right edge kept";
    EXPECT_EQ(direita.Width, m.TextWidth("ABCDEFGH "));
    EXPECT_EQ(direita.Height, m.TextHeight());

    TRLLabel esquerda("esquerda");
    esquerda.SetFont(FonteTimes(9));
    esquerda.SetBounds(100, 0, 5, 10);
    esquerda.SetCaption("ABCDEFGH");
    EXPECT_EQ(esquerda.Left, 100);

    TRLLabel centro("centro");
    centro.SetFont(FonteTimes(9));
    centro.Alignment = TRLTextAlignment::taCenter;
    centro.SetBounds(100, 0, 200, 10);
    centro.SetCaption("ABC");
    const int w = m.TextWidth("ABC ");
    const int par = w + w % 2;
    EXPECT_EQ(centro.Width, par);
    EXPECT_EQ(centro.Left, 100 + (200 - par) / 2);

    TRLGraphicSurface s(400, 100);
    direita.Draw(s, 0, 0);
    EXPECT_EQ(UnicoTexto(s).TextFlags, tfUnbreakable | tfUnclipped);
}

TEST(RotuloAutoSize, BordasSomamLarguraMaisUm) {
    const auto m = Medidor();
    TRLLabel l("lab");
    l.SetFont(FonteTimes(9));
    l.Borders.DrawLeft = l.Borders.DrawRight = l.Borders.DrawTop = true;
    l.Borders.Width = 2;
    l.SetCaption("X");
    EXPECT_EQ(l.Width, m.TextWidth("X ") + 6);
    EXPECT_EQ(l.Height, m.TextHeight() + 3);
}

TEST(Legenda, DuasVagasDuranteAPreparacao) {
    RelatorioDeTeste r;
    auto& b = Banda(r.relatorio, "A", TRLBandType::btDetail, 10, 40);
    auto& rotulo = *static_cast<TRLLabel*>(b.Children()[0].get());
    rotulo.SetCaption("projeto");
    std::string lidoNaPreparacao;
    b.BeforePrint = [&](TRLCustomControl&, bool&) {
        rotulo.SetCaption("impressao");
        lidoNaPreparacao = rotulo.Caption();
    };
    ASSERT_TRUE(r.relatorio.PreparePages());
    EXPECT_EQ(lidoNaPreparacao, "impressao");
    EXPECT_EQ(rotulo.Caption(), "projeto");
    EXPECT_EQ(SoTextos(*r.Pagina(0)), std::vector<std::string>{"impressao"});
}

TEST(Legenda, BeforePrintDoTextoTrocaOuSuprime) {
    RelatorioDeTeste r;
    auto& b = Banda(r.relatorio, "A", TRLBandType::btDetail, 10, 40);
    auto& trocado = Marcador(b, "original", 10);
    trocado.BeforePrint = [](TRLCustomControl&, std::string& texto, bool&) { texto += " trocado"; };
    auto& suprimido = Marcador(b, "some", 20);
    bool depois = false;
    suprimido.BeforePrint = [](TRLCustomControl&, std::string&, bool& printIt) { printIt = false; };
    suprimido.AfterPrint = [&](TRLCustomControl&) { depois = true; };
    ASSERT_TRUE(r.relatorio.PreparePages());
    EXPECT_EQ(SoTextos(*r.Pagina(0)), (std::vector<std::string>{"A", "original trocado"}));
    EXPECT_FALSE(depois);
}

namespace {

struct CasoDeQuebraDeLinha {
    const char* nome;
    std::string texto;
    std::string medida;  // the available width is the width of this text (+ extra)
    int extra;
    std::vector<std::string> linhas;
    std::vector<bool> quebradas;
};

void PrintTo(const CasoDeQuebraDeLinha& c, std::ostream* os) {
    *os << c.nome;
}

class QuebraDeLinhas : public ::testing::TestWithParam<CasoDeQuebraDeLinha> {};

}  // namespace

TEST_P(QuebraDeLinhas, Casos) {
    const auto caso = GetParam();
    const auto m = Medidor();
    const int largura = caso.medida.empty() ? -1 : m.TextWidth(caso.medida) + caso.extra;
    const auto linhas = QuebrarLinhas(caso.texto, m, largura);
    std::vector<std::string> textos;
    std::vector<bool> quebradas;
    for (const auto& l : linhas) {
        textos.push_back(l.Text);
        quebradas.push_back(l.Wrapped);
    }
    EXPECT_EQ(textos, caso.linhas);
    EXPECT_EQ(quebradas, caso.quebradas);
}

INSTANTIATE_TEST_SUITE_P(
    Memo, QuebraDeLinhas,
    ::testing::Values(
        CasoDeQuebraDeLinha{"palavra_que_passa_vai_para_a_linha_seguinte",
                            "aaaa bbbb cccc",
                            "aaaa bbbb ",
                            0,
                            {"aaaa bbbb", "cccc"},
                            {true, false}},
        // Drawn half a space in, a line as wide as its box would end on the box's right rule.
        CasoDeQuebraDeLinha{"ultima_palavra_que_so_cabe_sem_o_espaco_vai_para_a_linha_seguinte",
                            "LUVA - TAMANHO G",
                            "LUVA - TAMANHO G",
                            0,
                            {"LUVA - TAMANHO", "G"},
                            {true, false}},
        CasoDeQuebraDeLinha{"primeira_palavra_longa_fica_inteira",
                            "aaaaaaaaaaaa bb",
                            "aaaa",
                            0,
                            {"aaaaaaaaaaaa", "bb"},
                            {true, false}},
        CasoDeQuebraDeLinha{
            "brancos_depois_da_quebra_somem", "aaaa      bbbb", "aaaa ", 0, {"aaaa", "bbbb"}, {true, false}},
        CasoDeQuebraDeLinha{"cr_lf_cr_e_lf_terminam_linhas",
                            "a\r\nb\nc\rd",
                            "abcdefgh",
                            0,
                            {"a", "b", "c", "d"},
                            {false, false, false, false}},
        CasoDeQuebraDeLinha{
            "linhas_vazias_contam", "a\r\n\r\nb\r\n", "abcdefgh", 0, {"a", "", "b"}, {false, false, false}},
        CasoDeQuebraDeLinha{"tab_vale_oito_espacos", "a\tb", "a        b ", 0, {"a\tb"}, {false}},
        CasoDeQuebraDeLinha{
            "tab_que_passa_quebra_no_branco", "a\tb", "a        b", -1, {"a", "b"}, {true, false}},
        CasoDeQuebraDeLinha{
            "sem_quebra_automatica", "aaaa bbbb cccc dddd", "", 0, {"aaaa bbbb cccc dddd"}, {false}},
        CasoDeQuebraDeLinha{"texto_vazio_tem_uma_linha", "", "a", 0, {""}, {false}},
        CasoDeQuebraDeLinha{
            "acentos_nao_se_partem", "ação útil é", "ação útil ", 0, {"ação útil", "é"}, {true, false}}),
    [](const auto& info) { return std::string(info.param.nome); });

// The text of a control never takes the brush an earlier drawing left on the surface (the white
// one of a box drawn before it): the page would fill the text's box and erase the grid lines
// around it. A filled control was already filled; its text is recorded transparent too.
struct CasoDePincel {
    const char* nome;
    std::function<std::unique_ptr<TRLCustomControl>()> criar;
};

void PrintTo(const CasoDePincel& c, std::ostream* os) {
    *os << c.nome;
}

class TextoSemPincelHerdado : public ::testing::TestWithParam<CasoDePincel> {};

TEST_P(TextoSemPincelHerdado, TextoGravadoTransparente) {
    TRLGraphicSurface s(300, 100);
    TRLDraw caixa("caixa");
    caixa.SetBounds(0, 0, 300, 100);
    caixa.Draw(s, 0, 0);
    ASSERT_EQ(s.Brush.Style, TRLBrushStyle::bsSolid) << "the box leaves a solid brush behind";
    auto controle = GetParam().criar();
    controle->SetFont(FonteTimes(9));
    controle->SetBounds(10, 10, 120, 40);
    controle->Draw(s, 0, 0);
    int textos = 0;
    for (const auto& o : s.Objects())
        if (const auto* t = o.As<TRLTextObject>()) {
            ++textos;
            EXPECT_EQ(t->Brush.Style, TRLBrushStyle::bsClear) << t->Text;
        }
    EXPECT_GT(textos, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Controles, TextoSemPincelHerdado,
    ::testing::Values(CasoDePincel{"RotuloTransparente",
                                   [] {
                                       auto l = std::make_unique<TRLLabel>("l");
                                       l->AutoSize = false;
                                       l->SetCaption("125,40");
                                       return std::unique_ptr<TRLCustomControl>(std::move(l));
                                   }},
                      CasoDePincel{"RotuloColorido",
                                   [] {
                                       auto l = std::make_unique<TRLLabel>("l");
                                       l->SetColor(qRgb(230, 230, 230));
                                       l->SetCaption("DANFE");
                                       return std::unique_ptr<TRLCustomControl>(std::move(l));
                                   }},
                      CasoDePincel{"Memo",
                                   [] {
                                       auto m = std::make_unique<TRLMemo>("m");
                                       m->SetText("PANELA DE ALUMÍNIO\nCOM TAMPA");
                                       return std::unique_ptr<TRLCustomControl>(std::move(m));
                                   }},
                      CasoDePincel{"CampoDePagina",
                                   [] {
                                       auto i = std::make_unique<TRLSystemInfo>("i");
                                       i->Text = "Fl: ";
                                       i->Info = TRLInfoType::itPageNumber;
                                       i->SetCaption("Fl: 1");
                                       return std::unique_ptr<TRLCustomControl>(std::move(i));
                                   }}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Memo, AutoSizeCresceComAsLinhasEABandaAcompanha) {
    const auto m = Medidor();
    const int lh = m.TextHeight();
    TRLBand banda("banda");
    banda.SetBounds(0, 0, 734, 13);
    auto& memo = banda.Criar<TRLMemo>("memo");
    memo.SetFont(FonteTimes(9));
    memo.SetBounds(10, 0, m.TextWidth("aaaa bbbb "), 13);
    memo.SetText("aaaa bbbb cccc dddd eeee");
    EXPECT_EQ(memo.Height, 3 * lh);
    EXPECT_EQ(banda.Height, 13 + 3 * lh - 13);
    memo.ClearLines();
    EXPECT_EQ(memo.Height, lh) << "an empty memo is one line high";
    EXPECT_EQ(banda.Height, lh);
}

TEST(Memo, DoisMemosLadoALadoSomamOCrescimento) {
    const auto m = Medidor();
    const int lh = m.TextHeight();
    TRLBand banda("item");
    banda.SetBounds(0, 0, 734, lh);
    auto& descricao = banda.Criar<TRLMemo>("descricao");
    auto& codigo = banda.Criar<TRLMemo>("codigo");
    for (TRLMemo* memo : {&descricao, &codigo}) {
        memo->SetFont(FonteTimes(9));
        memo->SetBounds(memo == &codigo ? 0 : 100, 0, m.TextWidth("aaaa"), lh);
    }
    auto& moldura = banda.Criar<TRLDraw>("moldura");
    moldura.Align = TRLControlAlign::faHeight;
    moldura.SetBounds(0, 0, 734, lh);
    descricao.SetText("aaaa bbbb");
    codigo.SetText("cccc dddd");
    EXPECT_EQ(banda.Height, 3 * lh) << "each memo adds its own line";
    EXPECT_EQ(moldura.Height, 3 * lh) << "a full-height frame follows the band";
}

TEST(Memo, SemAutoSizeMostraAsLinhasQueComecamNaCaixa) {
    const auto m = Medidor();
    const int lh = m.TextHeight();
    TRLMemo memo("memo");
    memo.AutoSize = false;
    memo.SetFont(FonteTimes(9));
    memo.SetBounds(0, 0, 300, 2 * lh + lh / 2);
    memo.SetText("um\r\ndois\r\ntres\r\nquatro\r\ncinco");
    TRLGraphicSurface s(400, 100);
    memo.Draw(s, 5, 7);
    EXPECT_EQ(SoTextos(s), (std::vector<std::string>{"um", "dois", "tres"}));
    std::vector<int> topos;
    for (const auto& t : TextosDa(s)) {
        topos.push_back(t.caixa.Top);
        EXPECT_EQ(t.flags, tfUnbreakable | tfUnclipped);
        EXPECT_EQ(t.caixa.Width(), 300);
        EXPECT_EQ(t.origem.X, 5 + m.SpaceWidth() / 2);
    }
    EXPECT_EQ(topos, (std::vector<int>{7, 7 + lh, 7 + 2 * lh}));
}

TEST(Memo, PalavraMaiorQueALarguraPassaDaBorda) {
    const auto m = Medidor();
    TRLMemo memo("memo");
    memo.SetFont(FonteTimes(9));
    memo.SetBounds(0, 0, m.TextWidth("abc"), 10);
    memo.SetText("abcdefghijkl x");
    TRLGraphicSurface s(400, 100);
    memo.Draw(s, 0, 0);
    EXPECT_EQ(SoTextos(s), (std::vector<std::string>{"abcdefghijkl", "x"}));
}

TEST(Memo, JustificadoSoAlargaLinhasQuebradas) {
    const auto m = Medidor();
    TRLMemo memo("memo");
    memo.SetFont(FonteTimes(9));
    memo.Alignment = TRLTextAlignment::taJustify;
    // room for the first line and half a space, not for " ff"
    memo.SetBounds(0, 0, m.TextWidth("aa bb cc dd ee") + m.TextWidth(" f"), 10);
    memo.SetText("aa bb cc dd ee ff");
    TRLGraphicSurface s(400, 100);
    memo.Draw(s, 0, 0);
    const auto textos = TextosDa(s);
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_GT(textos[0].texto.size(), std::string("aa bb cc dd ee").size());
    EXPECT_LE(m.TextWidth(textos[0].texto), memo.Width);
    EXPECT_EQ(textos[1].texto, "ff");
}

TEST(Justificar, EspacosDaDireitaParaAEsquerdaEmRodadas) {
    const auto m = Medidor();
    const int s = m.SpaceWidth();
    const int base = m.TextWidth("a b c ");
    EXPECT_EQ(JustificarTexto("a b c", m, base - 1), "a b c");
    EXPECT_EQ(JustificarTexto("a b c", m, base), "a b  c");
    EXPECT_EQ(JustificarTexto("a b c", m, base + s), "a  b  c");
    EXPECT_EQ(JustificarTexto("a b c", m, base + 2 * s), "a  b   c");
    EXPECT_EQ(JustificarTexto("abc", m, 500), "abc") << "no gap, nothing to widen";
}

namespace {

struct CasoDeCampo {
    std::string moldura;
    std::string valor;
    std::string esperado;
};

void PrintTo(const CasoDeCampo& c, std::ostream* os) {
    *os << '"' << c.moldura << "\" + \"" << c.valor << '"';
}

class TextoDoCampoDePagina : public ::testing::TestWithParam<CasoDeCampo> {};

}  // namespace

TEST_P(TextoDoCampoDePagina, Moldura) {
    const auto c = GetParam();
    EXPECT_EQ(MontarTextoDoCampo(c.moldura, c.valor), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoDoCampoDePagina,
                         ::testing::Values(CasoDeCampo{"Fl: ", "2", "Fl: 2"},
                                           CasoDeCampo{"/", "{LastPageNumber}", "/{LastPageNumber}"},
                                           CasoDeCampo{"Folha # de", "3", "Folha 3 de"},
                                           CasoDeCampo{"x#y#", "5", "x5y#"},
                                           CasoDeCampo{"antes|depois #", "7", "antes7"},
                                           CasoDeCampo{"", "9", "9"}, CasoDeCampo{"Fl: ", "^CLEAR", ""}));
