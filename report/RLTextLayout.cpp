#include "report/RLTextLayout.h"

#include "report/RLQtTexto.h"
#include "report/RLControl.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <memory>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

namespace luvenor {
namespace {

// Metrics are taken on a 96-DPI image so no screen resolution leaks into the layout.
QPaintDevice* DispositivoDeDesenho() {
    static QImage imagem = [] {
        QImage im(1, 1, QImage::Format_ARGB32);
        const int pontosPorMetro = qRound(96.0 / 0.0254);
        im.setDotsPerMeterX(pontosPorMetro);
        im.setDotsPerMeterY(pontosPorMetro);
        return im;
    }();
    return &imagem;
}

bool EhBranco(char32_t c) {
    return c == U' ' || c == U'\t';
}

bool EhQuebra(char32_t c) {
    return c == U'\r' || c == U'\n';
}

std::u32string SemBrancosFinais(std::u32string s) {
    while (!s.empty() && EhBranco(s.back())) s.pop_back();
    return s;
}

}  // namespace

std::u32string ParaCodigos(const std::string& utf8) {
    return ParaQString(utf8).toStdU32String();
}

std::string ParaUtf8(const std::u32string& codes) {
    return QString::fromStdU32String(codes).toStdString();
}

// Measuring a character shapes it: widths are kept per font for the whole run (plain numbers, so
// nothing of Qt outlives the application).
struct TRLTextMeasurer::Tabela {
    explicit Tabela(const TRLFont& f) : fonte(f) { latin.fill(-1); }
    TRLFont fonte;
    int altura = -1;
    std::array<int, 256> latin;
    std::unordered_map<char32_t, int> outras;
};

namespace {

// What tells report fonts apart for measuring: what their Qt font is built from.
struct ChaveDaFonte {
    std::string nome;
    int altura;
    unsigned estilo;
    bool fixa;
    auto operator<=>(const ChaveDaFonte&) const = default;
};

ChaveDaFonte Chave(const TRLFont& f) {
    return {f.Name, f.Height, f.Style & 0x0Fu, f.Pitch == 3};
}

}  // namespace

// Reports make a measurer for every text they size or draw, so the last font is found without a search.
// The tables fill as texts are measured: one set per thread, so preparations in parallel never share one.
TRLTextMeasurer::TRLTextMeasurer(const TRLFont& font) {
    thread_local std::map<ChaveDaFonte, std::unique_ptr<Tabela>> tabelas;
    thread_local const std::pair<const ChaveDaFonte, std::unique_ptr<Tabela>>* ultima = nullptr;
    ChaveDaFonte chave = Chave(font);
    if (ultima && ultima->first == chave) {
        tabela_ = ultima->second.get();
        return;
    }
    auto [it, nova] = tabelas.try_emplace(std::move(chave));
    if (nova) it->second = std::make_unique<Tabela>(font);
    ultima = &*it;
    tabela_ = it->second.get();
}

TRLTextMeasurer::~TRLTextMeasurer() = default;

const QFontMetrics& TRLTextMeasurer::Metricas() const {
    if (!metricas_)
        metricas_ = std::make_unique<QFontMetrics>(tabela_->fonte.ToQFont(), DispositivoDeDesenho());
    return *metricas_;
}

int TRLTextMeasurer::TextWidth(const std::string& utf8) const {
    int largura = 0;
    for (char32_t c : ParaCodigos(utf8)) largura += CharWidth(c);
    return largura;
}

int TRLTextMeasurer::TextHeight() const {
    if (tabela_->altura < 0) tabela_->altura = Metricas().height();
    return tabela_->altura;
}

int TRLTextMeasurer::SpaceWidth() const {
    return CharWidth(U' ');
}

int TRLTextMeasurer::CharWidth(char32_t c) const {
    if (c == U'\t') return 8 * SpaceWidth();
    if (EhQuebra(c)) return 0;
    int* guardada = nullptr;
    if (c < 256) {
        guardada = &tabela_->latin[c];
    } else {
        guardada = &tabela_->outras.try_emplace(c, -1).first->second;
    }
    if (*guardada < 0)
        *guardada = Metricas().horizontalAdvance(QString::fromStdU32String(std::u32string(1, c)));
    return *guardada;
}

std::vector<TRLTextLine> QuebrarLinhas(const std::string& text, const TRLTextMeasurer& measurer,
                                       int availableWidth) {
    const std::u32string s = ParaCodigos(text);
    std::vector<TRLTextLine> linhas;
    size_t inicio = 0;         // start of the current line
    size_t inicioPalavra = 0;  // start of the word being walked
    bool primeiraPalavra = true;
    bool anteriorBranco = true;
    bool temNaoBranco = false;  // the line already holds a non-blank
    int largura = 0;
    const int espaco = measurer.SpaceWidth();
    auto emitir = [&](size_t fim, bool quebrada) {
        std::u32string linha = s.substr(inicio, fim - inicio);
        linhas.push_back({ParaUtf8(quebrada ? SemBrancosFinais(linha) : linha), quebrada});
    };
    size_t i = 0;
    while (i < s.size()) {
        const char32_t c = s[i];
        if (EhQuebra(c)) {
            emitir(i, false);
            i += (c == U'\r' && i + 1 < s.size() && s[i + 1] == U'\n') ? 2 : 1;
            inicio = inicioPalavra = i;
            primeiraPalavra = anteriorBranco = true;
            temNaoBranco = false;
            largura = 0;
            continue;
        }
        const bool branco = EhBranco(c);
        if (!branco && anteriorBranco) {
            if (temNaoBranco) primeiraPalavra = false;
            inicioPalavra = i;
        }
        if (!branco) temNaoBranco = true;
        largura += measurer.CharWidth(c);
        anteriorBranco = branco;
        // A line fits when it and a space do, as a label measures its text: drawn half a space in
        // from the edge, its last letter then stays off the column's right rule.
        if (availableWidth < 0 || largura + (branco ? 0 : espaco) <= availableWidth) {
            ++i;
            continue;
        }
        if (branco) {
            emitir(i, true);
            while (i < s.size() && EhBranco(s[i])) ++i;
        } else if (!primeiraPalavra) {
            emitir(inicioPalavra, true);
            i = inicioPalavra;
        } else {
            ++i;
            continue;
        }
        inicio = inicioPalavra = i;
        primeiraPalavra = anteriorBranco = true;
        temNaoBranco = false;
        largura = 0;
    }
    if (inicio < s.size() || linhas.empty()) emitir(s.size(), false);
    return linhas;
}

std::string CortarParaACaixa(const std::string& texto, int largura, ParteVisivel parte) {
    const size_t limite = 4 * static_cast<size_t>(std::max(largura, 0)) + 64;
    if (texto.size() <= limite) return texto;  // bytes are never fewer than characters
    const std::u32string s = ParaCodigos(texto);
    if (s.size() <= limite) return texto;
    const size_t inicio = parte == ParteVisivel::Inicio ? 0
                          : parte == ParteVisivel::Fim  ? s.size() - limite
                                                        : (s.size() - limite) / 2;
    return ParaUtf8(s.substr(inicio, limite));
}

std::string JustificarTexto(const std::string& text, const TRLTextMeasurer& measurer, int room) {
    const std::u32string s = ParaCodigos(text);
    // Each gap is widened at its start, right after the non-blank it follows.
    std::vector<size_t> lacunas;
    for (size_t i = 1; i < s.size(); ++i) {
        const bool branco = EhBranco(s[i]) || EhQuebra(s[i]);
        const bool antesBranco = EhBranco(s[i - 1]) || EhQuebra(s[i - 1]);
        if (branco && !antesBranco) lacunas.push_back(i);
    }
    const int espaco = measurer.SpaceWidth();
    const int largura = measurer.TextWidth(text);
    if (lacunas.empty() || espaco <= 0 || largura + espaco > room) return text;
    // One space per step while the text and a space still fit: steps go from the rightmost gap to
    // the leftmost and start again at the right.
    const long passos = std::min<long>((room - largura - espaco) / espaco + 1, 10000);
    const long voltas = passos / static_cast<long>(lacunas.size());
    const long resto = passos % static_cast<long>(lacunas.size());
    std::u32string r;
    size_t de = 0;
    for (size_t g = 0; g < lacunas.size(); ++g) {
        const size_t daDireita = lacunas.size() - 1 - g;
        const long extra = voltas + (static_cast<long>(daDireita) < resto ? 1 : 0);
        r.append(s, de, lacunas[g] - de);
        r.append(static_cast<size_t>(extra), U' ');
        de = lacunas[g];
    }
    r.append(s, de, std::u32string::npos);
    return ParaUtf8(r);
}

}  // namespace luvenor
