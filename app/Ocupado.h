#pragma once
// The main window's guards for the length of one operation.
#include <QApplication>
#include <QWidget>

namespace luvenor {

// Panel1 stays disabled while a button's operation runs, so no second one starts from the window.
class PainelOcupado {
public:
    explicit PainelOcupado(QWidget* painel) : painel_(painel) { painel_->setEnabled(false); }
    ~PainelOcupado() { painel_->setEnabled(true); }
    PainelOcupado(const PainelOcupado&) = delete;
    PainelOcupado& operator=(const PainelOcupado&) = delete;

private:
    QWidget* painel_;
};

class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

}  // namespace luvenor
