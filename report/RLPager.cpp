#include "report/RLPager.h"

#include "report/RLBandPart.h"
#include "report/RLDataTable.h"
#include "report/RLReport.h"

#include <algorithm>

namespace luvenor {
namespace {

// Clears a pointer when a scope ends, however it ends.
class LimparAoSair {
public:
    explicit LimparAoSair(TRLCustomControl*& alvo) : alvo_(alvo) {}
    ~LimparAoSair() { alvo_ = nullptr; }
    LimparAoSair(const LimparAoSair&) = delete;
    LimparAoSair& operator=(const LimparAoSair&) = delete;

private:
    TRLCustomControl*& alvo_;
};

// The heading a band's part starting at row `de` repeats: none on the first part, nor when the
// band's heading is not above the part.
int CabecaDaParte(const TRLCustomBand& band, int de) {
    return de > 0 && band.SplitHeading > 0 && band.SplitHeading <= de ? band.SplitHeading : 0;
}

bool EhListaPorPagina(TRLBandType t) {
    return t == TRLBandType::btHeader || t == TRLBandType::btColumnHeader ||
           t == TRLBandType::btColumnFooter || t == TRLBandType::btFooter;
}

}  // namespace

void TRLCustomPager::SortBands() {
    sorted_.Clear();
    for (const auto& c : children_) {
        if (auto* banda = dynamic_cast<TRLCustomBand*>(c.get())) {
            sorted_.Add(banda->BandType, banda);
        } else if (auto* sub = dynamic_cast<TRLCustomSubDetail*>(c.get())) {
            sorted_.Add(sub->Positioning, sub);
            sub->SortBands();
        }
    }
}

void TRLCustomPager::ClearPageCounters() {
    detailsOnPage_ = 0;
    dataBandsOnPage_ = 0;
}

void TRLCustomPager::BeginPager() {
    sorted_.ClearPrinted(true);
    detailCount_ = 0;
    ClearPageCounters();
    currentRow_ = ClientTop();
    dataEnded_ = false;
    pageOpen_ = false;
    breakingBand_ = nullptr;
    listInProgress_.fill(false);
    surface_.reset();
    PositionPager();
}

void TRLCustomPager::PositionPager() {
    printRect_ = BoundsRect();
}

int TRLCustomPager::OffsetFromPageTop() const {
    int offset = 0;
    for (const TRLCustomPager* p = this; p; p = p->OuterPager()) offset += p->printRect_.Top;
    return offset;
}

TRLGraphicSurface& TRLCustomPager::Surface() {
    EnsurePageOpen();
    return *surface_;
}

void TRLCustomPager::EnsurePageOpen() {
    if (pageOpen_) return;
    if (TRLCustomPager* outer = OuterPager()) outer->EnsurePageOpen();
    OpenPage();
}

void TRLCustomPager::OpenPage() {
    StartingPage();
    sorted_.ClearPrinted(false);
    ClearPageCounters();
    currentRow_ = ClientTop();
    rowAfterOpen_ = currentRow_;
    PositionPager();
    surface_ = std::make_unique<TRLGraphicSurface>(printRect_.Width, printRect_.Height);
    pageOpen_ = true;
    for (TRLBandType t : {TRLBandType::btHeader, TRLBandType::btTitle, TRLBandType::btColumnHeader}) {
        // Column headers head rows: a page a break opens after the last row has none to head.
        if (t == TRLBandType::btColumnHeader && dataEnded_ && breakingBand_) continue;
        if (!sorted_.Printed(t)) PrintList(t);
    }
    rowAfterOpen_ = currentRow_;
}

bool TRLCustomPager::PageAsEmptyAsNew() const {
    for (const TRLCustomPager* p = this; p; p = p->OuterPager())
        if (!p->pageOpen_ || p->currentRow_ != p->rowAfterOpen_) return false;
    return true;
}

void TRLCustomPager::ClosePage() {
    if (!pageOpen_ && !dataEnded_) return;  // a break before anything printed: nothing to finish
    if (!sorted_.Printed(TRLBandType::btColumnFooter)) PrintList(TRLBandType::btColumnFooter);
    if (dataEnded_ && !sorted_.Printed(TRLBandType::btSummary)) PrintList(TRLBandType::btSummary);
    if (!sorted_.Printed(TRLBandType::btFooter)) PrintList(TRLBandType::btFooter);
    if (!pageOpen_) return;  // nothing printed on it: no page to hand on
    currentRow_ += BottomInset();
    pageOpen_ = false;
    FlushPage();
    surface_.reset();
}

void TRLCustomPager::NewPage(TRLCustomControl* band, bool keep) {
    TRLCustomPager* outer = OuterPager();
    if (!outer && keep) return;  // the report itself carries nothing over: no page at all
    if (breakingBand_) return;   // a break is already in progress on this pager
    breakingBand_ = band;
    LimparAoSair limpar(breakingBand_);
    if (!keep) ClosePage();
    if (outer) outer->NewPage(band, false);
    if (!keep) {
        if (outer) outer->EnsurePageOpen();
        OpenPage();
    } else {
        PositionPager();
    }
}

int TRLCustomPager::VisibleHeight(TRLBandType type) const {
    int total = 0;
    for (const TRLCustomControl* c : sorted_.List(type))
        if (c->Visible && dynamic_cast<const TRLCustomBand*>(c)) total += c->Height;
    return total;
}

int TRLCustomPager::HeightOnNewPage(TRLBandType type) const {
    int total = 0;
    for (const TRLCustomControl* c : sorted_.List(type)) {
        const auto* banda = dynamic_cast<const TRLCustomBand*>(c);
        if (banda && banda->Visible && (!banda->PrintsOnNewPage || banda->PrintsOnNewPage()))
            total += banda->Height;
    }
    return total;
}

int TRLCustomPager::BottomLimit(TRLBandType type) const {
    const TRLCustomReport& report = RequiredReport();
    int limite = report.Height - OffsetFromPageTop();
    for (const TRLCustomPager* p = this; p; p = p->OuterPager()) {
        limite -= p->BottomInset() + p->VisibleHeight(TRLBandType::btFooter);
        if (p != this) limite -= p->VisibleHeight(TRLBandType::btColumnFooter);
    }
    if (type != TRLBandType::btSummary) limite -= VisibleHeight(TRLBandType::btColumnFooter);
    return limite;
}

void TRLCustomPager::PrintList(TRLBandType type) {
    const auto i = static_cast<size_t>(type);
    // A break inside a once-only list must not print its earlier entries again on the old sheet;
    // the interrupted call prints the rest on the new one.
    if (listInProgress_[i] && !EhListaPorPagina(type)) return;
    const bool aninhada = listInProgress_[i];
    listInProgress_[i] = true;
    bool interrompida = false;
    const std::vector<TRLCustomControl*> lista = sorted_.List(type);
    try {
        for (TRLCustomControl* entrada : lista) {
            if (entrada == breakingBand_) {
                interrompida = true;
                break;
            }
            PrintEntry(*entrada);
        }
    } catch (...) {
        listInProgress_[i] = aninhada;
        throw;
    }
    listInProgress_[i] = aninhada;
    if (!interrompida) sorted_.SetPrinted(type, true);
}

void TRLCustomPager::PrintEntry(TRLCustomControl& entry) {
    if (auto* banda = dynamic_cast<TRLCustomBand*>(&entry)) {
        for (int k = 0; k < std::max(1, banda->CarbonCopies); ++k) banda->Print();
    } else if (auto* sub = dynamic_cast<TRLCustomSubDetail*>(&entry)) {
        sub->Print();
    }
}

int TRLCustomPager::BreakRow(const TRLGraphicSurface& surface, int printed, int free) const {
    int linha = printed + free;
    for (bool moveu = true; moveu;) {
        moveu = false;
        for (const TRLGraphicObject& o : surface.Objects()) {
            const TRLTextObject* texto = o.As<TRLTextObject>();
            if (!texto || !(texto->TextFlags & tfUnbreakable)) continue;
            if (o.BoundsRect.Top < linha && linha < o.BoundsRect.Bottom) {
                linha = o.BoundsRect.Top;
                moveu = true;
            }
        }
    }
    return linha;
}

int TRLCustomPager::CopyPart(const TRLCustomBand& band, const TRLGraphicSurface& surface, int from, int to,
                             bool whole) {
    TRLGraphicSurface& destino = Surface();
    const TRLPagePoint em{band.Left, currentRow_};
    const TRLBandPart parte{from, to, CabecaDaParte(band, from)};
    const int altura = whole ? to - from : parte.Height();
    if (!band.Transparent) {
        destino.Brush = TRLBrush{band.Color(), TRLBrushStyle::bsSolid};
        destino.FillRect({band.Left, currentRow_, band.Left + band.Width, currentRow_ + altura});
    }
    if (whole)
        destino.Draw(surface, em);
    else
        DrawBandPart(destino, surface, band.Width, em, parte);
    return altura;
}

int TRLCustomPager::RoomOnNewPage(TRLBandType type) const {
    int abertura = 0;
    for (const TRLCustomPager* p = this; p; p = p->OuterPager()) {
        abertura += p->ClientTop() + p->HeightOnNewPage(TRLBandType::btHeader);
        if (!p->dataEnded_) abertura += p->HeightOnNewPage(TRLBandType::btColumnHeader);
    }
    return BottomLimit(type) + OffsetFromPageTop() - abertura;
}

void TRLCustomPager::PlaceBand(TRLCustomBand& band, const TRLGraphicSurface& surface) {
    const int altura = band.Height;
    // A band no page holds whole starts where it stands and goes on over the next pages: moving
    // it to a page of its own, or to the foot of one, would only leave a page half empty.
    const bool partida = !band.IsFooterKind() && altura > RoomOnNewPage(band.BandType);
    if (band.BandType == TRLBandType::btSummary && band.AlignToBottom && !partida)
        AlignBandToBottom(band, altura);
    int impresso = 0;
    // On a page as empty as it gets a band that does not fit is split rather than moved.
    bool aposQuebra = PageAsEmptyAsNew();
    // Found once: a band spread over many pages would walk all its objects again on each.
    const int fimDoConteudo = ContentBottom(surface);
    for (;;) {
        const int resto = altura - impresso;
        int corte = altura;  // print down to this row now
        if (resto > 0 && !band.IsFooterKind()) {
            const int livre = FreeSpace(band.BandType) - CabecaDaParte(band, impresso);
            // A part holds more than the captions it starts with.
            const int minimo = impresso == 0 ? std::max(0, band.SplitHeading) : impresso;
            if (resto > livre) {
                if (aposQuebra) {
                    // A band taller than an empty page is split rather than run off the paper.
                    if (livre > 0) {
                        corte = BreakRow(surface, impresso, livre);
                        if (corte <= impresso) corte = impresso + livre;
                    }
                } else if ((band.IntegralHeight && !partida) || livre < 0) {
                    NewPage(&band, false);
                    aposQuebra = true;
                    continue;
                } else {
                    corte = BreakRow(surface, impresso, livre);
                    if (corte <= 0 || corte <= minimo) {
                        NewPage(&band, KeepOnBreak() && impresso == 0);
                        aposQuebra = true;
                        continue;
                    }
                }
            }
        }
        const bool inteira = impresso == 0 && corte >= altura;
        currentRow_ += CopyPart(band, surface, impresso, corte, inteira);
        impresso = corte;
        // Rows below the band's last text hold nothing worth a page of their own.
        if (impresso >= altura || (!inteira && impresso >= fimDoConteudo)) return;
        NewPage(&band, false);
        aposQuebra = true;
    }
}

void TRLCustomPager::AlignBandToBottom(TRLCustomBand& band, int height) {
    auto linhaAlinhada = [this, &band, height] {
        int total = 0;
        for (const TRLCustomControl* c : sorted_.List(TRLBandType::btSummary)) {
            const auto* b = dynamic_cast<const TRLCustomBand*>(c);
            if (b && b->Visible && b->AlignToBottom) total += b == &band ? height : b->Height;
        }
        return BottomLimit(TRLBandType::btSummary) - total;
    };
    if (currentRow_ >= linhaAlinhada()) {
        NewPage(&band, KeepOnBreak());
        EnsurePageOpen();
    }
    const int alvo = linhaAlinhada();
    if (currentRow_ < alvo) currentRow_ = alvo;
}

void TRLCustomPager::CountBand(const TRLCustomBand& band) {
    if (band.BandType == TRLBandType::btDetail && band.Computable) {
        ++detailsOnPage_;
        ++detailCount_;
    }
    if (band.IsDataBand())
        for (TRLCustomPager* p = this; p; p = p->OuterPager()) ++p->dataBandsOnPage_;
}

bool TRLCustomSkipper::DataActive() const {
    return DataSource && DataSource->Active();
}

void TRLCustomSubDetail::PositionPager() {
    TRLCustomPager* outer = OuterPager();
    if (!outer) {
        TRLCustomPager::PositionPager();
        return;
    }
    const TRLCustomReport& report = RequiredReport();
    int altura = report.Height - outer->OffsetFromPageTop() - outer->CurrentRow();
    for (const TRLCustomPager* p = outer; p; p = p->OuterPager())
        altura -= p->BottomInset() + p->VisibleHeight(TRLBandType::btFooter);
    printRect_ = {Left, outer->CurrentRow(), Width, std::max(0, altura)};
}

void TRLCustomSubDetail::FlushPage() {
    TRLCustomPager& outer = RequiredPager();
    printRect_.Height = currentRow_;
    TRLGraphicSurface& destino = outer.Surface();
    if (!Transparent) {
        destino.Brush = TRLBrush{Color(), TRLBrushStyle::bsSolid};
        destino.FillRect({printRect_.Left, printRect_.Top, printRect_.Right(), printRect_.Bottom()});
    }
    destino.Draw(*surface_, TRLPagePoint{printRect_.Left, printRect_.Top});
    outer.AdvanceRow(printRect_.Height);
}

void TRLCustomSubDetail::Print() {
    bool printIt = Visible;
    if (BeforePrint) BeforePrint(*this, printIt);
    if (!printIt) return;
    TRLCustomReport& report = RequiredReport();
    RequiredPager();
    BeginPager();
    if (DataActive()) {
        DataSource->First();
        while (!DataSource->Eof() && !report.Cancelled()) {
            DetailPass();
            DataSource->Next();
        }
    }
    dataEnded_ = true;
    ClosePage();
    if (AfterPrint) AfterPrint(*this);
}

}  // namespace luvenor
