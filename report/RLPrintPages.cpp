#include "report/RLPrintPages.h"

#include "report/RLBand.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace luvenor {
namespace {

std::string_view SemBrancos(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool LerInteiro(std::string_view s, int& v) {
    s = SemBrancos(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const auto [fim, erro] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && erro == std::errc() && fim == s.data() + s.size();
}

int ParteDaSelecao(std::string_view s) {
    int v = 0;
    return LerInteiro(s, v) ? v : -1;
}

int Mapear(int v, int dpi, int deslocamento) {
    return static_cast<int>(std::lround(static_cast<double>(v) * dpi / 96.0)) - deslocamento;
}

double LerMilimetros(std::string s) {
    std::replace(s.begin(), s.end(), ',', '.');
    const std::string_view t = SemBrancos(s);
    double v = 0;
    const auto [fim, erro] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
    if (t.empty() || erro != std::errc() || fim != t.data() + t.size() || !std::isfinite(v) || v <= 0)
        return 0;
    return v;
}

}  // namespace

std::vector<TRLFaixaPaginas> LerSelecaoPaginas(std::string_view texto) {
    std::vector<TRLFaixaPaginas> r;
    while (true) {
        const size_t fim = texto.find(';');
        const std::string_view item = texto.substr(0, fim);
        if (!SemBrancos(item).empty()) {
            const size_t traco = item.find('-');
            if (traco == std::string_view::npos) {
                const int p = ParteDaSelecao(item);
                r.push_back({p, p});
            } else {
                r.push_back({ParteDaSelecao(item.substr(0, traco)), ParteDaSelecao(item.substr(traco + 1))});
            }
        }
        if (fim == std::string_view::npos) break;
        texto.remove_prefix(fim + 1);
    }
    return r;
}

bool PaginaSelecionada(const std::vector<TRLFaixaPaginas>& selecao, int pagina) {
    return std::any_of(selecao.begin(), selecao.end(),
                       [pagina](const TRLFaixaPaginas& f) { return f.De <= pagina && pagina <= f.Ate; });
}

int LerInteiroDoCampo(std::string_view texto) {
    int v = 0;
    return LerInteiro(texto, v) ? v : 0;
}

std::vector<int> PaginasAImprimir(int quantidadePaginas, const TRLPedidoImpressao& pedido) {
    std::vector<int> r;
    const int ate = std::min(pedido.Ate, quantidadePaginas);
    if (pedido.De < 1) return r;
    const bool comSelecao = !SemBrancos(pedido.Selecao).empty();
    const auto selecao = LerSelecaoPaginas(pedido.Selecao);
    std::vector<int> umaCopia;
    for (int p = pedido.De; p <= ate; ++p) {
        if (comSelecao && !PaginaSelecionada(selecao, p)) continue;
        if (pedido.ParImpar == TRLParImpar::Impares && p % 2 == 0) continue;
        if (pedido.ParImpar == TRLParImpar::Pares && p % 2 != 0) continue;
        umaCopia.push_back(p);
    }
    for (int c = 0; c < std::min(pedido.Copias, MaximoCopias); ++c)
        r.insert(r.end(), umaCopia.begin(), umaCopia.end());
    return r;
}

std::string TituloDaTarefa(const TRLMacros& macrosDoArmazem) {
    std::string t = macrosDoArmazem.Value("JobTitle");
    if (t.empty()) t = macrosDoArmazem.Value("Title");
    if (t.empty()) t = "Sem título";
    return t;
}

int MapearX(int x, const TRLGeometriaImpressora& g) {
    return Mapear(x, g.DpiX, g.DeslocamentoX);
}

int MapearY(int y, const TRLGeometriaImpressora& g) {
    return Mapear(y, g.DpiY, g.DeslocamentoY);
}

TRLAlvo AlvoDaPagina(int larguraPagina, int alturaPagina, const TRLGeometriaImpressora& g) {
    // Unrounded: the page painter rounds each scaled coordinate itself, which gives MapearX exactly.
    return {static_cast<double>(-g.DeslocamentoX), static_cast<double>(-g.DeslocamentoY),
            static_cast<double>(larguraPagina) * g.DpiX / 96.0,
            static_cast<double>(alturaPagina) * g.DpiY / 96.0};
}

TRLPapel PapelDoArmazem(const TRLMacros& m) {
    return {LerMilimetros(m.Value("PaperWidth")), LerMilimetros(m.Value("PaperHeight")),
            m.Value("Orientation") == "2"};
}

TRLFolha FolhaDaPagina(const TRLPapel& papel, int larguraPagina, int alturaPagina) {
    const bool temPapel = papel.LarguraMm > 0 && papel.AlturaMm > 0;
    if (temPapel) {
        const TRLFolha folha = papel.Paisagem ? TRLFolha{papel.AlturaMm, papel.LarguraMm}
                                              : TRLFolha{papel.LarguraMm, papel.AlturaMm};
        if (std::abs(MilimetrosParaPixels(folha.LarguraMm) - larguraPagina) <= 1 &&
            std::abs(MilimetrosParaPixels(folha.AlturaMm) - alturaPagina) <= 1)
            return folha;
    }
    const double largura = std::max(0, larguraPagina) * 25.4 / 96.0;
    const double altura = std::max(0, alturaPagina) * 25.4 / 96.0;
    // A store that names no paper still tells its orientation.
    const bool deitada = larguraPagina > alturaPagina || (!temPapel && papel.Paisagem);
    const double menor = std::min(largura, altura);
    const double maior = std::max(largura, altura);
    return deitada ? TRLFolha{maior, menor} : TRLFolha{menor, maior};
}

}  // namespace luvenor
