#pragma once
// The title of a document's bookmark in a PDF that holds many: what an accountant scans the list
// for, the invoice's number and who it was issued to.
#include <string>

namespace luvenor {

class TNotaFiscal;
class TEventoNF;

// "NF-e 123 - RECIPIENT" or "NFC-e 45 - RECIPIENT"; a consumer invoice without recipient reads
// "NFC-e 45 - Consumidor não identificado", an invoice without one "NF-e 123".
std::string MarcadorDoDanfe(const TNotaFiscal& nf);
// "CC-e 2 da NF-e 123 - RECIPIENT": the correction letter's sequence and its invoice; the number
// comes from the access key when the event file holds nothing else of the invoice.
std::string MarcadorDoDacce(const TNotaFiscal& nf, const TEventoNF& carta);

}  // namespace luvenor
