#pragma once
// One sheet's part of a band split between sheets: its rows, the band's heading repeated above
// a continuation, and its boxes closed at the part's edges so no box is left open on a sheet.
#include "report/RLGraphics.h"

namespace luvenor {

struct TRLBandPart {
    int From = 0;  // the band's rows [From, To) print on this sheet
    int To = 0;
    int Heading = 0;  // the band's rows [0, Heading) print again above them (0 on the first part)
    int Height() const { return Heading + To - From; }
};

// Copies `part` of the band's surface onto `dest`, its top-left on `at`. Texts and pictures of the
// heading, and turned texts (section titles), print whole; the other objects are clipped to the part. Every
// box the part cuts (a four-cornered upright polygon) is drawn again as a box closed at the part's top and
// bottom. The row below the band's last object other than its boxes: 0 for a band of boxes only.
int ContentBottom(const TRLGraphicSurface& band);

void DrawBandPart(TRLGraphicSurface& dest, const TRLGraphicSurface& band, int width, TRLPagePoint at,
                  const TRLBandPart& part);

}  // namespace luvenor
