#pragma once
// What luvenor-cli danfe was asked, shared by the one-file path and the batch paths (one merged
// PDF, a folder of outputs made by worker threads).
#include "cli/PreparoDanfe.h"

#include <string>
#include <vector>

namespace luvenor::cli {

enum class Formato { Pdf, Png, Rpf };

struct OpcoesComandoDanfe : OpcoesDanfe {
    std::vector<std::string> entradas;
    std::string saida;
    std::string pasta;
    std::string formatoPasta = "pdf";
    bool ajuda = false;
    int dpi = 150;
    int trabalhadores = 0;  // -j: worker threads with --outdir; 0 is one per core
};

// Every file the command reads: no output may replace one of them.
std::vector<std::string> EntradasDoComando(const OpcoesComandoDanfe& o);

// One PDF holding the DANFE of every input in order, a bookmark each; the highest exit code of
// the inputs (a file that cannot be used is reported and left out).
int UnirDanfes(const OpcoesComandoDanfe& o, const QImage& logo);

}  // namespace luvenor::cli
