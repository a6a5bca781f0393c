#pragma once
// The preview's modeless find window. It only gathers what to look for; the preview searches its
// store (TRLFindWindow::Procurar) and shows the match.
#include "report/RLPreviewLogic.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace luvenor {

class TRLFindWindow : public QDialog {
    Q_OBJECT
public:
    explicit TRLFindWindow(QWidget* parent = nullptr);

    QString Texto() const;
    TRLOpcoesBusca Opcoes() const;

    // A line under the fields telling how the last find went (it went on from the other end);
    // empty hides it.
    void MostrarSituacao(const QString& texto);
    // A message box over the window that leaves it open, with its text ready for a new search:
    // otherwise the box taking the focus would close it.
    void Avisar(const std::string& mensagem);

    QLineEdit* CampoTexto() const { return texto_; }
    QPushButton* BotaoProxima() const { return proxima_; }
    QCheckBox* CaixaMaiusculas() const { return maiusculas_; }
    QRadioButton* OpcaoAcima() const { return acima_; }
    QRadioButton* OpcaoAbaixo() const { return abaixo_; }
    QLabel* Situacao() const { return situacao_; }

signals:
    void ProcurarProxima();

protected:
    void changeEvent(QEvent* event) override;

private:
    QLineEdit* texto_;
    QPushButton* proxima_;
    QPushButton* cancelar_;
    QCheckBox* palavras_;
    QCheckBox* maiusculas_;
    QRadioButton* acima_;
    QRadioButton* abaixo_;
    QLabel* situacao_;
    bool avisando_ = false;
};

}  // namespace luvenor
