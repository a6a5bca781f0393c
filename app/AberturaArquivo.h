#pragma once
// How the viewer opens files, whatever way they come (the path field, the file dialog, a drop, the
// recent files, the command line): what a file is, the paths a drop carries, and whether the path
// field names the file whose record the window holds.
#include <QString>
#include <QStringList>

class QMimeData;

namespace luvenor {

enum class TTipoArquivo {
    NotaFiscal,     // an XML whose root is nfeProc
    Evento,         // an XML of an invoice's event (cancellation, correction letter)
    PaginasSalvas,  // a prepared-page file saved from the preview
    Outro,          // anything else: loaded as an invoice, which refuses it with its usual message
};

// Decides by the file's first bytes: the page file's signature, else the XML's root element.
// A file that cannot be read is Outro (the load says why).
TTipoArquivo TipoDoArquivo(const QString& caminho);

// The local files a drop carries, in order: file URLs decoded ("file:///a%20b.xml" is "/a b.xml"),
// or a plain text of one path or file URL per line. Other URLs are left out.
QStringList CaminhosArrastados(const QMimeData& dados);

// Whether two paths name the same file: the same absolute path once cleaned, or the same file on
// disk (a link, "./"). A path of only spaces names no file.
bool MesmoArquivo(const QString& a, const QString& b);

// The window's title: the loaded file's name (the desktop adds the program's, "nota.xml — Luvenor"),
// or the program's before a load.
QString TituloDaJanela(const QString& arquivoCarregado, const QString& programa);

}  // namespace luvenor
