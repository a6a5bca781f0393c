#pragma once
// The NF-e reader: turns the nfeProc element of a distribution file into the fiscal document
// model, in one pass and a fixed order, stopping at the first missing mandatory element.
#include "ClasNFe/NoXml.h"

#include <string>

namespace luvenor {

class TNotaFiscal;

// The line the viewer puts in front of the invoice's free text when asked to.
inline constexpr const char* LinhaCreditoVisualizador = "DANFE gerado pelo visualizador de NF-e Luvenor";

class TXmlNFe {
public:
    // The record to fill; created, kept and freed by whoever creates the reader.
    TNotaFiscal* NotaFiscal = nullptr;

    // Clears NotaFiscal and fills it from `no` (the nfeProc element). Never throws: MsgErro is
    // empty when the whole invoice was read, otherwise the message of the step that failed, with
    // everything read before that step kept.
    void LerXmlNfe(NoXml no, bool IncluirMsgVisualizador, std::string& MsgErro);
};

}  // namespace luvenor
