#pragma once
// Texts on a cairo surface with the glyphs and positions Qt laid out, from the same font file.
#include <QPointF>

#include <cairo.h>

#include <string>
#include <vector>

class QFontEngine;
class QTextItem;

namespace luvenor {

// Texts gathered into one cairo call while face, size and colour stay the same: cairo's PDF surface
// spends much on every call (its analysis of a page tracks the area of each operation), and a page
// of item rows holds a thousand texts. The caller draws what is gathered before anything else is
// drawn or the context's matrix or clip changes.
class TRLTextosCairo {
public:
    // Adds Qt's text item (as a paint engine receives it) in colour r, g, b, a, under the context's
    // present matrix; false when its font has no file cairo could load (then nothing is added, for
    // the caller to draw the outlines instead).
    bool Acrescentar(cairo_t* cr, const QPointF& origem, const QTextItem& item, const double (&cor)[4]);
    // Draws what is gathered and empties the batch.
    void Descarregar(cairo_t* cr);

private:
    bool Run(cairo_t* cr, const QFontEngine& motor, const std::vector<cairo_glyph_t>& glifos,
             const double (&cor)[4]);

    cairo_font_face_t* face_ = nullptr;
    double tamanho_ = 0;
    double cor_[4] = {0, 0, 0, 1};
    std::vector<cairo_glyph_t> glifos_;
    std::string texto_;
    std::vector<cairo_text_cluster_t> grupos_;
    bool caracteresConhecidos_ = true;  // else cairo finds each glyph's character in the font
};

}  // namespace luvenor
