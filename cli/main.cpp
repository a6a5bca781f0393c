// luvenor-cli: the command-line face of Luvenor.
#include "cli/CodigosSaida.h"
#include "cli/ComandoDanfe.h"
#include "cli/ComandoPaginas.h"
#include "cli/Comandos.h"

#include "LuvenorPrograma.h"

#include <cstdio>
#include <cstring>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Reading an invoice and writing its DANFE allocate and free many large buffers (the XML tree, a
// PDF's page streams). By default glibc maps each afresh and trims the heap after it, so every page
// of them faults in again: keeping them in the heap took a seventh off a 990-item DANFE.
void ReusarMemoriaGrande() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

struct Comando {
    const char* nome;
    int (*executar)(int, char**);
    const char* resumo;
};

constexpr Comando comandos[] = {
    {"read", luvenor::cli::ComandoLer, "read an NF-e XML file and print its record as JSON"},
    {"info", luvenor::cli::ComandoInfo, "read an NF-e XML file and print its key data"},
    {"danfe", luvenor::cli::ComandoDanfe, "write the DANFE of NF-e files as PDF, PNG pages or a page file"},
    {"render", luvenor::cli::ComandoRenderizar, "render a prepared-page file (.rpf) to PDF or PNG"},
    {"pages", luvenor::cli::ComandoPaginas, "print the pages of a DANFE or of a page file as text, for diff"},
    {"verify", luvenor::cli::ComandoVerificar, "check that NF-e files are the signed and authorised ones"},
    {"list", luvenor::cli::ComandoListar,
     "list the NF-e files of a folder with their key data and situation"},
};

void MostrarAjuda(std::FILE* saida) {
    std::fprintf(saida, "usage: luvenor-cli COMMAND [ARGS...]\n       luvenor-cli --version\n\ncommands:\n");
    for (const Comando& c : comandos) std::fprintf(saida, "  %-8s %s\n", c.nome, c.resumo);
    std::fprintf(saida,
                 "\noptions:\n  --help     show this help\n  --version  print the program's version\n"
                 "\n'luvenor-cli COMMAND --help' explains each command.\n");
}

}  // namespace

int main(int argc, char** argv) {
    ReusarMemoriaGrande();
    if (argc < 2) {
        MostrarAjuda(stderr);
        return luvenor::cli::SaidaUso;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        MostrarAjuda(stdout);
        return luvenor::cli::SaidaOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("luvenor-cli %s\n", luvenor::VersaoPrograma);
        return 0;
    }
    for (const Comando& c : comandos) {
        if (std::strcmp(argv[1], c.nome) == 0) return c.executar(argc - 2, argv + 2);
    }
    std::fprintf(stderr, "luvenor-cli: unknown command '%s'\n\n", argv[1]);
    MostrarAjuda(stderr);
    return luvenor::cli::SaidaUso;
}
