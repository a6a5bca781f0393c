#include "app/BuscaXml.h"

#include "app/VisualizadorXml.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace luvenor {

TBuscaXml::TBuscaXml(TVisualizadorXml* vista, QWidget* parent) : QWidget(parent), vista_(vista) {
    setObjectName(QStringLiteral("buscaXml"));
    auto* rotulo = new QLabel(QStringLiteral("Procurar no XML:"), this);
    campo_ = new QLineEdit(this);
    campo_->setObjectName(QStringLiteral("textoXml"));
    campo_->setClearButtonEnabled(true);
    rotulo->setBuddy(campo_);
    proxima_ = new QPushButton(QStringLiteral("&Próxima"), this);
    anterior_ = new QPushButton(QStringLiteral("A&nterior"), this);
    maiusculas_ = new QCheckBox(QStringLiteral("Diferenciar &maiúsculas"), this);
    situacao_ = new QLabel(this);
    situacao_->setObjectName(QStringLiteral("situacaoXml"));
    auto* fechar = new QToolButton(this);
    fechar->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    fechar->setToolTip(QStringLiteral("Fechar a busca (Esc)"));
    fechar->setAutoRaise(true);

    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(4, 2, 4, 2);
    linha->addWidget(rotulo);
    linha->addWidget(campo_, 1);
    linha->addWidget(proxima_);
    linha->addWidget(anterior_);
    linha->addWidget(maiusculas_);
    linha->addWidget(situacao_, 1);
    linha->addWidget(fechar);

    connect(proxima_, &QPushButton::clicked, this, [this] { Procurar(false); });
    connect(anterior_, &QPushButton::clicked, this, [this] { Procurar(true); });
    connect(campo_, &QLineEdit::textEdited, this, [this] { MostrarSituacao({}, false); });
    connect(fechar, &QToolButton::clicked, this, [this] {
        hide();
        vista_->setFocus();
    });
    campo_->installEventFilter(this);
    // F3 and Shift+F3 step through the matches from the view as from the bar.
    for (QWidget* alvo : {static_cast<QWidget*>(this), static_cast<QWidget*>(vista_)}) {
        auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), alvo, [this] { Procurar(false); });
        f3->setContext(Qt::WidgetWithChildrenShortcut);
        auto* shiftF3 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), alvo, [this] { Procurar(true); });
        shiftF3->setContext(Qt::WidgetWithChildrenShortcut);
    }
    hide();
}

void TBuscaXml::Abrir() {
    show();
    campo_->setFocus();
    campo_->selectAll();
}

bool TBuscaXml::Procurar(bool paraTras) {
    const QString texto = campo_->text();
    if (texto.isEmpty()) return false;
    QTextDocument::FindFlags opcoes;
    if (paraTras) opcoes |= QTextDocument::FindBackward;
    if (maiusculas_->isChecked()) opcoes |= QTextDocument::FindCaseSensitively;
    QTextDocument* doc = vista_->document();
    QTextCursor achado = doc->find(texto, vista_->textCursor(), opcoes);
    const bool deuVolta = achado.isNull();
    if (deuVolta) {
        QTextCursor inicio(doc);
        if (paraTras) inicio.movePosition(QTextCursor::End);
        achado = doc->find(texto, inicio, opcoes);
    }
    if (achado.isNull()) {
        MostrarSituacao(QStringLiteral("Não encontrado"), true);
        return false;
    }
    vista_->MostrarLinha(doc->findBlock(achado.selectionStart()).blockNumber());
    vista_->MostrarLinha(doc->findBlock(achado.selectionEnd()).blockNumber());
    vista_->setTextCursor(achado);
    vista_->ensureCursorVisible();
    MostrarSituacao(!deuVolta  ? QString()
                    : paraTras ? QStringLiteral("Início do XML: a busca continuou do fim.")
                               : QStringLiteral("Fim do XML: a busca continuou do início."),
                    false);
    return true;
}

void TBuscaXml::MostrarSituacao(const QString& texto, bool erro) {
    situacao_->setText(texto);
    // A text that is not there is marked in the field, as browsers do.
    QPalette p = campo_->palette();
    p.setColor(QPalette::Base, erro ? QColor(0xf8, 0xd7, 0xd7) : palette().color(QPalette::Base));
    campo_->setPalette(p);
}

bool TBuscaXml::eventFilter(QObject* objeto, QEvent* event) {
    if (objeto == campo_ && event->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            Procurar(tecla->modifiers() & Qt::ShiftModifier);
            return true;
        }
        if (tecla->key() == Qt::Key_Escape) {
            hide();
            vista_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(objeto, event);
}

}  // namespace luvenor
