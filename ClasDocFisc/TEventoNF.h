#pragma once
// An event registered against the invoice (cancellation, correction letter, manifestation...) and
// the list of them. Only events the tax authority registered for this invoice's key and
// environment enter the list; the reader leaves the rest out.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

// The properties of TEventoNF, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TEventoNF(CAMPO, CALCULADO, COLECAO)             \
    /* Where it was read: "nfeProc" or the event file's name. */        \
    CAMPO(Texto, Origem)                                                \
    CAMPO(Texto, TpEvento)                                              \
    CAMPO(Texto, DescEvento)                                            \
    CAMPO(Inteiro, SeqEvento)                                           \
    CAMPO(Texto, ChaveNfe)                                              \
    CAMPO(Texto, tpAmb)                                                 \
    CAMPO(Texto, COrgao)                                                \
    CAMPO(Texto, CnpjAutor)                                             \
    CAMPO(Data, DtEvento)                                               \
    CAMPO(Texto, HrEvento)                                              \
    /* The registration: status, its reason, protocol and time. */      \
    CAMPO(Texto, CStat)                                                 \
    CAMPO(Texto, XMotivo)                                               \
    CAMPO(Texto, Protocolo)                                             \
    CAMPO(Data, DtRegistro)                                             \
    CAMPO(Texto, HrRegistro)                                            \
    /* The event's own texts: correction, conditions of use, reason. */ \
    CAMPO(Texto, Correcao)                                              \
    CAMPO(Texto, CondUso)                                               \
    CAMPO(Texto, Justificativa)

// Event codes the viewer acts on.
inline constexpr std::string_view EventoCartaCorrecao = "110110";
inline constexpr std::string_view EventoCancelamento = "110111";
inline constexpr std::string_view EventoCancelamentoSubstituicao = "110112";

class TEventoNF : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TEventoNF"; }
    // Copies all properties from another TEventoNF; any other source is ignored.
    void Assign(const TItemColecao& fonte) override;

    bool Cancelamento() const {
        return TpEvento == EventoCancelamento || TpEvento == EventoCancelamentoSubstituicao;
    }
    bool CartaCorrecao() const { return TpEvento == EventoCartaCorrecao; }

    LUVENOR_DECLARAR_CAMPOS(TEventoNF)
};

template <>
std::span<const TCampo<TEventoNF>> TabelaCampos<TEventoNF>();

class TColeEventoNF : public TColecaoDe<TEventoNF> {
public:
    using TColecaoDe::TColecaoDe;
};

}  // namespace luvenor
