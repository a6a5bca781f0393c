#pragma once
// The main window: the user picks an NF-e distribution file and loads it; the window shows the
// invoice's key data in read-only fields, one line telling whether the file is the one that was
// signed and authorised (details on demand) and, on request, the XML itself, and asks for the DANFE.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/LeitorEventos.h"
#include "ClasNFe/TXmlNFe.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "danfe/ImprimirDanfe.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QToolButton;

namespace luvenor {

class TArquivosRecentes;
class TBuscaXml;
class TFrtDacce;
class TRLGraphicStorage;
class TVisualizadorXml;

// The print job's title of an invoice's DANFE: "DANFE NF-e 4321 - " and the recipient's name.
std::string TituloDoDanfe(const TNotaFiscal& nf);

// What the DANFE button does when the path field no longer names the file of the loaded invoice.
enum class TEscolhaDanfe { NotaCarregada, CarregarOCampo, Cancelar };

class TFrmVisuXmlNfe : public QWidget {
    Q_OBJECT

public:
    // `visualizar` shows a DANFE form's report (the preview window in the program, a probe in tests).
    explicit TFrmVisuXmlNfe(VisualizarDanfe visualizar, QWidget* parent = nullptr);
    ~TFrmVisuXmlNfe() override;

    // The event operations, under their names.
    void EdNomeArquivoButtonClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BtnDetalhesClick();
    void ckVerXmlClick();
    bool CarregarArquivo();
    void ControleTela();

    // Puts `caminho` in the path field and loads it, as the load button does: a file named on the
    // command line, dropped on the window or picked from the recent files. The load button opens
    // each file by what it is (TipoDoArquivo): an invoice, or a page file shown in the preview.
    bool Abrir(const QString& caminho);
    // The file of the invoice record the fields and the DANFE show; empty before a load.
    const QString& ArquivoCarregado() const { return carregado_; }
    TArquivosRecentes& Recentes() { return *recentes_; }

    // Asked when the DANFE button is pressed while the path field names another file than the
    // loaded one (a refused load, a path typed and not loaded); a question box, replaced in tests.
    std::function<TEscolhaDanfe(const QString& carregado, const QString& campo)> PerguntarDanfe;
    // Shows the pages of a page file (the preview window in the program, a probe in tests).
    std::function<void(const TRLGraphicStorage& paginas)> VisualizarPaginas;
    // Shows a correction letter's DACCe, printed by the DANFE button for an event file loaded alone.
    std::function<void(TFrtDacce& formulario)> VisualizarDacce;
    // Why the events of the loaded invoice that were left out do not count.
    const AvisosEventos& AvisosDosEventos() const { return avisos_; }

    const TNotaFiscal& NotaFiscal() const { return *notaFiscal_; }
    const VerificacaoNFe& Verificacao() const { return verificacao_; }

    // The text colour of a verification that failed.
    static QColor CorAviso();

    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    TVisualizadorXml* WebBrowser1 = nullptr;
    TBuscaXml* BuscaXml = nullptr;
    QLineEdit* EdNomeArquivo = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QLineEdit* EdNumNota = nullptr;
    QLineEdit* EdDataEmissao = nullptr;
    QLineEdit* EdChaveNfe = nullptr;
    QLineEdit* EdProtocolo = nullptr;
    QLineEdit* EdCnpjEmit = nullptr;
    QLineEdit* EdNomeEmit = nullptr;
    QLineEdit* EdCnpjDest = nullptr;
    QLineEdit* EdNomeDest = nullptr;
    QCheckBox* ckVerXml = nullptr;
    QLabel* LabAutenticidade = nullptr;
    QLineEdit* EdSituacao = nullptr;
    QPlainTextEdit* EdEventos = nullptr;
    QPushButton* BtnDetalhes = nullptr;
    QToolButton* BtnRecentes = nullptr;
    QMenu* MenuRecentes = nullptr;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate();
    void MontarPainel1();
    // The situation line and the list of events under the verification line.
    void MontarEventos(QWidget* painel);
    void MontarAbertura();
    void CriarAtalhos();
    void PreencherCampos();
    void MostrarVerificacao();
    void MostrarEventos();
    // An event file of the loaded invoice opened or dropped: its events join the invoice; false
    // when `caminho` is not one (it then loads as a document of its own).
    bool AdicionarEventoANota(const QString& caminho);
    void ImprimirDacceCarregado();
    void FocarNomeArquivo();
    // The load button's work: the path checks, then the field's file by what it is; false when it
    // was not opened.
    bool AbrirCampo();
    bool AbrirDoCampo();
    bool AbrirPaginasSalvas(const QString& caminho);
    // Whether the DANFE may go ahead with the loaded record, asking when the field names another file.
    bool ConfirmarArquivoDoDanfe();
    TEscolhaDanfe PerguntarNaJanela(const QString& carregado, const QString& campo);
    void AtualizarRecentes();

    VisualizarDanfe visualizar_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<TArquivosRecentes> recentes_;
    QString carregado_;
    std::unique_ptr<TNotaFiscal> notaFiscal_;
    std::unique_ptr<TXmlNFe> xmlNfe_;
    VerificacaoNFe verificacao_;
    AvisosEventos avisos_;
    bool documentoEvento_ = false;  // the record is an event file's, read alone
};

}  // namespace luvenor
