#pragma once
// The XML view of the main window: shows a local XML file, given a "file:///" address, as a browser
// would, its elements one per line and indented. Read-only.
#include <QPlainTextEdit>

namespace luvenor {

class TVisualizadorXml : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TVisualizadorXml(QWidget* parent = nullptr);

    // Shows the file the address names ("file:///" + path). Throws std::runtime_error with the
    // reason when the file cannot be read; the view then keeps what it showed.
    void Navigate(const QString& endereco);
    const QString& Endereco() const { return endereco_; }

private:
    QString endereco_;
};

// The XML text laid out one element per line, indented by depth; the text as it is when it is not
// well-formed XML. The encoding comes from the document's declaration.
QString XmlIndentado(const QByteArray& dados);

}  // namespace luvenor
