#pragma once
// Event files of an invoice: the ones lying beside it, found by name, and the ones given by the
// user. A file that cannot be read or holds no event is reported and changes nothing.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/LeitorEventos.h"

#include <string>
#include <vector>

namespace luvenor {

// Largest event file read: real ones are a few kilobytes.
inline constexpr size_t TamanhoMaximoEvento = 1024u * 1024u;

// The XML files in the folder of `caminhoNota` whose names contain `chave` (44 digits), the
// invoice's own file aside, in name order. Only the names are listed; no file is opened. A key
// that is not 44 digits finds nothing.
std::vector<std::string> ProcurarArquivosEvento(const std::string& caminhoNota, const std::string& chave);

// Reads the event file at `caminho` and adds its events that count to `nf`; says in `avisos` why
// the file or any of its events is left out. With `somenteEventos`, a file whose root is not an
// event document is skipped without a word (an invoice's copy lying beside it).
void AdicionarArquivoEvento(TNotaFiscal& nf, const std::string& caminho, AvisosEventos& avisos,
                            bool somenteEventos = false);

}  // namespace luvenor
