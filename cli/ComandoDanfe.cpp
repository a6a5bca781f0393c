// luvenor-cli danfe: loads NF-e files as the viewer does and writes their DANFE, in the layout the
// invoice's tpImp asks for, as PDF, as one PNG per page or as a prepared-page file (.rpf).
#include "cli/ComandoDanfe.h"
#include "cli/AplicacaoCli.h"
#include "cli/PreparoDanfe.h"
#include "cli/CodigosSaida.h"
#include "cli/OpcoesComandoDanfe.h"

#include "danfe/TFrtDanfe.h"
#include "report/RLExport.h"
#include "report/RLFonts.h"
#include "report/RLPageFile.h"

#include <QImage>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace luvenor::cli {
namespace {

constexpr const char* ajudaDanfe = R"(usage: luvenor-cli danfe FILE.xml -o OUT.pdf|OUT.png|OUT.rpf [options]
       luvenor-cli danfe FILE.xml... -o ALL.pdf [options]
       luvenor-cli danfe FILE.xml... --outdir DIR [--formato pdf|png|rpf] [-j N] [options]

Reads each NF-e distribution file as the viewer does and writes its DANFE, portrait or
landscape as the invoice's tpImp asks; a consumer invoice (NFC-e, model 65) gets its
DANFE NFC-e on an 80 mm roll, as one page as long as its content; an event file
(procEventoNFe, retEvento, retEnvEvento) gives the DACCe of its correction letter instead.
The extension of OUT chooses the format: a PDF
with every page, one PNG per page (OUT-1.png, OUT-2.png, ...) or the prepared-page file
that the preview saves (.rpf). Several inputs with -o ALL.pdf give one PDF holding every
DANFE in the order given, each on its own sheets (portrait, landscape and rolls may mix), with
a bookmark per document ("NF-e 123 - RECIPIENT"); a file that cannot be used is reported and
left out. With --outdir every input gives DIR/NAME.EXT, NAME being the input's name without its
extension; inputs of the same name get NAME-2, NAME-3, ... in the order given.

  -o OUT          the output of one input file, or the PDF of them all
  --outdir DIR    convert every input file into DIR (created when missing)
  --formato F     the format with --outdir: pdf (default), png or rpf
  -j N            with --outdir, convert in N threads at once (default: one per core);
                  each output appears when complete, and a progress bar shows on a terminal
  --logo IMAGE    print this JPEG or PNG picture in the issuer box instead of the
                  built-in logo
  --sem-credito   leave the viewer's credit line out of the additional information
  --parcial       also write the DANFE of a file whose read stopped early
  --bobina 80|58  the roll's width of an NFC-e's DANFE, in mm (default 80)
  --a4            print an NFC-e's DANFE on A4 sheets instead of a roll
  --exigir-assinatura
                  write no DANFE for a file that is not the signed and authorised one
                  (as luvenor-cli verify checks it: signature, protocol, access key)
  --evento FILE   add this event file's events to the invoice (may be repeated);
                  events inside nfeProc and the XML files beside the invoice whose
                  names hold its access key are always read
  --dpi N         resolution of PNG pages, 10 to 600 (default 150)
  --verbose       progress, timing and the events left out (and why) on stderr
  --help          show this help

Exit codes (the highest of all files):
  0  every DANFE was written
  1  wrong usage, or the logo picture could not be read
  2  a file could not be loaded (its message goes to stderr)
  3  a read stopped early: its message goes to stderr and, without --parcial,
     nothing is written for that file
  4  a DANFE could not be prepared or written
  5  with --exigir-assinatura, a file did not verify: nothing is written for it
)";

using Opcoes = OpcoesComandoDanfe;

std::string Minusculas(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool FormatoDaExtensao(const std::string& extensao, Formato& formato) {
    const std::string e = Minusculas(extensao);
    if (e == ".pdf" || e == "pdf")
        formato = Formato::Pdf;
    else if (e == ".png" || e == "png")
        formato = Formato::Png;
    else if (e == ".rpf" || e == "rpf")
        formato = Formato::Rpf;
    else
        return false;
    return true;
}

const char* Extensao(Formato f) {
    return f == Formato::Pdf ? ".pdf" : f == Formato::Png ? ".png" : ".rpf";
}

// Returns a usage error, or empty.
std::string LerValor(int argc, char** argv, int& i, std::string& valor) {
    if (i + 1 >= argc) return std::string(argv[i]) + " needs a value";
    valor = argv[++i];
    return {};
}

// The whole number from `de` to `ate` that follows argv[i] into `destino`; returns a usage error, or empty.
std::string LerInteiro(int argc, char** argv, int& i, long de, long ate, int& destino) {
    const std::string opcao = argv[i];
    std::string texto;
    if (std::string erro = LerValor(argc, argv, i, texto); !erro.empty()) return erro;
    char* fim = nullptr;
    const long n = std::strtol(texto.c_str(), &fim, 10);
    if (!fim || *fim != '\0' || n < de || n > ate)
        return opcao + " must be a whole number from " + std::to_string(de) + " to " + std::to_string(ate) +
               ", not '" + texto + "'";
    destino = static_cast<int>(n);
    return {};
}

std::string LerOpcoes(int argc, char** argv, Opcoes& o) {
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string erro;
        if (LerOpcaoDanfe(argc, argv, i, o, erro)) {
            // the options that shape the DANFE, read as the pages command reads them
        } else if (arg == "--help" || arg == "-h")
            o.ajuda = true;
        else if (arg == "-o")
            erro = LerValor(argc, argv, i, o.saida);
        else if (arg == "--outdir")
            erro = LerValor(argc, argv, i, o.pasta);
        else if (arg == "--formato")
            erro = LerValor(argc, argv, i, o.formatoPasta);
        else if (arg == "--dpi")
            erro = LerInteiro(argc, argv, i, 10, 600, o.dpi);
        else if (arg == "-j")
            erro = LerInteiro(argc, argv, i, 1, 256, o.trabalhadores);
        else if (arg.size() > 1 && arg[0] == '-')
            erro = "unknown option '" + arg + "'";
        else
            o.entradas.push_back(arg);
        if (!erro.empty()) return erro;
    }
    return {};
}

std::string ValidarOpcoes(const Opcoes& o) {
    Formato f;
    if (o.entradas.empty()) return "no input file given";
    if (!o.saida.empty() && !o.pasta.empty()) return "give either -o or --outdir, not both";
    if (o.pasta.empty() && o.entradas.size() > 1 && !o.saida.empty() &&
        FormatoDaExtensao(std::filesystem::path(o.saida).extension().string(), f) && f != Formato::Pdf)
        return "several input files go into one PDF (-o ALL.pdf) or into a folder (--outdir DIR)";
    if (o.pasta.empty() && o.trabalhadores > 0) return "-j goes with --outdir DIR";
    if (o.pasta.empty() && o.saida.empty())
        return "no output given (-o OUT.pdf, OUT.png or OUT.rpf, or --outdir DIR)";
    if (!o.saida.empty() && !FormatoDaExtensao(std::filesystem::path(o.saida).extension().string(), f))
        return "the output must end in .pdf, .png or .rpf";
    if (!FormatoDaExtensao(o.formatoPasta, f)) return "--formato must be pdf, png or rpf";
    return {};
}

using Relogio = std::chrono::steady_clock;

double Milissegundos(Relogio::time_point desde) {
    return std::chrono::duration<double, std::milli>(Relogio::now() - desde).count();
}

// Writes the prepared pages; returns an error text or empty.
std::string Exportar(const TRLGraphicStorage& paginas, const std::string& saida, Formato formato,
                     const Opcoes& o) {
    const std::vector<std::string> entradas = EntradasDoComando(o);
    try {
        if (formato == Formato::Pdf)
            ExportarPdf(paginas, saida, ProgressoNulo(), entradas);
        else if (formato == Formato::Png)
            ExportarPng(paginas, saida, o.dpi, ProgressoNulo(), entradas);
        else
            SalvarArquivoPaginas(paginas, saida, entradas);
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

struct Trabalho {
    std::string entrada;
    std::string saida;
    Formato formato;
};

// Loads, prepares and writes one invoice; returns the exit code of this file.
int ConverterArquivo(const Trabalho& t, const Opcoes& o, const QImage& logo) {
    const auto inicio = Relogio::now();
    const EntradaDanfe entrada{t.entrada, o.entradas.size() > 1, o.verbose};
    return PrepararDanfe(
        "danfe", entrada, o, logo, [&](const char* disposicao, const TRLGraphicStorage& paginas) {
            const std::string erro = Exportar(paginas, t.saida, t.formato, o);
            if (!erro.empty()) {
                std::fprintf(stderr, "luvenor-cli danfe: %s: %s\n", t.saida.c_str(), erro.c_str());
                return false;
            }
            if (o.verbose)
                std::fprintf(stderr, "%s -> %s: %s, %d page(s), %.1f ms\n", t.entrada.c_str(),
                             t.saida.c_str(), disposicao, paginas.Count(), Milissegundos(inicio));
            return true;
        });
}

std::vector<Trabalho> MontarTrabalhos(const Opcoes& o) {
    std::vector<Trabalho> trabalhos;
    if (o.pasta.empty()) {
        Formato f = Formato::Pdf;
        FormatoDaExtensao(std::filesystem::path(o.saida).extension().string(), f);
        trabalhos.push_back({o.entradas.front(), o.saida, f});
        return trabalhos;
    }
    Formato f = Formato::Pdf;
    FormatoDaExtensao(o.formatoPasta, f);
    // Decided before any file is written: the first input of a name keeps it, the next ones get
    // NAME-2, NAME-3, ... skipping the names other inputs have as their own.
    std::set<std::string> proprios;
    for (const std::string& entrada : o.entradas)
        proprios.insert(std::filesystem::path(entrada).stem().string());
    std::set<std::string> dados;
    for (const std::string& entrada : o.entradas) {
        const std::string base = std::filesystem::path(entrada).stem().string();
        std::string nome = base;
        for (int n = 2; dados.count(nome) || (nome != base && proprios.count(nome)); ++n)
            nome = base + "-" + std::to_string(n);
        dados.insert(nome);
        trabalhos.push_back({entrada, (std::filesystem::path(o.pasta) / nome).string() + Extensao(f), f});
    }
    return trabalhos;
}

// "\r[#####     ] 12/100" on a terminal's stderr; the cursor stays at the line's start, and the line
// is cleared before each redraw and at the end.
class BarraDeProgresso {
public:
    explicit BarraDeProgresso(size_t total) : total_(total), ligada_(::isatty(STDERR_FILENO) == 1) {}
    ~BarraDeProgresso() {
        if (ligada_) std::fputs("\r\033[K", stderr);
    }
    void Avancar() {
        const size_t feitos = ++feitos_;
        if (!ligada_) return;
        const std::lock_guard<std::mutex> trava(guarda_);
        const size_t cheios = total_ ? feitos * 30 / total_ : 30;
        std::fprintf(stderr, "\r\033[K[%s%s] %zu/%zu\r", std::string(cheios, '#').c_str(),
                     std::string(30 - cheios, ' ').c_str(), feitos, total_);
    }

private:
    size_t total_;
    bool ligada_;
    std::atomic<size_t> feitos_{0};
    std::mutex guarda_;
};

// Every worker takes the next input until none is left; the highest exit code of them all.
int ConverterEmParalelo(const std::vector<Trabalho>& trabalhos, const Opcoes& o, const QImage& logo) {
    const unsigned nucleos = std::max(1u, std::thread::hardware_concurrency());
    const size_t quantos =
        std::min(trabalhos.size(), static_cast<size_t>(o.trabalhadores > 0 ? o.trabalhadores : nucleos));
    BarraDeProgresso barra(trabalhos.size());
    std::atomic<size_t> proximo{0};
    std::atomic<int> pior{SaidaOk};
    const auto trabalhar = [&] {
        for (size_t i; (i = proximo++) < trabalhos.size();) {
            const int codigo = ConverterArquivo(trabalhos[i], o, logo);
            for (int atual = pior; codigo > atual && !pior.compare_exchange_weak(atual, codigo);) {
            }
            barra.Avancar();
        }
    };
    std::vector<std::thread> trabalhadores;
    for (size_t t = 1; t < quantos; ++t) trabalhadores.emplace_back(trabalhar);
    trabalhar();  // the main thread is one of the workers
    for (std::thread& t : trabalhadores) t.join();
    return pior;
}

}  // namespace

int ComandoDanfe(int argc, char** argv) {
    Opcoes o;
    std::string erro = LerOpcoes(argc, argv, o);
    if (o.ajuda) {
        std::fputs(ajudaDanfe, stdout);
        return SaidaOk;
    }
    if (erro.empty()) erro = ValidarOpcoes(o);
    if (!erro.empty()) {
        std::fprintf(stderr, "luvenor-cli danfe: %s\n\n%s", erro.c_str(), ajudaDanfe);
        return SaidaUso;
    }
    UsarSoAsFontesDoDanfe();  // a DANFE is drawn in its own font only
    IniciarQt("danfe", o.verbose);
    QImage logo;
    if (!CarregarLogo("danfe", o, logo)) return SaidaUso;
    if (!o.pasta.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(o.pasta, ec);
        if (ec) {
            std::fprintf(stderr, "luvenor-cli danfe: %s: %s\n", o.pasta.c_str(), ec.message().c_str());
            return SaidaNaoGravada;
        }
    }
    if (o.pasta.empty() && o.entradas.size() > 1) return UnirDanfes(o, logo);
    const auto inicio = Relogio::now();
    int pior = SaidaOk;
    const std::vector<Trabalho> trabalhos = MontarTrabalhos(o);
    if (o.pasta.empty())
        pior = ConverterArquivo(trabalhos.front(), o, logo);
    else
        pior = ConverterEmParalelo(trabalhos, o, logo);
    if (o.verbose) std::fprintf(stderr, "%zu file(s) in %.1f ms\n", trabalhos.size(), Milissegundos(inicio));
    return pior;
}

}  // namespace luvenor::cli
