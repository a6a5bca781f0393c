#pragma once
// The XML view of the main window: shows a local XML file, given a "file:///" address, as a browser
// would, its elements one per line and indented, names, attributes and values in colour, and
// every element of more than one line foldable from the margin. Read-only.
#include "app/RealceXml.h"

#include <QPlainTextEdit>

#include <set>
#include <vector>

namespace luvenor {

class TVisualizadorXml : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TVisualizadorXml(QWidget* parent = nullptr);

    // Shows the file the address names ("file:///" + path). Throws std::runtime_error with the
    // reason when the file cannot be read; the view then keeps what it showed.
    void Navigate(const QString& endereco);
    const QString& Endereco() const { return endereco_; }

    // Folding, by the line an element opens on.
    const std::vector<TDobraXml>& Dobras() const { return dobras_; }
    bool Dobrada(int linha) const { return dobradas_.count(linha) > 0; }
    void AlternarDobra(int linha);
    void RecolherTodas();
    void ExpandirTodas();
    // Unfolds whatever hides `linha`, so a match found there can be seen.
    void MostrarLinha(int linha);
    int LarguraDaMargem() const;

    // The margin's drawing and clicks, called by the margin itself.
    void PintarMargem(QPaintEvent* event);
    void CliqueNaMargem(int y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void AplicarDobras();
    const TDobraXml* DobraQueAbreEm(int linha) const;

    QString endereco_;
    QWidget* margem_;
    TRealceXml* realce_;
    std::vector<TDobraXml> dobras_;
    std::set<int> dobradas_;
};

// The XML text laid out one element per line, indented by depth; the text as it is when it is not
// well-formed XML. The encoding comes from the document's declaration.
QString XmlIndentado(const QByteArray& dados);

}  // namespace luvenor
