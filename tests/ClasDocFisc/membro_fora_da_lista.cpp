// Compiled by CTest twice, never linked: as it is it compiles; with LUVENOR_MEMBRO_ESQUECIDO, a
// data member declared beside the field list instead of in it, the build must stop.
#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

#define LUVENOR_CAMPOS_TRegistroTeste(CAMPO, CALCULADO, COLECAO) \
    CAMPO(Texto, Nome)                                           \
    CAMPO(Logico, Ativo)                                         \
    CAMPO(Real, Valor)

class TRegistroTeste : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TRegistroTeste"; }

    LUVENOR_DECLARAR_CAMPOS(TRegistroTeste)
#ifdef LUVENOR_MEMBRO_ESQUECIDO
    int32_t Esquecido = 0;
#endif
};

LUVENOR_DEFINIR_TABELA(TRegistroTeste, TItemColecao)

}  // namespace luvenor
