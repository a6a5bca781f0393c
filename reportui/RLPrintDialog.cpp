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
    const TRLConfigImpressao& config = ConfiguracaoImpressao();

    auto* impressora = Em(new QGroupBox(Grupo(TextoRL::Impressora), this), 8, 8, 560, 100);
    Em(new QLabel(Rotulo(TextoRL::Nome), impressora), 12, 22, 90, 22);
    impressoras_ = Em(new QComboBox(impressora), 104, 20, 316, 24);
    propriedades_ =
        Em(new QPushButton(ParaQString(LSTexto(TextoRL::Propriedades)), impressora), 430, 20, 120, 25);
    Em(new QLabel(Rotulo(TextoRL::UsarFiltro), impressora), 12, 50, 90, 22);
    Em(ListaDeFiltros(impressora), 104, 48, 316, 24);
    auto* arquivo =
        Em(new QCheckBox(ParaQString(LSTexto(TextoRL::ImprimirEmArquivo)), impressora), 12, 76, 300, 20);
    arquivo->setEnabled(false);

    auto* faixa = Em(new QGroupBox(Grupo(TextoRL::IntervaloDePaginas), this), 8, 116, 240, 140);
    tudo_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Tudo)), faixa), 10, 18, 220, 20);
    tudo_->setChecked(true);
    paginas_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Paginas)), faixa), 10, 40, 80, 20);
    Em(new QLabel(Rotulo(TextoRL::DaPagina), faixa), 92, 40, 22, 20);
    de_ = Em(new QLineEdit(QStringLiteral("1"), faixa), 114, 38, 44, 22);
    Em(new QLabel(Rotulo(TextoRL::AtePagina), faixa), 162, 40, 26, 20);
    ate_ = Em(new QLineEdit(QString::number(maiorPagina_), faixa), 188, 38, 44, 22);
    opSelecao_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Selecao)), faixa), 10, 64, 80, 20);
    selecao_ = Em(new QLineEdit(faixa), 92, 62, 140, 22);
    auto* dica = Em(new QLabel(ParaQString(LSTexto(TextoRL::DicaDaSelecao)), faixa), 10, 88, 222, 48);
    dica->setWordWrap(true);

    auto* copias = Em(new QGroupBox(Grupo(TextoRL::Copias), this), 256, 116, 312, 70);
    Em(new QLabel(Rotulo(TextoRL::NumeroDeCopias), copias), 10, 18, 170, 22);
    copias_ = Em(new QLineEdit(QString::number(config.Copias), copias), 184, 18, 60, 22);
    copias_->setValidator(new QIntValidator(0, MaximoCopias, copias_));
    Em(new QLabel(ParaQString(LSTexto(TextoRL::Impares) + "/" + LSTexto(TextoRL::Pares) + ":"), copias), 10,
       42, 170, 22);
    parImpar_ = Em(new QComboBox(copias), 184, 42, 120, 22);
    parImpar_->addItems({ParaQString(LSTexto(TextoRL::SomenteImpares)),
                         ParaQString(LSTexto(TextoRL::SomentePares)), ParaQString(LSTexto(TextoRL::Todas))});
    parImpar_->setCurrentIndex(config.ParImpar == TRLParImpar::Impares ? 0
                               : config.ParImpar == TRLParImpar::Pares ? 1
                                                                       : 2);

    auto* grupoDuplex = Em(new QGroupBox(QStringLiteral("Duplex"), this), 256, 190, 312, 70);
    duplex_ = Em(new QCheckBox(ParaQString(LSTexto(TextoRL::FrenteEVerso)), grupoDuplex), 10, 24, 290, 22);

    ok_ = Em(new QPushButton(ParaQString(LSTexto(TextoRL::Ok)), this), 412, 265, 75, 25);
    ok_->setDefault(true);
    auto* cancelar = Em(new QPushButton(ParaQString(LSTexto(TextoRL::Cancelar)), this), 493, 265, 75, 25);

    connect(ok_, &QPushButton::clicked, this, &TRLPrintDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &TRLPrintDialog::reject);
    IniciarImpressoras(config.Impressora);
}

void TRLPrintDialog::IniciarImpressoras(const QString& impressoraAnterior) {
    const QStringList nomes = QPrinterInfo::availablePrinterNames();
    impressoras_->addItems(nomes);
    const QString atual = ImpressoraInicial(nomes, impressoraAnterior);
    impressoras_->setCurrentText(atual);
    EscolherImpressora(atual);

    connect(impressoras_, &QComboBox::currentTextChanged, this, &TRLPrintDialog::EscolherImpressora);
    connect(propriedades_, &QPushButton::clicked, this, &TRLPrintDialog::AbrirPropriedades);
    connect(de_, &QLineEdit::textEdited, paginas_, [this] { paginas_->setChecked(true); });
    connect(ate_, &QLineEdit::textEdited, paginas_, [this] { paginas_->setChecked(true); });
    connect(selecao_, &QLineEdit::textEdited, opSelecao_, [this] { opSelecao_->setChecked(true); });
}

void TRLPrintDialog::EscolherImpressora(const QString& nome) {
    propriedades_->setEnabled(!nome.isEmpty());
    const bool aceita = AceitaDuplex(nome);
    duplex_->setEnabled(aceita);
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    duplex_->setChecked(aceita && (ConfiguracaoImpressao().Duplex ||
                                   (!info.isNull() && info.defaultDuplexMode() != QPrinter::DuplexNone)));
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
    return impressoras_->currentText();
}

bool TRLPrintDialog::Duplex() const {
    return duplex_->isEnabled() && duplex_->isChecked();
}

void TRLPrintDialog::Configurar(QPrinter& printer) const {
    if (!Impressora().isEmpty()) printer.setPrinterName(Impressora());
    printer.setCopyCount(std::max(0, Pedido().Copias));
    if (duplex_->isEnabled()) printer.setDuplex(Duplex() ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
}

void TRLPrintDialog::accept() {
    TRLConfigImpressao& config = ConfiguracaoImpressao();
    const TRLPedidoImpressao p = Pedido();
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
    Em(new QLabel(ParaQString(LSTexto(TextoRL::UsarFiltro)), this), 8, 10, 110, 22);
    Em(ListaDeFiltros(this), 120, 8, 263, 24);
    Em(new QLabel(ParaQString(LSTexto(TextoRL::NomeDoArquivo)), this), 8, 42, 110, 22);
    nome_ = Em(new QLineEdit(nomeInicial, this), 120, 40, 232, 24);
    auto* procurar = Em(new QPushButton(QStringLiteral("..."), this), 356, 40, 27, 24);

    auto* faixa = Em(new QGroupBox(Grupo(TextoRL::IntervaloDePaginas), this), 8, 74, 375, 104);
    tudo_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Tudo)), faixa), 10, 20, 200, 20);
    tudo_->setChecked(true);
    paginas_ = Em(new QRadioButton(ParaQString(LSTexto(TextoRL::Paginas)), faixa), 10, 46, 90, 20);
    Em(new QLabel(Rotulo(TextoRL::DaPagina), faixa), 104, 46, 26, 20);
    de_ = Em(new QLineEdit(QStringLiteral("1"), faixa), 132, 44, 60, 22);
    Em(new QLabel(Rotulo(TextoRL::AtePagina), faixa), 200, 46, 30, 20);
    ate_ = Em(new QLineEdit(QString::number(std::max(0, maiorPagina)), faixa), 232, 44, 60, 22);
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

QString TRLSaveDialog::NomeDoTitulo(const QString& titulo) {
    QString limpo;
    for (const QChar c : titulo)
        if (c.unicode() >= 32 && !QStringLiteral("\\/:*?\"<>|").contains(c)) limpo += c;
    limpo = limpo.trimmed();
    if (limpo.isEmpty() || limpo == QStringLiteral(".") || limpo == QStringLiteral("..")) return {};
    return QDir::current().absoluteFilePath(limpo);
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
