#include "report/RLPreviewLogic.h"

#include "report/RLQtTexto.h"
#include "report/RLTexts.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace luvenor {
namespace {

constexpr double zoomsFixos[] = {500, 200, 150, 100, 75, 50, 25, 10};

std::string_view SemBrancos(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// A whole decimal number (optionally signed) and nothing else.
std::optional<double> LerNumero(std::string_view s) {
    s = SemBrancos(s);
    if (s.empty()) return std::nullopt;
    if (s.front() == '+') s.remove_prefix(1);
    double v = 0;
    const auto [fim, erro] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
    if (erro != std::errc() || fim != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

int Arredondar(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9)));
}

}  // namespace

std::vector<std::string> TextosDaListaDeZoom() {
    std::vector<std::string> r;
    for (double z : zoomsFixos) r.push_back(std::to_string(static_cast<int>(z)) + "%");
    r.push_back(LSTexto(TextoRL::LarguraDaPagina));
    r.push_back(LSTexto(TextoRL::PaginaInteira));
    r.push_back(LSTexto(TextoRL::VariasPaginas));
    return r;
}

std::optional<double> ZoomDoItem(TRLItemZoom item) {
    const int i = static_cast<int>(item);
    if (i >= 0 && i < 8) return zoomsFixos[i];
    return std::nullopt;
}

std::optional<double> LerZoomDigitado(std::string_view texto) {
    std::string limpo;
    for (char c : texto) {
        if (c == '%') continue;
        limpo += c == ',' ? '.' : c;
    }
    const auto v = LerNumero(limpo);
    if (!v || *v < ZoomMinimo) return std::nullopt;
    return v;
}

std::string TextoDoZoom(double zoom) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", zoom);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    // Brazilian and Spanish users write the decimal comma, which the typed zoom also reads.
    if (IdiomaEscolhido() != TRLIdioma::Ingles) std::replace(s.begin(), s.end(), '.', ',');
    return s + "%";
}

std::vector<std::string> ComAceleradores(const std::vector<std::string>& captions) {
    std::vector<std::string> r;
    QString tomadas;
    for (const std::string& c : captions) {
        QString q = ParaQString(c);
        for (qsizetype i = 0; i < q.size(); ++i) {
            const QChar letra = q[i].toUpper();
            if (!q[i].isLetter() || tomadas.contains(letra)) continue;
            tomadas += letra;
            q.insert(i, QLatin1Char('&'));
            break;
        }
        const QByteArray b = q.toUtf8();
        r.emplace_back(b.constData(), static_cast<size_t>(b.size()));
    }
    return r;
}

std::optional<int> LerPaginaDigitada(std::string_view texto) {
    texto = SemBrancos(texto);
    if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
    int n = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
    if (texto.empty() || erro != std::errc() || fim != texto.data() + texto.size()) return std::nullopt;
    if (n == std::numeric_limits<int>::min()) return std::nullopt;
    return n - 1;
}

int RolagemDaRoda(int graus, int linhasPorEntalhe) {
    const long long pixels =
        static_cast<long long>(graus) * std::max(1, linhasPorEntalhe) * PixelsPorLinhaDaRoda;
    return static_cast<int>(std::clamp(pixels / 120, -1000000LL, 1000000LL));
}

namespace {
// Rounded down: a zoom rounded up makes the boxes a few pixels wider than the pane, and a scroll
// bar appears that moves by those pixels.
double ParaBaixo(double v) {
    if (!std::isfinite(v)) return 0;
    return std::floor(std::clamp(v, -1e9, 1e9));
}

double ZoomAltura(TRLTamanho cliente, TRLTamanho pagina) {
    if (pagina.Altura <= 0) return 0;
    return ParaBaixo((cliente.Altura * 100.0 - 700.0) / pagina.Altura);
}
}  // namespace

double ZoomLarguraDaPagina(TRLTamanho cliente, TRLTamanho pagina) {
    if (pagina.Largura <= 0) return 0;
    return ParaBaixo((cliente.Largura * 100.0 - 700.0) / pagina.Largura);
}

double ZoomPaginaInteira(TRLTamanho cliente, TRLTamanho pagina) {
    return std::min(ZoomLarguraDaPagina(cliente, pagina), ZoomAltura(cliente, pagina));
}

double ZoomVariasPaginas(TRLTamanho cliente, TRLTamanho pagina) {
    if (pagina.Largura <= 0) return 0;
    const double largura = ParaBaixo((cliente.Largura - 7.0) / CaixasVariasPaginas * 100.0 / pagina.Largura);
    return std::min(largura, ZoomAltura(cliente, pagina));
}

TRLTamanho TamanhoDaCaixa(TRLTamanho pagina, double zoom) {
    return {Arredondar(pagina.Largura * zoom / 100.0) + MargemCaixa,
            Arredondar(pagina.Altura * zoom / 100.0) + MargemCaixa};
}

TRLLayoutPainel CalcularLayout(const std::vector<TRLTamanho>& paginas, int primeira, double zoom,
                               TRLTamanho painel) {
    TRLLayoutPainel r;
    int largura = 0;
    int altura = 0;
    for (size_t i = 0; i < paginas.size(); ++i) {
        TRLCaixaPagina c;
        c.Pagina = primeira + static_cast<int>(i);
        c.Tamanho = TamanhoDaCaixa(paginas[i], zoom);
        c.Folha = {c.Tamanho.Largura - MargemCaixa, c.Tamanho.Altura - MargemCaixa};
        c.X = largura;
        largura += c.Tamanho.Largura;
        altura = std::max(altura, c.Tamanho.Altura);
        r.Caixas.push_back(c);
    }
    const int dx = largura < painel.Largura ? (painel.Largura - largura) / 2 : 0;
    const int dy = altura < painel.Altura ? (painel.Altura - altura) / 2 : 0;
    r.CentradoHorizontal = largura < painel.Largura;
    r.CentradoVertical = altura < painel.Altura;
    for (auto& c : r.Caixas) {
        c.X += dx;
        c.Y = dy + (altura - c.Tamanho.Altura) / 2;
    }
    r.Conteudo = {std::max(largura, painel.Largura), std::max(altura, painel.Altura)};
    return r;
}

void TRLPreviewPane::DefinirPaginas(int quantidade, TRLTamanho tamanhoPagina) {
    paginas_ = std::max(0, quantidade);
    tamanhoPagina_ = tamanhoPagina;
    pagina_ = std::clamp(pagina_, 0, std::max(0, paginas_ - 1));
    achado_ = {};
    selecao_ = {};
}

int TRLPreviewPane::CaixasMostradas() const {
    return std::max(0, std::min(caixas_, paginas_ - pagina_));
}

bool TRLPreviewPane::DefinirZoom(double zoom) {
    if (!std::isfinite(zoom) || zoom < ZoomMinimo || zoom > ZoomMaximo || zoom == zoom_) return false;
    zoom_ = zoom;
    return true;
}

bool TRLPreviewPane::DiminuirZoom() {
    return DefinirZoom(std::max(zoom_ - PassoZoom, ZoomMinimo));
}

namespace {
// A width-limited fit whose pages come out taller than the pane is taken again on the width left
// beside the vertical scroll bar.
double ComBarra(double (*ajuste)(TRLTamanho, TRLTamanho), TRLTamanho cliente, TRLTamanho pagina, int barra) {
    const double z = ajuste(cliente, pagina);
    if (barra <= 0 || TamanhoDaCaixa(pagina, z).Altura <= cliente.Altura) return z;
    return ajuste({cliente.Largura - barra, cliente.Altura}, pagina);
}
}  // namespace

bool TRLPreviewPane::AjustarLarguraDaPagina(TRLTamanho cliente) {
    const bool vista = caixas_ != 1;
    caixas_ = 1;
    return DefinirZoom(ComBarra(ZoomLarguraDaPagina, cliente, tamanhoPagina_, barra_)) || vista;
}

bool TRLPreviewPane::AjustarAoAbrir(TRLTamanho cliente, double padrao) {
    const double largura = ComBarra(ZoomLarguraDaPagina, cliente, tamanhoPagina_, barra_);
    return DefinirZoom(std::max(padrao, largura));
}

bool TRLPreviewPane::AjustarPaginaInteira(TRLTamanho cliente) {
    const bool vista = caixas_ != 1;
    caixas_ = 1;
    return DefinirZoom(ZoomPaginaInteira(cliente, tamanhoPagina_)) || vista;
}

bool TRLPreviewPane::AjustarVariasPaginas(TRLTamanho cliente) {
    const bool vista = caixas_ != CaixasVariasPaginas;
    caixas_ = CaixasVariasPaginas;
    return DefinirZoom(ComBarra(ZoomVariasPaginas, cliente, tamanhoPagina_, barra_)) || vista;
}

bool TRLPreviewPane::AplicarItemZoom(TRLItemZoom item, TRLTamanho cliente) {
    switch (item) {
        case TRLItemZoom::LarguraDaPagina:
            return AjustarLarguraDaPagina(cliente);
        case TRLItemZoom::PaginaInteira:
            return AjustarPaginaInteira(cliente);
        case TRLItemZoom::VariasPaginas:
            return AjustarVariasPaginas(cliente);
        default:
            return DefinirZoom(*ZoomDoItem(item));
    }
}

bool TRLPreviewPane::AplicarTextoZoom(std::string_view texto, std::optional<TRLItemZoom> selecionado,
                                      TRLTamanho cliente) {
    if (const auto z = LerZoomDigitado(texto)) return DefinirZoom(*z);
    if (selecionado) return AplicarItemZoom(*selecionado, cliente);
    return false;
}

bool TRLPreviewPane::IrPara(int pagina) {
    if (pagina < 0 || pagina >= paginas_ || pagina == pagina_) return false;
    pagina_ = pagina;
    return true;
}

bool TRLPreviewPane::Anterior() {
    return IrPara(std::max(0, pagina_ - caixas_));
}

bool TRLPreviewPane::Proxima() {
    return IrPara(std::min(paginas_ - 1, pagina_ + caixas_));
}

bool TRLPreviewPane::Ultima() {
    return IrPara(std::max(0, paginas_ - caixas_));
}

bool TRLPreviewPane::IrParaTexto(std::string_view texto) {
    const auto p = LerPaginaDigitada(texto);
    return p ? IrPara(*p) : false;
}

void TRLPreviewPane::AlternarVista(int pagina, TRLTamanho cliente) {
    IrPara(pagina);
    if (caixas_ == 1)
        AjustarVariasPaginas(cliente);
    else
        AjustarLarguraDaPagina(cliente);
}

void TRLPreviewPane::DefinirEdicao(bool editando) {
    editando_ = editando;
    if (!editando) selecao_ = {};
}

int ObjetoNoPonto(const TRLGraphicSurface& pagina, int x, int y) {
    int melhor = -1;
    long long area = std::numeric_limits<long long>::max();
    const auto& objetos = pagina.Objects();
    for (size_t i = 0; i < objetos.size(); ++i) {
        const TRLGraphicObject& o = objetos[i];
        const auto k = o.Kind();
        if (k == TRLObjectKind::SetClipRect || k == TRLObjectKind::ResetClipRect) continue;
        const TRLPageRect& r = o.BoundsRect;
        if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) continue;
        const long long a = static_cast<long long>(r.Width()) * r.Height();
        if (a < area) {
            area = a;
            melhor = static_cast<int>(i);
        }
    }
    return melhor;
}

std::vector<int> ObjetosDoGrupo(const TRLGraphicSurface& pagina, int indice) {
    std::vector<int> r;
    const auto& objetos = pagina.Objects();
    if (indice < 0 || indice >= static_cast<int>(objetos.size())) return r;
    const int32_t grupo = objetos[indice].GroupId;
    for (size_t i = 0; i < objetos.size(); ++i) {
        const auto k = objetos[i].Kind();
        if (k == TRLObjectKind::SetClipRect || k == TRLObjectKind::ResetClipRect) continue;
        if (static_cast<int>(i) == indice || (grupo != 0 && objetos[i].GroupId == grupo))
            r.push_back(static_cast<int>(i));
    }
    return r;
}

bool TextoContem(std::string_view texto, std::string_view procurado, bool diferenciarMaiusculas) {
    if (diferenciarMaiusculas) return texto.find(procurado) != std::string_view::npos;
    return ParaQString(texto).toUpper().contains(ParaQString(procurado).toUpper());
}

std::optional<TRLAchado> Procurar(const TRLGraphicStorage& paginas, std::string_view procurado,
                                  int paginaAtual, TRLAchado ultimo, TRLOpcoesBusca opcoes) {
    const int total = paginas.Count();
    if (procurado.empty() || total == 0) return std::nullopt;
    paginaAtual = std::clamp(paginaAtual, 0, total - 1);
    const int passo = opcoes.ParaCima ? -1 : 1;
    for (int p = paginaAtual; p >= 0 && p < total; p += passo) {
        const auto pagina = paginas.Page(p);
        const auto& objetos = pagina->Objects();
        const int n = static_cast<int>(objetos.size());
        int i = opcoes.ParaCima ? n - 1 : 0;
        if (p == paginaAtual && ultimo.Pagina == p && ultimo.Objeto >= 0) i = ultimo.Objeto + passo;
        for (; i >= 0 && i < n; i += passo) {
            const auto* t = objetos[i].As<TRLTextObject>();
            if (!t) continue;
            const std::string texto = ExpandirMacros(t->Text, pagina->Macros(), paginas.Macros());
            if (TextoContem(texto, procurado, opcoes.DiferenciarMaiusculas)) return TRLAchado{p, i};
        }
    }
    return std::nullopt;
}

std::optional<TRLResultadoBusca> ProcurarComVolta(const TRLGraphicStorage& paginas,
                                                  std::string_view procurado, int paginaAtual,
                                                  TRLAchado ultimo, TRLOpcoesBusca opcoes) {
    if (const auto achado = Procurar(paginas, procurado, paginaAtual, ultimo, opcoes))
        return TRLResultadoBusca{*achado, false};
    // From the other end, the whole store: a match after the start would have been found above.
    const int inicio = opcoes.ParaCima ? paginas.Count() - 1 : 0;
    if (const auto achado = Procurar(paginas, procurado, inicio, {}, opcoes))
        return TRLResultadoBusca{*achado, true};
    return std::nullopt;
}

std::optional<TRLRetangulo> RetanguloNoConteudo(const TRLLayoutPainel& layout, int pagina,
                                                TRLTamanho tamanhoPagina, const TRLPageRect& r) {
    for (const TRLCaixaPagina& c : layout.Caixas) {
        if (c.Pagina != pagina) continue;
        const double sx = tamanhoPagina.Largura > 0 ? double(c.Folha.Largura) / tamanhoPagina.Largura : 1.0;
        const double sy = tamanhoPagina.Altura > 0 ? double(c.Folha.Altura) / tamanhoPagina.Altura : 1.0;
        const int x = c.X + Arredondar(r.Left * sx);
        const int y = c.Y + Arredondar(r.Top * sy);
        return TRLRetangulo{x, y, c.X + Arredondar(r.Right * sx) - x, c.Y + Arredondar(r.Bottom * sy) - y};
    }
    return std::nullopt;
}

namespace {
int RolagemNoEixo(int inicio, int tamanho, int rolagem, int visivel, int conteudo) {
    const int maximo = std::max(0, conteudo - visivel);
    if (inicio >= rolagem && inicio + tamanho <= rolagem + visivel) return std::clamp(rolagem, 0, maximo);
    // Larger than the view: its start is shown.
    const int alvo = tamanho >= visivel ? inicio : inicio + tamanho / 2 - visivel / 2;
    return std::clamp(alvo, 0, maximo);
}
}  // namespace

TRLPonto RolagemParaMostrar(TRLRetangulo alvo, TRLPonto rolagem, TRLTamanho cliente, TRLTamanho conteudo) {
    return {RolagemNoEixo(alvo.X, alvo.Largura, rolagem.X, cliente.Largura, conteudo.Largura),
            RolagemNoEixo(alvo.Y, alvo.Altura, rolagem.Y, cliente.Altura, conteudo.Altura)};
}

const std::vector<TRLTeclaPrevia>& TeclasDaPrevia() {
    using A = TRLAcaoPrevia;
    static const std::vector<TRLTeclaPrevia> teclas = {
        {Qt::Key_PageUp, false, A::PaginaAnterior},
        {Qt::Key_PageDown, false, A::ProximaPagina},
        {Qt::Key_PageUp, true, A::RolarTopo},
        {Qt::Key_PageDown, true, A::RolarBase},
        {Qt::Key_Home, false, A::RolarInicio},
        {Qt::Key_End, false, A::RolarFim},
        {Qt::Key_Home, true, A::PrimeiraPagina},
        {Qt::Key_End, true, A::UltimaPagina},
        {Qt::Key_Left, false, A::RolarEsquerda},
        {Qt::Key_Right, false, A::RolarDireita},
        {Qt::Key_Up, false, A::RolarAcima},
        {Qt::Key_Down, false, A::RolarAbaixo},
        {Qt::Key_Left, true, A::RolarTelaEsquerda},
        {Qt::Key_Right, true, A::RolarTelaDireita},
        {Qt::Key_Up, true, A::RolarTelaAcima},
        {Qt::Key_Down, true, A::RolarTelaAbaixo},
        {Qt::Key_Plus, true, A::AumentarZoom},
        {Qt::Key_Equal, true, A::AumentarZoom},  // the plus of keyboards where it needs Shift
        {Qt::Key_Minus, true, A::DiminuirZoom},
        {Qt::Key_0, true, A::ZoomPadrao},
        {Qt::Key_F, true, A::AbrirBusca},
        {Qt::Key_F3, true, A::AbrirBusca},
        {Qt::Key_F3, false, A::ProcurarProxima},
        {Qt::Key_Escape, false, A::Fechar},
        {Qt::Key_P, true, A::Imprimir},
        {Qt::Key_S, true, A::Salvar},
    };
    return teclas;
}

std::optional<TRLAcaoPrevia> AcaoDaTecla(int tecla, bool ctrl) {
    for (const TRLTeclaPrevia& t : TeclasDaPrevia())
        if (t.Tecla == tecla && t.Ctrl == ctrl) return t.Acao;
    return std::nullopt;
}

bool TeclaDoCampoDeTexto(int tecla, bool ctrl, bool produzTexto) {
    switch (tecla) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        case Qt::Key_Escape:
            return false;
        default:
            return !ctrl && produzTexto;
    }
}

std::optional<TRLRolagem> RolagemDaAcao(TRLAcaoPrevia acao, TRLTamanho c) {
    using A = TRLAcaoPrevia;
    switch (acao) {
        case A::RolarEsquerda:
            return TRLRolagem{-PassoRolagem, 0};
        case A::RolarDireita:
            return TRLRolagem{PassoRolagem, 0};
        case A::RolarAcima:
            return TRLRolagem{0, -PassoRolagem};
        case A::RolarAbaixo:
            return TRLRolagem{0, PassoRolagem};
        case A::RolarTelaEsquerda:
            return TRLRolagem{-c.Largura, 0};
        case A::RolarTelaDireita:
            return TRLRolagem{c.Largura, 0};
        case A::RolarTelaAcima:
            return TRLRolagem{0, -c.Altura};
        case A::RolarTelaAbaixo:
            return TRLRolagem{0, c.Altura};
        case A::RolarInicio:
            return TRLRolagem{0, 0, -1, 0};
        case A::RolarFim:
            return TRLRolagem{0, 0, 1, 0};
        case A::RolarTopo:
            return TRLRolagem{0, 0, 0, -1};
        case A::RolarBase:
            return TRLRolagem{0, 0, 0, 1};
        default:
            return std::nullopt;
    }
}

}  // namespace luvenor
