// Drawing a page on a device, checked through a paint engine that records what reaches it, and
// the completion of macros at drawing time. Texts reach an engine either shaped by Qt (with their
// characters) or as glyph runs (glyphs at absolute positions only); Qt's text item, a private type,
// is read to record both the same way.
#include "report/RLPageFile.h"
#include "report/RLPagePainter.h"

#include "test_pages_common.h"

#include <QFontInfo>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextItem>
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <map>

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

struct Chamada {
    std::string tipo;   // "text", "rect", "line", "polygon", "ellipse", "image", "path"
    QRectF caixa;       // rectangle, line's bounding box, text's baseline point in topLeft
    double caneta = 0;  // pen width at the call (0: no pen)
    std::string texto;
    double pixelsFonte = 0;
    bool porGlifos = false;  // drawn as a glyph run
    QRectF recorte;          // clip in force (null: none)
    qint64 imagem = 0;       // the image's cache key
};

class MotorGravador : public QPaintEngine {
public:
    MotorGravador() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<Chamada> chamadas;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() &
            (QPaintEngine::DirtyClipRegion | QPaintEngine::DirtyClipPath | QPaintEngine::DirtyClipEnabled)) {
            if (!painter()->hasClipping())
                recorte_ = QRectF();
            else
                recorte_ = painter()->clipBoundingRect();
        }
    }
    void drawRects(const QRectF* r, int n) override {
        for (int i = 0; i < n; ++i) Gravar("rect", r[i]);
    }
    void drawLines(const QLineF* l, int n) override {
        for (int i = 0; i < n; ++i) Gravar("line", QRectF(l[i].p1(), l[i].p2()));
    }
    void drawPolygon(const QPointF* p, int n, PolygonDrawMode modo) override {
        QPolygonF pol;
        for (int i = 0; i < n; ++i) pol << p[i];
        Gravar(modo == PolylineMode ? "polyline" : "polygon", pol.boundingRect());
    }
    void drawEllipse(const QRectF& r) override { Gravar("ellipse", r); }
    void drawPath(const QPainterPath& p) override { Gravar("path", p.boundingRect()); }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { Gravar("image", r); }
    void drawImage(const QRectF& r, const QImage& img, const QRectF&, Qt::ImageConversionFlags) override {
        Gravar("image", r);
        chamadas.back().imagem = img.cacheKey();
    }
    // A text's place is its first glyph's origin on the baseline.
    void drawTextItem(const QPointF& p, const QTextItem& ti) override {
        const auto& item = static_cast<const QTextItemInt&>(ti);
        QPointF origem = p;
        if (item.glyphs.numGlyphs > 0)
            origem += QPointF(item.glyphs.offsets[0].x.toReal(), item.glyphs.offsets[0].y.toReal());
        Chamada c = Base("text", QRectF(origem, QSizeF()));
        c.texto = item.num_chars > 0 ? ti.text().toStdString() : TextoDosGlifos(item);
        c.pixelsFonte = item.fontEngine->fontDef.pixelSize;
        c.porGlifos = item.num_chars == 0;
        chamadas.push_back(c);
    }

private:
    // A glyph run carries no characters: they are found again through the face's character map.
    std::string TextoDosGlifos(const QTextItemInt& item) {
        std::map<glyph_t, char32_t>& mapa = caracteres_[item.fontEngine];
        if (mapa.empty())
            for (char32_t c = 0x20; c < 0x250; ++c) mapa.try_emplace(item.fontEngine->glyphIndex(c), c);
        std::u32string texto;
        for (int i = 0; i < item.glyphs.numGlyphs; ++i) {
            const auto achado = mapa.find(item.glyphs.glyphs[i]);
            texto += achado == mapa.end() ? U'?' : achado->second;
        }
        return QString::fromStdU32String(texto).toStdString();
    }
    std::map<const QFontEngine*, std::map<glyph_t, char32_t>> caracteres_;
    Chamada Base(const char* tipo, const QRectF& r) {
        Chamada c;
        c.tipo = tipo;
        c.caixa = r;
        const QPen caneta = painter()->pen();
        c.caneta = caneta.style() == Qt::NoPen ? 0 : caneta.widthF();
        c.recorte = recorte_;
        return c;
    }
    void Gravar(const char* tipo, const QRectF& r) { chamadas.push_back(Base(tipo, r)); }
    QRectF recorte_;
};

class DispositivoGravador : public QPaintDevice {
public:
    DispositivoGravador(int largura, int altura, int dpi) : largura_(largura), altura_(altura), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &motor; }
    mutable MotorGravador motor;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return largura_;
            case PdmHeight:
                return altura_;
            case PdmWidthMM:
                return largura_ * 254 / (10 * dpi_);
            case PdmHeightMM:
                return altura_ * 254 / (10 * dpi_);
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(QPaintDevice::devicePixelRatioFScale());
            default:
                return 32;
        }
    }

private:
    int largura_, altura_, dpi_;
};

std::vector<Chamada> Desenhar(const TRLGraphicSurface& page, const TRLMacros& loja, QRectF alvo,
                              int dpi = 96) {
    teste::GarantirAplicacao();
    DispositivoGravador d(int(alvo.right()) + 10, int(alvo.bottom()) + 10, dpi);
    {
        QPainter p(&d);
        DesenharPagina(page, loja, p, alvo);
    }
    return d.motor.chamadas;
}

std::vector<Chamada> DoTipo(const std::vector<Chamada>& cs, const std::string& tipo) {
    std::vector<Chamada> r;
    for (const Chamada& c : cs)
        if (c.tipo == tipo) r.push_back(c);
    return r;
}

TEST(Fonts, TimesNewRomanResolvesToLiberationSerif) {
    teste::GarantirAplicacao();
    ASSERT_TRUE(RegistrarFontes()) << "install fonts-liberation2";
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(12);
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("Liberation Serif"));
    TRLPageFont negrito;
    negrito.Name = "Times New Roman";
    negrito.Style = pfsBold;
    const QFont q = FonteDaPagina(negrito, 9, 96);
    EXPECT_EQ(QFontInfo(q).family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(QFontInfo(q).bold());
    EXPECT_EQ(QFontInfo(q).pixelSize(), 9);
}

TEST(PagePainter, ShapesAreScaledRoundedAndOffsetIntoTheTarget) {
    TRLGraphicSurface p(100, 200);
    p.Pen.Width = 1;
    p.Line(10, 20, 50, 20);
    p.Rectangle({10, 10, 31, 21});
    p.Pen.Width = 3;
    p.Polygon({{0, 0}, {10, 0}, {10, 10}});
    p.Brush.Style = TRLBrushStyle::bsSolid;
    p.FillRect({1, 1, 3, 3});
    // Target twice the page size, 5 pixels in from the device's corner.
    const auto cs = Desenhar(p, {}, QRectF(5, 7, 200, 400));
    const auto linhas = DoTipo(cs, "line");
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].caixa, QRectF(QPointF(25, 47), QPointF(105, 47)));
    EXPECT_EQ(linhas[0].caneta, 2) << "a 1-pixel pen scales with the page";
    const auto rets = DoTipo(cs, "rect");
    ASSERT_EQ(rets.size(), 2u);
    EXPECT_EQ(rets[0].caixa, QRectF(25, 27, 42 - 1, 22 - 1)) << "outline from left to right - 1";
    EXPECT_EQ(rets[1].caixa, QRectF(7, 9, 4, 4)) << "a fill covers its whole box";
    const auto pols = DoTipo(cs, "polygon");
    ASSERT_EQ(pols.size(), 1u);
    EXPECT_EQ(pols[0].caixa, QRectF(5, 7, 20, 20));
    EXPECT_EQ(pols[0].caneta, 6);
}

TEST(PagePainter, PensAreNeverNarrowerThanOneDevicePixel) {
    TRLGraphicSurface p(1000, 1000);
    for (int largura : {0, 1, 2, -5}) {
        p.Pen.Width = largura;
        p.Line(0, largura * 10 + 100, 900, largura * 10 + 100);
    }
    p.Pen.Style = TRLPenStyle::psDashDot;
    p.Polyline({{0, 0}, {5, 5}, {9, 0}});
    // A tenth of design size: every scaled width would round to 0.
    for (const Chamada& c : Desenhar(p, {}, QRectF(0, 0, 100, 100))) {
        if (c.tipo != "text") {
            EXPECT_GE(c.caneta, 1.0) << c.tipo;
        }
    }
}

TEST(PagePainter, ClipObjectsNarrowAndRestoreTheDeviceClip) {
    TRLGraphicSurface p(100, 100);
    p.SetClipRect({10, 10, 50, 50});
    p.SetClipRect({30, 0, 90, 40});
    p.FillRect({0, 0, 100, 100});
    p.ResetClipRect();
    p.FillRect({0, 0, 100, 100});
    p.ResetClipRect();
    p.FillRect({0, 0, 100, 100});
    p.ResetClipRect();            // one reset too many is ignored
    p.SetClipRect({0, 0, 5, 5});  // and a clip never reset ends with the page
    const auto rets = DoTipo(Desenhar(p, {}, QRectF(0, 0, 200, 200)), "rect");
    ASSERT_EQ(rets.size(), 3u);
    EXPECT_EQ(rets[0].recorte, QRectF(60, 20, 40, 60)) << "intersection of both clips";
    EXPECT_EQ(rets[1].recorte, QRectF(20, 20, 80, 80)) << "back to the first clip";
    EXPECT_TRUE(rets[2].recorte.isNull()) << "no clip after the last reset";
}

// Clipping costs a PDF a graphics state per text, so only a text that leaves its box gets one.
TEST(PagePainter, TextsLeavingTheirBoxAreClippedToItUnlessUnclipped) {
    TRLGraphicSurface p(400, 100);
    p.Font.Name = "Times New Roman";
    p.Font.Height = -12;
    p.TextOut({10, 10, 60, 25}, 12, 10, "clipped because it is long", tfUnbreakable);
    p.TextOut({10, 30, 60, 45}, 12, 30, "unclipped because it is long", tfUnbreakable | tfUnclipped);
    p.TextOut({10, 50, 200, 70}, 12, 50, "fits", tfUnbreakable);
    p.TextRect({10, 70, 60, 85}, 0, 0, "long text on the right", TRLPageAlignment::Right, TRLPageLayout::Top,
               0);
    const auto textos = DoTipo(Desenhar(p, {}, QRectF(0, 0, 400, 100)), "text");
    ASSERT_EQ(textos.size(), 4u);
    EXPECT_EQ(textos[0].recorte, QRectF(10, 10, 50, 15));
    EXPECT_TRUE(textos[1].recorte.isNull());
    EXPECT_TRUE(textos[2].recorte.isNull());
    EXPECT_EQ(textos[3].recorte, QRectF(10, 70, 50, 15)) << "starts left of its box";
}

TEST(PagePainter, TextsArePlacedByAlignmentWithTheDeviceMetrics) {
    TRLGraphicSurface p(400, 200);
    p.Font.Name = "Times New Roman";
    p.Font.Height = -10;
    p.TextRect({100, 10, 300, 30}, 105, 10, "Esq", TRLPageAlignment::Left, TRLPageLayout::Top, 0);
    p.TextRect({100, 40, 300, 60}, 0, 0, "Dir", TRLPageAlignment::Right, TRLPageLayout::Bottom, 0);
    p.TextRect({100, 70, 300, 90}, 0, 0, "Meio", TRLPageAlignment::Center, TRLPageLayout::Center, 0);
    const double escala = 2;
    const auto textos = DoTipo(Desenhar(p, {}, QRectF(0, 0, 400 * escala, 200 * escala)), "text");
    ASSERT_EQ(textos.size(), 3u);

    TRLPageFont f = p.Font;
    const QFont fonte = FonteDaPagina(f, 10 * escala, 96);
    const QFontMetricsF m(fonte);
    // Widths are the sums of the characters' unhinted advances, kerning off, as pages are measured.
    QRawFont bruta = QRawFont::fromFont(fonte);
    bruta.setPixelSize(10 * escala);
    auto larguraDe = [&](const QString& texto) {
        const QList<quint32> glifos = bruta.glyphIndexesForString(texto);
        QList<QPointF> avancos(glifos.size());
        bruta.advancesForGlyphIndexes(glifos.constData(), avancos.data(), int(glifos.size()),
                                      QRawFont::UseDesignMetrics);
        double soma = 0;
        for (const QPointF& a : avancos) soma += a.x();
        return soma;
    };
    const double espaco = larguraDe(QStringLiteral(" "));
    const double tolerancia = 1.0 / 32;  // text positions reach the engine in 1/64 pixel steps
    for (const Chamada& t : textos) EXPECT_TRUE(t.porGlifos) << t.texto;
    EXPECT_EQ(textos[0].texto, "Esq");
    EXPECT_EQ(textos[1].texto, "Dir");
    EXPECT_EQ(textos[2].texto, "Meio");
    EXPECT_EQ(textos[0].pixelsFonte, 20) << "design height times the vertical scale";
    EXPECT_NEAR(textos[0].caixa.left(), 210, tolerancia) << "left: the recorded origin, scaled";
    EXPECT_NEAR(textos[0].caixa.top(), 20 + m.ascent(), tolerancia) << "baseline below the top";
    EXPECT_NEAR(textos[1].caixa.left() + larguraDe(QStringLiteral("Dir ")), 600 + espaco / 2, tolerancia)
        << "right: half a space past the text's end, at the box's right edge";
    EXPECT_NEAR(textos[1].caixa.top(), 120 - m.height() + m.ascent(), tolerancia);
    const double largura = larguraDe(QStringLiteral("Meio "));
    EXPECT_NEAR(textos[2].caixa.left(), espaco / 2 + (200 + 600 - largura) / 2, tolerancia);
    EXPECT_NEAR(textos[2].caixa.top(), (140 + 180 - m.height()) / 2 + m.ascent(), tolerancia);
}

TEST(PagePainter, FontSizeFollowsTheDeviceResolution) {
    TRLGraphicSurface p(794, 1123);
    p.Font.Name = "Times New Roman";
    p.Font.Height = -8;
    p.TextOut({0, 0, 100, 20}, 0, 0, "x", tfUnclipped);
    // A 600-dpi printer page: 8 design pixels are 50 device pixels.
    const auto textos = DoTipo(Desenhar(p, {}, QRectF(0, 0, 794 * 6.25, 1123 * 6.25), 600), "text");
    ASSERT_EQ(textos.size(), 1u);
    EXPECT_EQ(textos[0].pixelsFonte, 50);
}

TEST(PagePainter, ATextWithACharacterTheFaceLacksIsShapedByQtWithFallbackFonts) {
    TRLGraphicSurface p(400, 100);
    p.Font.Name = "Times New Roman";
    p.TextOut({0, 0, 400, 20}, 0, 0, "Nota \u6F22 Fiscal", tfUnclipped);
    p.TextOut({0, 30, 400, 50}, 0, 30, "Ação", tfUnclipped);
    const auto textos = DoTipo(Desenhar(p, {}, QRectF(0, 0, 400, 100)), "text");
    ASSERT_GE(textos.size(), 2u);
    std::string tudo;
    for (const Chamada& t : textos)
        if (!t.porGlifos) tudo += t.texto;
    EXPECT_NE(tudo.find("\u6F22"), std::string::npos) << "handed to Qt with its characters";
    EXPECT_TRUE(textos.back().porGlifos);
    EXPECT_EQ(textos.back().texto, "Ação");
}

TEST(PagePainter, TextsAreCompletedWithMacrosBeforeDrawing) {
    TRLGraphicSurface p(100, 100);
    p.Macros().Set("PageNo", "2");
    p.TextOut({0, 0, 100, 20}, 0, 0, "Fl: {PageNo}/{LastPageNumber}", tfUnclipped);
    TRLMacros loja;
    loja.Set("LastPageNumber", "3");
    const auto textos = DoTipo(Desenhar(p, loja, QRectF(0, 0, 100, 100)), "text");
    ASSERT_EQ(textos.size(), 1u);
    EXPECT_EQ(textos[0].texto, "Fl: 2/3");
}

TEST(PagePainter, ImagesAreStretchedIntoTheirScaledBox) {
    TRLGraphicSurface p(100, 100);
    p.StretchDraw({10, 20, 30, 25}, teste::ImagemDeTeste());
    p.StretchDraw({0, 0, 10, 10}, QImage());  // "NIL": nothing to draw
    const auto imagens = DoTipo(Desenhar(p, {}, QRectF(0, 0, 300, 300)), "image");
    ASSERT_EQ(imagens.size(), 1u);
    EXPECT_EQ(imagens[0].caixa, QRectF(30, 60, 60, 15));
}

// Several pages drawn by one painter on one device, as a PDF export or a print job does.
std::vector<Chamada> DesenharPaginas(const std::vector<TRLGraphicSurface>& paginas, QRectF alvo) {
    teste::GarantirAplicacao();
    DispositivoGravador d(int(alvo.right()) + 10, int(alvo.bottom()) + 10, 96);
    {
        QPainter p(&d);
        TRLPagePainter desenhista;
        for (const TRLGraphicSurface& pagina : paginas) desenhista.Desenhar(pagina, TRLMacros(), p, alvo);
    }
    return d.motor.chamadas;
}

// A landscape page 2 drawn after a page that left a clip set and clipped a text: its stretched
// barcode still reaches the device whole and unclipped, and is the very image of page 1, so a PDF
// holds it once.
TEST(PagePainter, StretchedPictureOfEveryPageReachesTheDeviceWholeAndOnce) {
    QImage barras(200, 10, QImage::Format_RGB32);
    barras.fill(Qt::white);
    for (int x = 0; x < 200; x += 3) barras.setPixel(x, 5, qRgb(0, 0, 0));
    std::vector<TRLGraphicSurface> paginas(2, TRLGraphicSurface(1123, 794));
    paginas[0].StretchDraw({786, 45, 1066, 80}, barras);
    paginas[0].Font.Name = "Times New Roman";
    paginas[0].TextOut({10, 10, 20, 20}, 12, 10, "a text longer than its box", tfUnbreakable);
    paginas[0].SetClipRect({30, 754, 1093, 764});
    paginas[1].SetClipRect({30, 185, 1093, 189});
    paginas[1].ResetClipRect();
    paginas[1].StretchDraw({786, 45, 1066, 80}, barras);
    const auto imagens = DoTipo(DesenharPaginas(paginas, QRectF(0, 0, 1123 * 1.5, 794 * 1.5)), "image");
    ASSERT_EQ(imagens.size(), 2u);
    for (const Chamada& c : imagens) {
        EXPECT_EQ(c.caixa, QRectF(1179, 68, 420, 52));
        EXPECT_TRUE(c.recorte.isNull());
    }
    EXPECT_EQ(imagens[0].imagem, imagens[1].imagem) << "decoded once for the whole job";
}

// At a low resolution a picture's box can round to no device pixel at all; it still shows.
TEST(PagePainter, PictureSmallerThanADevicePixelStillDraws) {
    TRLGraphicSurface p(1000, 1000);
    p.StretchDraw({100, 100, 103, 101}, teste::ImagemDeTeste());
    p.StretchDraw({100, 100, 100, 101}, teste::ImagemDeTeste());  // no width: nothing
    const auto imagens = DoTipo(Desenhar(p, {}, QRectF(0, 0, 100, 100)), "image");
    ASSERT_EQ(imagens.size(), 1u);
    EXPECT_EQ(imagens[0].caixa, QRectF(10, 10, 1, 1));
}

TEST(PagePainter, EmptyPageSizeDrawsAtScaleOne) {
    TRLGraphicSurface p(0, 0);
    p.FillRect({1, 2, 3, 4});
    const auto rets = DoTipo(Desenhar(p, {}, QRectF(10, 10, 500, 500)), "rect");
    ASSERT_EQ(rets.size(), 1u);
    EXPECT_EQ(rets[0].caixa, QRectF(11, 12, 2, 2));
}

TEST(PagePainter, PageFromMemoryAndFromItsFileGiveTheSameImage) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    store.Macros().Set("LastPageNumber", "1");
    store.Add(teste::PaginaCompleta(1));
    TRLGraphicStorage lida;
    LerArquivoPaginas(GerarArquivoPaginas(store), lida);
    auto imagem = [](const TRLGraphicSurface& page, const TRLGraphicStorage& s) {
        QImage img(397, 562, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        DesenharPagina(page, s, painter, QRectF(0, 0, 397, 562));
        return img;
    };
    const QImage daMemoria = imagem(teste::PaginaCompleta(1), store);
    EXPECT_EQ(daMemoria, imagem(*lida.Page(0), lida));
    EXPECT_NE(daMemoria, imagem(TRLGraphicSurface(794, 1123), store)) << "the page draws something";
}

struct CasoMacro {
    const char* nome;
    const char* texto;
    const char* esperado;
};

class ExpandingMacros : public testing::TestWithParam<CasoMacro> {};

TEST_P(ExpandingMacros, CompletesKnownNamesOnly) {
    TRLMacros pagina;
    pagina.Set("PageNo", "2");
    pagina.Set("Title", "da página");
    TRLMacros loja;
    loja.Set("LastPageNumber", "12");
    loja.Set("Title", "da loja");
    loja.Set("Braces", "{PageNo}");
    EXPECT_EQ(ExpandirMacros(GetParam().texto, pagina, loja), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExpandingMacros,
    testing::Values(CasoMacro{"StoreMacro", "/{LastPageNumber}", "/12"},
                    CasoMacro{"PageMacro", "Fl: {PageNo}", "Fl: 2"},
                    CasoMacro{"PageWinsOverStore", "{Title}", "da página"},
                    CasoMacro{"SeveralInOneText", "{PageNo} de {LastPageNumber}.", "2 de 12."},
                    CasoMacro{"NamesIgnoreCase", "{lastpagenumber}", "12"},
                    CasoMacro{"UnknownNameLeftAsItIs", "{Nope} {PageNo}", "{Nope} 2"},
                    CasoMacro{"EmptyNameLeftAsItIs", "{}", "{}"},
                    CasoMacro{"UnclosedBraceLeftAsItIs", "a {PageNo", "a {PageNo"},
                    CasoMacro{"InnermostPairIsTheName", "{a{PageNo}}", "{a2}"},
                    CasoMacro{"ValuesAreNotExpandedAgain", "{Braces}", "{PageNo}"},
                    CasoMacro{"NoMacros", "Nota Fiscal", "Nota Fiscal"},
                    CasoMacro{"Utf8AroundMacros", "Página {PageNo} – ok", "Página 2 – ok"}),
    [](const testing::TestParamInfo<CasoMacro>& i) { return std::string(i.param.nome); });

}  // namespace
