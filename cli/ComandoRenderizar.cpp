// luvenor-cli render: a saved prepared-page file (.rpf) to PDF or to one PNG per page.
#include "cli/AplicacaoCli.h"
#include "cli/Comandos.h"

#include "report/RLExport.h"
#include "report/RLPageFile.h"
#include "report/RLProgress.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace luvenor::cli {
namespace {

constexpr const char* uso =
    "usage: luvenor-cli render FILE.rpf -o OUT.pdf\n"
    "       luvenor-cli render FILE.rpf -o OUT.png [--dpi N]\n"
    "\n"
    "Renders a saved prepared-page file. A PDF holds every page, each on its own paper;\n"
    "a PNG is written per page, its number in the name (OUT-1.png, OUT-2.png, ...), at N dots\n"
    "per inch (10 to 600, default 96).\n"
    "\n"
    "Exit codes: 0 done; 1 wrong usage; 2 the file could not be read (missing or damaged);\n"
    "4 the output could not be written.\n";

struct Argumentos {
    std::string entrada;
    std::string saida;
    int dpi = 96;
};

bool TerminaCom(const std::string& s, const char* fim) {
    const size_t n = std::strlen(fim);
    if (s.size() < n) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = s[s.size() - n + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != fim[i]) return false;
    }
    return true;
}

// Returns an error text, or empty when the arguments are good.
std::string LerArgumentosRender(int argc, char** argv, Argumentos& a) {
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "-o" || arg == "--dpi") && i + 1 >= argc) return arg + " needs a value";
        if (arg == "-o") {
            a.saida = argv[++i];
        } else if (arg == "--dpi") {
            char* fim = nullptr;
            const long dpi = std::strtol(argv[++i], &fim, 10);
            if (!fim || *fim != '\0' || dpi < 10 || dpi > 600)
                return std::string("--dpi must be a whole number from 10 to 600, not '") + argv[i] + "'";
            a.dpi = static_cast<int>(dpi);
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (a.entrada.empty()) {
            a.entrada = arg;
        } else {
            return "more than one input file given";
        }
    }
    if (a.entrada.empty()) return "no input file given";
    if (a.saida.empty()) return "no output given (-o OUT.pdf or -o OUT.png)";
    if (!TerminaCom(a.saida, ".pdf") && !TerminaCom(a.saida, ".png"))
        return "the output must end in .pdf or .png";
    return {};
}

// Progress on stderr, one line rewritten in place; only used when stderr is a terminal.
class ProgressoTerminal final : public TRLProgress {
public:
    void Abrir(const std::string& caption) override { caption_ = caption; }
    void DefinirPasso(const std::string& stepLine) override {
        std::fprintf(stderr, "\r%s %s (%d/%d)", caption_.c_str(), stepLine.c_str(), feitos_ + 1, maximo_);
    }
    void DefinirMaximo(int maximum) override {
        maximo_ = maximum;
        feitos_ = 0;
    }
    void Avancar() override { ++feitos_; }
    void Fechar() override { std::fprintf(stderr, "\n"); }
    bool Cancelado() const override { return false; }

private:
    std::string caption_;
    int maximo_ = 100;
    int feitos_ = 0;
};

}  // namespace

int ComandoRenderizar(int argc, char** argv) {
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(uso, stdout);
            return SaidaOk;
        }
    }
    Argumentos args;
    if (const std::string erro = LerArgumentosRender(argc, argv, args); !erro.empty()) {
        std::fprintf(stderr, "luvenor-cli render: %s\n\n%s", erro.c_str(), uso);
        return SaidaUso;
    }

    IniciarQt("render", false);

    TRLGraphicStorage paginas;
    try {
        CarregarArquivoPaginas(args.entrada, paginas);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "luvenor-cli render: %s: %s\n", args.entrada.c_str(), e.what());
        return SaidaNaoCarregada;
    }

    ProgressoTerminal terminal;
    TRLProgress& progresso = ::isatty(STDERR_FILENO) ? static_cast<TRLProgress&>(terminal) : ProgressoNulo();
    try {
        if (TerminaCom(args.saida, ".pdf"))
            ExportarPdf(paginas, args.saida, progresso, {args.entrada});
        else
            ExportarPng(paginas, args.saida, args.dpi, progresso, {args.entrada});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "luvenor-cli render: %s\n", e.what());
        return SaidaNaoGravada;
    }
    return SaidaOk;
}

}  // namespace luvenor::cli
