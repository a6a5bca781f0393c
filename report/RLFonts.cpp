#include "report/RLFonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QString>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <mutex>

namespace luvenor {
namespace {

template <typename T, void (*Liberar)(T*)>
struct LiberarFc {
    void operator()(T* p) const { Liberar(p); }
};
using PadraoFc = std::unique_ptr<FcPattern, LiberarFc<FcPattern, FcPatternDestroy>>;
using ObjetosFc = std::unique_ptr<FcObjectSet, LiberarFc<FcObjectSet, FcObjectSetDestroy>>;
using ConjuntoFc = std::unique_ptr<FcFontSet, LiberarFc<FcFontSet, FcFontSetDestroy>>;

TArquivoFonte LerArquivo(FcPattern* fonte) {
    TArquivoFonte a;
    FcChar8* caminho = nullptr;
    if (FcPatternGetString(fonte, FC_FILE, 0, &caminho) == FcResultMatch && caminho)
        a.Caminho = reinterpret_cast<const char*>(caminho);
    int peso = FC_WEIGHT_REGULAR;
    int inclinacao = FC_SLANT_ROMAN;
    FcPatternGetInteger(fonte, FC_WEIGHT, 0, &peso);
    FcPatternGetInteger(fonte, FC_SLANT, 0, &inclinacao);
    FcPatternGetInteger(fonte, FC_FONTVERSION, 0, &a.Versao);
    a.Negrito = peso >= FC_WEIGHT_BOLD;
    a.Italico = inclinacao != FC_SLANT_ROMAN;
    return a;
}

// Regular, bold, italic, bold italic.
int Estilo(const TArquivoFonte& a) {
    return (a.Negrito ? 1 : 0) + (a.Italico ? 2 : 0);
}

}  // namespace

std::vector<TArquivoFonte> ArquivosDaFamilia(const std::string& familia) {
    // A listing, not a match: fontconfig would answer a match for any family with a look-alike.
    PadraoFc padrao(FcPatternCreate());
    ObjetosFc objetos(FcObjectSetBuild(FC_FILE, FC_WEIGHT, FC_SLANT, FC_FONTVERSION, nullptr));
    if (!padrao || !objetos) return {};
    FcPatternAddString(padrao.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(familia.c_str()));
    ConjuntoFc conjunto(FcFontList(nullptr, padrao.get(), objetos.get()));
    std::vector<TArquivoFonte> arquivos;
    if (!conjunto) return arquivos;
    for (int i = 0; i < conjunto->nfont; ++i) {
        TArquivoFonte a = LerArquivo(conjunto->fonts[i]);
        if (!a.Caminho.empty()) arquivos.push_back(std::move(a));
    }
    return arquivos;
}

namespace {

bool soAsDoDanfe = false;

// A configuration of no fonts and no rules in place of the system's: Qt adds our files to it.
void TrocarPorConfiguracaoVazia() {
    FcConfig* vazia = FcConfigCreate();
    if (!vazia) return;
    FcConfigSetCurrent(vazia);  // holds its own reference
    FcConfigDestroy(vazia);
}

}  // namespace

void UsarSoAsFontesDoDanfe() {
    soAsDoDanfe = true;
}

bool RegistrarFontes() {
    // Without an application Qt has no font database yet; a later call registers them.
    if (!QCoreApplication::instance()) return false;
    static bool registradas = false;
    static std::once_flag uma;
    std::call_once(uma, [] {
        // One file per style; of two installed copies (liberation and liberation2) the newer.
        std::array<const TArquivoFonte*, 4> escolhidos{};
        const std::vector<TArquivoFonte> arquivos = ArquivosDaFamilia("Liberation Serif");
        for (const TArquivoFonte& a : arquivos) {
            const TArquivoFonte*& atual = escolhidos[Estilo(a)];
            if (!atual || a.Versao > atual->Versao) atual = &a;
        }
        const bool achadas = std::all_of(escolhidos.begin(), escolhidos.end(), [](auto* a) { return a; });
        if (soAsDoDanfe && achadas) TrocarPorConfiguracaoVazia();
        bool todas = true;
        for (const TArquivoFonte* a : escolhidos) {
            if (!a || QFontDatabase::addApplicationFont(QString::fromStdString(a->Caminho)) < 0)
                todas = false;
        }
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        registradas = todas;
    });
    return registradas;
}

double AlturaDaFonte(const TRLPageFont& font) {
    if (font.Height != 0) return std::abs(static_cast<double>(font.Height));
    const int ppi = font.PixelsPerInch > 0 ? font.PixelsPerInch : 96;
    return std::abs(static_cast<double>(font.Size)) * ppi / 72.0;
}

QFont FonteDaPagina(const TRLPageFont& font, double pixelSize, int deviceDpi) {
    QFont f(QString::fromUtf8(font.Name.data(), static_cast<qsizetype>(font.Name.size())));
    const double inteiro = std::round(pixelSize);
    if (std::abs(pixelSize - inteiro) < 1e-6 && inteiro >= 1)
        f.setPixelSize(static_cast<int>(inteiro));
    else
        f.setPointSizeF(std::max(pixelSize, 0.1) * 72.0 / (deviceDpi > 0 ? deviceDpi : 96));
    f.setBold(font.Style & pfsBold);
    f.setItalic(font.Style & pfsItalic);
    f.setUnderline(font.Style & pfsUnderline);
    f.setStrikeOut(font.Style & pfsStrikeOut);
    if (font.Pitch == TRLFontPitch::fpFixed) f.setFixedPitch(true);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}  // namespace luvenor
