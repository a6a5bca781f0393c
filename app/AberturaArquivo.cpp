#include "app/AberturaArquivo.h"

#include "report/RLPageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QXmlStreamReader>

namespace luvenor {
namespace {

// Enough for the XML declaration, comments and the root's start tag of any real file.
constexpr qint64 bytesLidos = 64 * 1024;

bool RaizDeEvento(QStringView nome) {
    for (const char* evento : {"procEventoNFe", "evento", "envEvento", "retEnvEvento", "retEvento"})
        if (nome == QLatin1String(evento)) return true;
    return false;
}

QString CaminhoDoTexto(const QString& linha) {
    const QString t = linha.trimmed();
    if (t.isEmpty()) return {};
    const QUrl url(t);
    if (url.isLocalFile()) return url.toLocalFile();
    if (!url.scheme().isEmpty() && url.scheme().size() > 1) return {};  // http:, ftp: (not C:)
    return t;
}

}  // namespace

TTipoArquivo TipoDoArquivo(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) return TTipoArquivo::Outro;
    const QByteArray inicio = arquivo.read(bytesLidos);
    if (inicio.startsWith(QByteArray(AssinaturaArquivoPaginas.data(), AssinaturaArquivoPaginas.size())))
        return TTipoArquivo::PaginasSalvas;
    // Named as a page file but not one: the page file's reader tells what is wrong with it.
    if (QFileInfo(caminho).suffix().compare(QStringLiteral("rpf"), Qt::CaseInsensitive) == 0)
        return TTipoArquivo::PaginasSalvas;
    QXmlStreamReader leitor(inicio);
    while (!leitor.atEnd()) {
        if (leitor.readNext() != QXmlStreamReader::StartElement) continue;
        if (leitor.name() == QLatin1String("nfeProc")) return TTipoArquivo::NotaFiscal;
        return RaizDeEvento(leitor.name()) ? TTipoArquivo::Evento : TTipoArquivo::Outro;
    }
    return TTipoArquivo::Outro;
}

QStringList CaminhosArrastados(const QMimeData& dados) {
    QStringList caminhos;
    if (dados.hasUrls()) {
        for (const QUrl& url : dados.urls())
            if (url.isLocalFile()) caminhos.append(url.toLocalFile());
        return caminhos;
    }
    if (!dados.hasText()) return caminhos;
    for (const QString& linha : dados.text().split(QLatin1Char('\n'))) {
        const QString c = CaminhoDoTexto(linha);
        if (!c.isEmpty()) caminhos.append(c);
    }
    return caminhos;
}

bool MesmoArquivo(const QString& a, const QString& b) {
    const QString ta = a.trimmed();
    const QString tb = b.trimmed();
    if (ta.isEmpty() || tb.isEmpty()) return false;
    const QFileInfo fa(ta);
    const QFileInfo fb(tb);
    if (QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath())) return true;
    const QString ca = fa.canonicalFilePath();
    return !ca.isEmpty() && ca == fb.canonicalFilePath();
}

QString TituloDaJanela(const QString& arquivoCarregado, const QString& programa) {
    if (arquivoCarregado.isEmpty()) return programa;
    return QFileInfo(arquivoCarregado).fileName();
}

}  // namespace luvenor
