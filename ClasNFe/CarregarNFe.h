#pragma once
// Loading an NF-e distribution file into a reader's record, shared by the main window and the
// command-line tool: the path checks, the parse, the nfeProc lookup and the read, each failure
// with the message the user sees.
#include "ClasNFe/LeitorEventos.h"
#include "ClasNFe/NoXml.h"
#include "ClasNFe/TXmlNFe.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

struct VerificacaoNFe;

struct ResultadoCarga {
    // Why the file could not be loaded; the record was not touched. Empty when the reader ran.
    std::string ErroCarga;
    // The reader's step message when it stopped early; empty after a full read.
    std::string MsgErro;
    // The file was an event document: the record holds its key's data and its events.
    bool DocumentoEvento = false;
    // Why events or event files were left out.
    AvisosEventos Avisos;

    bool Carregado() const { return ErroCarga.empty(); }
};

// Loads the file at `caminho` and reads it with `leitor` (whose NotaFiscal must be set), with the
// events inside nfeProc and those of the event files beside it (ProcurarArquivosEvento). An event
// document loads as its own record (LerDocumentoEvento). With
// `verificacao`, the document is also checked into it (signature, protocol, key) before it is freed;
// it is left untouched when the file could not be loaded.
ResultadoCarga CarregarArquivoNFe(TXmlNFe& leitor, const std::string& caminho,
                                  bool incluirMsgVisualizador = true, VerificacaoNFe* verificacao = nullptr);

// The event files of the invoice at `caminho` whose key is `chave`, in the order they are added.
using ProcurarEventos =
    std::function<std::vector<std::string>(const std::string& caminho, const std::string& chave)>;

// CarregarArquivoNFe with the event files found by `procurar` instead of by listing the folder: a
// caller reading a whole folder has its names listed once already.
ResultadoCarga CarregarArquivoNFe(TXmlNFe& leitor, const std::string& caminho,
                                  const ProcurarEventos& procurar, bool incluirMsgVisualizador = true);

// The same for an XML text already in memory; `caminho` only names it in the messages.
ResultadoCarga CarregarTextoNFe(TXmlNFe& leitor, std::string_view dados, const std::string& caminho,
                                bool incluirMsgVisualizador = true, VerificacaoNFe* verificacao = nullptr);

// Reads and parses the file at `caminho` with the same checks, for a caller that only looks at the
// document; empty when it could not be loaded, with the message the user sees in `erro`.
DocumentoXml AbrirDocumentoXml(const std::string& caminho, std::string& erro);

}  // namespace luvenor
