#pragma once
// A document that the invoice refers to, and the list of them.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

// The properties of TNFeRef, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TNFeRef(CAMPO, CALCULADO, COLECAO) \
    CAMPO(Texto, TipoLcto)                                \
    CAMPO(Inteiro, Ano)                                   \
    CAMPO(Inteiro, Incremental)                           \
    CAMPO(Texto, CnpjEmitente)                            \
    CAMPO(Texto, CodUFEmitente)                           \
    CAMPO(Texto, EstadoEmitente)                          \
    CAMPO(Inteiro, NumLcto)                               \
    CAMPO(Data, DtEmissao)                                \
    CAMPO(Texto, Serie)                                   \
    CAMPO(Texto, Modelo)                                  \
    CAMPO(Texto, ChaveNfe)                                \
    CAMPO(Texto, Especie)                                 \
    CAMPO(Texto, NfForn)

class TNFeRef : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TNFeRef"; }
    // Copies all properties from another TNFeRef; any other source is ignored.
    void Assign(const TItemColecao& fonte) override;

    LUVENOR_DECLARAR_CAMPOS(TNFeRef)
};

template <>
std::span<const TCampo<TNFeRef>> TabelaCampos<TNFeRef>();

class TColeNFeRef : public TColecaoDe<TNFeRef> {
public:
    using TColecaoDe::TColecaoDe;
};

}  // namespace luvenor
