#pragma once
// Fonts for drawing pages. "Times New Roman", which every DANFE text asks for, resolves to
// Liberation Serif (metric-compatible), found through fontconfig and registered with Qt once at
// start-up.
#include "report/RLGraphics.h"

#include <QFont>

#include <string>
#include <vector>

namespace luvenor {

// What the programs print when RegistrarFontes fails: names the package that brings the font.
inline constexpr char AvisoFonteAusente[] =
    "warning: the DANFE font Liberation Serif was not found through fontconfig; install the "
    "fonts-liberation2 package (until then the DANFE is drawn with another font and its texts may "
    "not fit their boxes)";

// One file of a font family as fontconfig lists it.
struct TArquivoFonte {
    std::string Caminho;
    bool Negrito = false;
    bool Italico = false;
    int Versao = 0;  // the font's own revision, to prefer the newer of two installed copies
};

// The files fontconfig knows for exactly this family, wherever the distribution installed them;
// none when the family is not installed (no look-alike is offered in its place).
std::vector<TArquivoFonte> ArquivosDaFamilia(const std::string& familia);

// Registers the Liberation Serif files with Qt and makes "Times New Roman" resolve to them. Call
// it once a QGuiApplication exists, from every entry point and test that measures or draws text;
// later calls do nothing. Returns false unless its regular, bold, italic and bold italic files were
// all found and loaded.
bool RegistrarFontes();

// Makes RegistrarFontes leave fontconfig with the Liberation Serif files only, for a process that
// draws DANFEs and no windows (luvenor-cli): each font engine Qt makes is then matched among those
// files instead of every installed font under all of the system's rules, a third of a one-invoice
// run. A character the font lacks then prints as its empty box rather than in another font. Call it
// before RegistrarFontes; when the files are not all found the system's fonts stay.
void UsarSoAsFontesDoDanfe();

// The em height in design pixels a page font asks for: a negative height is the character height,
// a positive one the cell height (taken as the em height), and 0 falls back to the point size.
double AlturaDaFonte(const TRLPageFont& font);

// A Qt font for a page font at `pixelSize` device pixels on a device of `deviceDpi` (logical
// dots per inch), with the settings the text layout measures with (no kerning, no hinting), so a
// text is as wide when drawn as when it was measured.
QFont FonteDaPagina(const TRLPageFont& font, double pixelSize, int deviceDpi);

}  // namespace luvenor
