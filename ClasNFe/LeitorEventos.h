#pragma once
// The invoice's events: read from event documents (procEventoNFe, retEvento, retEnvEvento) or from
// beside the invoice inside nfeProc, checked against the invoice, and turned into its state.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/NoXml.h"

#include <string>
#include <vector>

namespace luvenor {

// Why events or event files were left out, one line each, worded for the user.
using AvisosEventos = std::vector<std::string>;

// Whether `raiz` is the root of an event document the reader takes.
bool EhDocumentoEvento(NoXml raiz);

// Appends to `destino` every event found under `raiz`: the root of an event document, or nfeProc
// (whose procEventoNFe and retEvento children are read). Each gets `origem`. Never throws; a value
// that cannot be converted is left at zero.
void LerEventosXml(NoXml raiz, const std::string& origem, TColeEventoNF& destino);

// Why `evento` does not count for `nf`; empty when it does: registered (cStat 135, 136 or 155), for
// this key and this environment, and not already among the invoice's events.
std::string MotivoRecusaEvento(const TNotaFiscal& nf, const TEventoNF& evento);

// Adds to nf.Eventos each event of `lidos` that counts, says in `avisos` why the others do not,
// and sets the state of the invoice again (AplicarSituacao).
void AceitarEventos(TNotaFiscal& nf, const TColeEventoNF& lidos, AvisosEventos& avisos);

// Status ("C" cancelled, "D" denied) and the cancellation and correction-letter fields, from the
// protocol's status code and the registered events.
void AplicarSituacao(TNotaFiscal& nf);

// "AUTORIZADA", "CANCELADA", "DENEGADA" or "SEM PROTOCOLO".
std::string SituacaoNFe(const TNotaFiscal& nf);

// The event's registration date and time as "dd/mm/yyyy hh:mm:ss" (the date alone without a time).
std::string DataHoraRegistro(const TEventoNF& evento);

// The record of an event document read on its own: the invoice's key and what the key tells
// (state, issuer's tax number, model, series, number, emission type), the environment, and the
// document's events that count for that key. False, with `nf` untouched, when the document holds
// no event with a key.
bool LerDocumentoEvento(TNotaFiscal& nf, NoXml raiz, const std::string& origem, AvisosEventos& avisos);

}  // namespace luvenor
