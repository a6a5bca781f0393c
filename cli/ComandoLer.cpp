#include "ClasDocFisc/ExportarJson.h"
#include "ClasNFe/ArquivosEvento.h"
#include "cli/Comandos.h"

#include <cstdio>
#include <cstring>

namespace luvenor::cli {
namespace {

constexpr const char* ajudaLer =
    R"(usage: luvenor-cli read [--sem-credito] [--evento EVENT.xml]... [--verbose] FILE.xml

Reads an NF-e distribution file (nfeProc) as the viewer does and prints one JSON
object on stdout: {"MsgErro": "...", "NotaFiscal": {...}}, the complete record,
with Status ("C" cancelled, "D" denied) and the registered events (Eventos): those
inside nfeProc, those of the XML files beside FILE whose names hold its access key,
and those given with --evento. An event file alone gives the record of its key.

  --sem-credito   do not put the viewer's credit line in front of Observacao
  --evento FILE   add this event file's events (may be repeated)
  --verbose       say on stderr why events were left out
  --help          show this help

Exit codes:
  0  the whole invoice was read (MsgErro is empty)
  2  the file could not be loaded (missing, not XML, no nfeProc, refused);
     the message the main window would show goes to stderr, nothing to stdout
  3  the read stopped early: MsgErro names the step; the JSON is still printed
  1  wrong usage
Warnings about values that are not numbers go to stderr.
)";

}  // namespace

ArgumentosLeitura LerArgumentos(const char* comando, int argc, char** argv) {
    ArgumentosLeitura args;
    for (int i = 0; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            args.ajuda = true;
        } else if (std::strcmp(arg, "--sem-credito") == 0) {
            args.semCredito = true;
        } else if (std::strcmp(arg, "--verbose") == 0) {
            args.verbose = true;
        } else if (std::strcmp(arg, "--evento") == 0) {
            if (i + 1 < argc)
                args.eventos.emplace_back(argv[++i]);
            else
                args.erro = std::string("luvenor-cli ") + comando + ": --evento needs a file";
        } else if (arg[0] == '-' && arg[1] != '\0') {
            args.erro = std::string("luvenor-cli ") + comando + ": unknown option '" + arg + "'";
        } else if (!args.temArquivo) {
            args.arquivo = arg;
            args.temArquivo = true;
        } else {
            args.erro = std::string("luvenor-cli ") + comando + ": only one file is read at a time";
        }
    }
    if (!args.ajuda && args.erro.empty() && !args.temArquivo)
        args.erro = std::string("luvenor-cli ") + comando + ": no file given";
    return args;
}

bool CarregarParaCli(TNotaFiscal& nf, const ArgumentosLeitura& args, ResultadoCarga& resultado,
                     VerificacaoNFe* verificacao) {
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    resultado = CarregarArquivoNFe(leitor, args.arquivo, !args.semCredito, verificacao);
    if (!resultado.Carregado()) {
        std::fprintf(stderr, "%s\n", resultado.ErroCarga.c_str());
        return false;
    }
    AdicionarEventosCli(nf, args.eventos, args.verbose, resultado);
    return true;
}

void AdicionarEventosCli(TNotaFiscal& nf, const std::vector<std::string>& eventos, bool verbose,
                         ResultadoCarga& resultado) {
    for (const std::string& arquivo : eventos) AdicionarArquivoEvento(nf, arquivo, resultado.Avisos);
    if (verbose)
        for (const std::string& aviso : resultado.Avisos) std::fprintf(stderr, "%s\n", aviso.c_str());
}

int ComandoLer(int argc, char** argv) {
    ArgumentosLeitura args = LerArgumentos("read", argc, argv);
    if (args.ajuda) {
        std::fputs(ajudaLer, stdout);
        return SaidaOk;
    }
    if (!args.erro.empty()) {
        std::fprintf(stderr, "%s\n\n%s", args.erro.c_str(), ajudaLer);
        return SaidaUso;
    }
    TNotaFiscal nf;
    ResultadoCarga resultado;
    if (!CarregarParaCli(nf, args, resultado)) return SaidaNaoCarregada;

    TEscritorJson json;
    json.IniciarObjeto();
    json.Chave("MsgErro");
    json.Texto(resultado.MsgErro);
    json.Chave("NotaFiscal");
    EscreverNotaFiscal(json, nf);
    json.FecharObjeto();
    std::printf("%s\n", json.Resultado().c_str());
    return resultado.MsgErro.empty() ? SaidaOk : SaidaLeituraInterrompida;
}

}  // namespace luvenor::cli
