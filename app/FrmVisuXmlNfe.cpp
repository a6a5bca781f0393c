#include "app/FrmVisuXmlNfe.h"

#include "ClasNFe/ArquivosEvento.h"
#include "ClasNFe/DadosPrincipais.h"
#include "danfe/TFrtDacce.h"

#include "report/RLQtTexto.h"
#include "app/AberturaArquivo.h"
#include "app/ArquivosRecentes.h"
#include "app/BuscaXml.h"
#include "app/FonteJanelas.h"
#include "app/Ocupado.h"
#include "ClasNFe/CarregarNFe.h"
#include "app/FrmSobre.h"
#include "app/VisualizadorXml.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLReport.h"
#include "reportui/RLPreview.h"
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>

namespace luvenor {
namespace {

constexpr int larguraJanela = 819;
constexpr int alturaComXml = 690;
constexpr int alturaSemXml = 310;
constexpr int alturaPainel1 = 275;  // the key data, the verification line, the situation and events

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

std::string TituloDoDanfe(const TNotaFiscal& nf) {
    std::string titulo = "DANFE NF-e " + std::to_string(nf.NumLcto);
    const TParticipante* destinatario = nf.Participantes.BuscarPapel(PapelDestinatario, nf.Cnpj);
    if (destinatario && !Vazio(destinatario->Razao)) titulo += " - " + TirarEspacos(destinatario->Razao);
    return titulo;
}

TFrmVisuXmlNfe::TFrmVisuXmlNfe(VisualizarDanfe visualizar, QWidget* parent)
    : QWidget(parent),
      // Print queues and PDF printers show the job under the invoice's name.
      visualizar_([v = std::move(visualizar)](TFrtDanfe& f) {
          if (f.NotaFiscalDanfe) f.RLReport1().JobTitle = TituloDoDanfe(*f.NotaFiscalDanfe);
          v(f);
      }),
      settings_(std::make_unique<QSettings>(QStringLiteral("Luvenor"), QStringLiteral("Luvenor"))),
      recentes_(std::make_unique<TArquivosRecentes>(*settings_)) {
    setWindowTitle(TituloDaJanela({}, QApplication::applicationDisplayName()));
    PerguntarDanfe = [this](const QString& carregado, const QString& campo) {
        return PerguntarNaJanela(carregado, campo);
    };
    VisualizarPaginas = [this](const TRLGraphicStorage& paginas) { MostrarPaginas(paginas, this); };
    VisualizarDacce = [this](TFrtDacce& formulario) { ShowPreview(formulario.RLReport1(), this); };
    setFont(FonteDasJanelas());
    move(271, 50);
    resize(larguraJanela, alturaSemXml);
    MontarPainel1();
    Panel2 = new QWidget(this);
    WebBrowser1 = new TVisualizadorXml(Panel2);
    auto* dentro = new QVBoxLayout(Panel2);
    dentro->setContentsMargins(0, 0, 0, 0);
    dentro->addWidget(WebBrowser1);
    BuscaXml = new TBuscaXml(WebBrowser1, Panel2);
    dentro->addWidget(BuscaXml);
    auto* janela = new QVBoxLayout(this);
    janela->setContentsMargins(0, 0, 0, 0);
    janela->setSpacing(0);
    janela->addWidget(Panel1);
    janela->addWidget(Panel2, 1);
    MontarAbertura();
    CriarAtalhos();
    FormCreate();
}

TFrmVisuXmlNfe::~TFrmVisuXmlNfe() = default;

void TFrmVisuXmlNfe::MontarPainel1() {
    Panel1 = new QWidget(this);
    Panel1->setMinimumSize(larguraJanela, alturaPainel1);
    QWidget* p = Panel1;
    QLabel* rotuloArquivo = Rotulo(p, QStringLiteral("&Arquivo XML"), 13, 5);
    EdNomeArquivo = new QLineEdit(p);
    EdNomeArquivo->setGeometry(10, 20, 600, 21);
    rotuloArquivo->setBuddy(EdNomeArquivo);
    QAction* reticencias =
        EdNomeArquivo->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    reticencias->setToolTip(QStringLiteral("Escolher o arquivo"));
    connect(reticencias, &QAction::triggered, this, &TFrmVisuXmlNfe::EdNomeArquivoButtonClick);
    BitBtn1 = Botao(p, QStringLiteral("&Carregar\nXML"), QStyle::SP_DialogOpenButton, 700, 10, 90, 35);
    BitBtn2 =
        Botao(p, QStringLiteral("&Visualizar\nDANFE"), QStyle::SP_FileDialogContentsView, 700, 60, 90, 35);
    BitBtn1->setToolTip(QStringLiteral("Carregar o arquivo do campo (Enter no campo)"));
    BitBtn2->setToolTip(QStringLiteral("Visualizar o DANFE da nota carregada (Ctrl+P)"));
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
    BitBtn3 = Botao(p, QStringLiteral("C&ontato"), QStyle::SP_MessageBoxInformation, 496, 100, 98, 53);
    BitBtn3->setToolTip(QStringLiteral("Informações de contato (F1)"));
    ckVerXml = new QCheckBox(QStringLiteral("Visualizar &XML"), p);
    ckVerXml->setGeometry(695, 130, 110, 17);
    LabAutenticidade = new QLabel(p);
    LabAutenticidade->setGeometry(13, 167, 680, 21);
    BtnDetalhes = new QPushButton(QStringLiteral("&Detalhes"), p);
    BtnDetalhes->setGeometry(700, 164, 90, 25);
    BtnDetalhes->setToolTip(QStringLiteral("Assinatura, protocolo, certificado e chave da nota carregada"));
    BtnDetalhes->setEnabled(false);
    MontarEventos(p);

    // Tab order as designed: path, load, DANFE, the eight fields, the check box, contact.
    QWidget* ordem[] = {EdNomeArquivo, BitBtn1,     BitBtn2,    EdNumNota,  EdDataEmissao, EdChaveNfe,
                        EdProtocolo,   EdCnpjEmit,  EdNomeEmit, EdCnpjDest, EdNomeDest,    ckVerXml,
                        BitBtn3,       BtnDetalhes, EdSituacao, EdEventos};
    // The path field loads on Enter, as the load button does.
    connect(EdNomeArquivo, &QLineEdit::returnPressed, this, &TFrmVisuXmlNfe::BitBtn1Click);
    for (size_t i = 1; i < std::size(ordem); ++i) setTabOrder(ordem[i - 1], ordem[i]);

    connect(BitBtn1, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BitBtn3Click);
    connect(ckVerXml, &QCheckBox::clicked, this, &TFrmVisuXmlNfe::ckVerXmlClick);
    connect(BtnDetalhes, &QPushButton::clicked, this, &TFrmVisuXmlNfe::BtnDetalhesClick);
}

void TFrmVisuXmlNfe::MontarEventos(QWidget* p) {
    Rotulo(p, QStringLiteral("Situação"), 13, 192);
    EdSituacao = CampoInformativo(p, 70, 190, 620);
    EdEventos = new QPlainTextEdit(p);
    EdEventos->setGeometry(10, 215, 780, 55);
    EdEventos->setReadOnly(true);
    EdEventos->setPlaceholderText(
        QStringLiteral("Eventos da nota: cartas de correção, cancelamento, outros"));
}

void TFrmVisuXmlNfe::FormCreate() {
    // One invoice record and one reader for the window's whole life; every load reuses them.
    notaFiscal_ = std::make_unique<TNotaFiscal>();
    xmlNfe_ = std::make_unique<TXmlNFe>();
    xmlNfe_->NotaFiscal = notaFiscal_.get();
    ControleTela();
}

void TFrmVisuXmlNfe::FocarNomeArquivo() {
    if (EdNomeArquivo->isEnabled() && EdNomeArquivo->isVisible()) EdNomeArquivo->setFocus();
}

void TFrmVisuXmlNfe::BitBtn1Click() {
    AbrirCampo();
}

bool TFrmVisuXmlNfe::AbrirCampo() {
    bool carregado = false;
    {
        PainelOcupado ocupado(Panel1);
        const std::string caminho = EdNomeArquivo->text().toStdString();
        if (Vazio(caminho)) {
            Notificar("Informe o arquivo XML.");
        } else if (const QFileInfo info(EdNomeArquivo->text()); !info.exists() || info.isDir()) {
            // A FIFO or a device is no regular file but is read all the same.
            Notificar("Arquivo XML não encontrado.");
        } else {
            carregado = AbrirDoCampo();
        }
    }
    // Focus moves once Panel1 takes it again.
    if (!carregado) FocarNomeArquivo();
    return carregado;
}

bool TFrmVisuXmlNfe::CarregarArquivo() {
    CursorOcupado cursor;
    const QString caminho = EdNomeArquivo->text();
    if (AdicionarEventoANota(caminho)) return true;
    const ResultadoCarga carga = CarregarArquivoNFe(*xmlNfe_, caminho.toStdString(), true, &verificacao_);
    if (!carga.Carregado()) {
        Notificar(carga.ErroCarga);
        return false;
    }
    avisos_ = carga.Avisos;
    documentoEvento_ = carga.DocumentoEvento;
    // The fields always show the record just read, even when the XML view then fails: the DANFE
    // button prints that record, so fields left from the previous file would mislead. The title
    // names the file they belong to.
    carregado_ = QFileInfo(caminho).absoluteFilePath();
    setWindowTitle(TituloDaJanela(carregado_, QApplication::applicationDisplayName()));
    recentes_->Adicionar(carregado_);
    AtualizarRecentes();
    PreencherCampos();
    MostrarVerificacao();
    MostrarEventos();
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
    const DadosPrincipais dados = MontarDadosPrincipais(*notaFiscal_);
    EdNumNota->setText(ParaQString(dados.NumNota));
    EdDataEmissao->setText(ParaQString(dados.DataEmissao));
    EdChaveNfe->setText(ParaQString(dados.ChaveNfe));
    EdProtocolo->setText(ParaQString(dados.Protocolo));
    EdCnpjEmit->setText(ParaQString(dados.CnpjEmit));
    EdNomeEmit->setText(ParaQString(dados.NomeEmit));
    EdCnpjDest->setText(ParaQString(dados.CnpjDest));
    EdNomeDest->setText(ParaQString(dados.NomeDest));
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
    Informar(texto);
}

void TFrmVisuXmlNfe::BitBtn2Click() {
    // Asked before the operation starts: the answer may be to load the field's file first.
    if (notaFiscal_->NumLcto != 0 && !ConfirmarArquivoDoDanfe()) return;
    bool semNota = false;
    {
        PainelOcupado ocupado(Panel1);
        if (notaFiscal_->NumLcto == 0) {
            Notificar("Carregue o arquivo XML.");
            semNota = true;
        } else if (documentoEvento_) {
            ImprimirDacceCarregado();
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

bool TFrmVisuXmlNfe::AdicionarEventoANota(const QString& caminho) {
    if (notaFiscal_->NumLcto == 0 || documentoEvento_) return false;
    // Read apart first: only an event file of this very invoice joins it.
    TNotaFiscal evento;
    TXmlNFe leitor;
    leitor.NotaFiscal = &evento;
    const ResultadoCarga carga = CarregarArquivoNFe(leitor, caminho.toStdString());
    if (!carga.DocumentoEvento || TirarEspacos(evento.ChaveNfe) != TirarEspacos(notaFiscal_->ChaveNfe))
        return false;
    AdicionarArquivoEvento(*notaFiscal_, caminho.toStdString(), avisos_);
    EdNomeArquivo->setText(carregado_);
    PreencherCampos();
    MostrarEventos();
    return true;
}

void TFrmVisuXmlNfe::MostrarEventos() {
    const DadosPrincipais dados = MontarDadosPrincipais(*notaFiscal_);
    EdSituacao->setText(ParaQString(dados.Situacao));
    QStringList linhas;
    for (const std::string& linha : dados.Eventos) linhas << ParaQString(linha);
    for (const std::string& aviso : avisos_) linhas << QStringLiteral("Ignorado: ") + ParaQString(aviso);
    EdEventos->setPlainText(linhas.join(QLatin1Char('\n')));
    QPalette cores = EdSituacao->palette();
    const bool valida = notaFiscal_->Status.empty() && !Vazio(notaFiscal_->ProtocoloNfe);
    cores.setColor(QPalette::Text, valida ? EdNumNota->palette().color(QPalette::Text) : CorAviso());
    EdSituacao->setPalette(cores);
}

void TFrmVisuXmlNfe::ImprimirDacceCarregado() {
    const TEventoNF* carta = UltimaCartaCorrecao(*notaFiscal_);
    if (!carta) {
        Notificar("Nenhuma carta de correção registrada neste arquivo de evento.");
        return;
    }
    ImprimirDacce(*notaFiscal_, *carta, [this](TFrtDacce& formulario) {
        if (VisualizarDacce) VisualizarDacce(formulario);
    });
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
