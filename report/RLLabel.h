#pragma once
// Single-line text controls: the label and the rotated label, with the caption slots every text
// control keeps (the design caption and the one used while a report prepares).
#include "report/RLControl.h"
#include "report/RLGraphics.h"
#include "report/RLTextLayout.h"

#include <string>

namespace luvenor {

// How the controls' text placement and boxes are recorded on a page.
TRLPageAlignment ParaAlinhamentoPagina(TRLTextAlignment a);
TRLPageLayout ParaLayoutPagina(TRLTextLayout l);
TRLPageRect ParaRetanguloPagina(const TRLRect& r, int offsetX, int offsetY);
// Which part of a text too long for its box shows with this alignment.
ParteVisivel ParteDoAlinhamento(TRLTextAlignment a);

// Where a single line of text starts in its box: half a space in from the edge it is aligned to.
struct TRLTextOrigin {
    int X = 0;
    int Y = 0;
};
TRLTextOrigin OrigemDoTexto(const TRLPageRect& box, TRLTextAlignment alignment, TRLTextLayout layout,
                            int spaceWidth, int textWidth, int textHeight);

// The two caption slots: setting during a preparation touches only the print slot.
class TRLCaptionSlots {
public:
    const std::string& Get(bool preparing) const { return preparing ? print_ : design_; }
    void Set(const std::string& text, bool preparing);

private:
    std::string design_;
    std::string print_;
};

class TRLCustomLabel : public TRLCustomControl {
public:
    explicit TRLCustomLabel(std::string name);

    const std::string& Caption() const { return caption_.Get(Preparing()); }
    // Sets the caption and sizes the control at once.
    void SetCaption(const std::string& text);

    TRLBeforeTextEvent BeforePrint;

    bool Prepare() override;
    void AdjustSize() override;
    void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) override;

protected:
    // The text the control starts its print with.
    virtual std::string CurrentText() const { return Caption(); }

private:
    TRLCaptionSlots caption_;
};

class TRLLabel : public TRLCustomLabel {
public:
    using TRLCustomLabel::TRLCustomLabel;
};

class TRLCustomAngleLabel : public TRLCustomControl {
public:
    explicit TRLCustomAngleLabel(std::string name);

    const std::string& Caption() const { return caption_.Get(Preparing()); }
    void SetCaption(const std::string& text);

    double Angle = 0.0;  // degrees, counter-clockwise
    TRLBeforeTextEvent BeforePrint;

    bool Prepare() override;
    void AdjustSize() override;
    void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) override;

private:
    TRLCaptionSlots caption_;
};

class TRLAngleLabel : public TRLCustomAngleLabel {
public:
    using TRLCustomAngleLabel::TRLCustomAngleLabel;
};

}  // namespace luvenor
