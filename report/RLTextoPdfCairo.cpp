#include "report/RLTextoPdfCairo.h"

#include <QTextItem>
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace luvenor {
namespace {

// A font file as cairo loads it, with the characters of its glyphs: a glyph run carries no text,
// and the PDF needs it for search and copy. Built once per file and kept for the process, as
// the files do not change under it.
struct FaceCairo {
    cairo_font_face_t* face = nullptr;
    std::unordered_map<glyph_t, char32_t> caracteres;
};

// The characters our pages print: Latin with its accents, punctuation, currency and symbols.
constexpr std::pair<char32_t, char32_t> faixasMapeadas[] = {
    {0x20, 0x7E}, {0xA0, 0x24F}, {0x2010, 0x206F}, {0x20A0, 0x20CF}, {0x2100, 0x215F}, {0x2190, 0x21FF}};

FaceCairo CarregarFace(const QFontEngine& motor, const QFontEngine::FaceId& id) {
    FaceCairo f;
    FcPattern* padrao = FcPatternCreate();
    FcPatternAddString(padrao, FC_FILE, reinterpret_cast<const FcChar8*>(id.filename.constData()));
    FcPatternAddInteger(padrao, FC_INDEX, id.index);
    f.face = cairo_ft_font_face_create_for_pattern(padrao);
    FcPatternDestroy(padrao);
    if (cairo_font_face_status(f.face) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(f.face);
        f.face = nullptr;
        return f;
    }
    for (const auto& [de, ate] : faixasMapeadas)
        for (char32_t c = de; c <= ate; ++c) {
            const glyph_t g = motor.glyphIndex(c);
            if (g != 0) f.caracteres.try_emplace(g, c);
        }
    return f;
}

const FaceCairo& Face(const QFontEngine& motor) {
    static std::mutex guarda;
    static std::map<std::pair<QByteArray, int>, FaceCairo> faces;
    const QFontEngine::FaceId id = motor.faceId();
    const std::lock_guard<std::mutex> trava(guarda);
    auto achada = faces.find({id.filename, id.index});
    if (achada == faces.end())
        achada = faces.emplace(std::make_pair(id.filename, id.index), CarregarFace(motor, id)).first;
    return achada->second;
}

void Utf8(char32_t c, std::string& s) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool TRLTextosCairo::Run(cairo_t* cr, const QFontEngine& motor, const std::vector<cairo_glyph_t>& glifos,
                         const double (&cor)[4]) {
    const FaceCairo& f = Face(motor);
    if (!f.face) return false;
    const double tamanho = motor.fontDef.pixelSize;
    if (f.face != face_ || tamanho != tamanho_ || !std::equal(cor, cor + 4, cor_)) {
        Descarregar(cr);
        face_ = f.face;
        tamanho_ = tamanho;
        std::copy(cor, cor + 4, cor_);
    }
    for (const cairo_glyph_t& g : glifos) {
        glifos_.push_back(g);
        const auto achado = f.caracteres.find(static_cast<glyph_t>(g.index));
        if (achado == f.caracteres.end()) {
            caracteresConhecidos_ = false;
            continue;
        }
        const size_t antes = texto_.size();
        Utf8(achado->second, texto_);
        grupos_.push_back({static_cast<int>(texto_.size() - antes), 1});
    }
    return true;
}

void TRLTextosCairo::Descarregar(cairo_t* cr) {
    if (!glifos_.empty()) {
        cairo_set_source_rgba(cr, cor_[0], cor_[1], cor_[2], cor_[3]);
        cairo_set_font_face(cr, face_);
        cairo_set_font_size(cr, tamanho_);
        const int n = static_cast<int>(glifos_.size());
        // One character per glyph when all are known; otherwise cairo reads them from the font.
        if (caracteresConhecidos_)
            cairo_show_text_glyphs(cr, texto_.data(), static_cast<int>(texto_.size()), glifos_.data(), n,
                                   grupos_.data(), static_cast<int>(grupos_.size()),
                                   cairo_text_cluster_flags_t{});
        else
            cairo_show_glyphs(cr, glifos_.data(), n);
    }
    glifos_.clear();
    texto_.clear();
    grupos_.clear();
    caracteresConhecidos_ = true;
}

bool TRLTextosCairo::Acrescentar(cairo_t* cr, const QPointF& origem, const QTextItem& item,
                                 const double (&cor)[4]) {
    const auto& ti = static_cast<const QTextItemInt&>(item);
    QFontEngine* motor = ti.fontEngine;
    if (!motor || ti.glyphs.numGlyphs <= 0) return true;
    QVarLengthArray<glyph_t> indices;
    QVarLengthArray<QFixedPoint> posicoes;
    motor->getGlyphPositions(ti.glyphs, QTransform::fromTranslate(origem.x(), origem.y()), ti.flags, indices,
                             posicoes);
    // A text shaped with fallback fonts has the face of each glyph in its top byte; every face must
    // load before any glyph is added, or the caller's outlines would draw part of it twice.
    const bool multiplo = motor->type() == QFontEngine::Multi;
    auto faceDe = [&](qsizetype i) -> const QFontEngine* {
        return multiplo ? static_cast<QFontEngineMulti*>(motor)->engine(static_cast<int>(indices[i] >> 24))
                        : motor;
    };
    for (qsizetype i = 0; i < indices.size(); ++i)
        if (!faceDe(i) || !Face(*faceDe(i)).face) return false;
    std::vector<cairo_glyph_t> run;
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i > 0 && faceDe(i) != faceDe(i - 1)) {
            Run(cr, *faceDe(i - 1), run, cor);
            run.clear();
        }
        run.push_back({indices[i] & 0xffffff, posicoes[i].x.toReal(), posicoes[i].y.toReal()});
    }
    if (!run.empty()) Run(cr, *faceDe(indices.size() - 1), run, cor);
    return true;
}

}  // namespace luvenor
