#pragma once
// One pane of the preview window: draws the page boxes of its TRLPreviewPane state and turns the
// wheel and the mouse into its operations.
#include "report/RLPreviewLogic.h"

#include <QAbstractScrollArea>

#include <memory>
#include <optional>

namespace luvenor {

class TRLPagePainter;

// One pane of pages.
class TRLPreviewPage : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TRLPreviewPage(const TRLGraphicStorage& paginas, QWidget* parent = nullptr);
    ~TRLPreviewPage() override;

    TRLPreviewPane& Estado() { return estado_; }
    const TRLPreviewPane& Estado() const { return estado_; }
    TRLTamanho Cliente() const;
    // The pane's whole area, as if no scroll bar were shown: what the zoom fits fill.
    TRLTamanho Area() const;
    TRLLayoutPainel Layout() const;
    // Until the user changes the zoom, every resize opens the pane again at the zoom of
    // TRLPreviewPane::AjustarAoAbrir (the window reaches its size only once shown).
    void AjustarAoAbrir(double padrao);
    void ManterZoom() { zoomDeAbertura_.reset(); }
    // Scrolls so the find's last match is in view.
    void MostrarAchado();

    // After a change of the state: lays out, resets the scroll when asked, repaints and tells the
    // window; nothing happens when `mudou` is false.
    void Atualizar(bool mudou, bool zerarRolagem);
    void Rolar(int dx, int dy);
    void AplicarRolagem(const TRLRolagem& rolagem);
    // The page whose box holds a viewport point, or -1.
    int PaginaNoPonto(QPoint ponto) const;
    // A viewport point in design pixels of the page under it.
    std::optional<QPoint> PontoNaPagina(QPoint ponto, int& pagina) const;

    QImage ImagemDaPagina(int pagina) const;
    QByteArray PdfDaPagina(int pagina) const;
    void CopiarComoBitmap(int pagina) const;
    void CopiarComoMetafile(int pagina) const;

    void DefinirCursorDeArraste(bool ctrl);

signals:
    void Mudou();
    void Ativado();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void AjustarBarras();
    void AplicarZoomDeAbertura();
    void DesenharCaixa(QPainter& p, const TRLCaixaPagina& caixa, QPoint origem);
    // The find's frame and edit mode's marks over page `indice`.
    void DesenharMarcas(QPainter& p, const TRLGraphicSurface& pagina, int indice, QRect folha) const;

    const TRLGraphicStorage& paginas_;
    TRLPreviewPane estado_;
    std::unique_ptr<TRLPagePainter> desenhista_;
    std::optional<double> zoomDeAbertura_;
    bool arrastando_ = false;
    QPoint ultimoPonto_;
};

}  // namespace luvenor
