#include "reportui/RLProgressWindow.h"

#include "report/RLQtTexto.h"
#include "report/RLTexts.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace luvenor {

TRLProgressWindow::TRLProgressWindow(QWidget* parent) : QDialog(parent) {
    setModal(false);
    setObjectName(QStringLiteral("progresso"));
    passo_ = new QLabel(this);
    passo_->setObjectName(QStringLiteral("passo"));
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 100);
    cancelar_ = new QPushButton(ParaQString(LSTexto(TextoRL::Cancelar)), this);
    cancelar_->setObjectName(QStringLiteral("cancelar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(passo_);
    layout->addWidget(barra_);
    layout->addWidget(cancelar_, 0, Qt::AlignHCenter);
    resize(360, 110);
    connect(cancelar_, &QPushButton::clicked, this, [this] { cancelado_ = true; });
}

void TRLProgressWindow::Abrir(const std::string& caption) {
    cancelado_ = false;
    setWindowTitle(ParaQString(caption));
    passo_->setText(ParaQString(LSTexto(TextoRL::Aguarde)));
    barra_->setRange(0, 100);
    barra_->setValue(0);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    show();
    QCoreApplication::processEvents();
}

void TRLProgressWindow::DefinirPasso(const std::string& stepLine) {
    passo_->setText(ParaQString(stepLine));
}

void TRLProgressWindow::DefinirMaximo(int maximum) {
    barra_->setRange(0, std::max(0, maximum));
    barra_->setValue(0);
}

void TRLProgressWindow::Avancar() {
    if (barra_->value() < barra_->maximum()) barra_->setValue(barra_->value() + 1);
    QCoreApplication::processEvents();
}

void TRLProgressWindow::Fechar() {
    hide();
}

QString TRLProgressWindow::Passo() const {
    return passo_->text();
}

void TRLProgressWindow::reject() {
    cancelado_ = true;
}

}  // namespace luvenor
