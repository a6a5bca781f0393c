// Prepared pages as text: the line of each object kind, texts escaped and completed with the
// macros, pictures told apart by their pixels only, and a store that reads the same after a trip
// through its saved file.
#include "test_pages_common.h"

#include "report/RLPageDump.h"
#include "report/RLPageFile.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace luvenor;

namespace {

TRLMacros Loja() {
    TRLMacros m;
    m.Set("LastPageNumber", "7");
    return m;
}

// The page of every kind, as a reviewer reads it: one line per object in drawing order.
const char* const paginaCompleta =
    "Page 794x1123 PageNo=\"2\" CompositeIndex=\"0\"\n"
    "Pixel 3,4 1x1 color=010203\n"
    "Line 10,20 291x1 from=10,20 to=300,20 pen=0A141E,psDashDot,2 brush=C8D2DC,bsCross\n"
    "Rectangle 30,40 100x50 pen=0A141E,psDashDot,2 brush=C8D2DC,bsCross\n"
    "Text 30,100 200x12 font=\"Times New Roman\",9,b,u color=000080 align=Right,Center at=33,100 "
    "flags=Unbreakable \"NOTA FISCAL Nº 2 – 7\"\n"
    "Text 30,120 200x12 font=\"Arial\",9 color=000080 align=Left,Top at=33,120 flags=Unclipped,Unbreakable "
    "\"Ação ção €\"\n"
    "Text 30,140 200x12 font=\"Arial\",9 color=000080 align=Left,Top at=33,140 flags=Unbreakable \"CNPJ ✓ "
    "中文\"\n"
    "FillRect 400,400 20x10 brush=FA0000,bsSolid\n"
    "Ellipse 500,500 40x30 pen=0A141E,psDashDot,2 brush=FA0000,bsSolid\n"
    "Polygon 10,10 41x51 pen=0A141E,psDashDot,2 brush=FA0000,bsSolid points=10,10 50,10 50,60 10,60\n"
    "Polyline 0,0 10x8 pen=0A141E,psDashDot,2 points=0,0 5,7 9,2\n"
    "Image 600,600 50x30 picture=BMP,5x3 sha1=";

TRLGraphicObject Texto(std::string texto, TRLPageFont fonte = {}, uint16_t flags = 0) {
    TRLTextObject t;
    t.Text = std::move(texto);
    t.Font = fonte;
    t.TextFlags = flags;
    return {{0, 0, 10, 10}, 0, t};
}

std::string Linha(const TRLGraphicObject& o) {
    return DescreverObjeto(o, TRLMacros(), TRLMacros());
}

// The same pixels in the other picture format a page stores, an icon.
std::string ComoIcone(const QImage& imagem) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    imagem.save(&buffer, "ICO");
    return "ICO" + bytes.toStdString();
}

TRLGraphicObject Figura(std::string picture) {
    return {{0, 0, 5, 3}, 0, TRLImageObject{std::move(picture), 0}};
}

}  // namespace

TEST(DumpDePaginas, CadaTipoDeObjetoNumaLinhaComCamposNaOrdemFixa) {
    teste::GarantirAplicacao();
    const std::string dump = DescreverPagina(teste::PaginaCompleta(2), Loja());
    const std::string esperado = paginaCompleta;
    ASSERT_EQ(dump.substr(0, esperado.size()), esperado);
    const std::string resto = dump.substr(esperado.size());
    // The 12 hex digits of the picture's hash, then the clip and the arc drawn inside it.
    EXPECT_EQ(resto.substr(12),
              "\nSetClip 100,100 100x100\nArc 110,110 40x40 pen=0A141E,psDashDot,2 "
              "brush=FA0000,bsSolid\nResetClip\n");
    EXPECT_EQ(resto.substr(0, 12).find_first_not_of("0123456789abcdef"), std::string::npos) << resto;
}

TEST(DumpDePaginas, TextoGiradoMostraSeuAngulo) {
    TRLGraphicSurface p(100, 100);
    p.RotatedText({0, 10, 9, 60}, {0, 58}, "DESTINATÁRIO", 90, tfUnclipped);
    p.TextOut({0, 70, 50, 80}, 1, 70, "nivelado", tfUnclipped);
    const std::string dump = DescreverPagina(p, Loja());
    EXPECT_NE(dump.find("at=0,58 flags=Unclipped angle=90 \"DESTINATÁRIO\""), std::string::npos) << dump;
    EXPECT_EQ(dump.find("angle=0"), std::string::npos) << "a level text shows no angle";
}

struct CasoTexto {
    const char* nome;
    std::string texto;
    const char* mostrado;
};

class TextoNoDump : public testing::TestWithParam<CasoTexto> {};

TEST_P(TextoNoDump, FicaNumaLinhaDeUtf8) {
    const std::string linha = Linha(Texto(GetParam().texto));
    const std::string fim = std::string(" \"") + GetParam().mostrado + "\"";
    ASSERT_GE(linha.size(), fim.size());
    EXPECT_EQ(linha.substr(linha.size() - fim.size()), fim) << linha;
    EXPECT_EQ(linha.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, TextoNoDump,
    testing::Values(CasoTexto{"aspas_e_barra", "diz \"sim\" \\ não", R"(diz \"sim\" \\ não)"},
                    CasoTexto{"quebras_e_tabulacao", "linha 1\r\nlinha 2\tfim", R"(linha 1\r\nlinha 2\tfim)"},
                    CasoTexto{"controles",
                              std::string("a\x01"
                                          "b\x7F",
                                          4),
                              R"(a\x01b\x7F)"},
                    CasoTexto{"bytes_que_nao_sao_utf8", "CAF\xC9 \xE9t\xE9", R"(CAF\xC9 \xE9t\xE9)"},
                    CasoTexto{"sequencia_cortada", "fim \xE2\x82", R"(fim \xE2\x82)"},
                    CasoTexto{"acentos_e_simbolos", "Nº 5 – Ação € ✓", "Nº 5 – Ação € ✓"}),
    [](const testing::TestParamInfo<CasoTexto>& i) { return std::string(i.param.nome); });

TEST(DumpDePaginas, TextoCompletaAsMacrosDaPaginaAntesDasDaLoja) {
    TRLGraphicSurface pagina(100, 100);
    pagina.Macros().Set("PageNo", "2");
    pagina.Macros().Set("Title", "da página");
    pagina.Add(Texto("Fl: {PageNo}/{LastPageNumber} {Title} {Desconhecida}"));
    TRLMacros loja = Loja();
    loja.Set("Title", "da loja");
    const std::string dump = DescreverPagina(pagina, loja);
    EXPECT_NE(dump.find("\"Fl: 2/7 da página {Desconhecida}\"\n"), std::string::npos) << dump;
}

TEST(DumpDePaginas, FonteEstilosEValoresForaDoComum) {
    TRLPageFont f;
    f.Name = "Liberation Serif";
    f.Height = 0;
    f.Size = 12;
    f.PixelsPerInch = 120;
    f.Style = pfsItalic | pfsStrikeOut;
    f.Pitch = TRLFontPitch::fpFixed;
    EXPECT_NE(Linha(Texto("x", f)).find(" font=\"Liberation Serif\",12pt@120,i,s,fixed color=000000 "),
              std::string::npos);
    f.Height = 15;
    f.Style = 0;
    f.Pitch = TRLFontPitch::fpDefault;
    EXPECT_NE(Linha(Texto("x", f, 0x42)).find(" font=\"Liberation Serif\",cell15 color=000000 "),
              std::string::npos);
    EXPECT_NE(Linha(Texto("x", f, 0x42)).find(" flags=0x0042 "), std::string::npos);
    EXPECT_NE(Linha(Texto("x", f, 0)).find(" flags=- "), std::string::npos);

    // A damaged file may hold any byte where a style is stored: it shows as its number.
    TRLRectangleObject r{TRLPen{0, 3, static_cast<TRLPenStyle>(40), 1},
                         TRLBrush{0xFFFFFF, static_cast<TRLBrushStyle>(99)}};
    EXPECT_EQ(Linha({{1, 2, 4, 6}, 0, r}), "Rectangle 1,2 3x4 pen=000000,40,1,mode=3 brush=FFFFFF,99");
    TRLTextObject t;
    t.Alignment = static_cast<TRLPageAlignment>(9);
    t.Layout = static_cast<TRLPageLayout>(8);
    EXPECT_NE(Linha({{0, 0, 1, 1}, 0, t}).find(" align=9,8 "), std::string::npos);
}

TEST(DumpDePaginas, FiguraPelosPixelsNaoPelosBytes) {
    teste::GarantirAplicacao();
    const QImage imagem = teste::ImagemDeTeste();
    const std::string nossa = CodificarImagem(imagem);
    const std::string icone = ComoIcone(imagem);
    ASSERT_GT(icone.size(), 3u);
    EXPECT_EQ(Linha(Figura(nossa)).substr(0, 30), "Image 0,0 5x3 picture=BMP,5x3 ");
    EXPECT_EQ(Linha(Figura(icone)).substr(0, 30), "Image 0,0 5x3 picture=ICO,5x3 ");
    EXPECT_EQ(Linha(Figura(nossa)).substr(30), Linha(Figura(icone)).substr(30));

    QImage outra = imagem;
    outra.setPixel(4, 2, qRgb(0, 0, 0));
    EXPECT_NE(Linha(Figura(CodificarImagem(outra))), Linha(Figura(nossa)));
    EXPECT_EQ(Linha(Figura("NIL")), "Image 0,0 5x3 picture=NIL");
    EXPECT_EQ(Linha(Figura("BMPnada disso")), "Image 0,0 5x3 picture=undecodable");
    EXPECT_EQ(Linha({{0, 0, 5, 3}, 0, TRLImageObject{"NIL", 7}}), "Image 0,0 5x3 picture=NIL flag=7");
}

TEST(DumpDePaginas, FiguraLembradaDescreveOMesmoQueANova) {
    teste::GarantirAplicacao();
    const std::string primeira = Linha(Figura(CodificarImagem(teste::ImagemDeTeste())));
    // More pictures than are remembered, each differing in one pixel, push the first one out.
    std::set<std::string> linhas;
    for (int i = 0; i < 20; ++i) {
        QImage img = teste::ImagemDeTeste();
        img.setPixel(0, 0, qRgb(i, 1, 1));
        linhas.insert(Linha(Figura(CodificarImagem(img))));
    }
    EXPECT_EQ(linhas.size(), 20u);
    EXPECT_EQ(Linha(Figura(CodificarImagem(teste::ImagemDeTeste()))), primeira);
}

TEST(DumpDePaginas, LojaComFolhasEMacrosSemONomeDoPrograma) {
    teste::GarantirAplicacao();
    TRLGraphicStorage loja;
    loja.Macros().Set("LastPageNumber", "2");
    loja.Macros().Set("JobTitle", "/caminho/do/programa: FrtDanfe1.RLReport1");
    loja.Macros().Set("Title", "DANFE");
    loja.Add(teste::PaginaCompleta(1));
    loja.Add(teste::PaginaCompleta(2));
    const std::string dump = DescreverPaginas(loja);
    EXPECT_EQ(dump.rfind("Store LastPageNumber=\"2\" Title=\"DANFE\"\n--- sheet 1 of 2 ---\nPage 794x1123 "
                         "PageNo=\"1\"",
                         0),
              0u)
        << dump.substr(0, 200);
    EXPECT_EQ(dump.find("programa"), std::string::npos);
    EXPECT_NE(dump.find("\n--- sheet 2 of 2 ---\nPage 794x1123 PageNo=\"2\""), std::string::npos);
    EXPECT_NE(dump.find("\"NOTA FISCAL Nº 2 – 2\""), std::string::npos);
}

TEST(DumpDePaginas, ArquivoSalvoELidoDeNovoDescreveAsMesmasPaginas) {
    teste::GarantirAplicacao();
    TRLGraphicStorage loja;
    loja.Macros().Set("LastPageNumber", "3");
    for (int i = 1; i <= 3; ++i) loja.Add(teste::PaginaCompleta(i));
    TRLGraphicStorage lida;
    LerArquivoPaginas(GerarArquivoPaginas(loja), lida);
    ASSERT_EQ(lida.Count(), 3);
    EXPECT_EQ(DescreverPaginas(lida), DescreverPaginas(loja));
}

TEST(DumpDePaginas, EmPartesParaNaPrimeiraRecusada) {
    teste::GarantirAplicacao();
    TRLGraphicStorage loja;
    for (int i = 1; i <= 3; ++i) loja.Add(teste::PaginaCompleta(i));
    std::string juntas;
    int partes = 0;
    EXPECT_TRUE(DescreverPaginas(loja, [&](std::string_view parte) {
        juntas += parte;
        return ++partes > 0;
    }));
    EXPECT_EQ(partes, 4);  // the macros' line and each page
    EXPECT_EQ(juntas, DescreverPaginas(loja));

    partes = 0;
    EXPECT_FALSE(DescreverPaginas(loja, [&](std::string_view) { return ++partes < 2; }));
    EXPECT_EQ(partes, 2);
}
