#include "reportui/RLPreviewToolBar.h"

#include "report/RLQtTexto.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

#include <string>

namespace luvenor {
namespace {

const char* const versaoMotor = "Luvenor Report 0.1";

// A magnifier with a minus or plus sign; the platform has no such standard icon.
QIcon Lupa(bool mais) {
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(4, 6), QPointF(8, 6));
    if (mais) p.drawLine(QPointF(6, 4), QPointF(6, 8));
    return QIcon(px);
}

QIcon Divisao() {
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setPen(Qt::black);
    p.drawRect(1, 1, 13, 5);
    p.drawRect(1, 9, 13, 5);
    return QIcon(px);
}

QIcon Icone(TRLIconeBarra icone, const QStyle* s) {
    switch (icone) {
        case TRLIconeBarra::Primeira:
            return s->standardIcon(QStyle::SP_MediaSkipBackward);
        case TRLIconeBarra::Anterior:
            return s->standardIcon(QStyle::SP_MediaSeekBackward);
        case TRLIconeBarra::Proxima:
            return s->standardIcon(QStyle::SP_MediaSeekForward);
        case TRLIconeBarra::Ultima:
            return s->standardIcon(QStyle::SP_MediaSkipForward);
        case TRLIconeBarra::MenosZoom:
            return Lupa(false);
        case TRLIconeBarra::MaisZoom:
            return Lupa(true);
        case TRLIconeBarra::Divisao:
            return Divisao();
        case TRLIconeBarra::Edicao:
            return s->standardIcon(QStyle::SP_FileDialogDetailedView);
        case TRLIconeBarra::Nenhum:
            break;
    }
    return {};
}

QString Texto(std::optional<TextoRL> t) {
    return t ? ParaQString(LSTexto(*t)) : QString();
}

// The captions of the captioned buttons, in row order, each with its accelerator.
std::vector<std::string> LegendasDosBotoes() {
    std::vector<std::string> legendas;
    for (const TRLItemBarra& item : ItensDaBarra())
        if (item.Tipo == TRLTipoItemBarra::Botao && item.Legenda) legendas.push_back(LSTexto(*item.Legenda));
    return ComAceleradores(legendas);
}

QToolButton* CriarBotao(QWidget* barra, const TRLItemBarra& item, QObject* filtro) {
    auto* b = new QToolButton(barra);
    b->setObjectName(QString::fromLatin1(item.Nome));
    b->setGeometry(item.X, 0, item.Largura, AlturaDaBarra);
    b->setAutoRaise(true);
    b->setToolTip(Texto(item.Dica));
    b->setIcon(Icone(item.Icone, barra->style()));
    b->setEnabled(!(item.Opcoes & ItemDesabilitado));
    b->setCheckable(item.Opcoes & ItemAlternavel);
    if (item.Opcoes & ItemRepete) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(500);
        b->setAutoRepeatInterval(100);
    }
    b->installEventFilter(filtro);
    return b;
}

QFrame* CriarSeparador(QWidget* barra, const TRLItemBarra& item) {
    auto* f = new QFrame(barra);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(item.X, 2, item.Largura, AlturaDaBarra - 4);
    return f;
}

QLabel* CriarRotulo(QWidget* barra, const TRLItemBarra& item) {
    auto* rotulo = new QLabel(Texto(item.Legenda), barra);
    if (item.Nome[0]) rotulo->setObjectName(QString::fromLatin1(item.Nome));
    rotulo->setGeometry(item.X, 0, item.Largura, AlturaDaBarra);
    if (item.Opcoes & ItemCentrado) rotulo->setAlignment(Qt::AlignCenter);
    return rotulo;
}

QLineEdit* CriarCampoPagina(QWidget* barra, const TRLItemBarra& item, QObject* filtro) {
    auto* campo = new QLineEdit(barra);
    campo->setObjectName(QString::fromLatin1(item.Nome));
    campo->setGeometry(item.X, 1, item.Largura, AlturaDaBarra - 2);
    campo->installEventFilter(filtro);
    return campo;
}

QLabel* CriarTotal(QWidget* barra, const TRLItemBarra& item) {
    QLabel* total = CriarRotulo(barra, item);
    total->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    total->setGeometry(item.X, 1, item.Largura, AlturaDaBarra - 2);
    total->setAlignment(Qt::AlignCenter);
    return total;
}

QComboBox* CriarListaZoom(QWidget* barra, const TRLItemBarra& item, QObject* filtro) {
    auto* zoom = new QComboBox(barra);
    zoom->setObjectName(QString::fromLatin1(item.Nome));
    zoom->setGeometry(item.X, 0, item.Largura, AlturaDaBarra);
    zoom->setEditable(true);
    zoom->setInsertPolicy(QComboBox::NoInsert);
    // No completion: "5" would be completed to "500%" as it is typed, and taken as such.
    zoom->setCompleter(nullptr);
    zoom->setMaxVisibleItems(11);
    for (const std::string& t : TextosDaListaDeZoom()) zoom->addItem(ParaQString(t));
    zoom->lineEdit()->installEventFilter(filtro);
    return zoom;
}

// Kept at the bar's right end by a layout, whatever the window's width.
QToolButton* CriarInformacao(QWidget* barra, const TRLItemBarra& item, QObject* filtro) {
    QToolButton* info = CriarBotao(barra, item, filtro);
    info->setIcon(barra->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    info->setToolTip(QString::fromLatin1(versaoMotor));
    auto* direita = new QHBoxLayout(barra);
    direita->setContentsMargins(0, 0, 0, 0);
    direita->addStretch(1);
    direita->addWidget(info);
    return info;
}

// Rows whose text is wider than their designed width (a language's longer caption, a larger
// font) grow to it and push the rows after them along, keeping the designed gaps; the bar then
// never gets narrower than its rows, so the information button cannot cover them.
void Posicionar(QWidget* barra, std::vector<std::pair<const TRLItemBarra*, QWidget*>> itens,
                int larguraInformacao) {
    std::sort(itens.begin(), itens.end(),
              [](const auto& a, const auto& b) { return a.first->X < b.first->X; });
    int fim = 0;
    int fimProjetado = 0;
    for (const auto& [item, w] : itens) {
        const int x = fim + std::max(0, item->X - fimProjetado);
        const auto* botao = qobject_cast<QToolButton*>(w);
        const bool temTexto = qobject_cast<QLabel*>(w) || (botao && !botao->text().isEmpty());
        const int largura = temTexto ? std::max(item->Largura, w->sizeHint().width()) : item->Largura;
        w->setGeometry(x, w->y(), largura, w->height());
        fim = x + largura;
        fimProjetado = item->X + item->Largura;
    }
    barra->setMinimumWidth(fim + larguraInformacao + 4);
}

}  // namespace

const std::vector<TRLItemBarra>& ItensDaBarra() {
    using T = TRLTipoItemBarra;
    using I = TRLIconeBarra;
    using A = TRLAcaoPrevia;
    using R = TextoRL;
    static const std::vector<TRLItemBarra> itens = {
        {T::Botao, "imprimir", 1, 50, R::Imprimir, R::Imprimir, I::Nenhum, A::Imprimir},
        {T::Botao, "fechar", 151, 50, R::Fechar, R::Fechar, I::Nenhum, A::Fechar},
        {T::Botao, "salvar", 51, 50, R::Salvar, R::SalvarEmDisco, I::Nenhum, A::Salvar},
        {T::Botao, "enviar", 101, 50, R::Enviar, R::EnviarPara, I::Nenhum, {}, ItemDesabilitado},
        {T::Separador, "", 203, 4},
        {T::Botao, "primeira", 209, 22, {}, R::PrimeiraPagina, I::Primeira, A::PrimeiraPagina},
        {T::Botao, "anterior", 231, 22, {}, R::PaginaAnterior, I::Anterior, A::PaginaAnterior, ItemRepete},
        {T::Rotulo, "", 256, 42, R::Pagina},
        {T::CampoPagina, "campoPagina", 299, 36},
        {T::Rotulo, "", 338, 18, R::DeTotal, {}, I::Nenhum, {}, ItemCentrado},
        {T::TotalDePaginas, "total", 357, 33},
        {T::Botao, "proxima", 392, 22, {}, R::ProximaPagina, I::Proxima, A::ProximaPagina, ItemRepete},
        {T::Botao, "ultima", 414, 22, {}, R::UltimaPagina, I::Ultima, A::UltimaPagina},
        {T::Separador, "", 440, 4},
        {T::Botao, "menosZoom", 447, 22, {}, R::DicaDoZoom, I::MenosZoom, A::DiminuirZoom},
        {T::Botao, "maisZoom", 469, 22, {}, R::DicaDoZoom, I::MaisZoom, A::AumentarZoom},
        {T::ListaZoom, "listaZoom", 492, 145},
        {T::Separador, "", 640, 4},
        {T::Botao, "dividir", 646, 24, {}, R::DividirTela, I::Divisao, A::Dividir},
        {T::Separador, "", 672, 4},
        {T::Botao, "editar", 677, 24, {}, R::Editar, I::Edicao, A::Editar, ItemAlternavel},
        {T::Informacao, "informacao", 0, 24},
    };
    return itens;
}

TRLBarraPrevia CriarBarraPrevia(QWidget* barra, QObject* filtro) {
    TRLBarraPrevia r;
    const std::vector<std::string> legendas = LegendasDosBotoes();
    size_t legenda = 0;
    std::vector<std::pair<const TRLItemBarra*, QWidget*>> colocados;
    int larguraInformacao = 0;
    for (const TRLItemBarra& item : ItensDaBarra()) {
        QWidget* w = nullptr;
        switch (item.Tipo) {
            case TRLTipoItemBarra::Botao: {
                QToolButton* b = CriarBotao(barra, item, filtro);
                if (item.Legenda) b->setText(ParaQString(legendas[legenda++]));
                if (item.Acao) r.Botoes.emplace_back(b, *item.Acao);
                w = b;
                break;
            }
            case TRLTipoItemBarra::Separador:
                w = CriarSeparador(barra, item);
                break;
            case TRLTipoItemBarra::Rotulo:
                w = CriarRotulo(barra, item);
                break;
            case TRLTipoItemBarra::CampoPagina:
                w = r.CampoPagina = CriarCampoPagina(barra, item, filtro);
                break;
            case TRLTipoItemBarra::TotalDePaginas:
                w = r.Total = CriarTotal(barra, item);
                break;
            case TRLTipoItemBarra::ListaZoom:
                w = r.Zoom = CriarListaZoom(barra, item, filtro);
                break;
            case TRLTipoItemBarra::Informacao:
                larguraInformacao = CriarInformacao(barra, item, filtro)->width();
                break;
        }
        if (w) colocados.emplace_back(&item, w);
    }
    Posicionar(barra, std::move(colocados), larguraInformacao);
    return r;
}

}  // namespace luvenor
