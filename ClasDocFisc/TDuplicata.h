#pragma once
// One instalment of the bill and the list of instalments with its summary values.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

// The properties of TDuplicata, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TDuplicata(CAMPO, CALCULADO, COLECAO) \
    CAMPO(Texto, NumDupl)                                    \
    CAMPO(Inteiro, SeqDupl)                                  \
    CAMPO(Data, DtVencto)                                    \
    CAMPO(Real, VlrDupl)                                     \
    CAMPO(Logico, Quitada)                                   \
    CAMPO(Logico, Imposto)                                   \
    CAMPO(Real, VlrLiq)                                      \
    CAMPO(Texto, FormaPagto)                                 \
    CAMPO(Texto, CnpjCredCartao)                             \
    CAMPO(Texto, Bandeira)                                   \
    CAMPO(Texto, NumAutCartao)                               \
    CAMPO(Inteiro, IncrDupl)

class TDuplicata : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TDuplicata"; }
    // Copies all properties from another TDuplicata; any other source is ignored.
    void Assign(const TItemColecao& fonte) override;

    LUVENOR_DECLARAR_CAMPOS(TDuplicata)
};

template <>
std::span<const TCampo<TDuplicata>> TabelaCampos<TDuplicata>();

// The properties of TColeDuplicata, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TColeDuplicata(CAMPO, CALCULADO, COLECAO)      \
    CAMPO(Real, TotDuplN)                                             \
    CAMPO(Real, TotDuplD)                                             \
    /* The net total, TotDuplN - TotDuplD, computed on every read. */ \
    CALCULADO(Real, TotDuplL)                                         \
    CAMPO(Inteiro, ContaDp)                                           \
    CAMPO(Logico, Avista)                                             \
    CAMPO(Texto, IndPagto)

// Clear (also through the invoice's Limpar) removes the items only: the summary values keep
// what they hold.
class TColeDuplicata : public TColecaoDe<TDuplicata> {
public:
    using TColecaoDe::TColecaoDe;
    // The items and the summary values of `fonte`.
    void CopiarDe(const TColeDuplicata& fonte);

    LUVENOR_DECLARAR_CAMPOS(TColeDuplicata)
};

template <>
std::span<const TCampo<TColeDuplicata>> TabelaCampos<TColeDuplicata>();

}  // namespace luvenor
