#pragma once
// The engine's own print dialog (printer, pages, copies, odd/even, duplex) and save dialog (file
// name and page range of a prepared-page file). Both read and fill plain values so the preview
// and the tests use them the same way.
#include "report/RLPrintPages.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace luvenor {

struct TRLConfigImpressao;

enum class TRLTipoFaixa { Tudo, Intervalo, Selecao };

class TRLPrintDialog : public QDialog {
    Q_OBJECT
public:
    // `maiorPagina` is the page count; the printer list starts at the shared settings' printer.
    TRLPrintDialog(int maiorPagina, QWidget* parent = nullptr);

    // The values chosen (valid after OK).
    TRLPedidoImpressao Pedido() const;
    TRLTipoFaixa TipoFaixa() const;
    // The chosen printer's name; empty when the PDF file is chosen (or for the system's default).
    QString Impressora() const;
    // The list's last entry, always there: print to the PDF file named in the field.
    bool ImprimirEmPdf() const;
    // The field's file name, ".pdf" added when it has no extension.
    QString ArquivoPdf() const;
    // Names the PDF file after the job's title, in the folder of the last one (else the home folder).
    void SugerirArquivoPdf(const QString& titulo);
    bool Duplex() const;
    // Points `printer` at the chosen printer with the chosen copies and duplex.
    void Configurar(QPrinter& printer) const;

    QComboBox* ListaImpressoras() const { return impressoras_; }
    QLineEdit* CampoDe() const { return de_; }
    QLineEdit* CampoAte() const { return ate_; }
    QLineEdit* CampoSelecao() const { return selecao_; }
    QLineEdit* CampoCopias() const { return copias_; }
    QComboBox* ListaParImpar() const { return parImpar_; }
    QRadioButton* OpcaoTudo() const { return tudo_; }
    QRadioButton* OpcaoPaginas() const { return paginas_; }
    QRadioButton* OpcaoSelecao() const { return opSelecao_; }
    QCheckBox* CaixaDuplex() const { return duplex_; }
    QPushButton* BotaoOk() const { return ok_; }
    QLineEdit* CampoArquivoPdf() const { return arquivoPdf_; }
    QCheckBox* CaixaEmArquivo() const { return emArquivo_; }

    // Asks whether an existing PDF file may be replaced (OK/Cancel box with text 13); tests replace it.
    std::function<bool(const QString& arquivo)> ConfirmarSobrescrita;

    void accept() override;

private:
    void MontarImpressora();
    void MontarFaixa();
    void MontarCopias();
    // Fills the printer list (the previous choice first, the PDF file last) and ties the fields to
    // their options.
    void IniciarImpressoras(const TRLConfigImpressao& config);
    void EscolherImpressora(int indice);
    void AbrirPropriedades();
    void ProcurarPdf();
    // A PDF file that can be written: named, in a folder that exists, replacing a file only when
    // the user agrees. Otherwise the dialog stays, with the reason.
    bool ArquivoPdfAceito();

    int maiorPagina_;
    QComboBox* impressoras_;
    QPushButton* propriedades_;
    QRadioButton* tudo_;
    QRadioButton* paginas_;
    QRadioButton* opSelecao_;
    QLineEdit* de_;
    QLineEdit* ate_;
    QLineEdit* selecao_;
    QLineEdit* copias_;
    QComboBox* parImpar_;
    QCheckBox* duplex_;
    QCheckBox* emArquivo_;
    QLineEdit* arquivoPdf_;
    QPushButton* procurarPdf_;
    QPushButton* ok_;
    int indicePdf_ = -1;
};

// A title as a file name: without the characters file names refuse; empty when nothing is left.
QString NomeDeArquivoDoTitulo(const QString& titulo);

class TRLSaveDialog : public QDialog {
    Q_OBJECT
public:
    // `nomeInicial`: a file name or empty.
    TRLSaveDialog(int maiorPagina, const QString& nomeInicial, QWidget* parent = nullptr);

    QString NomeArquivo() const;
    // The file written for a name: ".rpf" added when the name has no extension.
    static QString ComExtensao(const QString& nome);
    // A title as a file name in the current folder, without the characters file names refuse.
    static QString NomeDoTitulo(const QString& titulo);

    // Asks whether an existing file may be replaced (OK/Cancel box with text 13); tests replace it.
    std::function<bool(const QString& arquivo)> ConfirmarSobrescrita;

    QLineEdit* CampoNome() const { return nome_; }
    QLineEdit* CampoDe() const { return de_; }
    QRadioButton* OpcaoPaginas() const { return paginas_; }
    QRadioButton* OpcaoSelecao() const { return selecao_; }

    void accept() override;

private:
    void Procurar();

    QLineEdit* nome_;
    QRadioButton* tudo_;
    QRadioButton* paginas_;
    QRadioButton* selecao_;
    QLineEdit* de_;
    QLineEdit* ate_;
};

}  // namespace luvenor
