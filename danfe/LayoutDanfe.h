#pragma once
// The DANFE forms as data: one row per band and one row per control or rectangle, in design
// pixels (96 per inch, relative to the band). ConstruirFormulario turns a layout into the report.
#include "report/RLControl.h"
#include "report/RLSortedBands.h"

#include <span>
#include <string_view>

namespace luvenor {

enum class TipoControleDanfe : unsigned char {
    Rotulo,          // single-line label
    Memo,            // wrapped lines
    Imagem,          // picture
    RotuloVertical,  // label turned 90 degrees, text against the bottom of its box
    InfoSistema,     // page number or page count with a fixed prefix
    Retangulo,       // framing box: 1-pixel black pen, white fill
    Linha,           // horizontal line across its box
    Barras,          // barcode bars, one module a whole number of pixels, from the box's left edge
    QrCode,          // QR code of its text, drawn as squares, centred in its box
};

// Size and behaviour flags of a row; a row without any is a fixed-size control.
enum FlagsControleDanfe : unsigned {
    flLarguraAuto = 1u << 0,   // label width follows its text
    flAlturaAuto = 1u << 1,    // memo height follows its lines
    flExpandeBanda = 1u << 2,  // the memo's growth makes the band taller
    flAlturaTotal = 1u << 3,   // rectangle spans the band's whole, possibly grown, height
    flLarguraTotal = 1u << 4,  // label spans the band's width at its top
    flCentralizada = 1u << 5,  // picture centred and scaled to fit
    flEsticada = 1u << 6,      // picture stretched to the box
    flTracoPonto = 1u << 7,    // dash-dot pen
    flNumeroPagina = 1u << 8,  // system info: the sheet number
    flUltimaPagina = 1u << 9,  // system info: the number of sheets
};

struct CaixaDanfe {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct FonteDanfe {
    int Altura = 0;  // character height in pixels; 0 for controls without text
    bool Negrito = false;
};

struct ControleDanfe {
    const char* Nome;  // empty for rectangles and lines: the builder numbers them
    TipoControleDanfe Tipo;
    const char* Banda;
    CaixaDanfe Caixa;
    FonteDanfe Fonte;
    TRLTextAlignment Alinhamento;
    unsigned Flags;
    const char* Legenda;  // the fixed caption written by the filling pass; empty for data
};

enum class TipoBandaDanfe : unsigned char { Cabecalho, Detalhe, CabecalhoColuna, Resumo, SubDetalhe };

struct BandaDanfe {
    const char* Nome;
    TipoBandaDanfe Tipo;
    const char* Pai;  // "RLReport1" or the sub-detail that holds the band
    int Altura;
    bool AlignToBottom;
    bool IntegralHeight;
};

struct LayoutDanfe {
    const char* Nome;  // the form's name
    bool Paisagem;
    int LarguraPagina;  // design pixels of the oriented A4 page
    int AlturaPagina;
    double MargemMm;
    std::span<const BandaDanfe> Bandas;  // in design order, top to bottom
    std::span<const ControleDanfe> Controles;
};

// Layout of TFrtDanfe1 (A4 portrait) and TFrtDanfe2 (A4 landscape).
const LayoutDanfe& LayoutRetrato();
const LayoutDanfe& LayoutPaisagem();
// Layout of TFrtDacce, the correction letter (A4 portrait).
const LayoutDanfe& LayoutDacce();

// The national NF-e portal, as the consultation text and the access-key caption name it.
inline constexpr std::string_view EnderecoPortalNfe = "www.nfe.fazenda.gov.br/portal";
inline constexpr std::string_view HostPortalNfe = "WWW.NFE.FAZENDA.GOV.BR";

}  // namespace luvenor
