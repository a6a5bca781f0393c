#include "ClasNFe/DadosPrincipais.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "cli/Comandos.h"
#include "util/UString.h"

#include <cstdio>

namespace luvenor::cli {
namespace {

constexpr const char* ajudaInfo =
    R"(usage: luvenor-cli info [--sem-credito] [--evento EVENT.xml]... [--verbose] FILE.xml

Reads an NF-e distribution file (nfeProc) and prints the key data the main window
shows: number, issue date, access key, protocol, and issuer and recipient with
their masked tax numbers and names; the situation (AUTORIZADA, CANCELADA with the
cancellation's protocol and date, DENEGADA or SEM PROTOCOLO) and the registered
events, correction letters with their sequence, date, protocol and text; then
whether it is the file that was signed and authorised (signature, protocol
digest, access key) with the details: the digests, the protocol, the
certificate's holder and validity ('luvenor-cli verify' checks many files for
scripts).

Events come from inside nfeProc, from the XML files beside FILE whose names hold
its access key, and from --evento files; an event file alone gives the data of
its key and its events.

  --evento FILE   add this event file's events (may be repeated)
  --verbose       say on stderr why events were left out
  --help          show this help

Exit codes: 0 read whole; 2 not loaded (message on stderr); 3 the read stopped
early (the key data read so far are printed, the step message goes to stderr);
1 wrong usage.
)";

// Labels padded by characters, not bytes, so the accented ones line up too.
void Linha(const char* rotulo, const std::string& valor) {
    std::printf("%s %s\n", CompletarDireita(rotulo, 16).c_str(), valor.c_str());
}

}  // namespace

int ComandoInfo(int argc, char** argv) {
    ArgumentosLeitura args = LerArgumentos("info", argc, argv);
    if (args.ajuda) {
        std::fputs(ajudaInfo, stdout);
        return SaidaOk;
    }
    if (!args.erro.empty()) {
        std::fprintf(stderr, "%s\n\n%s", args.erro.c_str(), ajudaInfo);
        return SaidaUso;
    }
    TNotaFiscal nf;
    ResultadoCarga resultado;
    VerificacaoNFe verificacao;
    if (!CarregarParaCli(nf, args, resultado, &verificacao)) return SaidaNaoCarregada;

    DadosPrincipais dados = MontarDadosPrincipais(nf);
    Linha("Nº Nota:", dados.NumNota);
    Linha("Data de Emissão:", dados.DataEmissao);
    Linha("Chave NFe:", dados.ChaveNfe);
    Linha("Protocolo:", dados.Protocolo);
    Linha("Emissor:", dados.CnpjEmit + "  " + dados.NomeEmit);
    Linha("Destinatário:", dados.CnpjDest + "  " + dados.NomeDest);
    Linha("Situação:", dados.Situacao);
    for (size_t i = 0; i < dados.Eventos.size(); ++i) Linha(i == 0 ? "Eventos:" : "", dados.Eventos[i]);
    Linha("Autenticidade:", LinhaVerificacao(verificacao));
    if (verificacao.Erro.empty())
        for (const std::string& detalhe : DetalhesVerificacao(verificacao)) Linha("", detalhe);
    if (!resultado.MsgErro.empty()) {
        std::fprintf(stderr, "%s\n", resultado.MsgErro.c_str());
        return SaidaLeituraInterrompida;
    }
    return SaidaOk;
}

}  // namespace luvenor::cli
