#pragma once
// Drawing a prepared page on any QPainter device: the one routine the preview, printing, PDF and
// PNG all use. The page and the store are only read.
#include "report/RLGraphics.h"

#include <QRectF>

#include <memory>

class QPainter;

namespace luvenor {

class TRLCachesDeDesenho;

// Draws pages one after another on one device, keeping what is costly to build between texts and
// pages: the Qt font and metrics of each stored font, and each decoded picture (a PDF then holds a
// picture that repeats on every page once). Use one per export or print job.
class TRLPagePainter {
public:
    TRLPagePainter();
    ~TRLPagePainter();
    TRLPagePainter(const TRLPagePainter&) = delete;
    TRLPagePainter& operator=(const TRLPagePainter&) = delete;

    // As DesenharPagina below.
    void Desenhar(const TRLGraphicSurface& page, const TRLMacros& storeMacros, QPainter& painter,
                  const QRectF& target);

private:
    std::unique_ptr<TRLCachesDeDesenho> caches_;
};

// Draws `page` into `target` (device coordinates of the painter): design coordinates are scaled
// by target size / page size, rounded and offset by the target's top-left corner; texts are
// completed with the page's and the store's macros first. The painter's state is restored after.
void DesenharPagina(const TRLGraphicSurface& page, const TRLGraphicStorage& store, QPainter& painter,
                    const QRectF& target);
// The same with the store's macros given directly (a page read on its own).
void DesenharPagina(const TRLGraphicSurface& page, const TRLMacros& storeMacros, QPainter& painter,
                    const QRectF& target);

}  // namespace luvenor
