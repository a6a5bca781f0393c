#pragma once
// The complete record as JSON, as `luvenor-cli read` prints it.
#include <string>

#include "ClasDocFisc/EscritorJson.h"
#include "ClasDocFisc/TNotaFiscal.h"

namespace luvenor {

// The record as one compact JSON object.
std::string ExportarJson(const TNotaFiscal& nota);

// Writes the record as the next value of `json` (e.g. after json.Chave("NotaFiscal")).
void EscreverNotaFiscal(TEscritorJson& json, const TNotaFiscal& nota);

}  // namespace luvenor
