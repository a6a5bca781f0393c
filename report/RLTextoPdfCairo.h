#pragma once
// Texts on a cairo surface with the glyphs and positions Qt laid out, from the same font file.
#include <QPointF>

#include <cairo.h>

class QTextItem;

namespace luvenor {

// Draws Qt's text item (as a paint engine receives it) in the current source colour, under the
// context's matrix; false when its font has no file cairo could load, for the caller to draw
// the outlines instead.
bool DesenharTextoCairo(cairo_t* cr, const QPointF& origem, const QTextItem& item);

}  // namespace luvenor
