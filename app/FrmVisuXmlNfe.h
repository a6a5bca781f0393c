#pragma once
// The main window: the user picks an NF-e distribution file and loads it; the window shows the
// invoice's key data in read-only fields, one line telling whether the file is the one that was
// signed and authorised (details on demand) and, on request, the XML itself, and asks for the DANFE.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/TXmlNFe.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "danfe/ImprimirDanfe.h"

#include <QColor>
#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace luvenor {

class TVisualizadorXml;

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

    // Puts `caminho` in the path field and loads it, as the load button does (a file named on the
    // command line).
    void Abrir(const QString& caminho);

    const TNotaFiscal& NotaFiscal() const { return *notaFiscal_; }
    const VerificacaoNFe& Verificacao() const { return verificacao_; }

    // The text colour of a verification that failed.
    static QColor CorAviso();

    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    TVisualizadorXml* WebBrowser1 = nullptr;
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
    QPushButton* BtnDetalhes = nullptr;

private:
    void FormCreate();
    void MontarPainel1();
    void PreencherCampos();
    void MostrarVerificacao();
    void FocarNomeArquivo();

    VisualizarDanfe visualizar_;
    std::unique_ptr<TNotaFiscal> notaFiscal_;
    std::unique_ptr<TXmlNFe> xmlNfe_;
    VerificacaoNFe verificacao_;
};

}  // namespace luvenor
