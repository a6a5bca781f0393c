#include "report/RLExport.h"

#include "report/RLQtTexto.h"
#include "report/RLPagePainter.h"
#include "report/RLTexts.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <cmath>
#include <stdexcept>

namespace luvenor {
namespace {

// The progress of an export: text 1 over the page count, one step a page.
class Andamento {
public:
    Andamento(TRLProgress& p, int paginas)
        : aberto_(p, LSTexto(TextoRL::SalvandoRelatorio), paginas), p_(p) {}

    void Pagina(int numero) {
        if (p_.Cancelado()) throw std::runtime_error(LSTexto(TextoRL::CanceladoPeloUsuario));
        p_.DefinirPasso(LSTexto(TextoRL::Pagina) + " " + std::to_string(numero));
    }
    void Feita() { p_.Avancar(); }

private:
    TRLProgressoAberto aberto_;
    TRLProgress& p_;
};

}  // namespace

void ExportarPdf(const TRLGraphicStorage& store, const std::string& path, TRLProgress& progress) {
    QSaveFile arquivo(ParaQString(path));
    if (!arquivo.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path + ": " + ParaUtf8(arquivo.errorString()));
    {
        QPdfWriter pdf(&arquivo);
        pdf.setCreator(QStringLiteral("Luvenor"));
        pdf.setTitle(ParaQString(store.Macros().Value("Title")));
        const bool paisagem = store.Macros().Value("Orientation") == "2";
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      paisagem ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf))
            throw std::runtime_error("cannot write " + path + ": the PDF could not be started");
        Andamento andamento(progress, store.Count());
        TRLPagePainter desenhista;
        for (int i = 0; i < store.Count(); ++i) {
            andamento.Pagina(i + 1);
            if (i > 0) pdf.newPage();
            const auto pagina = store.Page(i);
            desenhista.Desenhar(*pagina, store.Macros(), painter, QRectF(0, 0, pdf.width(), pdf.height()));
            andamento.Feita();
        }
        painter.end();
    }
    if (!arquivo.commit())
        throw std::runtime_error("cannot write " + path + ": " + ParaUtf8(arquivo.errorString()));
}

std::string NomeDoArquivoDaPagina(const std::string& path, int pageNumber) {
    const size_t barra = path.find_last_of('/');
    const size_t ponto = path.find_last_of('.');
    const bool temExtensao = ponto != std::string::npos && (barra == std::string::npos || ponto > barra + 1);
    const std::string numero = "-" + std::to_string(pageNumber);
    if (!temExtensao) return path + numero;
    return path.substr(0, ponto) + numero + path.substr(ponto);
}

std::vector<std::string> ExportarPng(const TRLGraphicStorage& store, const std::string& path, int dpi,
                                     TRLProgress& progress) {
    if (dpi < 10 || dpi > 600)
        throw std::runtime_error("the resolution " + std::to_string(dpi) + " dpi is outside 10 to 600");
    std::vector<std::string> nomes;
    Andamento andamento(progress, store.Count());
    TRLPagePainter desenhista;
    for (int i = 0; i < store.Count(); ++i) {
        andamento.Pagina(i + 1);
        const auto pagina = store.Page(i);
        const double largura = std::round(pagina->Width() * dpi / 96.0);
        const double altura = std::round(pagina->Height() * dpi / 96.0);
        QImage imagem;
        if (largura >= 1 && altura >= 1 && largura * altura <= 50e6)
            imagem = QImage(static_cast<int>(largura), static_cast<int>(altura), QImage::Format_RGB32);
        if (imagem.isNull())
            throw std::runtime_error("page " + std::to_string(i + 1) + " (" +
                                     std::to_string(pagina->Width()) + " x " +
                                     std::to_string(pagina->Height()) + " pixels) cannot be rendered at " +
                                     std::to_string(dpi) + " dpi");
        const int pontosPorMetro = static_cast<int>(std::lround(dpi / 0.0254));
        imagem.setDotsPerMeterX(pontosPorMetro);
        imagem.setDotsPerMeterY(pontosPorMetro);
        imagem.fill(Qt::white);
        {
            QPainter painter(&imagem);
            desenhista.Desenhar(*pagina, store.Macros(), painter, QRectF(0, 0, largura, altura));
        }
        const std::string nome = NomeDoArquivoDaPagina(path, i + 1);
        if (!imagem.save(ParaQString(nome), "PNG")) throw std::runtime_error("cannot write " + nome);
        nomes.push_back(nome);
        andamento.Feita();
    }
    return nomes;
}

}  // namespace luvenor
