// Lines and boxes, pictures and rotated labels as they are recorded on a page.
#include "test_prepare_apoio.h"

#include "report/RLBarcode.h"
#include "report/RLDraw.h"
#include "report/RLImage.h"
#include "report/RLTextLayout.h"

#include "report/RLPagePainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

const TRLGraphicObject* Primeiro(const TRLGraphicSurface& s, TRLObjectKind tipo) {
    for (const auto& o : s.Objects())
        if (o.Kind() == tipo) return &o;
    return nullptr;
}

std::vector<TRLPagePoint> Pontos(TRLDraw& d) {
    TRLGraphicSurface s(800, 800);
    d.Draw(s, 0, 0);
    const TRLGraphicObject* o = Primeiro(s, TRLObjectKind::Polygon);
    if (!o) {
        ADD_FAILURE() << "sem polígono";
        return {};
    }
    return o->As<TRLPolygonObject>()->Points;
}

QImage Listras(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, x < w / 2 ? qRgb(200, 0, 0) : qRgb(0, 0, 200));
    return img;
}

// The picture recorded on a surface, with its box.
QImage ImagemGravada(const TRLGraphicSurface& s, TRLPageRect* caixa) {
    const TRLGraphicObject* o = Primeiro(s, TRLObjectKind::Image);
    if (!o) return {};
    *caixa = o->BoundsRect;
    return DecodificarImagem(o->As<TRLImageObject>()->Picture);
}

}  // namespace

TEST(Desenho, LinhaNoMeioDaAlturaEmTodaALargura) {
    TRLDraw linha("linha");
    linha.DrawKind = TRLDrawKind::dkLine;
    linha.SetBounds(10, 20, 100, 10);
    linha.Pen.Style = TRLPenStyle::psDashDot;
    TRLGraphicSurface s(800, 800);
    linha.Draw(s, 0, 0);
    const auto* o = Primeiro(s, TRLObjectKind::Polygon);
    ASSERT_NE(o, nullptr);
    const auto* poligono = o->As<TRLPolygonObject>();
    EXPECT_EQ(poligono->Points, (std::vector<TRLPagePoint>{{10, 24}, {109, 24}})) << "4 pixels below the top";
    EXPECT_EQ(poligono->Pen.Style, TRLPenStyle::psDashDot);
}

TEST(Desenho, RetanguloNaUltimaLinhaEColunaDaCaixa) {
    TRLDraw caixa("caixa");
    caixa.SetBounds(10, 20, 100, 50);
    EXPECT_EQ(Pontos(caixa), (std::vector<TRLPagePoint>{{10, 20}, {109, 20}, {109, 69}, {10, 69}}));
    caixa.Pen.Width = 3;  // the wide pen stays inside the box
    EXPECT_EQ(Pontos(caixa), (std::vector<TRLPagePoint>{{11, 21}, {108, 21}, {108, 68}, {11, 68}}));
    caixa.Pen.Width = 4;
    EXPECT_EQ(Pontos(caixa), (std::vector<TRLPagePoint>{{12, 22}, {108, 22}, {108, 68}, {12, 68}}));
}

TEST(Desenho, RetanguloComBordasPartilhadasTerminaOndeOVizinhoComeca) {
    TRLDraw esquerda("esquerda");
    esquerda.SetBounds(10, 20, 100, 50);
    esquerda.SharedEdges = true;
    TRLDraw direita("direita");
    direita.SetBounds(110, 20, 40, 50);
    direita.SharedEdges = true;
    TRLDraw abaixo("abaixo");
    abaixo.SetBounds(10, 70, 100, 10);
    abaixo.SharedEdges = true;
    const auto e = Pontos(esquerda);
    EXPECT_EQ(e, (std::vector<TRLPagePoint>{{10, 20}, {110, 20}, {110, 70}, {10, 70}}));
    EXPECT_EQ(Pontos(direita).front().X, e[1].X) << "one rule between side-by-side boxes";
    EXPECT_EQ(Pontos(abaixo).front().Y, e[2].Y) << "one rule between stacked boxes";
    // A line keeps its own length.
    esquerda.DrawKind = TRLDrawKind::dkLine;
    EXPECT_EQ(Pontos(esquerda), (std::vector<TRLPagePoint>{{10, 44}, {109, 44}}));
}

TEST(Desenho, AnguloGiraNoSentidoAntiHorarioDentroDaCaixa) {
    TRLDraw linha("linha");
    linha.DrawKind = TRLDrawKind::dkLine;
    linha.SetBounds(0, 0, 101, 101);
    linha.Angle = 90.0;
    const auto pts = Pontos(linha);
    ASSERT_EQ(pts.size(), 2u);
    // the line now stands upright in the middle of the box, its start at the bottom
    EXPECT_EQ(pts[0], (TRLPagePoint{50, 100}));
    EXPECT_EQ(pts[1], (TRLPagePoint{50, 0}));
}

TEST(Desenho, RetanguloBrancoCobreORotuloCriadoAntes) {
    RelatorioDeTeste r;
    auto& banda = r.relatorio.Criar<TRLBand>("banda");
    banda.SetBounds(30, 10, 734, 40);
    Marcador(banda, "escondido", 5);
    auto& moldura = banda.Criar<TRLDraw>("moldura");
    moldura.SetBounds(0, 0, 200, 40);
    ASSERT_TRUE(r.relatorio.PreparePages());
    const auto pagina = r.Pagina(0);
    std::vector<TRLObjectKind> tipos;
    for (const auto& o : pagina->Objects()) tipos.push_back(o.Kind());
    EXPECT_EQ(tipos, (std::vector<TRLObjectKind>{TRLObjectKind::Text, TRLObjectKind::Polygon}));
    const auto* poligono = pagina->Objects()[1].As<TRLPolygonObject>();
    EXPECT_EQ(poligono->Brush, (TRLBrush{clWhite, TRLBrushStyle::bsSolid}));
    EXPECT_EQ(poligono->Points.front(), (TRLPagePoint{30, 30}));
    EXPECT_NE(pagina->Objects()[0].GroupId, pagina->Objects()[1].GroupId) << "one group per control print";
}

TEST(Imagem, EscaladaECentradaPreencheALargura) {
    TRLImage logo("imgLogo");
    logo.SetBounds(10, 10, 100, 100);
    logo.SetPicture(Listras(200, 50));
    logo.SetScaled(true);
    logo.Center = true;
    TRLGraphicSurface s(800, 800);
    logo.Draw(s, 0, 0);
    TRLPageRect caixa;
    const QImage gravada = ImagemGravada(s, &caixa);
    EXPECT_FALSE(gravada.isNull());
    EXPECT_EQ(caixa, (TRLPageRect{10, 47, 110, 72}));
    logo.Center = false;
    TRLGraphicSurface s2(800, 800);
    logo.Draw(s2, 0, 0);
    ImagemGravada(s2, &caixa);
    EXPECT_EQ(caixa, (TRLPageRect{10, 10, 110, 35}));
}

TEST(Imagem, EsticadaOcupaACaixaExata) {
    TRLImage barras("imgBarras");
    barras.SetBounds(5, 6, 280, 35);
    barras.SetPicture(Listras(120, 20));
    barras.SetScaled(true);
    barras.SetStretch(true);
    EXPECT_FALSE(barras.Scaled()) << "setting Stretch clears Scaled";
    TRLGraphicSurface s(800, 800);
    barras.Draw(s, 0, 0);
    TRLPageRect caixa;
    ImagemGravada(s, &caixa);
    EXPECT_EQ(caixa, (TRLPageRect{5, 6, 285, 41}));
}

TEST(Imagem, TamanhoNaturalCortadoNaBorda) {
    TRLImage barras("imgBarras");
    barras.SetBounds(10, 10, 100, 100);
    barras.SetPicture(Listras(200, 50));
    TRLGraphicSurface s(800, 800);
    barras.Draw(s, 0, 0);
    TRLPageRect caixa;
    const QImage gravada = ImagemGravada(s, &caixa);
    EXPECT_EQ(caixa, (TRLPageRect{10, 10, 110, 60}));
    ASSERT_EQ(gravada.width(), 100);
    EXPECT_EQ(QColor(gravada.pixel(99, 0)), QColor(200, 0, 0)) << "only the left half was inside the box";

    barras.SetPicture(Listras(50, 50));
    barras.Center = true;
    TRLGraphicSurface s2(800, 800);
    barras.Draw(s2, 0, 0);
    ImagemGravada(s2, &caixa);
    EXPECT_EQ(caixa, (TRLPageRect{35, 35, 85, 85}));
}

TEST(Imagem, VaziaNaoDesenhaNada) {
    TRLImage vazia("img");
    vazia.SetBounds(0, 0, 10, 10);
    TRLGraphicSurface s(100, 100);
    vazia.Draw(s, 0, 0);
    EXPECT_TRUE(s.Objects().empty());
}

TEST(Imagem, JpegImprimeComoBitmap) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Listras(40, 20).save(&buffer, "JPG"));
    TRLImage logo("imgLogo");
    logo.SetBounds(0, 0, 40, 20);
    logo.LoadPicture(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
    TRLGraphicSurface s(100, 100);
    logo.Draw(s, 0, 0);
    const auto* o = Primeiro(s, TRLObjectKind::Image);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->As<TRLImageObject>()->Picture.substr(0, 3), "BMP");
    EXPECT_THROW(logo.LoadPicture("não é imagem"), std::runtime_error);
}

TEST(RotuloGirado, NoventaGrausGravadoComoTextoGiradoNaBaseDaCaixa) {
    TRLAngleLabel rotulo("labVertical");
    rotulo.SetFont(FonteTimes(11, true));
    rotulo.AutoSize = false;
    rotulo.Angle = 90.0;
    rotulo.Layout = TRLTextLayout::tlBottom;
    rotulo.SetBounds(0, 0, 30, 200);
    rotulo.SetCaption("DESTINATÁRIO");
    TRLGraphicSurface s(100, 300);
    rotulo.Draw(s, 0, 0);
    EXPECT_EQ(Primeiro(s, TRLObjectKind::Image), nullptr) << "no picture: it would blur and wipe rules";
    const TRLGraphicObject* o = Primeiro(s, TRLObjectKind::Text);
    ASSERT_NE(o, nullptr);
    const auto* t = o->As<TRLTextObject>();
    const TRLTextMeasurer m(FonteTimes(11, true));
    const int w = m.TextWidth("DESTINATÁRIO ");
    EXPECT_EQ(t->Text, "DESTINATÁRIO") << "accents kept";
    EXPECT_EQ(t->Angle, 90);
    EXPECT_EQ(t->Brush.Style, TRLBrushStyle::bsClear) << "transparent";
    EXPECT_EQ(o->BoundsRect, (TRLPageRect{0, 200 - w, m.TextHeight(), 200}));
    // It reads upwards from half a space above the box's bottom.
    EXPECT_EQ(t->Origin, (TRLPagePoint{0, 200 - m.SpaceWidth() / 2}));
}

TEST(RotuloGirado, DesenhadoNitidoSemApagarARegraDebaixo) {
    TRLGraphicSurface s(40, 120);
    s.Pen = TRLPen{};
    s.Line(4, 0, 4, 120);  // a rule the title stands on
    TRLAngleLabel rotulo("labVertical");
    rotulo.SetFont(FonteTimes(9));
    rotulo.Angle = 90.0;
    rotulo.Layout = TRLTextLayout::tlBottom;
    rotulo.SetBounds(0, 10, 12, 100);
    rotulo.AutoSize = false;
    rotulo.SetCaption("CÁLCULO");
    rotulo.Draw(s, 0, 0);
    // At 4 device pixels a design pixel, as a 384-dpi printer sees it.
    QImage img(160, 480, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        DesenharPagina(s, TRLMacros{}, p, QRectF(0, 0, 160, 480));
    }
    const TRLTextMeasurer m(FonteTimes(9));
    const int topoTexto = 4 * (110 - m.TextWidth("CÁLCULO") - m.SpaceWidth() / 2);
    int escurosNoTexto = 0;
    int escurosAcima = 0;
    for (int y = 0; y < 480; ++y) {
        EXPECT_LT(qGray(img.pixel(17, y)), 128) << "the rule was wiped at row " << y;
        for (int x = 24; x < 48; ++x) {
            if (qGray(img.pixel(x, y)) >= 128) continue;
            // Device glyphs may reach a design pixel past their measured advance.
            (y >= topoTexto - 8 && y < 440 ? escurosNoTexto : escurosAcima)++;
        }
    }
    EXPECT_GT(escurosNoTexto, 200) << "the title is not drawn";
    EXPECT_EQ(escurosAcima, 0) << "the title runs past its length";
}

TEST(RotuloGirado, AutoSizeTomaACaixaGirada) {
    TRLAngleLabel rotulo("lab");
    rotulo.SetFont(FonteTimes(9));
    rotulo.Angle = 90.0;
    rotulo.SetCaption("ABC");
    const TRLTextMeasurer m(FonteTimes(9));
    EXPECT_EQ(rotulo.Width, m.TextHeight());
    EXPECT_EQ(rotulo.Height, m.TextWidth("ABC "));
}

namespace {

// The bars of a barcode's outline: its teeth, four corners each, foot first.
std::vector<TRLPageRect> DentesDoPente(const TRLPolygonObject& p) {
    std::vector<TRLPageRect> r;
    for (size_t i = 0; i + 3 < p.Points.size(); i += 4)
        r.push_back({p.Points[i + 1].X, p.Points[i + 1].Y, p.Points[i + 2].X, p.Points[i].Y});
    return r;
}

std::vector<TRLPageRect> Barras(TRLBarcode& b) {
    TRLGraphicSurface s(800, 100);
    b.Draw(s, 0, 0);
    std::vector<TRLPageRect> r;
    for (const auto& o : s.Objects()) {
        EXPECT_NE(o.Kind(), TRLObjectKind::Image) << "bars are an outline, never a picture";
        if (const auto* p = o.As<TRLPolygonObject>()) {
            EXPECT_EQ(p->Brush, (TRLBrush{clBlack, TRLBrushStyle::bsSolid}));
            EXPECT_EQ(p->Pen.Style, TRLPenStyle::psClear) << "no pen to widen the bars";
            EXPECT_TRUE(r.empty()) << "all bars in one outline";
            r = DentesDoPente(*p);
        }
    }
    return r;
}

}  // namespace

TEST(Barras, CadaModuloEmPixelsInteirosAPartirDaEsquerda) {
    TRLBarcode b("barras");
    b.SetBounds(10, 5, 40, 20);
    b.Pattern = "2131";  // bar 2, space 1, bar 3, space 1: 7 modules, 5 pixels each in 40
    EXPECT_EQ(b.Modules(), 7);
    EXPECT_EQ(Barras(b), (std::vector<TRLPageRect>{{10, 5, 20, 25}, {25, 5, 40, 25}}));
    b.SetBounds(10, 5, 13, 20);  // room for one pixel a module
    EXPECT_EQ(Barras(b), (std::vector<TRLPageRect>{{10, 5, 12, 25}, {13, 5, 16, 25}}));
}

TEST(Barras, PadraoMaisLargoQueACaixaEApertadoNuncaCortado) {
    TRLBarcode b("barras");
    b.SetBounds(0, 0, 10, 20);
    b.Pattern = "11111111111111111111";  // 20 modules in 10 pixels
    const auto barras = Barras(b);
    ASSERT_EQ(barras.size(), 10u) << "no bar lost";
    EXPECT_EQ(barras.front().Left, 0);
    EXPECT_LE(barras.back().Right, 10);
    b.Pattern = "";
    EXPECT_TRUE(Barras(b).empty());
}
