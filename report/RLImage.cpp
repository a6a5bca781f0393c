#include "report/RLImage.h"

#include "report/RLGraphics.h"
#include "report/RLLabel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace luvenor {

void TRLCustomImage::SetPicture(const QImage& picture) {
    if (picture.isNull() || picture.format() == QImage::Format_RGB32 ||
        picture.format() == QImage::Format_ARGB32) {
        picture_ = picture;
    } else {
        // Any other format is first drawn onto a bitmap of its own size.
        QImage bitmap(picture.size(), QImage::Format_ARGB32);
        bitmap.fill(Qt::transparent);
        QPainter p(&bitmap);
        p.drawImage(0, 0, picture);
        p.end();
        picture_ = bitmap;
    }
    AdjustSize();
}

void TRLCustomImage::LoadPicture(const std::string& bytes) {
    QImage imagem;
    if (!imagem.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())))
        throw std::runtime_error(Name() + ": formato de imagem não reconhecido");
    SetPicture(imagem);
}

void TRLCustomImage::SetScaled(bool v) {
    scaled_ = v;
    if (v) stretch_ = false;
}

void TRLCustomImage::SetStretch(bool v) {
    stretch_ = v;
    if (v) scaled_ = false;
}

bool TRLCustomImage::Prepare() {
    bool printIt = Visible;
    if (BeforePrint) BeforePrint(*this, printIt);
    if (printIt) AdjustSize();
    return printIt;
}

void TRLCustomImage::AdjustSize() {
    if (AutoSize && !picture_.isNull())
        ResizeKeepingEdges(picture_.width() + BorderExtraWidth(), picture_.height() + BorderExtraHeight());
}

void TRLCustomImage::Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) {
    DrawFrameAndFill(surface, offsetX, offsetY);
    if (picture_.isNull()) return;
    const TRLPageRect caixa = ParaRetanguloPagina(ClientRect(), offsetX, offsetY);
    const int pw = picture_.width();
    const int ph = picture_.height();
    if (scaled_) {
        // The limiting side fills the box; the other keeps the proportion.
        int w = caixa.Width();
        int h = caixa.Height();
        if (static_cast<long long>(pw) * h > static_cast<long long>(ph) * w)
            h = static_cast<int>(std::lround(static_cast<double>(ph) * w / pw));
        else
            w = static_cast<int>(std::lround(static_cast<double>(pw) * h / ph));
        int x = caixa.Left;
        int y = caixa.Top;
        if (Center) {
            x += (caixa.Width() - w) / 2;
            y += (caixa.Height() - h) / 2;
        }
        surface.StretchDraw({x, y, x + w, y + h}, picture_);
        return;
    }
    if (stretch_) {
        surface.StretchDraw(caixa, picture_);
        return;
    }
    int x = caixa.Left;
    int y = caixa.Top;
    if (Center) {
        x += (caixa.Width() - pw) / 2;
        y += (caixa.Height() - ph) / 2;
    }
    // Natural size, cut at the box's edges.
    const int esq = std::max(x, caixa.Left);
    const int topo = std::max(y, caixa.Top);
    const int dir = std::min(x + pw, caixa.Right);
    const int baixo = std::min(y + ph, caixa.Bottom);
    if (dir <= esq || baixo <= topo) return;
    const QImage parte = picture_.copy(esq - x, topo - y, dir - esq, baixo - topo);
    surface.StretchDraw({esq, topo, dir, baixo}, parte);
}

}  // namespace luvenor
