#pragma once
// Containers that print: the site (holds controls and, while printing, a surface of its own), the
// band set (margins) and the band, which prepares, sizes and draws its controls and hands the
// result to its pager.
#include "report/RLControl.h"
#include "report/RLSortedBands.h"

#include <functional>
#include <memory>

namespace luvenor {

// Millimetres; design pixels are round(mm * 96 / 25.4).
struct TRLMargins {
    double LeftMargin = 0.0;
    double TopMargin = 0.0;
    double RightMargin = 0.0;
    double BottomMargin = 0.0;
};

int MilimetrosParaPixels(double mm);

// A picture with a size behind a container; only the size is kept (nothing is drawn).
struct TRLBackground {
    int Width = 0;
    int Height = 0;
};

class TRLCustomSite : public TRLCustomControl {
public:
    using TRLCustomControl::TRLCustomControl;

    // Places faTop and faHeight controls in the client area; the others keep their boxes.
    void AlignControls();
    // A child's height changed by `delta`: an expanding child grows the site.
    virtual void ChildHeightChanged(TRLCustomControl& child, int delta);

    bool AutoExpand = true;
};

class TRLCustomBandSet : public TRLCustomSite {
public:
    using TRLCustomSite::TRLCustomSite;

    TRLMargins Margins;
    TRLMargins InsideMargins;
    TRLBackground Background;

    // The space below the last band: bottom margin, bottom inside margin and bottom border.
    int BottomInset() const;
    int TopInset() const;
};

enum TRLBandOption : unsigned { boOptimisticPageBreak = 1u };
enum class TRLPageBreaking { pbNone, pbBeforePrint, pbAfterPrint };

class TRLCustomBand : public TRLCustomBandSet {
public:
    using TRLCustomBandSet::TRLCustomBandSet;

    TRLBandType BandType = TRLBandType::btDetail;
    bool AlignToBottom = false;
    bool IntegralHeight = true;
    unsigned Options = 0;
    bool Computable = true;
    int CarbonCopies = 1;
    // Rows from the band's top (its captions) printed again above each continuation when the band
    // is split between pages; 0 repeats nothing.
    int SplitHeading = 0;
    TRLPageBreaking PageBreaking = TRLPageBreaking::pbNone;
    TRLBeforePrintEvent BeforePrint;
    // Whether the band will print on the next page a break opens (a stub only the first sheet has
    // answers no); unset: whenever it is visible. The room a band finds on a new page counts it.
    std::function<bool()> PrintsOnNewPage;

    // Prints the band once at its pager's current row (events, controls, placing, counting).
    void Print();

    // A data band counts in the pagers' "data bands on page".
    bool IsDataBand() const {
        return BandType == TRLBandType::btDetail || BandType == TRLBandType::btSummary;
    }
    // Column footers and footers are never tested for fit.
    bool IsFooterKind() const {
        return BandType == TRLBandType::btColumnFooter || BandType == TRLBandType::btFooter;
    }

private:
    void PrepareAndDrawControls(TRLGraphicSurface& surface);
};

class TRLBand : public TRLCustomBand {
public:
    using TRLCustomBand::TRLCustomBand;
};

}  // namespace luvenor
