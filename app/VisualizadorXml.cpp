#include "app/VisualizadorXml.h"

#include <QFile>
#include <QFontDatabase>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <stdexcept>

namespace luvenor {

TVisualizadorXml::TVisualizadorXml(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
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
