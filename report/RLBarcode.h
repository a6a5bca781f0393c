#pragma once
// The bars control: a barcode drawn as one filled black outline of its bars, at a whole number of
// pixels per module, so it prints sharp and scans at any resolution (no picture to blur or to
// compress lossily on its way to a PDF).
#include "report/RLControl.h"

#include <string>

namespace luvenor {

class TRLCustomBarcode : public TRLCustomControl {
public:
    using TRLCustomControl::TRLCustomControl;

    // The widths in modules of the alternating bars and spaces, starting with a bar, as digits
    // ('1' to '9'); any other character is a module-less gap. Empty: nothing is drawn.
    std::string Pattern;
    TRLBeforePrintEvent BeforePrint;

    // Modules the pattern spans.
    int Modules() const;

    bool Prepare() override;
    // From the box's left edge, full height, each module as many whole pixels as the box has room
    // for; a pattern wider than the box is squeezed into it (each bar at least a pixel), never cut.
    void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) override;
};

class TRLBarcode : public TRLCustomBarcode {
public:
    using TRLCustomBarcode::TRLCustomBarcode;
};

}  // namespace luvenor
