#include "report/RLBand.h"

#include "report/RLGraphics.h"
#include "report/RLPager.h"
#include "report/RLReport.h"

#include <cmath>

namespace luvenor {

int MilimetrosParaPixels(double mm) {
    return static_cast<int>(std::lround(mm * 96.0 / 25.4));
}

void TRLCustomSite::AlignControls() {
    TRLRect area = ClientRect();
    area.Left -= Left;
    area.Top -= Top;
    int topo = area.Top;
    for (const auto& c : children_) {
        if (c->Align != TRLControlAlign::faTop) continue;
        c->SetBounds(area.Left, topo, area.Width, c->Height);
        topo += c->Height;
    }
    const int fundo = area.Bottom();
    for (const auto& c : children_) {
        if (c->Align != TRLControlAlign::faHeight) continue;
        c->SetBounds(c->Left, topo, c->Width, fundo - topo);
    }
}

void TRLCustomSite::ChildHeightChanged(TRLCustomControl& child, int delta) {
    if (!AutoExpand || !(child.Behavior & beSiteExpander)) return;
    const int oldHeight = Height;
    Height += delta;
    AlignControls();
    HeightChanged(oldHeight);
}

int TRLCustomBandSet::BottomInset() const {
    return MilimetrosParaPixels(Margins.BottomMargin) + MilimetrosParaPixels(InsideMargins.BottomMargin) +
           (Borders.DrawBottom ? Borders.Width : 0);
}

int TRLCustomBandSet::TopInset() const {
    return MilimetrosParaPixels(Margins.TopMargin) + MilimetrosParaPixels(InsideMargins.TopMargin) +
           (Borders.DrawTop ? Borders.Width : 0);
}

void TRLCustomBand::Print() {
    TRLCustomPager& pager = RequiredPager();
    std::vector<TRLRect> salvos;
    SaveBounds(salvos);

    bool printIt = Visible;
    if (BeforePrint) BeforePrint(*this, printIt);
    if (!printIt) return;

    if (!(Options & boOptimisticPageBreak) && !IsFooterKind()) {
        const int livre = pager.FreeSpace(BandType);
        // A band no page holds whole is not moved: it starts here and goes on over the next pages.
        const bool moverInteira = IntegralHeight && Height <= pager.RoomOnNewPage(BandType);
        if (Height > livre && (moverInteira || livre < 0)) pager.NewPage(this, false);
    }
    pager.EnsurePageOpen();

    TRLGraphicSurface superficie(Width, Height);
    AlignControls();
    PrepareAndDrawControls(superficie);
    superficie.SetSize(Width, Height);
    pager.PlaceBand(*this, superficie);
    pager.CountBand(*this);

    if (AfterPrint) AfterPrint(*this);
    size_t pos = 0;
    RestoreBounds(salvos, pos);
}

void TRLCustomBand::PrepareAndDrawControls(TRLGraphicSurface& surface) {
    TRLCustomReport& report = RequiredReport();
    std::vector<TRLCustomControl*> imprimir;
    for (const auto& c : children_)
        if (c->Prepare()) imprimir.push_back(c.get());
    for (TRLCustomControl* c : imprimir) {
        surface.SetGroupId(report.NextGroupId());
        c->Draw(surface, 0, 0);
        if (c->AfterPrint) c->AfterPrint(*c);
    }
}

}  // namespace luvenor
