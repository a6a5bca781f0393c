#include "reportui/RLPrintDialog.h"

#include "report/RLQtTexto.h"
#include "reportui/RLPrinting.h"
#include "report/RLTexts.h"
#include "util/Notificador.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

namespace luvenor {
namespace {

QString Grupo(TextoRL n) {
    return ParaQString(" " + LSTexto(n) + " ");
}

QString Rotulo(TextoRL n) {
    return ParaQString(LSTexto(n) + ":");
}

template <class W>
W* Em(W* w, int x, int y, int largura, int altura) {
    w->setGeometry(x, y, largura, altura);
    return w;
}

// A label as wide as its text, whatever the language: a fixed width cut "from:" to "fron".
QLabel* RotuloEm(QWidget* pai, const QString& texto, int x, int y, int larguraMinima = 0) {
    auto* r = new QLabel(texto, pai);
    r->setGeometry(x, y, std::max(larguraMinima, r->sizeHint().width()), 22);
    return r;
}

template <class W>
W* Ajustado(W* w, int x, int y, int altura, int larguraMinima = 0) {
    w->setGeometry(x, y, std::max(larguraMinima, w->sizeHint().width()), altura);
    return w;
}

int Direita(const QWidget* w) {
    return w->x() + w->width();
}

constexpr int folga = 6;  // between a label and its field

bool AceitaDuplex(const QString& impressora) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(impressora);
    if (info.isNull()) return false;
    const auto modos = info.supportedDuplexModes();
    return modos.contains(QPrinter::DuplexLongSide) || modos.contains(QPrinter::DuplexAuto);
}

// The filter list of both dialogs: only the default entry, so it cannot drop down.
QComboBox* ListaDeFiltros(QWidget* pai) {
    auto* filtros = new QComboBox(pai);
    filtros->addItem(ParaQString(LSTexto(TextoRL::Padrao)));
    filtros->setEnabled(filtros->count() > 1);
    return filtros;
}

// The printer chosen last time, else the system's default, else the last one installed.
QString ImpressoraInicial(const QStringList& nomes, const QString& anterior) {
    if (nomes.contains(anterior)) return anterior;
    const QString padrao = QPrinterInfo::defaultPrinterName();
    if (nomes.contains(padrao) || nomes.isEmpty()) return padrao;
    return nomes.constLast();
}

}  // namespace

TRLPrintDialog::TRLPrintDialog(int maiorPagina, QWidget* parent)
    : QDialog(parent), maiorPagina_(std::max(0, maiorPagina)) {
    setObjectName(QStringLiteral("dialogoImpressao"));
    setWindowTitle(ParaQString(LSTexto(TextoRL::Imprimir)));
    setFixedSize(560 + 16, 280 + 16);
    MontarImpressora();
    MontarFaixa();
    MontarCopias();

    ok_ = Em(new QPushButton(ParaQString(LSTexto(TextoRL::Ok)), this), 412, 265, 75, 25);
    ok_->setDefault(true);
    auto* cancelar = Em(new QPushButton(ParaQString(LSTexto(TextoRL::Cancelar)), this), 493, 265, 75, 25);
    ConfirmarSobrescrita = [this](const QString&) {
        return QMessageBox::question(this, windowTitle(), ParaQString(LSTexto(TextoRL::ArquivoJaExiste)),
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    };
    connect(ok_, &QPushButton::clicked, this, &TRLPrintDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &TRLPrintDialog::reject);
    IniciarImpressoras(ConfiguracaoImpressao());
}

void TRLPrintDialog::MontarImpressora() {
    auto* grupo = Em(new QGroupBox(Grupo(TextoRL::Impressora), this), 8, 8, 560, 100);
    QLabel* nome = RotuloEm(grupo, Rotulo(TextoRL::Nome), 12, 22, 90);
    QLabel* filtro = RotuloEm(grupo, Rotulo(TextoRL::UsarFiltro), 12, 50, 90);
    const int campos = std::max(Direita(nome), Direita(filtro)) + folga;
    propriedades_ = new QPushButton(ParaQString(LSTexto(TextoRL::Propriedades)), grupo);
    const int larguraPropriedades = std::max(120, propriedades_->sizeHint().width());
    propriedades_->setGeometry(550 - larguraPropriedades, 20, larguraPropriedades, 25);
    impressoras_ = Em(new QComboBox(grupo), campos, 20, propriedades_->x() - 10 - campos, 24);
    impressoras_->setObjectName(QStringLiteral("impressoras"));
    Em(ListaDeFiltros(grupo), campos, 48, impressoras_->width(), 24);
    emArquivo_ = Ajustado(new QCheckBox(ParaQString(LSTexto(TextoRL::ImprimirEmArquivo)), grupo), 12, 76, 20);
    emArquivo_->setEnabled(false);  // shows whether the PDF file is chosen; the list chooses it
    procurarPdf_ = Em(new QPushButton(QStringLiteral("..."), grupo), 523, 73, 27, 24);
    const int campoPdf = Direita(emArquivo_) + folga;
    arquivoPdf_ = Em(new QLineEdit(grupo), campoPdf, 73, procurarPdf_->x() - 4 - campoPdf, 24);
    arquivoPdf_->setObjectName(QStringLiteral("arquivoPdf"));
}

void TRLPrintDialog::MontarFaixa() {
    auto* faixa = Em(new QGroupBox(Grupo(TextoRL::IntervaloDePaginas), this), 8, 116, 240, 140);
    tudo_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Tudo)), faixa), 10, 18, 220, 20);
    tudo_->setChecked(true);
    paginas_ = Ajustado(new QRadioButton(ParaQString(LSTexto(TextoRL::Paginas)), faixa), 10, 40, 20, 80);
    opSelecao_ = Ajustado(new QRadioButton(ParaQString(LSTexto(TextoRL::Selecao)), faixa), 10, 64, 20, 80);
    const int inicio = std::max(Direita(paginas_), Direita(opSelecao_)) + 2;
    QLabel* de = RotuloEm(faixa, Rotulo(TextoRL::DaPagina), inicio, 39);
    QLabel* ate = new QLabel(Rotulo(TextoRL::AtePagina), faixa);
    // The two page fields share what the labels leave of the group's width.
    const int campo = std::max(30, (232 - Direita(de) - 2 - folga - ate->sizeHint().width() - 2) / 2);
    de_ = Em(new QLineEdit(QStringLiteral("1"), faixa), Direita(de) + 2, 38, campo, 22);
    ate->setGeometry(Direita(de_) + folga, 39, ate->sizeHint().width(), 22);
    ate_ = Em(new QLineEdit(QString::number(maiorPagina_), faixa), Direita(ate) + 2, 38, campo, 22);
    selecao_ = Em(new QLineEdit(faixa), inicio, 62, Direita(ate_) - inicio, 22);
    auto* dica = Em(new QLabel(ParaQString(LSTexto(TextoRL::DicaDaSelecao)), faixa), 10, 88, 222, 48);
    dica->setWordWrap(true);
}

void TRLPrintDialog::MontarCopias() {
    const TRLConfigImpressao& config = ConfiguracaoImpressao();
    auto* copias = Em(new QGroupBox(Grupo(TextoRL::Copias), this), 256, 116, 312, 70);
    QLabel* numero = RotuloEm(copias, Rotulo(TextoRL::NumeroDeCopias), 10, 18);
    QLabel* parImpar = RotuloEm(
        copias, ParaQString(LSTexto(TextoRL::Impares) + "/" + LSTexto(TextoRL::Pares) + ":"), 10, 42);
    const int campos = std::max({174, Direita(numero), Direita(parImpar)}) + folga;
    copias_ = Em(new QLineEdit(QString::number(config.Copias), copias), campos, 18, 60, 22);
    copias_->setValidator(new QIntValidator(0, MaximoCopias, copias_));
    parImpar_ = Em(new QComboBox(copias), campos, 42, 302 - campos, 22);
    parImpar_->addItems({ParaQString(LSTexto(TextoRL::SomenteImpares)),
                         ParaQString(LSTexto(TextoRL::SomentePares)), ParaQString(LSTexto(TextoRL::Todas))});
    parImpar_->setCurrentIndex(config.ParImpar == TRLParImpar::Impares ? 0
                               : config.ParImpar == TRLParImpar::Pares ? 1
                                                                       : 2);

    auto* grupoDuplex = Em(new QGroupBox(QStringLiteral("Duplex"), this), 256, 190, 312, 70);
    duplex_ = Em(new QCheckBox(ParaQString(LSTexto(TextoRL::FrenteEVerso)), grupoDuplex), 10, 24, 290, 22);
}

void TRLPrintDialog::IniciarImpressoras(const TRLConfigImpressao& config) {
    const QStringList nomes = QPrinterInfo::availablePrinterNames();
    impressoras_->addItems(nomes);
    // Printing to a PDF file is always offered, so the dialog prints on a machine with no printer.
    impressoras_->addItem(ParaQString(LSTexto(TextoRL::ArquivoPdf)));
    indicePdf_ = impressoras_->count() - 1;
    arquivoPdf_->setText(config.ArquivoPdf);
    if (config.ImprimirEmPdf || nomes.isEmpty())
        impressoras_->setCurrentIndex(indicePdf_);
    else
        impressoras_->setCurrentIndex(
            std::max(0, static_cast<int>(nomes.indexOf(ImpressoraInicial(nomes, config.Impressora)))));
    EscolherImpressora(impressoras_->currentIndex());

    connect(impressoras_, &QComboBox::currentIndexChanged, this, &TRLPrintDialog::EscolherImpressora);
    connect(propriedades_, &QPushButton::clicked, this, &TRLPrintDialog::AbrirPropriedades);
    connect(procurarPdf_, &QPushButton::clicked, this, &TRLPrintDialog::ProcurarPdf);
    connect(de_, &QLineEdit::textEdited, paginas_, [this] { paginas_->setChecked(true); });
    connect(ate_, &QLineEdit::textEdited, paginas_, [this] { paginas_->setChecked(true); });
    connect(selecao_, &QLineEdit::textEdited, opSelecao_, [this] { opSelecao_->setChecked(true); });
}

void TRLPrintDialog::SugerirArquivoPdf(const QString& titulo) {
    const QString pasta =
        arquivoPdf_->text().isEmpty() ? QDir::homePath() : QFileInfo(arquivoPdf_->text()).absolutePath();
    QString nome = NomeDeArquivoDoTitulo(titulo);
    if (nome.isEmpty()) nome = QStringLiteral("impressao");
    arquivoPdf_->setText(QDir(pasta).absoluteFilePath(nome + QStringLiteral(".pdf")));
}

bool TRLPrintDialog::ImprimirEmPdf() const {
    return impressoras_->currentIndex() == indicePdf_;
}

QString TRLPrintDialog::ArquivoPdf() const {
    QString nome = arquivoPdf_->text().trimmed();
    if (!nome.isEmpty() && QFileInfo(nome).suffix().isEmpty()) nome += QStringLiteral(".pdf");
    return nome;
}

void TRLPrintDialog::EscolherImpressora(int indice) {
    const bool pdf = indice == indicePdf_;
    const QString nome = pdf ? QString() : impressoras_->itemText(indice);
    propriedades_->setEnabled(!pdf && !nome.isEmpty());
    emArquivo_->setChecked(pdf);
    arquivoPdf_->setEnabled(pdf);
    procurarPdf_->setEnabled(pdf);
    const bool aceita = !pdf && AceitaDuplex(nome);
    duplex_->setEnabled(aceita);
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    duplex_->setChecked(aceita && (ConfiguracaoImpressao().Duplex ||
                                   (!info.isNull() && info.defaultDuplexMode() != QPrinter::DuplexNone)));
}

void TRLPrintDialog::ProcurarPdf() {
    QFileDialog escolha(this, ParaQString(LSTexto(TextoRL::ArquivoPdf)), ArquivoPdf());
    escolha.setAcceptMode(QFileDialog::AcceptSave);
    escolha.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    escolha.setDefaultSuffix(QStringLiteral("pdf"));
    escolha.setOption(QFileDialog::DontConfirmOverwrite);  // OK asks, for a typed name too
    if (escolha.exec() == QDialog::Accepted && !escolha.selectedFiles().isEmpty())
        arquivoPdf_->setText(escolha.selectedFiles().constFirst());
}

void TRLPrintDialog::AbrirPropriedades() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(Impressora());
    if (!printer.isValid()) {
        Notificar(LSTexto(TextoRL::ProblemasNoDialogoDaImpressora));
        return;
    }
    QPageSetupDialog propriedades(&printer, this);
    propriedades.exec();
}

TRLTipoFaixa TRLPrintDialog::TipoFaixa() const {
    if (opSelecao_->isChecked()) return TRLTipoFaixa::Selecao;
    if (paginas_->isChecked()) return TRLTipoFaixa::Intervalo;
    return TRLTipoFaixa::Tudo;
}

TRLPedidoImpressao TRLPrintDialog::Pedido() const {
    TRLPedidoImpressao p;
    p.De = 1;
    p.Ate = maiorPagina_;
    switch (TipoFaixa()) {
        case TRLTipoFaixa::Selecao:
            p.Selecao = ParaUtf8(selecao_->text());
            break;
        case TRLTipoFaixa::Intervalo:
            p.De = LerInteiroDoCampo(ParaUtf8(de_->text()));
            p.Ate = LerInteiroDoCampo(ParaUtf8(ate_->text()));
            break;
        case TRLTipoFaixa::Tudo:
            break;
    }
    p.Copias = LerInteiroDoCampo(ParaUtf8(copias_->text()));
    const int i = parImpar_->currentIndex();
    p.ParImpar = i == 0 ? TRLParImpar::Impares : i == 1 ? TRLParImpar::Pares : TRLParImpar::Todas;
    return p;
}

QString TRLPrintDialog::Impressora() const {
    return ImprimirEmPdf() ? QString() : impressoras_->currentText();
}

bool TRLPrintDialog::Duplex() const {
    return duplex_->isEnabled() && duplex_->isChecked();
}

void TRLPrintDialog::Configurar(QPrinter& printer) const {
    if (ImprimirEmPdf()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ArquivoPdf());
    } else if (!Impressora().isEmpty()) {
        printer.setPrinterName(Impressora());
    }
    printer.setCopyCount(std::max(0, Pedido().Copias));
    if (duplex_->isEnabled()) printer.setDuplex(Duplex() ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
}

bool TRLPrintDialog::ArquivoPdfAceito() {
    const QString arquivo = ArquivoPdf();
    if (arquivo.isEmpty()) {
        arquivoPdf_->setFocus();
        return false;
    }
    const QFileInfo pasta(QFileInfo(arquivo).absolutePath());
    if (!pasta.isDir() || !pasta.isWritable()) {
        Notificar(LSTextoCom(TextoRL::PastaInexistente, ParaUtf8(pasta.filePath())));
        arquivoPdf_->setFocus();
        return false;
    }
    if (QFileInfo::exists(arquivo) && !(ConfirmarSobrescrita && ConfirmarSobrescrita(arquivo))) return false;
    arquivoPdf_->setText(arquivo);
    return true;
}

void TRLPrintDialog::accept() {
    if (ImprimirEmPdf() && !ArquivoPdfAceito()) return;
    TRLConfigImpressao& config = ConfiguracaoImpressao();
    const TRLPedidoImpressao p = Pedido();
    config.ImprimirEmPdf = ImprimirEmPdf();
    if (config.ImprimirEmPdf)
        config.ArquivoPdf = ArquivoPdf();
    else
        config.Impressora = Impressora();
    config.Copias = p.Copias;
    if (duplex_->isEnabled()) config.Duplex = duplex_->isChecked();
    config.ParImpar = p.ParImpar;
    QDialog::accept();
}

TRLSaveDialog::TRLSaveDialog(int maiorPagina, const QString& nomeInicial, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dialogoSalvar"));
    setWindowTitle(ParaQString(LSTexto(TextoRL::Salvar)));
    setFixedSize(391, 224);
    RotuloEm(this, ParaQString(LSTexto(TextoRL::UsarFiltro)), 8, 10, 110);
    Em(ListaDeFiltros(this), 120, 8, 263, 24);
    RotuloEm(this, ParaQString(LSTexto(TextoRL::NomeDoArquivo)), 8, 42, 110);
    nome_ = Em(new QLineEdit(nomeInicial, this), 120, 40, 232, 24);
    auto* procurar = Em(new QPushButton(QStringLiteral("..."), this), 356, 40, 27, 24);

    auto* faixa = Em(new QGroupBox(Grupo(TextoRL::IntervaloDePaginas), this), 8, 74, 375, 104);
    tudo_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Tudo)), faixa), 10, 20, 200, 20);
    tudo_->setChecked(true);
    paginas_ = Ajustado(new QRadioButton(ParaQString(LSTexto(TextoRL::Paginas)), faixa), 10, 46, 20, 90);
    QLabel* de = RotuloEm(faixa, Rotulo(TextoRL::DaPagina), Direita(paginas_) + 4, 45);
    de_ = Em(new QLineEdit(QStringLiteral("1"), faixa), Direita(de) + folga, 44, 60, 22);
    QLabel* ate = RotuloEm(faixa, Rotulo(TextoRL::AtePagina), Direita(de_) + 2 * folga, 45);
    ate_ =
        Em(new QLineEdit(QString::number(std::max(0, maiorPagina)), faixa), Direita(ate) + folga, 44, 60, 22);
    selecao_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Selecao)), faixa), 10, 72, 200, 20);
    selecao_->setEnabled(false);

    auto* salvar = Em(new QPushButton(ParaQString(LSTexto(TextoRL::Salvar)), this), 227, 190, 75, 25);
    salvar->setDefault(true);
    auto* cancelar = Em(new QPushButton(ParaQString(LSTexto(TextoRL::Cancelar)), this), 308, 190, 75, 25);

    ConfirmarSobrescrita = [this](const QString&) {
        return QMessageBox::question(this, windowTitle(), ParaQString(LSTexto(TextoRL::ArquivoJaExiste)),
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    };
    connect(procurar, &QPushButton::clicked, this, &TRLSaveDialog::Procurar);
    connect(de_, &QLineEdit::textEdited, paginas_, [this] { paginas_->setChecked(true); });
    connect(salvar, &QPushButton::clicked, this, &TRLSaveDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &TRLSaveDialog::reject);
}

QString TRLSaveDialog::NomeArquivo() const {
    return nome_->text().trimmed();
}

QString TRLSaveDialog::ComExtensao(const QString& nome) {
    if (nome.isEmpty() || !QFileInfo(nome).suffix().isEmpty()) return nome;
    return nome + QStringLiteral(".rpf");
}

QString NomeDeArquivoDoTitulo(const QString& titulo) {
    QString limpo;
    for (const QChar c : titulo)
        if (c.unicode() >= 32 && !QStringLiteral("\\/:*?\"<>|").contains(c)) limpo += c;
    limpo = limpo.trimmed();
    if (limpo == QStringLiteral(".") || limpo == QStringLiteral("..")) return {};
    return limpo;
}

QString TRLSaveDialog::NomeDoTitulo(const QString& titulo) {
    const QString limpo = NomeDeArquivoDoTitulo(titulo);
    return limpo.isEmpty() ? QString() : QDir::current().absoluteFilePath(limpo);
}

void TRLSaveDialog::Procurar() {
    QFileDialog escolha(this, ParaQString(LSTexto(TextoRL::Salvar)), NomeArquivo());
    escolha.setAcceptMode(QFileDialog::AcceptSave);
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    escolha.setNameFilters({QStringLiteral("Luvenor Report (*.rpf)"), pdf});
    if (escolha.exec() != QDialog::Accepted || escolha.selectedFiles().isEmpty()) return;
    QString nome = escolha.selectedFiles().constFirst();
    // A name without an extension gets the chosen type's; accept() would otherwise add ".rpf".
    if (QFileInfo(nome).suffix().isEmpty() && escolha.selectedNameFilter() == pdf)
        nome += QStringLiteral(".pdf");
    nome_->setText(nome);
}

void TRLSaveDialog::accept() {
    if (NomeArquivo().isEmpty()) return;
    // The name checked is the one written: "danfe" becomes danfe.rpf.
    const QString arquivo = ComExtensao(NomeArquivo());
    if (QFileInfo::exists(arquivo) && !(ConfirmarSobrescrita && ConfirmarSobrescrita(arquivo))) return;
    QDialog::accept();
}

}  // namespace luvenor
