// The main window's ways of opening files: the file dialog, the recent files, drag and drop, the
// keyboard shortcuts, page files shown in the preview, and the question asked when the DANFE
// button is pressed while the path field names another file than the loaded one.
#include "app/FrmVisuXmlNfe.h"

#include "app/AberturaArquivo.h"
#include "app/ArquivosRecentes.h"
#include "app/BuscaXml.h"
#include "app/Ocupado.h"
#include "app/VisualizadorXml.h"
#include "report/RLPageFile.h"
#include "report/RLQtTexto.h"
#include "util/LeituraLimitada.h"
#include "util/Notificador.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace luvenor {
namespace {

// An invoice is opened before the events dropped with it, whatever order the file manager gives.
int OrdemDeAbertura(const QString& caminho) {
    switch (TipoDoArquivo(caminho)) {
        case TTipoArquivo::NotaFiscal:
            return 0;
        case TTipoArquivo::Evento:
            return 1;
        default:
            return 2;
    }
}

// Why a page file cannot be shown, in the user's words; the reader's detail follows a damage.
std::string ErroDoArquivoDePaginas(const QString& caminho, TRLGraphicStorage& paginas) {
    // Read as render reads it: a FIFO does not hang the window, an endless device stops at the bound.
    std::string dados;
    std::string motivo;
    const ResultadoLeitura lido =
        LerArquivoLimitado(caminho.toStdString(), LimitesArquivoPaginas::Bytes, dados, motivo);
    if (lido == ResultadoLeitura::Grande)
        return "arquivo de páginas maior que " + std::to_string(LimitesArquivoPaginas::Bytes >> 20) + " MB.";
    if (lido != ResultadoLeitura::Lido) return "não foi possível ler o arquivo.";
    const std::string_view bytes(dados);
    if (bytes.substr(0, AssinaturaArquivoPaginas.size()) != AssinaturaArquivoPaginas)
        return "não é um arquivo de páginas salvas pela pré-visualização.";
    try {
        LerArquivoPaginas(bytes, paginas);
    } catch (const std::exception& e) {
        return std::string("arquivo de páginas danificado (") + e.what() + ").";
    }
    if (paginas.Count() == 0) return "o arquivo não tem páginas.";
    return {};
}

}  // namespace

void TFrmVisuXmlNfe::MontarAbertura() {
    BtnRecentes = new QToolButton(Panel1);
    BtnRecentes->setObjectName(QStringLiteral("recentes"));
    BtnRecentes->setText(QStringLiteral("&Recentes"));
    BtnRecentes->setToolTip(QStringLiteral("Arquivos abertos recentemente"));
    BtnRecentes->setPopupMode(QToolButton::InstantPopup);
    BtnRecentes->setGeometry(614, 19, 80, 23);
    MenuRecentes = new QMenu(BtnRecentes);
    BtnRecentes->setMenu(MenuRecentes);
    connect(MenuRecentes, &QMenu::aboutToShow, this, &TFrmVisuXmlNfe::AtualizarRecentes);
    AtualizarRecentes();

    // Files dropped anywhere on the window open; no field takes a dropped path as text.
    setAcceptDrops(true);
    for (QLineEdit* campo : findChildren<QLineEdit*>()) campo->setAcceptDrops(false);
    WebBrowser1->setAcceptDrops(false);
    WebBrowser1->viewport()->setAcceptDrops(false);
}

void TFrmVisuXmlNfe::CriarAtalhos() {
    struct Atalho {
        QKeySequence tecla;
        std::function<void()> acao;
    };
    const Atalho atalhos[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), [this] { EdNomeArquivoButtonClick(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { BitBtn2Click(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_D), [this] { BitBtn2Click(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); }},
        {QKeySequence(Qt::Key_F1), [this] { BitBtn3Click(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_F),
         [this] {
             if (ckVerXml->isChecked()) BuscaXml->Abrir();
         }},
    };
    for (const Atalho& a : atalhos) {
        auto* acao = new QAction(this);
        acao->setShortcut(a.tecla);
        acao->setShortcutContext(Qt::WindowShortcut);
        // While an operation runs the panel is off, and so are its shortcuts.
        connect(acao, &QAction::triggered, this, [this, f = a.acao] {
            if (Panel1->isEnabled()) f();
        });
        addAction(acao);
    }
}

void TFrmVisuXmlNfe::EdNomeArquivoButtonClick() {
    QFileDialog dialogo(this);
    dialogo.setNameFilters({QStringLiteral("Arquivos NFe (*.xml)"), QStringLiteral("Páginas salvas (*.rpf)"),
                            QStringLiteral("Todos os arquivos (*)")});
    dialogo.setDefaultSuffix(QStringLiteral("xml"));
    dialogo.setFileMode(QFileDialog::ExistingFile);
    // It starts where the user was: the folder of the field's file, else of the last file opened.
    const QFileInfo campo(EdNomeArquivo->text().trimmed());
    const QString pasta = !campo.fileName().isEmpty() && campo.absoluteDir().exists()
                              ? campo.absolutePath()
                              : recentes_->UltimaPasta();
    if (!pasta.isEmpty()) dialogo.setDirectory(pasta);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return;
    EdNomeArquivo->setText(dialogo.selectedFiles().constFirst());
    BitBtn1->setFocus();  // the next control in tab order
}

bool TFrmVisuXmlNfe::Abrir(const QString& caminho) {
    EdNomeArquivo->setText(caminho);
    return AbrirCampo();
}

bool TFrmVisuXmlNfe::AbrirDoCampo() {
    const QString caminho = EdNomeArquivo->text();
    switch (TipoDoArquivo(caminho)) {
        case TTipoArquivo::PaginasSalvas:
            return AbrirPaginasSalvas(caminho);
        case TTipoArquivo::NotaFiscal:
        case TTipoArquivo::Evento:  // joins the loaded invoice of its key, or loads on its own
        case TTipoArquivo::Outro:
            break;
    }
    return CarregarArquivo();
}

bool TFrmVisuXmlNfe::AbrirPaginasSalvas(const QString& caminho) {
    TRLGraphicStorage paginas;
    const std::string erro = ErroDoArquivoDePaginas(caminho, paginas);
    if (!erro.empty()) {
        Notificar("Erro ao abrir arquivo " + ParaUtf8(caminho) + " - " + erro);
        return false;
    }
    recentes_->Adicionar(caminho);
    AtualizarRecentes();
    // The page file is shown, not loaded: the field names the invoice's file again.
    EdNomeArquivo->setText(carregado_);
    VisualizarPaginas(paginas);
    return true;
}

void TFrmVisuXmlNfe::dragEnterEvent(QDragEnterEvent* event) {
    if (Panel1->isEnabled() && !CaminhosArrastados(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TFrmVisuXmlNfe::dragMoveEvent(QDragMoveEvent* event) {
    if (Panel1->isEnabled() && !CaminhosArrastados(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TFrmVisuXmlNfe::dropEvent(QDropEvent* event) {
    QStringList caminhos = CaminhosArrastados(*event->mimeData());
    if (caminhos.isEmpty() || !Panel1->isEnabled()) return;
    event->acceptProposedAction();
    std::stable_sort(caminhos.begin(), caminhos.end(), [](const QString& a, const QString& b) {
        return OrdemDeAbertura(a) < OrdemDeAbertura(b);
    });
    // Opened once the drop is over: the file manager waits for the drop while a message box or the
    // preview would hold it.
    QTimer::singleShot(0, this, [this, caminhos] {
        for (const QString& c : caminhos)
            if (!Abrir(c)) break;
    });
}

void TFrmVisuXmlNfe::AtualizarRecentes() {
    MenuRecentes->clear();
    const QStringList lista = recentes_->Lista();
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const QFileInfo arquivo(lista[i]);
        QAction* a =
            MenuRecentes->addAction(QStringLiteral("&%1  %2   (%3)")
                                        .arg(i + 1 < 10 ? QString::number(i + 1) : QStringLiteral("1&0"))
                                        .arg(arquivo.fileName(), QDir::toNativeSeparators(arquivo.path())));
        a->setToolTip(lista[i]);
        connect(a, &QAction::triggered, this, [this, c = lista[i]] { Abrir(c); });
    }
    if (lista.isEmpty()) MenuRecentes->addAction(QStringLiteral("Nenhum arquivo recente"))->setEnabled(false);
    MenuRecentes->addSeparator();
    QAction* limpar = MenuRecentes->addAction(QStringLiteral("&Limpar a lista"), this, [this] {
        recentes_->Limpar();
        AtualizarRecentes();
    });
    limpar->setEnabled(!lista.isEmpty());
}

bool TFrmVisuXmlNfe::ConfirmarArquivoDoDanfe() {
    if (MesmoArquivo(EdNomeArquivo->text(), carregado_)) return true;
    TEscolhaDanfe escolha = TEscolhaDanfe::Cancelar;
    {
        PainelOcupado ocupado(Panel1);
        escolha = PerguntarDanfe(carregado_, EdNomeArquivo->text());
    }
    switch (escolha) {
        case TEscolhaDanfe::NotaCarregada:
            return true;
        case TEscolhaDanfe::CarregarOCampo:
            return AbrirCampo() && MesmoArquivo(EdNomeArquivo->text(), carregado_);
        case TEscolhaDanfe::Cancelar:
            break;
    }
    FocarNomeArquivo();
    return false;
}

TEscolhaDanfe TFrmVisuXmlNfe::PerguntarNaJanela(const QString& carregado, const QString& campo) {
    const QString numero = QString::number(NotaFiscal().NumLcto);
    const QString noCampo = campo.trimmed().isEmpty() ? QStringLiteral("(vazio)") : campo.trimmed();
    QMessageBox caixa(QMessageBox::Warning, QApplication::applicationDisplayName(),
                      QStringLiteral("O campo \"Arquivo XML\" não indica o arquivo da nota carregada.\n\n"
                                     "Nota carregada: nº %1, do arquivo %2\nNo campo: %3\n\n"
                                     "O DANFE é sempre o da nota carregada.")
                          .arg(numero, carregado, noCampo),
                      QMessageBox::NoButton, this);
    caixa.setObjectName(QStringLiteral("perguntaDanfe"));
    QPushButton* nota =
        caixa.addButton(QStringLiteral("DANFE da nota nº %1").arg(numero), QMessageBox::AcceptRole);
    QPushButton* carregar = nullptr;
    if (!campo.trimmed().isEmpty())
        carregar = caixa.addButton(QStringLiteral("Carregar o arquivo do campo"), QMessageBox::ActionRole);
    caixa.addButton(QMessageBox::Cancel);
    caixa.setDefaultButton(QMessageBox::Cancel);
    caixa.exec();
    if (caixa.clickedButton() == nota) return TEscolhaDanfe::NotaCarregada;
    if (carregar && caixa.clickedButton() == carregar) return TEscolhaDanfe::CarregarOCampo;
    return TEscolhaDanfe::Cancelar;
}

}  // namespace luvenor
