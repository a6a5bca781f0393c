#include "report/RLMemo.h"

#include "report/RLGraphics.h"
#include "report/RLLabel.h"
#include "report/RLTextLayout.h"

namespace luvenor {

TRLCustomMultiLine::TRLCustomMultiLine(std::string name) : TRLCustomControl(std::move(name)) {
    AutoSize = true;
    Behavior = beSiteExpander;
}

const std::vector<std::string>& TRLCustomMultiLine::CurrentLines() const {
    return Preparing() ? printLines_ : designLines_;
}

void TRLCustomMultiLine::SetLines(std::vector<std::string> lines) {
    if (!Preparing()) designLines_ = lines;
    printLines_ = std::move(lines);
    AdjustSize();
}

std::string TRLCustomMultiLine::Text() const {
    std::string texto;
    for (const auto& l : CurrentLines()) texto += l + "\r\n";
    return texto;
}

void TRLCustomMultiLine::SetText(const std::string& text) {
    std::vector<std::string> linhas;
    size_t inicio = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        if (i < text.size() || inicio < text.size()) linhas.push_back(text.substr(inicio, i - inicio));
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        inicio = i + 1;
    }
    SetLines(std::move(linhas));
}

void TRLCustomMemo::AddLine(const std::string& line) {
    std::vector<std::string> linhas = CurrentLines();
    linhas.push_back(line);
    SetLines(std::move(linhas));
}

bool TRLCustomMultiLine::Prepare() {
    bool printIt = Visible;
    std::string texto = Text();
    if (BeforePrint) BeforePrint(*this, texto, printIt);
    if (printIt) SetText(texto);
    return printIt;
}

void TRLCustomMultiLine::AdjustSize() {
    if (!AutoSize) return;
    const TRLTextMeasurer m(Font());
    const int largura = WordWrap ? ClientRect().Width : -1;
    const auto linhas = QuebrarLinhas(Text(), m, largura);
    const int altura = static_cast<int>(linhas.size()) * m.TextHeight();
    ResizeKeepingEdges(Width, altura + BorderExtraHeight());
}

void TRLCustomMultiLine::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
    const TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    const TRLTextMeasurer m(Font());
    const int alturaLinha = m.TextHeight();
    const auto linhas = QuebrarLinhas(Text(), m, WordWrap ? caixa.Width() : -1);
    SelecionarFonteDoTexto(surface);
    for (size_t i = 0; i < linhas.size(); ++i) {
        const int topo = static_cast<int>(i) * alturaLinha;
        if (topo >= caixa.Height()) break;  // only lines that start inside the box are drawn
        const TRLPageRect caixaLinha{caixa.Left, caixa.Top + topo, caixa.Right,
                                     caixa.Top + topo + alturaLinha};
        // A word of megabytes is first cut to what the box can show.
        std::string texto = CortarParaACaixa(linhas[i].Text, caixa.Width(), ParteDoAlinhamento(Alignment));
        const bool justificar = Alignment == TRLTextAlignment::taJustify && linhas[i].Wrapped;
        const TRLTextAlignment alinhamento =
            Alignment == TRLTextAlignment::taJustify ? TRLTextAlignment::taLeftJustify : Alignment;
        const TRLTextOrigin o = OrigemDoTexto(caixaLinha, alinhamento, TRLTextLayout::tlTop, m.SpaceWidth(),
                                              m.TextWidth(texto + " "), alturaLinha);
        if (justificar) texto = JustificarTexto(texto, m, caixaLinha.Right - o.X);
        // A line wider than the box (one word longer than the width) is clipped at the box's edge
        // instead of running over its neighbours.
        const bool cabe = m.TextWidth(texto) <= caixa.Width();
        surface.TextRect(caixaLinha, o.X, o.Y, texto,
                         justificar ? TRLPageAlignment::Justify : ParaAlinhamentoPagina(alinhamento),
                         TRLPageLayout::Top, tfUnbreakable | (cabe ? tfUnclipped : 0));
    }
}

}  // namespace luvenor
