#pragma once
// The preview window: a tool bar (its rows in RLPreviewToolBar) over one or two page panes. The
// panes' state and rules, and the action of every key, live in report/RLPreviewLogic.h; the widgets
// here draw the state and carry out the actions of keys, buttons, wheel and mouse.
#include "report/RLPreviewLogic.h"
#include "reportui/RLPreviewPage.h"

#include <QAbstractScrollArea>
#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QSplitter;
class QToolButton;

namespace luvenor {

class TRLCustomReport;
class TRLFindWindow;
class TRLPagePainter;

// Settings shared by every preview of the run; closing a preview stores its window state here.
struct TRLPreviewSettings {
    Qt::WindowStates EstadoJanela = Qt::WindowMaximized;
    double Zoom = ZoomPadrao;
    QString Caption;  // empty: the window keeps its own (text 27)
};
TRLPreviewSettings& PreviewSettings();

// Prepares the report when needed and shows its pages in the modal preview window. False when the
// pages could not be prepared (nothing is shown); true once the user has closed the window.
bool ShowPreview(TRLCustomReport& report, QWidget* parent = nullptr);
// Shows prepared pages (a report's, or a page file's) in the modal preview window with the shared
// settings, opening at page width when that is larger than the default zoom.
void MostrarPaginas(const TRLGraphicStorage& paginas, QWidget* parent = nullptr);

class TRLPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit TRLPreviewWindow(const TRLGraphicStorage& paginas, QWidget* parent = nullptr);
    ~TRLPreviewWindow() override;

    TRLPreviewPage* PainelAtivo() const { return ativo_; }
    int QuantidadePaineis() const;
    TRLPreviewPage* Painel(int i) const;
    void Ativar(TRLPreviewPage* painel);

    void Imprimir();
    void Salvar();
    // Writes the whole store to `arquivo`; an error goes to the user, the window stays.
    bool SalvarEm(const QString& arquivo);
    void AlternarDivisao();
    void AlternarEdicao(bool ligado);
    void AbrirBusca();
    void ProcurarProxima();
    TRLFindWindow* JanelaBusca() const { return busca_; }

    // Runs the print and save dialogs; true when confirmed. Tests replace it to fill them in.
    std::function<bool(QDialog&)> ExecutarDialogo;
    // Last say on the printer before printing (tests print to a PDF file).
    std::function<void(QPrinter&)> PrepararImpressora;

    QLineEdit* CampoPagina() const { return campoPagina_; }
    QLabel* CaixaTotal() const { return total_; }
    QComboBox* ListaZoom() const { return zoom_; }
    QToolButton* Botao(const char* nome) const;

protected:
    bool eventFilter(QObject* objeto, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void done(int resultado) override;

private:
    void CriarBarra(QWidget* barra);
    // What a tool-bar button or a key asks, on the active pane.
    void Executar(TRLAcaoPrevia acao);
    TRLPreviewPage* NovoPainel();
    void Sincronizar();
    bool TratarTecla(QKeyEvent* event);
    void Navegar(bool (TRLPreviewPane::*passo)());
    void MudarZoom(bool mudou);
    void ZoomDaLista(int indice);
    void ZoomDigitado();
    void PaginaDigitada();

    const TRLGraphicStorage& paginas_;
    QSplitter* divisor_ = nullptr;
    TRLPreviewPage* ativo_ = nullptr;
    TRLFindWindow* busca_ = nullptr;
    QLineEdit* campoPagina_ = nullptr;
    QLabel* total_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QToolButton* editar_ = nullptr;
};

}  // namespace luvenor
