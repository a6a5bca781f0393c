#pragma once
// The line-and-box control: a shape stretched to its box, turned by Angle, recorded as a polygon.
#include "report/RLControl.h"
#include "report/RLGraphics.h"

#include <vector>

namespace luvenor {

enum class TRLDrawKind { dkRectangle, dkLine, dkTriangle, dkElipse, dkArrow, dkCustom };

// The shape's points in the box, as the control records them; `box` is the control's box on
// the surface.
std::vector<TRLPagePoint> PontosDaForma(TRLDrawKind kind, const TRLPageRect& box, int penWidth, double angle,
                                        bool center);

class TRLCustomDraw : public TRLCustomControl {
public:
    using TRLCustomControl::TRLCustomControl;

    TRLDrawKind DrawKind = TRLDrawKind::dkRectangle;
    TRLPen Pen;
    TRLBrush Brush;
    double Angle = 0.0;
    bool Center = true;
    int DrawWidth = 0;
    int DrawHeight = 0;
    // A rectangle's right and bottom sides lie on the first pixel past its box, where the left
    // and top sides of a box that abuts it lie: boxes side by side share one rule, never doubled.
    bool SharedEdges = false;
    TRLBeforePrintEvent BeforePrint;

    bool Prepare() override;
    void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) override;
};

class TRLDraw : public TRLCustomDraw {
public:
    using TRLCustomDraw::TRLCustomDraw;
};

}  // namespace luvenor
