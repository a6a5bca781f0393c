#pragma once
// The XML view's find bar, under the view: Ctrl+F shows it, Enter (or F3) finds the next match,
// Shift+Enter (Shift+F3) the previous one, going on from the other end when the text ends, and Esc
// hides it. A match inside a folded element unfolds it.
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace luvenor {

class TVisualizadorXml;

class TBuscaXml : public QWidget {
    Q_OBJECT
public:
    explicit TBuscaXml(TVisualizadorXml* vista, QWidget* parent = nullptr);

    // Shows the bar with its text selected for typing.
    void Abrir();
    // Selects the next (or previous) match in the view; false when there is none.
    bool Procurar(bool paraTras = false);

    QLineEdit* Campo() const { return campo_; }
    QCheckBox* CaixaMaiusculas() const { return maiusculas_; }
    QLabel* Situacao() const { return situacao_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* event) override;

private:
    void MostrarSituacao(const QString& texto, bool erro);

    TVisualizadorXml* vista_;
    QLineEdit* campo_;
    QPushButton* proxima_;
    QPushButton* anterior_;
    QCheckBox* maiusculas_;
    QLabel* situacao_;
};

}  // namespace luvenor
