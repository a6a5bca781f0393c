#pragma once
// The preview's tool bar as a table: one row per item at its designed place, with its texts, its
// picture and the action it runs. A new button is a new row; captioned buttons take their keyboard
// accelerators in row order.
#include "report/RLPreviewLogic.h"
#include "report/RLTexts.h"

#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QToolButton;
class QWidget;

namespace luvenor {

enum class TRLTipoItemBarra { Botao, Separador, Rotulo, CampoPagina, TotalDePaginas, ListaZoom, Informacao };

enum class TRLIconeBarra {
    Nenhum,
    Primeira,
    Anterior,
    Proxima,
    Ultima,
    MenosZoom,
    MaisZoom,
    Divisao,
    Edicao
};

// Row options.
enum : unsigned {
    ItemDesabilitado = 1,  // shown, never enabled
    ItemRepete = 2,        // held down: one step at once, then every 100 ms after half a second
    ItemAlternavel = 4,    // stays down while its mode is on
    ItemCentrado = 8,      // a label whose text is centred in its place
};

struct TRLItemBarra {
    TRLTipoItemBarra Tipo;
    const char* Nome;  // the widget's object name; empty for separators and labels
    int X;             // pixels from the bar's left edge (the information button sits at the right end)
    int Largura = 0;
    std::optional<TextoRL> Legenda = std::nullopt;
    std::optional<TextoRL> Dica = std::nullopt;
    TRLIconeBarra Icone = TRLIconeBarra::Nenhum;
    std::optional<TRLAcaoPrevia> Acao = std::nullopt;  // what a click runs
    unsigned Opcoes = 0;
};

// The rows, in creation order.
const std::vector<TRLItemBarra>& ItensDaBarra();

// The tool bar's height in pixels.
constexpr int AlturaDaBarra = 23;

// What the window wires after the bar is built.
struct TRLBarraPrevia {
    QLineEdit* CampoPagina = nullptr;
    QLabel* Total = nullptr;
    QComboBox* Zoom = nullptr;
    std::vector<std::pair<QToolButton*, TRLAcaoPrevia>> Botoes;
};

// Builds every row onto `barra`; `filtro` sees the keys of the buttons and text fields first.
TRLBarraPrevia CriarBarraPrevia(QWidget* barra, QObject* filtro);

}  // namespace luvenor
