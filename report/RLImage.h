#pragma once
// The picture control: natural size, centred, scaled or stretched into its box.
#include "report/RLControl.h"

#include <QImage>
#include <string>

namespace luvenor {

class TRLCustomImage : public TRLCustomControl {
public:
    using TRLCustomControl::TRLCustomControl;

    // The picture; a null image is an empty picture. Any format is kept as a bitmap.
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    // Loads a picture from its file bytes (bitmap, JPEG, PNG, ...); throws when they do not decode.
    void LoadPicture(const std::string& bytes);

    bool Center = false;
    bool Scaled() const { return scaled_; }
    bool Stretch() const { return stretch_; }
    void SetScaled(bool v);
    void SetStretch(bool v);
    TRLBeforePrintEvent BeforePrint;

    bool Prepare() override;
    void AdjustSize() override;
    void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) override;

private:
    QImage picture_;
    bool scaled_ = false;
    bool stretch_ = false;
};

class TRLImage : public TRLCustomImage {
public:
    using TRLCustomImage::TRLCustomImage;
};

}  // namespace luvenor
