#include "report/RLFonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QString>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace luvenor {
namespace {

constexpr const char* pastaLiberation = "/usr/share/fonts/truetype/liberation2/";
constexpr const char* arquivosSerif[] = {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf",
                                         "LiberationSerif-Italic.ttf", "LiberationSerif-BoldItalic.ttf"};

}  // namespace

bool RegistrarFontes() {
    // Without an application Qt has no font database yet; a later call registers them.
    if (!QCoreApplication::instance()) return false;
    static bool registradas = false;
    static std::once_flag uma;
    std::call_once(uma, [] {
        bool todas = true;
        for (const char* nome : arquivosSerif) {
            const QString caminho = QString::fromLatin1(pastaLiberation) + QString::fromLatin1(nome);
            if (QFontDatabase::addApplicationFont(caminho) < 0) todas = false;
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
