#include "report/RLPdfCairo.h"

#include "report/RLMotorPdfCairo.h"

#include <QPageLayout>
#include <QPageSize>
#include <QtGui/private/qpagedpaintdevice_p.h>

#include <algorithm>
#include <climits>

namespace luvenor {
namespace {

// The sheet the device's pages take, told to the engine whenever it changes.
class FolhaDoPdf : public QPagedPaintDevicePrivate {
public:
    explicit FolhaDoPdf(QIODevice& destino)
        : motor_(destino), folha_(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()) {
        motor_.DefinirFolha(folha_, TRLDispositivoPdf::Resolucao);
    }
    TRLMotorPdfCairo& Motor() { return motor_; }
    bool setPageLayout(const QPageLayout& folha) override { return Trocar(folha); }
    bool setPageSize(const QPageSize& tamanho) override {
        QPageLayout f = folha_;
        f.setPageSize(tamanho);
        return Trocar(f);
    }
    bool setPageOrientation(QPageLayout::Orientation orientacao) override {
        QPageLayout f = folha_;
        f.setOrientation(orientacao);
        return Trocar(f);
    }
    bool setPageMargins(const QMarginsF& margens, QPageLayout::Unit unidade) override {
        QPageLayout f = folha_;
        f.setUnits(unidade);
        return f.setMargins(margens) && Trocar(f);
    }
    QPageLayout pageLayout() const override { return folha_; }

private:
    // cairo draws in 24.8 fixed point: on a sheet of many million points, as a damaged page asks,
    // it aborts the program. No paper, not even a long roll, comes near this bound.
    static constexpr double MaiorLadoEmPontos = 1'000'000;

    bool Trocar(const QPageLayout& folha) {
        const QSizeF pontos = folha.fullRect(QPageLayout::Point).size();
        if (!folha.isValid() || pontos.width() > MaiorLadoEmPontos || pontos.height() > MaiorLadoEmPontos)
            return false;
        folha_ = folha;
        motor_.DefinirFolha(folha_, TRLDispositivoPdf::Resolucao);
        return true;
    }
    TRLMotorPdfCairo motor_;
    QPageLayout folha_;
};

}  // namespace

TRLDispositivoPdf::TRLDispositivoPdf(QIODevice& destino)
    : QPagedPaintDevice(new FolhaDoPdf(destino)),
      motor_(&static_cast<FolhaDoPdf*>(QPagedPaintDevicePrivate::get(this))->Motor()) {}

TRLDispositivoPdf::~TRLDispositivoPdf() = default;

void TRLDispositivoPdf::DefinirTitulo(const std::string& titulo) {
    motor_->DefinirMetadado(CAIRO_PDF_METADATA_TITLE, titulo);
}

void TRLDispositivoPdf::DefinirCriador(const std::string& criador) {
    motor_->DefinirMetadado(CAIRO_PDF_METADATA_CREATOR, criador);
}

void TRLDispositivoPdf::AdicionarMarcador(const std::string& titulo, int pagina) {
    motor_->AdicionarMarcador(titulo, pagina);
}

bool TRLDispositivoPdf::newPage() {
    return motor_->NovaPagina();
}

QPaintEngine* TRLDispositivoPdf::paintEngine() const {
    return motor_;
}

std::string TRLDispositivoPdf::Concluir() {
    return motor_->Concluir();
}

int TRLDispositivoPdf::metric(PaintDeviceMetric metrica) const {
    const QPageLayout folha = pageLayout();
    const QRect area = folha.paintRectPixels(Resolucao);
    // A sheet as large as a damaged page asks spans the whole int range: QRect's width() would overflow.
    const auto extensao = [](int primeiro, int ultimo) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{ultimo} - primeiro + 1, 0, INT32_MAX));
    };
    switch (metrica) {
        case PdmWidth:
            return extensao(area.left(), area.right());
        case PdmHeight:
            return extensao(area.top(), area.bottom());
        case PdmWidthMM:
            return qRound(folha.paintRect(QPageLayout::Millimeter).width());
        case PdmHeightMM:
            return qRound(folha.paintRect(QPageLayout::Millimeter).height());
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return Resolucao;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
    }
}

}  // namespace luvenor
