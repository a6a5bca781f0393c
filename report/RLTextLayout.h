#pragma once
// Text measuring at the design resolution and the memo's line breaking. Widths and heights are
// integer design pixels (96 per inch), so the layout is the same on every machine and headless.
#include <memory>
#include <string>
#include <vector>

class QFontMetrics;

namespace luvenor {

struct TRLFont;

// Measures texts in a report font. Widths are kept per font for the whole run, so making a measurer
// is cheap and the Qt font behind it is built once, on the first width it is asked for.
class TRLTextMeasurer {
public:
    explicit TRLTextMeasurer(const TRLFont& font);
    ~TRLTextMeasurer();
    TRLTextMeasurer(TRLTextMeasurer&&) = default;

    int TextWidth(const std::string& utf8) const;
    int TextHeight() const;  // height of a line of text in this font
    int SpaceWidth() const;
    int CharWidth(char32_t c) const;  // a tab counts as 8 spaces

    struct Tabela;

private:
    const QFontMetrics& Metricas() const;

    Tabela* tabela_;  // widths already measured with this font, shared by every measurer
    mutable std::unique_ptr<QFontMetrics> metricas_;  // built only for a width not yet in the table
};

struct TRLTextLine {
    std::string Text;
    bool Wrapped = false;  // ended by the width, not by a line break or the end of the text
};

// Breaks a text into lines that, followed by a space, are no wider than `availableWidth` (< 0:
// unlimited), greedily, at blanks; CR, LF and CR LF end a line; a non-first word that does not fit
// moves to the next line; a first word wider than the width stays whole on its line.
std::vector<TRLTextLine> QuebrarLinhas(const std::string& text, const TRLTextMeasurer& measurer,
                                       int availableWidth);

// Widens the gaps of a text, one space at a time from the right end, while the text followed by a
// space still fits in `room` pixels.
std::string JustificarTexto(const std::string& text, const TRLTextMeasurer& measurer, int room);

// The part of a one-line text that a box `largura` pixels wide can show: a visible character is at
// least a pixel wide, so a text of more than four characters per pixel (and a margin) is cut to
// that many, keeping its start, its end or its middle as the text is aligned. What the box shows
// stays the same; a text of megabytes is not measured and drawn whole only to be clipped.
enum class ParteVisivel { Inicio, Fim, Meio };
std::string CortarParaACaixa(const std::string& texto, int largura, ParteVisivel parte);

// Helpers shared by the controls: UTF-8 <-> code points.
std::u32string ParaCodigos(const std::string& utf8);
std::string ParaUtf8(const std::u32string& codes);

}  // namespace luvenor
