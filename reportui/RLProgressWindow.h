#pragma once
// The small modeless window that shows the engine's progress (preparing, printing) and takes the
// user's cancel. The engine only sees TRLProgress; stepping the bar lets pending window messages
// run, which is when a click on Cancel arrives.
#include "report/RLProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace luvenor {

class TRLProgressWindow : public QDialog, public TRLProgress {
    Q_OBJECT
public:
    explicit TRLProgressWindow(QWidget* parent = nullptr);

    void Abrir(const std::string& caption) override;
    void DefinirPasso(const std::string& stepLine) override;
    void DefinirMaximo(int maximum) override;
    void Avancar() override;
    void Fechar() override;
    bool Cancelado() const override { return cancelado_; }

    QPushButton* BotaoCancelar() const { return cancelar_; }
    QProgressBar* Barra() const { return barra_; }
    QString Passo() const;

protected:
    void reject() override;  // Esc or the close box cancel as the button does

private:
    QLabel* passo_;
    QProgressBar* barra_;
    QPushButton* cancelar_;
    bool cancelado_ = false;
};

}  // namespace luvenor
