#include "app/FrmVisuXmlNfe.h"

#include "report/RLQtTexto.h"
#include "app/FonteJanelas.h"
#include "ClasNFe/CarregarNFe.h"
#include "app/FrmSobre.h"
#include "app/VisualizadorXml.h"
#include "util/Notificador.h"
#include "util/UDatas.h"
#include "util/UMascara.h"
#include "util/UString.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>

namespace luvenor {
namespace {

constexpr int larguraJanela = 819;
constexpr int alturaComXml = 610;
constexpr int alturaSemXml = 230;
constexpr int alturaPainel1 = 195;  // the key data, then the verification line

// Panel1 stays disabled while a button's operation runs, so no second one starts from the window.
class PainelOcupado {
public:
    explicit PainelOcupado(QWidget* painel) : painel_(painel) { painel_->setEnabled(false); }
    ~PainelOcupado() { painel_->setEnabled(true); }
    PainelOcupado(const PainelOcupado&) = delete;
    PainelOcupado& operator=(const PainelOcupado&) = delete;

private:
    QWidget* painel_;
};

class CursorOcupado {
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

QLabel* Rotulo(QWidget* pai, const QString& texto, int x, int y) {
    auto* r = new QLabel(texto, pai);
    r->move(x, y);
    return r;
}

// The read-only fields have the pale background of the platform's tool tips.
QLineEdit* CampoInformativo(QWidget* pai, int x, int y, int largura) {
    auto* e = new QLineEdit(pai);
    e->setGeometry(x, y, largura, 21);
    e->setReadOnly(true);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
    e->setPalette(p);
    return e;
}

QPushButton* Botao(QWidget* pai, const QString& texto, QStyle::StandardPixmap figura, int x, int y,
                   int largura, int altura) {
    auto* b = new QPushButton(pai->style()->standardIcon(figura), texto, pai);
    b->setGeometry(x, y, largura, altura);
    return b;
}

}  // namespace

TFrmVisuXmlNfe::TFrmVisuXmlNfe(VisualizarDanfe visualizar, QWidget* parent)
    : QWidget(parent), visualizar_(std::move(visualizar)) {
    setWindowTitle(QApplication::applicationDisplayName());
    setFont(FonteDasJanelas());
    move(271, 50);
    resize(larguraJanela, alturaSemXml);
    MontarPainel1();
    Panel2 = new QWidget(this);
    WebBrowser1 = new TVisualizadorXml(Panel2);
    auto* dentro = new QVBoxLayout(Panel2);
    dentro->setContentsMargins(0, 0, 0, 0);
    dentro->addWidget(WebBrowser1);
    auto* janela = new QVBoxLayout(this);
    janela->setContentsMargins(0, 0, 0, 0);
    janela->setSpacing(0);
    janela->addWidget(Panel1);
    janela->addWidget(Panel2, 1);
    FormCreate();
}

TFrmVisuXmlNfe::~TFrmVisuXmlNfe() = default;

void TFrmVisuXmlNfe::MontarPainel1() {
    Panel1 = new QWidget(this);
    Panel1->setMinimumSize(larguraJanela, alturaPainel1);
    QWidget* p = Panel1;
    Rotulo(p, QStringLiteral("Arquivo XML"), 13, 5);
    EdNomeArquivo = new QLineEdit(p);
    EdNomeArquivo->setGeometry(10, 20, 600, 21);
    QAction* reticencias =
        EdNomeArquivo->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    reticencias->setToolTip(QStringLiteral("Escolher o arquivo"));
    connect(reticencias, &QAction::triggered, this, &TFrmVisuXmlNfe::EdNomeArquivoButtonClick);
    BitBtn1 = Botao(p, QStringLiteral("Carregar\nXML"), QStyle::SP_DialogOpenButton, 700, 10, 90, 35);
    BitBtn2 =
        Botao(p, QStringLiteral("Visualizar\nDANFE"), QStyle::SP_FileDialogContentsView, 700, 60, 90, 35);
    Rotulo(p, QStringLiteral("Nº Nota"), 13, 45);
    EdNumNota = CampoInformativo(p, 10, 60, 70);
    Rotulo(p, QStringLiteral("Data de Emissão"), 90, 45);
    EdDataEmissao = CampoInformativo(p, 90, 60, 85);
    Rotulo(p, QStringLiteral("Chave NFe"), 185, 45);
    EdChaveNfe = CampoInformativo(p, 185, 60, 300);
    Rotulo(p, QStringLiteral("Protocolo"), 497, 45);
    EdProtocolo = CampoInformativo(p, 495, 60, 110);
    Rotulo(p, QStringLiteral("Emissor"), 13, 85);
    EdCnpjEmit = CampoInformativo(p, 10, 100, 120);
    EdNomeEmit = CampoInformativo(p, 130, 100, 340);
    Rotulo(p, QStringLiteral("Destinatário"), 13, 125);
    EdCnpjDest = CampoInformativo(p, 10, 140, 120);
    EdNomeDest = CampoInformativo(p, 130, 140, 340);
    BitBtn3 = Botao(p, QStringLiteral("Contato"), QStyle::SP_MessageBoxInformation, 496, 100, 98, 53);
    ckVerXml = new QCheckBox(QStringLiteral("Visualizar XML"), p);
    ckVerXml->setGeometry(695, 130, 110, 17);
    LabAutenticidade = new QLabel(p);
    LabAutenticidade->setGeometry(13, 167, 680, 21);
    BtnDetalhes = new QPushButton(QStringLiteral("Detalhes"), p);
    BtnDetalhes->setGeometry(700, 164, 90, 25);
    BtnDetalhes->setToolTip(QStringLiteral("Assinatura, protocolo, certificado e chave da nota carregada"));
    BtnDetalhes->setEnabled(false);

    // Tab order as designed: path, load, DANFE, the eight fields, the check box, contact.
    QWidget* ordem[] = {EdNomeArquivo, BitBtn1,     BitBtn2,    EdNumNota,  EdDataEmissao,
                        EdChaveNfe,    EdProtocolo, EdCnpjEmit, EdNomeEmit, EdCnpjDest,
                        EdNomeDest,    ckVerXml,    BitBtn3,    BtnDetalhes};
    for (size_t i = 1; i < std::size(ordem); ++i) setTabOrder(ordem[i - 1], ordem[i]);

    connect(BitBtn1, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BitBtn3Click);
    connect(ckVerXml, &QCheckBox::clicked, this, &TFrmVisuXmlNfe::ckVerXmlClick);
    connect(BtnDetalhes, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BtnDetalhesClick);
}

void TFrmVisuXmlNfe::FormCreate() {
    // One invoice record and one reader for the window's whole life; every load reuses them.
    notaFiscal_ = std::make_unique<TNotaFiscal>();
    xmlNfe_ = std::make_unique<TXmlNFe>();
    xmlNfe_->NotaFiscal = notaFiscal_.get();
    ControleTela();
}

void TFrmVisuXmlNfe::EdNomeArquivoButtonClick() {
    QFileDialog dialogo(this);
    dialogo.setNameFilter(QStringLiteral("Arquivos NFe (*.xml)"));
    dialogo.setDefaultSuffix(QStringLiteral("xml"));
    dialogo.setFileMode(QFileDialog::ExistingFile);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return;
    EdNomeArquivo->setText(dialogo.selectedFiles().constFirst());
    BitBtn1->setFocus();  // the next control in tab order
}

void TFrmVisuXmlNfe::FocarNomeArquivo() {
    if (EdNomeArquivo->isEnabled() && EdNomeArquivo->isVisible()) EdNomeArquivo->setFocus();
}

void TFrmVisuXmlNfe::BitBtn1Click() {
    bool carregado = false;
    {
        PainelOcupado ocupado(Panel1);
        const std::string caminho = EdNomeArquivo->text().toStdString();
        if (Vazio(caminho)) {
            Notificar("Informe o arquivo XML.");
        } else if (!QFileInfo(EdNomeArquivo->text()).isFile()) {
            Notificar("Arquivo XML não encontrado.");
        } else {
            carregado = CarregarArquivo();
        }
    }
    // Focus moves once Panel1 takes it again.
    if (!carregado) FocarNomeArquivo();
}

void TFrmVisuXmlNfe::Abrir(const QString& caminho) {
    EdNomeArquivo->setText(caminho);
    BitBtn1Click();
}

bool TFrmVisuXmlNfe::CarregarArquivo() {
    CursorOcupado cursor;
    const QString caminho = EdNomeArquivo->text();
    const ResultadoCarga carga = CarregarArquivoNFe(*xmlNfe_, caminho.toStdString(), true, &verificacao_);
    if (!carga.Carregado()) {
        Notificar(carga.ErroCarga);
        return false;
    }
    // The fields always show the record just read, even when the XML view then fails: the DANFE
    // button prints that record, so fields left from the previous file would mislead.
    PreencherCampos();
    MostrarVerificacao();
    try {
        WebBrowser1->Navigate(QStringLiteral("file:///") + caminho);
    } catch (const std::exception& e) {
        Notificar("Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não encontrada. - " +
                  std::string(e.what()));
        return false;
    }
    // A read that stopped early still shows what was read; the user is told where it stopped.
    if (!carga.MsgErro.empty()) Notificar(carga.MsgErro);
    return true;
}

void TFrmVisuXmlNfe::PreencherCampos() {
    const TNotaFiscal& nf = *notaFiscal_;
    auto razao = [&](const std::string& cnpj) {
        const TParticipante* p = nf.Participantes.BuscarCnpj(cnpj);
        return p ? ParaQString(p->Razao) : QString();
    };
    EdNumNota->setText(QString::number(nf.NumLcto));
    EdDataEmissao->setText(ParaQString(DataParaTexto(nf.DtDoc)));
    EdChaveNfe->setText(ParaQString(nf.ChaveNfe));
    EdProtocolo->setText(ParaQString(nf.ProtocoloNfe));
    EdCnpjEmit->setText(ParaQString(MascaraCnpjCpf(nf.CnpjFili)));
    EdNomeEmit->setText(razao(nf.CnpjFili));
    EdCnpjDest->setText(ParaQString(MascaraCnpjCpf(nf.Cnpj)));
    EdNomeDest->setText(razao(nf.Cnpj));
}

QColor TFrmVisuXmlNfe::CorAviso() {
    return QColor(0xb0, 0x1c, 0x1c);
}

void TFrmVisuXmlNfe::MostrarVerificacao() {
    QString detalhes;
    for (const std::string& linha : DetalhesVerificacao(verificacao_))
        detalhes += (detalhes.isEmpty() ? QString() : QStringLiteral("\n")) + ParaQString(linha);
    LabAutenticidade->setText(ParaQString(LinhaVerificacao(verificacao_)));
    LabAutenticidade->setToolTip(detalhes);
    QPalette cores = LabAutenticidade->palette();
    cores.setColor(QPalette::WindowText,
                   verificacao_.Autentica() ? palette().color(QPalette::WindowText) : CorAviso());
    LabAutenticidade->setPalette(cores);
    BtnDetalhes->setEnabled(true);
}

void TFrmVisuXmlNfe::BtnDetalhesClick() {
    PainelOcupado ocupado(Panel1);
    std::string texto = LinhaVerificacao(verificacao_) + "\n";
    for (const std::string& linha : DetalhesVerificacao(verificacao_)) texto += "\n" + linha;
    Notificar(texto);
}

void TFrmVisuXmlNfe::BitBtn2Click() {
    bool semNota = false;
    {
        PainelOcupado ocupado(Panel1);
        if (notaFiscal_->NumLcto == 0) {
            Notificar("Carregue o arquivo XML.");
            semNota = true;
        } else {
            try {
                ImprimirDanfe(*xmlNfe_, true, visualizar_);
            } catch (const AbortoSilencioso&) {
            } catch (const std::exception& e) {
                Notificar(e.what());
            }
        }
    }
    if (semNota) FocarNomeArquivo();
}

void TFrmVisuXmlNfe::BitBtn3Click() {
    PainelOcupado ocupado(Panel1);
    TFrmSobre sobre;
    sobre.exec();
}

void TFrmVisuXmlNfe::ckVerXmlClick() {
    ControleTela();
}

void TFrmVisuXmlNfe::ControleTela() {
    // The width stays as the user left it; only the height follows the XML view.
    Panel2->setVisible(ckVerXml->isChecked());
    layout()->activate();  // the hidden view must stop counting before the window shrinks
    resize(width(), ckVerXml->isChecked() ? alturaComXml : alturaSemXml);
    update();
}

}  // namespace luvenor
