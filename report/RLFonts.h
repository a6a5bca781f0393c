#pragma once
// Fonts for drawing pages. "Times New Roman", which every DANFE text asks for, resolves to
// Liberation Serif (metric-compatible), registered with Qt once at start-up.
#include "report/RLGraphics.h"

#include <QFont>

namespace luvenor {

// Registers the Liberation Serif files with Qt and makes "Times New Roman" resolve to them. Call
// it once a QGuiApplication exists, from every entry point and test that measures or draws text;
// later calls do nothing. Returns false when the font files could not be loaded.
bool RegistrarFontes();

// The em height in design pixels a page font asks for: a negative height is the character height,
// a positive one the cell height (taken as the em height), and 0 falls back to the point size.
double AlturaDaFonte(const TRLPageFont& font);

// A Qt font for a page font at `pixelSize` device pixels on a device of `deviceDpi` (logical
// dots per inch), with the settings the text layout measures with (no kerning, no hinting), so a
// text is as wide when drawn as when it was measured.
QFont FonteDaPagina(const TRLPageFont& font, double pixelSize, int deviceDpi);

}  // namespace luvenor
