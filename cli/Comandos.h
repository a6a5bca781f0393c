#pragma once
// The subcommands of luvenor-cli. Each takes the arguments after its own name and returns the
// process exit code.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "cli/CodigosSaida.h"

#include <string>
#include <vector>

namespace luvenor::cli {

int ComandoLer(int argc, char** argv);         // luvenor-cli read
int ComandoInfo(int argc, char** argv);        // luvenor-cli info
int ComandoRenderizar(int argc, char** argv);  // luvenor-cli render
int ComandoVerificar(int argc, char** argv);   // luvenor-cli verify
int ComandoListar(int argc, char** argv);      // luvenor-cli list

// Shared by read and info: their arguments and the load of the file.
struct ArgumentosLeitura {
    std::string arquivo;
    bool temArquivo = false;
    bool semCredito = false;
    bool ajuda = false;
    bool verbose = false;              // why events were left out, on stderr
    std::vector<std::string> eventos;  // --evento files added to the invoice
    std::string erro;                  // a usage error, already worded for stderr
};

ArgumentosLeitura LerArgumentos(const char* comando, int argc, char** argv);

// Loads the file into `nf` with its events and the --evento files, and checks it into `verificacao`
// when given. On a load failure it prints the main window's message on stderr and returns false.
bool CarregarParaCli(TNotaFiscal& nf, const ArgumentosLeitura& args, ResultadoCarga& resultado,
                     VerificacaoNFe* verificacao = nullptr);

// Adds the --evento files to a loaded invoice; with `verbose`, says on stderr why events were left
// out, these and those of the load.
void AdicionarEventosCli(TNotaFiscal& nf, const std::vector<std::string>& eventos, bool verbose,
                         ResultadoCarga& resultado);

}  // namespace luvenor::cli
