#pragma once
// Which pages a print job draws and where they land on the paper: the page-selection text,
// odd/even pages, copies made by the engine, the job's title, the sheet of each page and the
// mapping of design pixels to device pixels. No device is needed here; RLPagedOutput drives one.
#include "report/RLGraphics.h"

#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

enum class TRLParImpar { Todas, Impares, Pares };

// One item of a page-selection text: pages De to Ate (a single page has both equal).
struct TRLFaixaPaginas {
    int De = 0;
    int Ate = 0;
    bool operator==(const TRLFaixaPaginas&) const = default;
};

// "1;3;5-12;4": items split at ";", a range joined by "-", blanks ignored; a part that is not a
// number counts as -1.
std::vector<TRLFaixaPaginas> LerSelecaoPaginas(std::string_view texto);
// Whether some item holds page p (1-based).
bool PaginaSelecionada(const std::vector<TRLFaixaPaginas>& selecao, int pagina);

// The whole integer a dialog field holds, 0 when it is not one.
int LerInteiroDoCampo(std::string_view texto);

// Copies the engine makes at most: a typing slip must not queue a billion sheets.
constexpr int MaximoCopias = 999;

struct TRLPedidoImpressao {
    int De = 1;   // 1-based, inclusive
    int Ate = 1;  // clamped to the page count
    TRLParImpar ParImpar = TRLParImpar::Todas;
    std::string Selecao;  // empty: every page of the range
    int Copias = 1;
};

// The 1-based page numbers to print, in printing order: every copy of the range in turn (collated),
// at most MaximoCopias copies. A from-page below 1 prints nothing.
std::vector<int> PaginasAImprimir(int quantidadePaginas, const TRLPedidoImpressao& pedido);

// JobTitle, else Title, else "Sem título".
std::string TituloDaTarefa(const TRLMacros& macrosDoArmazem);

// What the engine knows of the printer's page: resolution and the printable area's offsets.
struct TRLGeometriaImpressora {
    int DpiX = 300;
    int DpiY = 300;
    int DeslocamentoX = 75;  // physical left offset, device pixels
    int DeslocamentoY = 75;
    int LarguraFisica = 2550;
    int AlturaFisica = 3300;
    // The assumed geometry when the printer's cannot be read.
    static TRLGeometriaImpressora Padrao() { return {}; }
};

// A design coordinate on the printer: x * dpi / 96, rounded, minus the offset, so the page's corner
// lands on the paper's.
int MapearX(int x, const TRLGeometriaImpressora& g);
int MapearY(int y, const TRLGeometriaImpressora& g);
// The device rectangle a page of this size is drawn into (its corners mapped, not widened).
struct TRLAlvo {
    double X = 0, Y = 0, Largura = 0, Altura = 0;
};
TRLAlvo AlvoDaPagina(int larguraPagina, int alturaPagina, const TRLGeometriaImpressora& g);

// Paper from the store's macros: "PaperWidth"/"PaperHeight" in millimetres ("210" or "215,9"),
// 0 when missing or not a number; landscape when "Orientation" is "2".
struct TRLPapel {
    double LarguraMm = 0;
    double AlturaMm = 0;
    bool Paisagem = false;
};
TRLPapel PapelDoArmazem(const TRLMacros& macrosDoArmazem);

// The sheet a page is drawn on, in millimetres as it lies under the page (landscape: wider than
// high).
struct TRLFolha {
    double LarguraMm = 0;
    double AlturaMm = 0;
    bool operator==(const TRLFolha&) const = default;
};
// The store's paper in its orientation when the page has that paper's size (to a design pixel);
// otherwise a sheet of the page's own size, landscape when the page is wider than high (or when a
// store without a paper size says landscape). So pages of another size (a receipt roll) are never stretched
// onto A4.
TRLFolha FolhaDaPagina(const TRLPapel& papelDoArmazem, int larguraPagina, int alturaPagina);

}  // namespace luvenor
