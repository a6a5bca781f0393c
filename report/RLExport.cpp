#include "report/RLExport.h"

#include "report/RLPagePainter.h"
#include "report/RLPagedOutput.h"
#include "report/RLQtTexto.h"
#include "report/RLSaidaSegura.h"
#include "report/RLTexts.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>
#include <stdexcept>

namespace luvenor {

void ExportarPdf(const TRLGraphicStorage& store, const std::string& path, TRLProgress& progress,
                 const std::vector<std::string>& entradas) {
    if (store.Count() == 0) throw ErroAoGravar(path, "não há páginas a gravar");
    TRLSaidaSegura arquivo(path, entradas);
    TRLResultadoSaida r;
    try {
        r = GravarPdf(store, arquivo.Dispositivo(), TodasAsPaginas(store), progress);
    } catch (const ERLDispositivoRecusou& e) {
        throw ErroAoGravar(path, e.what());
    }
    // Not confirmed, the temporary file goes and an older file of that name stays as it was.
    if (r.Cancelada) throw std::runtime_error(LSTexto(TextoRL::CanceladoPeloUsuario));
    arquivo.Confirmar();
}

std::string NomeDoArquivoDaPagina(const std::string& path, int pageNumber) {
    const size_t barra = path.find_last_of('/');
    const size_t ponto = path.find_last_of('.');
    const bool temExtensao = ponto != std::string::npos && (barra == std::string::npos || ponto > barra + 1);
    const std::string numero = "-" + std::to_string(pageNumber);
    if (!temExtensao) return path + numero;
    return path.substr(0, ponto) + numero + path.substr(ponto);
}

namespace {

// The page drawn on a white image at `dpi`, sized from its design pixels.
QImage ImagemDaPagina(const TRLGraphicSurface& pagina, const TRLMacros& macros, int dpi, int numero,
                      TRLPagePainter& desenhista) {
    const double largura = std::round(pagina.Width() * dpi / 96.0);
    const double altura = std::round(pagina.Height() * dpi / 96.0);
    QImage imagem;
    if (largura >= 1 && altura >= 1 && largura * altura <= 50e6)
        imagem = QImage(static_cast<int>(largura), static_cast<int>(altura), QImage::Format_RGB32);
    if (imagem.isNull())
        throw std::runtime_error("A página " + std::to_string(numero) + " (" +
                                 std::to_string(pagina.Width()) + " x " + std::to_string(pagina.Height()) +
                                 " pixels) não pode ser desenhada a " + std::to_string(dpi) + " dpi");
    const int pontosPorMetro = static_cast<int>(std::lround(dpi / 0.0254));
    imagem.setDotsPerMeterX(pontosPorMetro);
    imagem.setDotsPerMeterY(pontosPorMetro);
    imagem.fill(Qt::white);
    QPainter painter(&imagem);
    desenhista.Desenhar(pagina, macros, painter, QRectF(0, 0, largura, altura));
    return imagem;
}

void GravarPng(const QImage& imagem, TRLSaidaSegura& arquivo) {
    if (!imagem.save(&arquivo.Dispositivo(), "PNG"))
        throw ErroAoGravar(arquivo.Caminho(), "a imagem PNG não pôde ser codificada ou gravada");
    // Completed now, so a full disk shows at this page; the names change only once all are done.
    arquivo.Concluir();
}

}  // namespace

std::vector<std::string> ExportarPng(const TRLGraphicStorage& store, const std::string& path, int dpi,
                                     TRLProgress& progress, const std::vector<std::string>& entradas) {
    if (dpi < 10 || dpi > 600)
        throw std::runtime_error("A resolução de " + std::to_string(dpi) +
                                 " dpi está fora do intervalo de 10 a 600");
    std::vector<std::string> nomes;
    TRLSaidasSeguras arquivos(entradas);
    const TRLProgressoAberto aberto(progress, LSTexto(TextoRL::SalvandoRelatorio), store.Count());
    TRLPagePainter desenhista;
    for (int i = 0; i < store.Count(); ++i) {
        progress.DefinirPasso(PassoDaPagina(i + 1));
        const QImage imagem = ImagemDaPagina(*store.Page(i), store.Macros(), dpi, i + 1, desenhista);
        const std::string nome = NomeDoArquivoDaPagina(path, i + 1);
        GravarPng(imagem, arquivos.Nova(nome));
        nomes.push_back(nome);
        progress.Avancar();
        // The same rule as the paged output: a cancel takes effect once a page is done.
        if (progress.Cancelado()) throw std::runtime_error(LSTexto(TextoRL::CanceladoPeloUsuario));
    }
    arquivos.Confirmar();
    return nomes;
}

}  // namespace luvenor
