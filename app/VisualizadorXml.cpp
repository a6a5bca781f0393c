#include "app/VisualizadorXml.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFontDatabase>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <stdexcept>

namespace luvenor {
namespace {

// The strip left of the text where folds are opened and closed.
class TMargemXml : public QWidget {
public:
    explicit TMargemXml(TVisualizadorXml* vista) : QWidget(vista), vista_(vista) {
        setObjectName(QStringLiteral("margemXml"));
        setCursor(Qt::PointingHandCursor);
    }
    QSize sizeHint() const override { return {vista_->LarguraDaMargem(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { vista_->PintarMargem(event); }
    void mousePressEvent(QMouseEvent* event) override {
        vista_->CliqueNaMargem(event->position().toPoint().y());
    }

private:
    TVisualizadorXml* vista_;
};

}  // namespace

TVisualizadorXml::TVisualizadorXml(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    realce_ = new TRealceXml(document());
    margem_ = new TMargemXml(this);
    setViewportMargins(LarguraDaMargem(), 0, 0, 0);
    connect(this, &QPlainTextEdit::updateRequest, margem_, [this](const QRect& r, int dy) {
        if (dy != 0)
            margem_->scroll(0, dy);
        else
            margem_->update(0, r.y(), margem_->width(), r.height());
    });
}

int TVisualizadorXml::LarguraDaMargem() const {
    return fontMetrics().height() + 4;
}

void TVisualizadorXml::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect c = contentsRect();
    margem_->setGeometry(c.left(), c.top(), LarguraDaMargem(), c.height());
}

const TDobraXml* TVisualizadorXml::DobraQueAbreEm(int linha) const {
    for (const TDobraXml& d : dobras_)
        if (d.Inicio == linha) return &d;
    return nullptr;
}

void TVisualizadorXml::AlternarDobra(int linha) {
    if (!DobraQueAbreEm(linha)) return;
    if (!dobradas_.erase(linha)) dobradas_.insert(linha);
    AplicarDobras();
}

void TVisualizadorXml::RecolherTodas() {
    // The root stays open: a view folded to one line shows nothing.
    dobradas_.clear();
    for (const TDobraXml& d : dobras_)
        if (&d != &dobras_.front()) dobradas_.insert(d.Inicio);
    AplicarDobras();
}

void TVisualizadorXml::ExpandirTodas() {
    dobradas_.clear();
    AplicarDobras();
}

void TVisualizadorXml::MostrarLinha(int linha) {
    bool mudou = false;
    for (const TDobraXml& d : dobras_)
        if (d.Inicio < linha && linha <= d.Fim) mudou |= dobradas_.erase(d.Inicio) > 0;
    if (mudou) AplicarDobras();
}

void TVisualizadorXml::AplicarDobras() {
    QTextDocument* doc = document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) b.setVisible(true);
    for (const TDobraXml& d : dobras_) {
        if (!Dobrada(d.Inicio)) continue;
        for (int n = d.Inicio + 1; n <= d.Fim; ++n) doc->findBlockByNumber(n).setVisible(false);
    }
    // The cursor must not stay on a hidden line: it goes to the fold's first line.
    QTextBlock atual = textCursor().block();
    while (atual.isValid() && !atual.isVisible()) atual = atual.previous();
    if (atual.isValid() && atual != textCursor().block()) setTextCursor(QTextCursor(atual));
    doc->markContentsDirty(0, doc->characterCount());
    viewport()->update();
    margem_->update();
}

void TVisualizadorXml::PintarMargem(QPaintEvent* event) {
    QPainter p(margem_);
    p.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Mid));
    const int lado = fontMetrics().height() / 2;
    for (QTextBlock b = firstVisibleBlock(); b.isValid(); b = b.next()) {
        if (!b.isVisible()) continue;
        const QRectF caixa = blockBoundingGeometry(b).translated(contentOffset());
        if (caixa.top() > event->rect().bottom()) break;
        if (!DobraQueAbreEm(b.blockNumber())) continue;
        const QPointF c(margem_->width() / 2.0, caixa.center().y());
        QPainterPath seta;
        if (Dobrada(b.blockNumber())) {  // pointing right: folded
            seta.moveTo(c.x() - lado / 2.0, c.y() - lado / 2.0);
            seta.lineTo(c.x() + lado / 2.0, c.y());
            seta.lineTo(c.x() - lado / 2.0, c.y() + lado / 2.0);
        } else {  // pointing down: open
            seta.moveTo(c.x() - lado / 2.0, c.y() - lado / 4.0);
            seta.lineTo(c.x() + lado / 2.0, c.y() - lado / 4.0);
            seta.lineTo(c.x(), c.y() + lado / 2.0);
        }
        seta.closeSubpath();
        p.drawPath(seta);
    }
}

void TVisualizadorXml::CliqueNaMargem(int y) {
    const QTextBlock b = cursorForPosition(QPoint(0, y)).block();
    if (b.isValid()) AlternarDobra(b.blockNumber());
}

void TVisualizadorXml::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Recolher todos os elementos"), this, &TVisualizadorXml::RecolherTodas);
    menu->addAction(QStringLiteral("Expandir todos os elementos"), this, &TVisualizadorXml::ExpandirTodas);
    menu->exec(event->globalPos());
}

void TVisualizadorXml::Navigate(const QString& endereco) {
    // The address is "file:///" followed by the path as the user typed it.
    const QString prefixo = QStringLiteral("file:///");
    QString caminho = endereco.startsWith(prefixo) ? endereco.mid(prefixo.size()) : endereco;
    if (!caminho.startsWith(QLatin1Char('/')) && QFile::exists(QLatin1Char('/') + caminho))
        caminho.prepend(QLatin1Char('/'));
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        throw std::runtime_error("não foi possível abrir " + endereco.toStdString() + ": " +
                                 arquivo.errorString().toStdString());
    setPlainText(XmlIndentado(arquivo.readAll()));
    endereco_ = endereco;
    dobradas_.clear();
    dobras_ = DobrasDoXml(toPlainText().split(QLatin1Char('\n')));
    margem_->update();
}

QString XmlIndentado(const QByteArray& dados) {
    QXmlStreamReader leitor(dados);
    QString saida;
    QXmlStreamWriter escritor(&saida);
    escritor.setAutoFormatting(true);
    escritor.setAutoFormattingIndent(2);
    // Names are written as the file has them: the writer's own namespace handling would invent prefixes.
    while (!leitor.atEnd()) {
        switch (leitor.readNext()) {
            case QXmlStreamReader::StartDocument:
                escritor.writeStartDocument(leitor.documentVersion().toString());
                break;
            case QXmlStreamReader::StartElement:
                escritor.writeStartElement(leitor.qualifiedName().toString());
                for (const QXmlStreamNamespaceDeclaration& ns : leitor.namespaceDeclarations())
                    escritor.writeAttribute(ns.prefix().isEmpty()
                                                ? QStringLiteral("xmlns")
                                                : QStringLiteral("xmlns:") + ns.prefix().toString(),
                                            ns.namespaceUri().toString());
                for (const QXmlStreamAttribute& a : leitor.attributes())
                    escritor.writeAttribute(a.qualifiedName().toString(), a.value().toString());
                break;
            case QXmlStreamReader::EndElement:
                escritor.writeEndElement();
                break;
            case QXmlStreamReader::Characters:
                if (leitor.isCDATA())
                    escritor.writeCDATA(leitor.text().toString());
                else if (!leitor.isWhitespace())
                    escritor.writeCharacters(leitor.text().toString());
                break;
            case QXmlStreamReader::Comment:
                escritor.writeComment(leitor.text().toString());
                break;
            case QXmlStreamReader::ProcessingInstruction:
                escritor.writeProcessingInstruction(leitor.processingInstructionTarget().toString(),
                                                    leitor.processingInstructionData().toString());
                break;
            default:
                break;
        }
    }
    if (!leitor.hasError()) return saida;
    // Not well-formed: shown as it is, decoded as UTF-8 unless that fails.
    QString texto = QString::fromUtf8(dados);
    if (texto.contains(QChar::ReplacementCharacter)) texto = QString::fromLatin1(dados);
    return texto;
}

}  // namespace luvenor
