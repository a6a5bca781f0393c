#include "app/FrmSobre.h"

#include "app/FonteJanelas.h"
#include "danfe/LogoPadrao.h"

#include "LuvenorPrograma.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QUrl>

namespace luvenor {
namespace {

constexpr int limiteLinhaSistema = 51;
const QString hostDoSite = QStringLiteral("www.luvenor.example");
const QString emailContato = QStringLiteral("contato@luvenor.example");
const QString mensageiro = QStringLiteral("luvenor.suporte");

QLabel* RotuloNegrito(QWidget* pai, const QString& texto, int x, int y) {
    auto* r = new QLabel(texto, pai);
    QFont f = r->font();
    f.setBold(true);
    r->setFont(f);
    r->move(x, y);
    r->adjustSize();
    return r;
}

}  // namespace

QString LinhaVersaoWindows(int plataforma, int maior, int menor, int build) {
    build &= 0xFFFF;
    QString linha;
    if (plataforma == 1) {
        linha = maior == 4 && menor > 0
                    ? QString::asprintf("Windows 98 - Version %d.%.2d.%d", maior, menor, build)
                    : QString::asprintf("Windows 95 - Version %d.%d Build %d", maior, menor, build);
    } else if (plataforma == 2) {
        linha = QString::asprintf("Microsoft Windows NT Version %d.%.2d.%d", maior, menor, build);
    }
    return linha.left(limiteLinhaSistema);
}

QString GetWindowsVersion() {
    // Linux has no version record of that kind: the distribution's name and the kernel stand in.
    const QString linha = QSysInfo::prettyProductName() + QStringLiteral(" - ") + QSysInfo::kernelType() +
                          QLatin1Char(' ') + QSysInfo::kernelVersion();
    return linha.left(limiteLinhaSistema);
}

QString TextoVersaoDoArquivo(const QString& caminhoPrograma) {
    const QDateTime quando = QFileInfo(caminhoPrograma).lastModified();
    QString texto = quando.toString(QStringLiteral("dd/MM/yyyy"));
    if (quando.time() != QTime(0, 0)) texto += QLatin1Char(' ') + quando.toString(QStringLiteral("HH:mm:ss"));
    return QStringLiteral("Versão de ") + texto;
}

QString TextoVersaoPrograma() {
    return QStringLiteral("Luvenor ") + QString::fromLatin1(VersaoPrograma);
}

TFrmSobre::TFrmSobre(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Informações de Contato"));
    setFont(FonteDasJanelas());
    setFixedSize(537, 321);
    auto* painel1 = new QFrame(this);
    painel1->setGeometry(0, 0, 537, 321);
    auto* painel2 = new QFrame(painel1);
    painel2->setGeometry(15, 15, 500, 241);
    painel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    painel2->setLineWidth(2);

    auto* icone = new QLabel(painel2);
    icone->setGeometry(5, 10, 120, 120);
    icone->setScaledContents(true);  // stretched, proportions not kept
    icone->setPixmap(QPixmap::fromImage(LogoPadrao()));
    // The release under the logo; the date line beside it stays the program file's own date.
    LbVersaoPrograma = RotuloNegrito(painel2, TextoVersaoPrograma(), 5, 136);
    LbVersaoPrograma->setGeometry(5, 136, 120, 13);
    LbVersaoPrograma->setAlignment(Qt::AlignHCenter);

    ProductName = RotuloNegrito(painel2, QString(), 140, 7);
    Version = RotuloNegrito(painel2, QString(), 140, 22);
    LbVersaoWindows = RotuloNegrito(painel2, QString(), 140, 47);

    auto* grupo = new QGroupBox(painel2);
    grupo->setGeometry(149, 81, 324, 103);
    RotuloNegrito(grupo, QStringLiteral("Dozavoz Uvivov Eraruzazezu Radu"), 72, 15);
    QLabel* fones = RotuloNegrito(grupo, QStringLiteral("Fones: (011) 5550-0199"), 77, 32);
    fones->setGeometry(77, 32, 173, 13);
    fones->setAlignment(Qt::AlignHCenter);
    RotuloNegrito(grupo, QStringLiteral("e-mail: ") + emailContato, 55, 49);
    Label2 = RotuloNegrito(grupo, QStringLiteral("site: ") + hostDoSite, 72, 65);
    Label2->installEventFilter(this);
    RotuloNegrito(grupo, QStringLiteral("skype: ") + mensageiro, 98, 81);

    auto* sair = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("&Sair"),
                                 painel1);
    sair->setGeometry(212, 274, 100, 30);
    sair->setDefault(false);
    sair->setAutoDefault(false);
    connect(sair, &QPushButton::clicked, this, &QDialog::accept);
    sair->setFocus();
    FormCreate();
}

TFrmSobre::~TFrmSobre() {
    // The link's hand cursor is application-wide: never leave it behind.
    if (cursorDoLink_) QApplication::restoreOverrideCursor();
}

QString TFrmSobre::EnderecoContato() {
    return QStringLiteral("http://") + hostDoSite + QStringLiteral("/contato.html");
}

void TFrmSobre::FormCreate() {
    caminhoPrograma_ = QCoreApplication::applicationFilePath();
    Version->setText(TextoVersaoDoArquivo(caminhoPrograma_));
    Version->adjustSize();
    LbVersaoWindows->setText(GetWindowsVersion());
    LbVersaoWindows->adjustSize();
}

void TFrmSobre::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

void TFrmSobre::FormShow() {
    ProductName->setText(caminhoPrograma_);
    ProductName->adjustSize();
}

bool TFrmSobre::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Label2) {
        if (evento->type() == QEvent::Enter) Label2MouseEnter();
        if (evento->type() == QEvent::Leave) Label2MouseLeave();
        if (evento->type() == QEvent::MouseButtonRelease) Label2Click();
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFrmSobre::Label2MouseEnter() {
    QPalette p = Label2->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    Label2->setPalette(p);
    if (!cursorDoLink_) QApplication::setOverrideCursor(Qt::PointingHandCursor);
    cursorDoLink_ = true;
}

void TFrmSobre::Label2MouseLeave() {
    Label2->setPalette(QPalette());
    if (cursorDoLink_) QApplication::restoreOverrideCursor();
    cursorDoLink_ = false;
}

void TFrmSobre::Label2Click() {
    JumpTo(hostDoSite + QStringLiteral("/contato.html"));
}

void TFrmSobre::JumpTo(const QString& hostECaminho) {
    // The result is not examined: no browser or no network leaves the window as it is.
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + hostECaminho));
}

}  // namespace luvenor
