// The prepared-page file: byte layout, round trip, skipping unknown kinds, and refusing damaged
// files with messages that say what is wrong and where.
#include "report/RLPageFile.h"

#include "test_pages_common.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace luvenor;
using luvenor::teste::PaginaCompleta;

namespace {

// Little-endian bytes built by hand, independent of the writer under test.
struct Bytes {
    std::string s;
    Bytes& U8(uint8_t v) {
        s.push_back(char(v));
        return *this;
    }
    Bytes& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    Bytes& I32(int32_t v) {
        for (int i = 0; i < 4; ++i) U8(uint8_t((uint32_t(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes& Raw(std::string_view b) {
        s.append(b);
        return *this;
    }
    Bytes& Raw(const char* b, size_t n) { return Raw(std::string_view(b, n)); }
    Bytes& Txt(std::string_view b) { return I32(int32_t(b.size())).Raw(b); }
    Bytes& Obj(uint8_t kind, const std::string& body) { return U8(kind).I32(int32_t(body.size())).Raw(body); }
};

int32_t LerI32(const std::string& s, size_t pos) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | uint8_t(s[pos + size_t(i)]);
    return int32_t(v);
}

std::string CabecalhoDeObjeto(int32_t l, int32_t t, int32_t r, int32_t b, int32_t grupo) {
    return Bytes{}.I32(l).I32(t).I32(r).I32(b).I32(grupo).I32(0).s;
}

// A page of 100 x 50 with the font "Arial" and the given objects (already encoded).
std::string PaginaManual(int32_t objetos, const std::string& corpoDosObjetos) {
    return Bytes{}
        .Raw(AssinaturaPagina)
        .I32(100)
        .I32(50)
        .I32(1)
        .Txt("PageNo=1")
        .I32(1)
        .Txt("Arial")
        .I32(objetos)
        .Raw(corpoDosObjetos)
        .s;
}

std::string ArquivoManual(const std::vector<std::string>& paginas) {
    Bytes b;
    b.Raw(AssinaturaArquivoPaginas).I32(1).Txt("LastPageNumber=1").I32(int32_t(paginas.size()));
    size_t offset = b.s.size() + 4 * paginas.size();
    for (const std::string& p : paginas) {
        b.I32(int32_t(offset));
        offset += 4 + p.size();
    }
    for (const std::string& p : paginas) b.Txt(p);
    return b.s;
}

// The stored text object of the layout test, by hand.
std::string TextoManual() {
    Bytes corpo;
    corpo.Raw(CabecalhoDeObjeto(1, 2, 90, 14, 7))
        .U8(2)  // right
        .U8(3)  // centre
        .I32(4)
        .I32(5)
        .U16(5)  // unclipped + unbreakable
        .Txt("A\xE7\xE3o")
        .Raw("\x01\x02\x03")
        .U8(2)  // brush: colour, clear
        .I32(96)
        .U8(0)
        .Raw("\x00\x00\x80", 3)
        .I32(-9)
        .I32(0)
        .U8(1)
        .I32(7)
        .U8(1);
    return Bytes{}.Obj(4, corpo.s).s;
}

// With LUVENOR_PAGEFILE_SEEDS set to a folder, the files these tests read are also written there
// as seeds for the page-file fuzz target (fuzz/README.md).
void GuardarSemente(const char* nome, const std::string& bytes) {
    const char* pasta = std::getenv("LUVENOR_PAGEFILE_SEEDS");
    if (!pasta || !*pasta) return;
    if (FILE* f = std::fopen((std::string(pasta) + "/" + nome + ".rpf").c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

void LerArquivo(const std::string& bytes, TRLGraphicStorage& store) {
    LerArquivoPaginas(bytes, store);
}

std::string MensagemAoLer(const std::string& bytes) {
    TRLGraphicStorage store;
    try {
        LerArquivo(bytes, store);
    } catch (const ERLPageFileError& e) {
        EXPECT_EQ(store.Count(), 0) << "a refused file leaves the store empty";
        return e.what();
    }
    return "(accepted)";
}

TEST(PageFileLayout, TextObjectIsWrittenByteForByte) {
    TRLGraphicSurface p(100, 50);
    p.Macros().Set("PageNo", "1");
    p.SetGroupId(7);
    p.Font = TRLPageFont{"Arial", 96, 0, qRgb(0, 0, 128), -9, TRLFontPitch::fpDefault, 7, pfsBold};
    p.Brush = TRLBrush{qRgb(1, 2, 3), TRLBrushStyle::bsClear};
    p.TextRect({1, 2, 90, 14}, 4, 5, "Ação", TRLPageAlignment::Right, TRLPageLayout::Center,
               tfUnclipped | tfUnbreakable);
    EXPECT_EQ(EscreverPagina(p), PaginaManual(1, TextoManual()));
}

TEST(PageFileLayout, TurnedTextAddsItsAngleAfterTheLevelTextsBytes) {
    TRLGraphicSurface nivelada(100, 50);
    nivelada.Macros().Set("PageNo", "1");
    nivelada.SetGroupId(7);
    nivelada.Font = TRLPageFont{"Arial", 96, 0, qRgb(0, 0, 128), -9, TRLFontPitch::fpDefault, 7, pfsBold};
    nivelada.Brush = TRLBrush{qRgb(1, 2, 3), TRLBrushStyle::bsClear};
    TRLGraphicSurface girada = nivelada;
    nivelada.TextRect({1, 2, 90, 14}, 4, 5, "Ação", TRLPageAlignment::Left, TRLPageLayout::Top, tfUnclipped);
    girada.RotatedText({1, 2, 90, 14}, {4, 5}, "Ação", 90, tfUnclipped);
    const std::string a = EscreverPagina(nivelada);
    const std::string b = EscreverPagina(girada);
    // The object's body grows by the four bytes of the angle (its length prefix says so) and
    // nothing else changes, so a reader that stops at the font still reads the text.
    ASSERT_EQ(b.size(), a.size() + 4);
    EXPECT_EQ(b.substr(b.size() - 4), std::string("\x5a\0\0\0", 4));
    const TRLGraphicSurface lida = LerPagina(b, 1);
    ASSERT_EQ(lida.Objects().size(), 1u);
    EXPECT_EQ(lida.Objects()[0], girada.Objects()[0]);
    EXPECT_EQ(LerPagina(a, 1).Objects()[0].As<TRLTextObject>()->Angle, 0) << "older files hold level texts";
}

TEST(PageFileLayout, ShapesAreWrittenByteForByte) {
    TRLGraphicSurface p(100, 50);
    p.Macros().Set("PageNo", "1");
    p.FontIndex("Arial");
    p.Pen = TRLPen{qRgb(9, 8, 7), PenModeCopy, TRLPenStyle::psDash, 3};
    p.Brush = TRLBrush{qRgb(4, 5, 6), TRLBrushStyle::bsSolid};
    p.Polyline({{1, 2}, {3, 4}});
    p.StretchDraw({0, 0, 2, 1}, QImage());
    const std::string caneta = Bytes{}.Raw("\x09\x08\x07").U8(5).U8(2).I32(3).s;
    const std::string linha =
        Bytes{}.Raw(CabecalhoDeObjeto(1, 2, 4, 5, 0)).Raw(caneta).I32(2).I32(1).I32(2).I32(3).I32(4).s;
    const std::string imagem = Bytes{}.Raw(CabecalhoDeObjeto(0, 0, 2, 1, 0)).Txt("NIL").U8(0).s;
    EXPECT_EQ(EscreverPagina(p), PaginaManual(2, Bytes{}.Obj(8, linha).Obj(9, imagem).s));
}

TEST(PageFileLayout, HandBuiltFileReadsBack) {
    TRLGraphicStorage store;
    GuardarSemente("hand_built_text", ArquivoManual({PaginaManual(1, TextoManual())}));
    LerArquivo(ArquivoManual({PaginaManual(1, TextoManual())}), store);
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Macros().Value("LastPageNumber"), "1");
    const auto pagina = store.Page(0);
    ASSERT_EQ(pagina->Objects().size(), 1u);
    const TRLTextObject* t = pagina->Objects()[0].As<TRLTextObject>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Text, "Ação");
    EXPECT_EQ(t->Font.Name, "Arial");
    EXPECT_EQ(t->Font.Height, -9);
    EXPECT_EQ(t->Alignment, TRLPageAlignment::Right);
    EXPECT_EQ(pagina->Objects()[0].GroupId, 7);
}

TEST(PageFileRoundTrip, EveryObjectKindAndMacroSurvivesSaveAndLoad) {
    TRLGraphicStorage store;
    store.Macros().Set("LastPageNumber", "3");
    store.Macros().Set("Title", "DANFE – Emitente Fictício Ltda");
    store.Macros().Set("Orientation", "1");
    for (int i = 1; i <= 3; ++i) store.Add(PaginaCompleta(i));
    const std::string arquivo = GerarArquivoPaginas(store);
    GuardarSemente("every_kind_three_pages", arquivo);

    ASSERT_GT(arquivo.size(), 18u);
    EXPECT_EQ(arquivo.substr(0, 18), std::string("VIZodedadUvezaru3\x1A", 18));
    // Table after the signature, the macros and the count: each entry points at a record whose
    // length prefix is followed by the page signature.
    size_t pos = 18;
    const int32_t macros = LerI32(arquivo, pos);
    pos += 4;
    for (int i = 0; i < macros; ++i) pos += 4 + size_t(LerI32(arquivo, pos));
    ASSERT_EQ(LerI32(arquivo, pos), 3);
    for (int i = 0; i < 3; ++i) {
        const size_t registro = size_t(LerI32(arquivo, pos + 4 + 4 * size_t(i)));
        EXPECT_EQ(arquivo.substr(registro + 4, 18), std::string("RLGraphicSurface3\x1A", 18))
            << "page " << i + 1;
        EXPECT_EQ(size_t(LerI32(arquivo, registro)), store.PageRecord(i).size());
    }

    TRLGraphicStorage lida;
    LerArquivo(arquivo, lida);
    EXPECT_EQ(lida.Macros(), store.Macros());
    ASSERT_EQ(lida.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const TRLGraphicSurface original = PaginaCompleta(i + 1);
        const auto pagina = lida.Page(i);
        ASSERT_EQ(pagina->Objects().size(), 12u + 2);
        for (size_t j = 0; j < original.Objects().size(); ++j)
            EXPECT_EQ(pagina->Objects()[j], original.Objects()[j]) << "page " << i + 1 << " object " << j + 1;
        EXPECT_EQ(*pagina, original);
    }
    EXPECT_EQ(GerarArquivoPaginas(lida), arquivo) << "reading and writing again changes nothing";
}

TEST(PageFileRoundTrip, SavedFileOnDiskLoadsBack) {
    TRLGraphicStorage store;
    store.Add(PaginaCompleta());
    const std::string caminho = testing::TempDir() + "pages_roundtrip.rpf";
    SalvarArquivoPaginas(store, caminho);
    TRLGraphicStorage lida;
    CarregarArquivoPaginas(caminho, lida);
    ASSERT_EQ(lida.Count(), 1);
    EXPECT_EQ(*lida.Page(0), PaginaCompleta());
    EXPECT_THROW(SalvarArquivoPaginas(store, "/no/such/folder/x.rpf"), std::runtime_error);
    EXPECT_THROW(CarregarArquivoPaginas("/no/such/folder/x.rpf", lida), ERLPageFileError);
}

TEST(PageFileReading, ObjectOfUnknownKindIsSkippedByItsLength) {
    const std::string desconhecido = Bytes{}.Obj(42, "any bytes at all, even \xFF\xFF\xFF\xFF").s;
    const std::string pixel = Bytes{}.Obj(1, CabecalhoDeObjeto(3, 4, 4, 5, 1) + "\x0A\x0B\x0C").s;
    TRLGraphicStorage store;
    GuardarSemente("unknown_kind", ArquivoManual({PaginaManual(3, pixel + desconhecido + pixel)}));
    LerArquivo(ArquivoManual({PaginaManual(3, pixel + desconhecido + pixel)}), store);
    const auto pagina = store.Page(0);
    ASSERT_EQ(pagina->Objects().size(), 2u);
    for (const TRLGraphicObject& o : pagina->Objects()) {
        ASSERT_EQ(o.Kind(), TRLObjectKind::Pixel);
        EXPECT_EQ(o.As<TRLPixelObject>()->Color, qRgb(10, 11, 12));
    }
}

TEST(PageFileReading, EveryTruncationIsRefusedWithAnError) {
    TRLGraphicSurface p(100, 50);
    p.TextOut({0, 0, 10, 10}, 0, 0, "x", 0);
    p.Line(0, 0, 5, 5);
    TRLGraphicStorage store;
    store.Add(p);
    store.Macros().Set("Title", "t");
    const std::string arquivo = GerarArquivoPaginas(store);
    GuardarSemente("text_and_line", arquivo);
    for (size_t n = 0; n < arquivo.size(); ++n) {
        const std::string mensagem = MensagemAoLer(arquivo.substr(0, n));
        EXPECT_NE(mensagem, "(accepted)") << "cut at " << n;
    }
    EXPECT_EQ(MensagemAoLer(arquivo.substr(0, 10)),
              "não é um arquivo de páginas preparadas: falta a assinatura");
    EXPECT_EQ(MensagemAoLer(arquivo.substr(0, 20)),
              "a contagem de macros do arquivo ultrapassa o fim do arquivo");
    EXPECT_EQ(MensagemAoLer(arquivo.substr(0, arquivo.size() - 1)),
              "página 1: o registro ultrapassa o fim do arquivo");
}

struct Dano {
    const char* nome;
    std::function<std::string()> arquivo;
    const char* mensagem;
};

std::string PaginaComTexto(const std::function<void(Bytes&)>& corpoAposCabecalho) {
    Bytes corpo;
    corpo.Raw(CabecalhoDeObjeto(0, 0, 10, 10, 0));
    corpoAposCabecalho(corpo);
    return ArquivoManual({PaginaManual(1, Bytes{}.Obj(4, corpo.s).s)});
}

void TextoValido(Bytes& b, int32_t indiceFonte, uint8_t alinhamento) {
    b.U8(alinhamento).U8(1).I32(0).I32(0).U16(4).Txt("ok").Raw("\x01\x02\x03").U8(1);
    b.I32(96).U8(0).Raw("\x00\x00\x00", 3).I32(-9).I32(indiceFonte).U8(1).I32(7).U8(0);
}

class PageFileDamage : public testing::TestWithParam<Dano> {};

TEST_P(PageFileDamage, IsRefusedWithItsMessage) {
    EXPECT_EQ(MensagemAoLer(GetParam().arquivo()), GetParam().mensagem);
}

const Dano danos[] = {
    {"WrongFileSignature",
     [] {
         std::string a = ArquivoManual({});
         a[3] = 'x';
         return a;
     },
     "não é um arquivo de páginas preparadas: falta a assinatura"},
    {"NegativeStoreMacroCount", [] { return Bytes{}.Raw(AssinaturaArquivoPaginas).I32(-1).s; },
     "a contagem de macros do arquivo -1 é negativa"},
    {"HugePageCount", [] { return Bytes{}.Raw(AssinaturaArquivoPaginas).I32(0).I32(0x7FFFFFFF).s; },
     "a contagem de páginas 2147483647 é maior do que o arquivo comporta"},
    {"PageOffsetOutsideFile", [] { return Bytes{}.Raw(AssinaturaArquivoPaginas).I32(0).I32(1).I32(5000).s; },
     "página 1: o início do registro, 5000, fica fora do arquivo"},
    {"NegativeRecordLength",
     [] { return Bytes{}.Raw(AssinaturaArquivoPaginas).I32(0).I32(1).I32(30).I32(-2).s; },
     "página 1: o tamanho do registro -2 é negativo"},
    {"WrongPageSignature", [] { return ArquivoManual({"RLGraphicSurface2\x1A" + std::string(20, '\0')}); },
     "página 1: falta a assinatura da página"},
    {"StoreMacroTextTooLong",
     [] { return Bytes{}.Raw(AssinaturaArquivoPaginas).I32(1).I32(1000).Raw("abc").s; },
     "a macro do arquivo 1 ultrapassa o fim do arquivo"},
    {"NegativeTextLength", [] { return Bytes{}.Raw(AssinaturaArquivoPaginas).I32(1).I32(-7).s; },
     "a macro do arquivo 1: o tamanho do texto -7 é negativo"},
    {"HugeObjectCount", [] { return ArquivoManual({PaginaManual(1000000, "")}); },
     "página 1: a contagem de objetos 1000000 é maior do que o registro da página comporta"},
    {"ObjectPastItsRecord",
     [] { return ArquivoManual({PaginaManual(1, Bytes{}.U8(1).I32(500).Raw("abc").s)}); },
     "página 1: o objeto 1 ultrapassa o fim do registro da página"},
    {"SecondObjectPastItsRecord",
     [] {
         return ArquivoManual({PaginaManual(2, Bytes{}.Obj(11, CabecalhoDeObjeto(0, 0, 0, 0, 0)).U8(4).s)});
     },
     "página 1: o objeto 2 ultrapassa o fim do registro da página"},
    {"BodyShorterThanItsKind",
     [] { return ArquivoManual({PaginaManual(1, Bytes{}.Obj(2, CabecalhoDeObjeto(0, 0, 1, 1, 0)).s)}); },
     "página 1: o objeto 1 (linha) ultrapassa o fim do corpo do objeto"},
    {"FontNotInTable", [] { return PaginaComTexto([](Bytes& b) { TextoValido(b, 3, 1); }); },
     "página 1: o objeto 1 (texto): a fonte 3 não está na tabela de fontes da página (1 fontes)"},
    {"UnknownAlignment", [] { return PaginaComTexto([](Bytes& b) { TextoValido(b, 0, 9); }); },
     "página 1: o objeto 1 (texto): valor 9 desconhecido para o alinhamento do texto"},
    {"PointCountBeyondBody",
     [] {
         const std::string corpo = Bytes{}
                                       .Raw(CabecalhoDeObjeto(0, 0, 1, 1, 0))
                                       .Raw("\0\0\0\x05", 4)
                                       .U8(1)
                                       .I32(1)
                                       .I32(99)
                                       .I32(1)
                                       .I32(1)
                                       .s;
         return ArquivoManual({PaginaManual(1, Bytes{}.Obj(8, corpo).s)});
     },
     "página 1: o objeto 1 (polilinha): a contagem de pontos 99 é maior do que o corpo do objeto comporta"},
};

INSTANTIATE_TEST_SUITE_P(Files, PageFileDamage, testing::ValuesIn(danos),
                         [](const testing::TestParamInfo<Dano>& i) { return std::string(i.param.nome); });

struct CasoTexto {
    const char* nome;
    std::string utf8;
    std::string armazenado;
};

class StoredTexts : public testing::TestWithParam<CasoTexto> {};

TEST_P(StoredTexts, AreWindows1252WhenPossibleAndLossless) {
    EXPECT_EQ(TextoParaArquivo(GetParam().utf8), GetParam().armazenado);
    EXPECT_EQ(TextoDoArquivo(GetParam().armazenado), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredTexts,
    testing::Values(CasoTexto{"Ascii", "DANFE 123", "DANFE 123"},
                    CasoTexto{"PortugueseAccents", "Ação Ç", "A\xE7\xE3o \xC7"},
                    CasoTexto{"EuroAndDashFromTheHighRow", "€ – ™", "\x80 \x96 \x99"},
                    CasoTexto{"CheckMarkNeedsUtf8", "ok ✓", "\xEF\xBB\xBFok \xE2\x9C\x93"},
                    CasoTexto{"LatinTextStartingLikeTheMark", "ï»¿x",
                              "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx"},
                    CasoTexto{"BrokenUtf8KeptAsIs", "a\xFF",
                              "\xEF\xBB\xBF"
                              "a\xFF"},
                    CasoTexto{"Empty", "", ""}),
    [](const testing::TestParamInfo<CasoTexto>& i) { return std::string(i.param.nome); });

TEST(StoredPictures, AreReal24BitBottomUpBitmaps) {
    const QImage img = teste::ImagemDeTeste();  // 5 x 3: rows of 15 bytes padded to 16
    const std::string bmp = CodificarImagem(img);
    ASSERT_EQ(bmp.size(), 3u + 14 + 40 + 16 * 3);
    EXPECT_EQ(bmp.substr(0, 5), "BMPBM");
    EXPECT_EQ(LerI32(bmp, 3 + 2), int32_t(bmp.size() - 3));  // file size
    EXPECT_EQ(LerI32(bmp, 3 + 10), 54);                      // pixel offset
    EXPECT_EQ(LerI32(bmp, 3 + 18), 5);                       // width
    EXPECT_EQ(LerI32(bmp, 3 + 22), 3);                       // height > 0: bottom-up
    EXPECT_EQ(uint8_t(bmp[3 + 28]), 24);                     // bits per pixel
    // First stored row is the image's last; pixels are blue, green, red.
    EXPECT_EQ(uint8_t(bmp[3 + 54]), qBlue(img.pixel(0, 2)));
    EXPECT_EQ(uint8_t(bmp[3 + 55]), qGreen(img.pixel(0, 2)));
    const QImage lida = DecodificarImagem(bmp);
    ASSERT_EQ(lida.size(), img.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(lida.pixel(x, y), img.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(CodificarImagem(QImage()), "NIL");
    EXPECT_TRUE(DecodificarImagem("NIL").isNull());
    EXPECT_TRUE(DecodificarImagem("BMPgarbage").isNull());
}

}  // namespace
