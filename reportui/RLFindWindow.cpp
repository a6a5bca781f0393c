#include "reportui/RLFindWindow.h"

#include "report/RLQtTexto.h"
#include "report/RLTexts.h"
#include "util/Notificador.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace luvenor {

TRLFindWindow::TRLFindWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setModal(false);
    setObjectName(QStringLiteral("procurar"));
    setWindowTitle(ParaQString(LSTexto(TextoRL::Procurar)));
    auto* rotulo = new QLabel(ParaQString(LSTexto(TextoRL::Texto) + ":"), this);
    texto_ = new QLineEdit(this);
    texto_->setObjectName(QStringLiteral("texto"));
    rotulo->setBuddy(texto_);
    proxima_ = new QPushButton(ParaQString(LSTexto(TextoRL::ProcurarProxima)), this);
    proxima_->setObjectName(QStringLiteral("proxima"));
    proxima_->setDefault(true);
    cancelar_ = new QPushButton(ParaQString(LSTexto(TextoRL::Cancelar)), this);
    palavras_ = new QCheckBox(ParaQString(LSTexto(TextoRL::PalavrasInteiras)), this);
    maiusculas_ = new QCheckBox(ParaQString(LSTexto(TextoRL::DiferenciarMaiusculas)), this);
    maiusculas_->setObjectName(QStringLiteral("maiusculas"));
    auto* direcao = new QGroupBox(ParaQString(" " + LSTexto(TextoRL::Direcao) + " "), this);
    acima_ = new QRadioButton(ParaQString(LSTexto(TextoRL::Acima)), direcao);
    abaixo_ = new QRadioButton(ParaQString(LSTexto(TextoRL::Abaixo)), direcao);
    abaixo_->setChecked(true);
    auto* ld = new QHBoxLayout(direcao);
    ld->addWidget(acima_);
    ld->addWidget(abaixo_);

    auto* grade = new QGridLayout(this);
    grade->addWidget(rotulo, 0, 0);
    grade->addWidget(texto_, 0, 1, 1, 2);
    grade->addWidget(proxima_, 0, 3);
    grade->addWidget(palavras_, 1, 0, 1, 2);
    grade->addWidget(cancelar_, 1, 3);
    grade->addWidget(maiusculas_, 2, 0, 1, 2);
    grade->addWidget(direcao, 2, 2, 2, 2);
    situacao_ = new QLabel(this);
    situacao_->setObjectName(QStringLiteral("situacao"));
    situacao_->setWordWrap(true);
    situacao_->hide();
    grade->addWidget(situacao_, 4, 0, 1, 4);

    connect(proxima_, &QPushButton::clicked, this, &TRLFindWindow::ProcurarProxima);
    connect(cancelar_, &QPushButton::clicked, this, &QDialog::close);
}

QString TRLFindWindow::Texto() const {
    return texto_->text();
}

TRLOpcoesBusca TRLFindWindow::Opcoes() const {
    return {maiusculas_->isChecked(), acima_->isChecked()};
}

void TRLFindWindow::MostrarSituacao(const QString& texto) {
    situacao_->setText(texto);
    situacao_->setVisible(!texto.isEmpty());
}

void TRLFindWindow::Avisar(const std::string& mensagem) {
    avisando_ = true;
    Informar(mensagem);
    avisando_ = false;
    if (!isVisible()) return;
    activateWindow();
    texto_->setFocus();
    texto_->selectAll();
}

void TRLFindWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Like a menu, it goes away when the user turns to another window; its own message box is not
    // another window.
    if (event->type() == QEvent::ActivationChange && !avisando_ && isVisible() && !isActiveWindow()) close();
}

}  // namespace luvenor
