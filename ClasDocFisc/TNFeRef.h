#pragma once
// A document that the invoice refers to, and the list of them.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

class TNFeRef : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TNFeRef"; }
    // Copies all properties from another TNFeRef; any other source is ignored.
    void Assign(const TItemColecao& fonte) override;

    std::string TipoLcto;
    int32_t Ano = 0;
    int32_t Incremental = 0;
    std::string CnpjEmitente;
    std::string CodUFEmitente;
    std::string EstadoEmitente;
    int32_t NumLcto = 0;
    TData DtEmissao = 0;
    std::string Serie;
    std::string Modelo;
    std::string ChaveNfe;
    std::string Especie;
    std::string NfForn;
};

template <>
std::span<const TCampo<TNFeRef>> TabelaCampos<TNFeRef>();

class TColeNFeRef : public TColecaoDe<TNFeRef> {
public:
    using TColecaoDe::TColecaoDe;
};

}  // namespace luvenor
