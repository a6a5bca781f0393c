#pragma once
// The paint engine behind TRLDispositivoPdf: QPainter's calls turned into cairo's, on a PDF
// surface that writes into a buffer handed to the caller's QIODevice. Texts keep their glyphs and
// positions as Qt laid them out and are drawn with the same font file, so the page is the one
// every other device shows; cairo subsets the font and writes the text's characters for search
// and copy.
#include "report/RLTextoPdfCairo.h"

#include <QByteArray>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPageLayout>
#include <QTransform>

#include <cairo-pdf.h>
#include <cairo.h>

#include <string>
#include <unordered_map>
#include <vector>

class QIODevice;

namespace luvenor {

class TRLMotorPdfCairo : public QPaintEngine {
public:
    explicit TRLMotorPdfCairo(QIODevice& destino);
    ~TRLMotorPdfCairo() override;

    void DefinirMetadado(cairo_pdf_metadata_t campo, const std::string& valor);
    void AdicionarMarcador(const std::string& titulo, int pagina);
    // The sheet the next page starts on.
    void DefinirFolha(const QPageLayout& folha, int resolucao);
    bool NovaPagina();
    std::string Concluir();

    bool begin(QPaintDevice* device) override;
    bool end() override;
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& estado) override;

    void drawRects(const QRectF* rects, int n) override;
    void drawLines(const QLineF* linhas, int n) override;
    void drawPath(const QPainterPath& caminho) override;
    void drawPolygon(const QPointF* pontos, int n, PolygonDrawMode modo) override;
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) override;
    void drawImage(const QRectF& r, const QImage& imagem, const QRectF& sr,
                   Qt::ImageConversionFlags flags) override;
    void drawTiledPixmap(const QRectF& r, const QPixmap& pixmap, const QPointF& s) override;
    void drawTextItem(const QPointF& p, const QTextItem& item) override;

    // Bytes the surface hands over: kept until a block is worth a write.
    void Receber(const unsigned char* dados, unsigned int tamanho);

private:
    bool AbrirSuperficie();
    void AjustarAFolha();
    void AplicarMatriz(const QTransform& t);
    void AplicarRecorte();
    void AtualizarRecorte(const QPaintEngineState& estado);
    void Caminho(const QPainterPath& caminho);
    void PreencherETracar(bool preencher, bool tracar);
    void Preencher();
    void Tracar();
    double EscalaUniforme(bool cosmetica) const;
    cairo_surface_t* SuperficieDaImagem(const QImage& imagem);
    void EscreverBuffer();
    // Every drawing call but a text's, and every change of matrix or clip, starts with this.
    void DescarregarTextos() {
        if (cr_) textos_.Descarregar(cr_);
    }

    QIODevice& destino_;
    QByteArray buffer_;
    bool erroDeEscrita_ = false;
    cairo_surface_t* superficie_ = nullptr;
    cairo_t* cr_ = nullptr;
    QPageLayout folha_;
    int resolucao_ = 1200;
    bool paginaDesenhada_ = false;
    std::vector<std::pair<cairo_pdf_metadata_t, std::string>> metadados_;
    std::vector<std::pair<std::string, int>> marcadores_;  // title, 1-based page

    cairo_matrix_t base_{};  // device pixels to PDF points, for the page's paint area
    QTransform matriz_;
    QPen caneta_;
    QBrush pincel_;
    double opacidade_ = 1.0;
    bool suavizarImagens_ = false;
    bool recorteLigado_ = false;
    std::vector<QPainterPath> recortes_;  // in device pixels; their intersection is the clip

    TRLTextosCairo textos_;  // drawn before anything else reaches the surface

    // The same picture drawn again is the same surface, so the PDF holds it once.
    std::unordered_map<qint64, cairo_surface_t*> imagens_;
};

}  // namespace luvenor
