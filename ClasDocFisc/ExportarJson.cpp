#include "ClasDocFisc/ExportarJson.h"

#include "ClasDocFisc/CamposJson.h"

namespace luvenor {

std::string ExportarJson(const TNotaFiscal& nota) {
    TEscritorJson json;
    EscreverNotaFiscal(json, nota);
    return json.Extrair();
}

void EscreverNotaFiscal(TEscritorJson& json, const TNotaFiscal& nota) {
    EscreverRegistro(json, nota);
}

}  // namespace luvenor
