// luvenor-cli pages: prints the prepared pages of an NF-e file's DANFE, or of a saved page file,
// one line per drawing object, so that two of them can be compared with diff.
#include "cli/ComandoPaginas.h"
#include "cli/AplicacaoCli.h"
#include "cli/PreparoDanfe.h"

#include "report/RLPageDump.h"
#include "report/RLPageFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace luvenor::cli {
namespace {

constexpr const char* ajudaPaginas =
    R"(usage: luvenor-cli pages FILE.xml [--logo IMAGE] [--sem-credito] [--parcial]
                         [--exigir-assinatura] [--evento EVENT.xml]... [--verbose]
                         [--bobina 80|58 | --a4]
       luvenor-cli pages FILE.rpf

Prints every prepared page as text on stdout: a line with the store's macros, then for
each sheet a line "--- sheet N of M ---", the page's size and macros, and one line per
drawing object in drawing order (kind, box, then font, colours, alignment, flags and the
text as printed, or a picture's size and hash). An NF-e distribution file gives the pages
of its DANFE, portrait or landscape as its tpImp asks (a consumer invoice's on a roll),
made as the danfe command makes them (an event file gives its DACCe); a FILE.rpf gives the
pages saved in it. Compare two outputs with diff.

  --logo IMAGE    print this JPEG or PNG picture in the issuer box instead of the
                  built-in logo
  --sem-credito   leave the viewer's credit line out of the additional information
  --parcial       also print the pages of a file whose read stopped early
  --exigir-assinatura
                  print nothing for a file that is not the signed and authorised one
  --evento FILE   add this event file's events to the invoice (may be repeated)
  --verbose       say on stderr why events were left out
  --bobina 80|58  the roll's width of an NFC-e's DANFE, in mm (default 80)
  --a4            an NFC-e's DANFE on A4 sheets instead of a roll
  --help          show this help

Exit codes:
  0  the pages were printed
  1  wrong usage, or the logo picture could not be read
  2  the file could not be loaded, or the page file is damaged (the message goes to
     stderr)
  3  the read stopped early: its message goes to stderr and, without --parcial,
     nothing is printed
  4  the DANFE could not be prepared, or stdout could not be written
  5  with --exigir-assinatura, the file did not verify: nothing is printed
)";

bool PaginasSalvas(const std::string& arquivo) {
    std::string extensao = std::filesystem::path(arquivo).extension().string();
    for (char& c : extensao)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extensao == ".rpf";
}

struct Argumentos : OpcoesDanfe {
    std::string arquivo;
    bool ajuda = false;
};

// Returns a usage error, or empty.
std::string LerArgumentosPaginas(int argc, char** argv, Argumentos& a) {
    bool opcaoDanfe = false;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string erro;
        if (LerOpcaoDanfe(argc, argv, i, a, erro)) {
            if (!erro.empty()) return erro;
            opcaoDanfe = true;
        } else if (arg == "--help" || arg == "-h") {
            a.ajuda = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (a.arquivo.empty()) {
            a.arquivo = arg;
        } else {
            return "only one file is printed at a time";
        }
    }
    if (a.ajuda) return {};
    if (a.arquivo.empty()) return "no input file given";
    if (opcaoDanfe && PaginasSalvas(a.arquivo))
        return "--logo, --sem-credito, --parcial, --exigir-assinatura, --bobina and --a4 shape a DANFE; a "
               "page file's pages "
               "are printed as saved";
    return {};
}

// Writes the pages to stdout part by part; false (with the message on stderr) when stdout refuses
// them.
bool Escrever(const TRLGraphicStorage& paginas) {
    const bool escritas = DescreverPaginas(paginas, [](std::string_view parte) {
        return std::fwrite(parte.data(), 1, parte.size(), stdout) == parte.size();
    });
    if (std::fflush(stdout) == 0 && escritas) return true;
    std::fprintf(stderr, "luvenor-cli pages: the pages could not be written to stdout\n");
    return false;
}

int ImprimirArquivoPaginas(const std::string& arquivo) {
    TRLGraphicStorage paginas;
    try {
        CarregarArquivoPaginas(arquivo, paginas);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "luvenor-cli pages: %s: %s\n", arquivo.c_str(), e.what());
        return SaidaNaoCarregada;
    }
    return Escrever(paginas) ? SaidaOk : SaidaNaoGravada;
}

}  // namespace

int ComandoPaginas(int argc, char** argv) {
    Argumentos a;
    const std::string erro = LerArgumentosPaginas(argc, argv, a);
    if (a.ajuda) {
        std::fputs(ajudaPaginas, stdout);
        return SaidaOk;
    }
    if (!erro.empty()) {
        std::fprintf(stderr, "luvenor-cli pages: %s\n\n%s", erro.c_str(), ajudaPaginas);
        return SaidaUso;
    }
    IniciarQt("pages", false);
    if (PaginasSalvas(a.arquivo)) return ImprimirArquivoPaginas(a.arquivo);
    QImage logo;
    if (!CarregarLogo("pages", a, logo)) return SaidaUso;
    return PrepararDanfe("pages", {a.arquivo}, a, logo,
                         [](const char*, const TRLGraphicStorage& paginas) { return Escrever(paginas); });
}

}  // namespace luvenor::cli
