#pragma once
// What a preview pane shows and how it moves, kept apart from the widgets so it is tested
// headless: zoom (typed, stepped, fitted), the page boxes' layout, navigation, the double-click
// view switch, the find over a page store, and what each key does.
#include "report/RLGraphics.h"

#include <qnamespace.h>  // the Qt::Key codes of the key table

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

constexpr double ZoomMinimo = 10.0;
constexpr double ZoomPadrao = 100.0;
// Beyond this a page box outgrows what scroll bars and the painter's integer coordinates hold.
constexpr double ZoomMaximo = 10000.0;
constexpr double PassoZoom = 10.0;
// Pixels a page box adds to the page at the right and at the bottom (the frame's shadow).
constexpr int MargemCaixa = 7;
constexpr int CaixasVariasPaginas = 3;

// Pixels the arrow keys scroll.
constexpr int PassoRolagem = 10;
// Pixels of one line the wheel scrolls; the desktop says how many lines a notch is (3 by default),
// so a notch moves about three lines of text, as in other document viewers.
constexpr int PixelsPorLinhaDaRoda = 20;
// The wheel's scroll for `graus` (eighths of a degree, 120 a notch) at `linhasPorEntalhe` lines a
// notch; a fraction of a notch (a touchpad) scrolls its share.
int RolagemDaRoda(int graus, int linhasPorEntalhe);

// The zoom list's items, in list order; the first eight are percentages.
enum class TRLItemZoom {
    z500,
    z200,
    z150,
    z100,
    z75,
    z50,
    z25,
    z10,
    LarguraDaPagina,
    PaginaInteira,
    VariasPaginas
};
constexpr int QuantidadeItensZoom = 11;
// The list's texts: "500%" ... "10%", then texts 35, 34 and 36.
std::vector<std::string> TextosDaListaDeZoom();
// The percentage of a fixed item, or nothing for the three fitted ones.
std::optional<double> ZoomDoItem(TRLItemZoom item);

// A typed zoom: "%" removed, "," read as ".", a number of at least 10; nothing otherwise.
std::optional<double> LerZoomDigitado(std::string_view texto);
// The zoom as the list's edit part shows it: "100%", "75,5%".
std::string TextoDoZoom(double zoom);

// Captions of push buttons in creation order, each with "&" before its first letter that no
// earlier caption has taken (compared without case); a caption with no free letter stays as it is.
std::vector<std::string> ComAceleradores(const std::vector<std::string>& captions);

// A page number typed in the page field: the 0-based page, or nothing when it is not a number.
std::optional<int> LerPaginaDigitada(std::string_view texto);

struct TRLTamanho {
    int Largura = 0;
    int Altura = 0;
    bool operator==(const TRLTamanho&) const = default;
};

// Zooms that fit the store's page size into a client area, rounded down so the boxes never
// outgrow it; they may come out below the minimum, which the pane then refuses.
double ZoomLarguraDaPagina(TRLTamanho cliente, TRLTamanho pagina);
double ZoomPaginaInteira(TRLTamanho cliente, TRLTamanho pagina);
double ZoomVariasPaginas(TRLTamanho cliente, TRLTamanho pagina);

// One shown page's box in pane content coordinates.
struct TRLCaixaPagina {
    int Pagina = 0;  // 0-based page index
    int X = 0;
    int Y = 0;
    TRLTamanho Tamanho;  // box size: the scaled page plus MargemCaixa
    TRLTamanho Folha;    // the scaled page itself
};

// The pane's content: the boxes side by side, centred when smaller than the pane.
struct TRLLayoutPainel {
    std::vector<TRLCaixaPagina> Caixas;
    TRLTamanho Conteudo;  // at least the pane's size
    bool CentradoHorizontal = false;
    bool CentradoVertical = false;
};

TRLTamanho TamanhoDaCaixa(TRLTamanho pagina, double zoom);
// `paginas` holds the size of every page shown, in order; the first is page `primeira`.
TRLLayoutPainel CalcularLayout(const std::vector<TRLTamanho>& paginas, int primeira, double zoom,
                               TRLTamanho painel);

// A match of the find: the page and the index of the text object on it.
struct TRLAchado {
    int Pagina = -1;
    int Objeto = -1;
    bool operator==(const TRLAchado&) const = default;
};

// The state of one preview pane and its rules. Every change answers whether it changed anything,
// so the window redraws and resets its scroll only then.
class TRLPreviewPane {
public:
    TRLPreviewPane() = default;
    TRLPreviewPane(int quantidadePaginas, TRLTamanho tamanhoPagina)
        : paginas_(quantidadePaginas), tamanhoPagina_(tamanhoPagina) {}

    void DefinirPaginas(int quantidade, TRLTamanho tamanhoPagina);
    int QuantidadePaginas() const { return paginas_; }
    TRLTamanho TamanhoPagina() const { return tamanhoPagina_; }

    int PaginaAtual() const { return pagina_; }
    double Zoom() const { return zoom_; }
    int Caixas() const { return caixas_; }
    // Boxes actually shown from the current page (fewer near the end).
    int CaixasMostradas() const;

    bool DefinirZoom(double zoom);
    bool AumentarZoom() { return DefinirZoom(zoom_ + PassoZoom); }
    bool DiminuirZoom();
    // Fits in `cliente` with one box (width, whole page) or three (multiple pages). `cliente` is
    // the pane with no scroll bar shown: a fit whose pages are taller than it leaves room for the
    // vertical bar (DefinirLarguraDaBarra), so no horizontal bar appears.
    bool AjustarLarguraDaPagina(TRLTamanho cliente);
    bool AjustarPaginaInteira(TRLTamanho cliente);
    bool AjustarVariasPaginas(TRLTamanho cliente);
    void DefinirLarguraDaBarra(int pixels) { barra_ = pixels; }
    // On opening: the default zoom, or the page width when that is larger (a wide screen), so the
    // small print of a page is legible at once.
    bool AjustarAoAbrir(TRLTamanho cliente, double padrao);
    // A list item: a percentage or one of the fits.
    bool AplicarItemZoom(TRLItemZoom item, TRLTamanho cliente);
    // The list's edit text: a typed zoom, else the selected item (when there is one).
    bool AplicarTextoZoom(std::string_view texto, std::optional<TRLItemZoom> selecionado, TRLTamanho cliente);

    bool IrPara(int pagina);
    bool Primeira() { return IrPara(0); }
    bool Anterior();
    bool Proxima();
    bool Ultima();
    // The page field's text: a number n goes to page n - 1.
    bool IrParaTexto(std::string_view texto);
    std::string TextoDaPagina() const { return std::to_string(pagina_ + 1); }

    // A double click on the box of `pagina`: single view becomes multiple pages, multiple pages
    // becomes page width on that page.
    void AlternarVista(int pagina, TRLTamanho cliente);

    bool Editando() const { return editando_; }
    void DefinirEdicao(bool editando);
    // Edit mode's selection: the page and object index, none (-1) otherwise.
    const TRLAchado& Selecao() const { return selecao_; }
    void Selecionar(TRLAchado selecao) { selecao_ = selecao; }

    const TRLAchado& UltimoAchado() const { return achado_; }
    void DefinirAchado(TRLAchado achado) { achado_ = achado; }

private:
    int paginas_ = 0;
    TRLTamanho tamanhoPagina_;
    int pagina_ = 0;
    double zoom_ = ZoomPadrao;
    int caixas_ = 1;
    int barra_ = 0;
    bool editando_ = false;
    TRLAchado selecao_;
    TRLAchado achado_;
};

// Edit mode: the smallest object of the page whose rectangle holds (x, y) (design pixels), or -1;
// clip objects are not selectable.
int ObjetoNoPonto(const TRLGraphicSurface& pagina, int x, int y);
// The objects drawn by the same control print as object `indice` (the same group), itself included.
std::vector<int> ObjetosDoGrupo(const TRLGraphicSurface& pagina, int indice);

struct TRLOpcoesBusca {
    bool DiferenciarMaiusculas = false;
    bool ParaCima = false;
};

// Whether `texto` (macros completed) contains `procurado`, in upper case unless case matters.
bool TextoContem(std::string_view texto, std::string_view procurado, bool diferenciarMaiusculas);

// Finds the next text object containing `procurado`: from page `paginaAtual`, just after (or,
// upwards, just before) `ultimo` when it is on that page, else from its first (last) object, then
// page by page to the last (first) page. Nothing when there is no match or the text is empty.
std::optional<TRLAchado> Procurar(const TRLGraphicStorage& paginas, std::string_view procurado,
                                  int paginaAtual, TRLAchado ultimo, TRLOpcoesBusca opcoes);

// A find that goes on from the first page (upwards: the last) when the end is reached without a
// match, up to where it started; `DeuVolta` tells the user it did.
struct TRLResultadoBusca {
    TRLAchado Achado;
    bool DeuVolta = false;
};
std::optional<TRLResultadoBusca> ProcurarComVolta(const TRLGraphicStorage& paginas,
                                                  std::string_view procurado, int paginaAtual,
                                                  TRLAchado ultimo, TRLOpcoesBusca opcoes);

struct TRLPonto {
    int X = 0;
    int Y = 0;
    bool operator==(const TRLPonto&) const = default;
};
struct TRLRetangulo {
    int X = 0;
    int Y = 0;
    int Largura = 0;
    int Altura = 0;
    bool operator==(const TRLRetangulo&) const = default;
};
// Where a rectangle of page `pagina` (design pixels of a page of `tamanhoPagina`) lies in the
// pane's content, through the box that shows the page; nothing when no box shows it.
std::optional<TRLRetangulo> RetanguloNoConteudo(const TRLLayoutPainel& layout, int pagina,
                                                TRLTamanho tamanhoPagina, const TRLPageRect& retangulo);
// The scroll position that shows `alvo` (content coordinates) in a view of `cliente` scrolled to
// `rolagem`: unchanged on an axis where it is already wholly visible, else centred on it, within
// the scroll range (0 to conteudo - cliente).
TRLPonto RolagemParaMostrar(TRLRetangulo alvo, TRLPonto rolagem, TRLTamanho cliente, TRLTamanho conteudo);

// What the preview's keys and tool-bar buttons do; the window carries each out on its active pane.
enum class TRLAcaoPrevia {
    Imprimir,
    Salvar,
    Fechar,
    PrimeiraPagina,
    PaginaAnterior,
    ProximaPagina,
    UltimaPagina,
    AumentarZoom,
    DiminuirZoom,
    ZoomPadrao,
    Dividir,
    Editar,
    AbrirBusca,
    ProcurarProxima,  // opens the find window when it is not open yet
    RolarEsquerda,    // the scrolls: by PassoRolagem ...
    RolarDireita,
    RolarAcima,
    RolarAbaixo,
    RolarTelaEsquerda,  // ... by the visible width or height ...
    RolarTelaDireita,
    RolarTelaAcima,
    RolarTelaAbaixo,
    RolarInicio,  // ... or to an end: full left, full right, top, bottom
    RolarFim,
    RolarTopo,
    RolarBase,
};

// One key of the preview: with or without Ctrl held (Shift, Alt and the keypad do not matter).
struct TRLTeclaPrevia {
    int Tecla;  // a Qt::Key
    bool Ctrl;
    TRLAcaoPrevia Acao;
};
// The preview's keys, one row each.
const std::vector<TRLTeclaPrevia>& TeclasDaPrevia();
// The action of a key, or nothing when the preview leaves the key alone.
std::optional<TRLAcaoPrevia> AcaoDaTecla(int tecla, bool ctrl);

// Whether a text field of the tool bar keeps a key for its own editing (typing, moving the
// cursor, Enter) instead of passing it to the preview.
bool TeclaDoCampoDeTexto(int tecla, bool ctrl, bool produzTexto);

// How a scroll action moves a pane whose visible area is `cliente`: by (Dx, Dy) pixels, or to one
// end of an axis (ExtremoX -1 full left, 1 full right; ExtremoY -1 top, 1 bottom). Nothing for an
// action that does not scroll.
struct TRLRolagem {
    int Dx = 0;
    int Dy = 0;
    int ExtremoX = 0;
    int ExtremoY = 0;
    bool operator==(const TRLRolagem&) const = default;
};
std::optional<TRLRolagem> RolagemDaAcao(TRLAcaoPrevia acao, TRLTamanho cliente);

}  // namespace luvenor
