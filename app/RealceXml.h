#pragma once
// The XML view's reading aids: colours for element names, attribute names and values, comments
// and declarations, and the foldable elements of a text laid out one element per line.
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <vector>

namespace luvenor {

class TRealceXml : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit TRealceXml(QTextDocument* documento);

    // The formats, so tests and the view agree on them.
    static QTextCharFormat FormatoElemento();
    static QTextCharFormat FormatoAtributo();
    static QTextCharFormat FormatoValor();
    static QTextCharFormat FormatoComentario();
    static QTextCharFormat FormatoDeclaracao();

protected:
    void highlightBlock(const QString& texto) override;

private:
    // One tag from `i` (just after "<"), coloured; returns where it ends (after ">", or the line's end).
    qsizetype RealcarMarca(const QString& texto, qsizetype i);
};

// A foldable element: it opens on line `Inicio` and closes on line `Fim` (0-based, Fim > Inicio).
struct TDobraXml {
    int Inicio = 0;
    int Fim = 0;
    bool operator==(const TDobraXml&) const = default;
};

// The elements of `linhas` that span more than one line, in the order they open: an element's
// start tag opens it unless the line also closes it ("/>", or its end tag on the same line); an
// end tag closes the nearest open element of its name. Lines that are not tags fold with their
// element. Unbalanced text (not well-formed XML) gives what balances.
std::vector<TDobraXml> DobrasDoXml(const QStringList& linhas);

}  // namespace luvenor
