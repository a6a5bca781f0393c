// The page store: the first pages stay in memory up to a budget; the rest go to a private temporary
// file and come back through a five-page cache.
#include "report/RLGraphics.h"
#include "report/RLPageFile.h"

#include "test_pages_common.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace luvenor;
using luvenor::teste::PaginaCompleta;

namespace {

// Bytes of one test page in memory, measured through the budget: the largest budget that still
// sends the first page to the file.
size_t BytesDeUmaPagina() {
    size_t baixo = 0, alto = size_t{1} << 20;
    while (baixo + 1 < alto) {
        const size_t meio = (baixo + alto) / 2;
        TRLGraphicStorage store;
        store.SetMemoryBudget(meio);
        store.Add(PaginaCompleta(1));
        (store.TemporaryFileDescriptor() < 0 ? alto : baixo) = meio;
    }
    return alto;
}

// Every page in the file, in memory, or the first ones in memory and the rest in the file.
class PageStoreBudget : public testing::TestWithParam<int> {
protected:
    size_t Orcamento() const {
        const int paginas = GetParam();
        return paginas < 0 ? TRLGraphicStorage::DefaultMemoryBudget
                           : BytesDeUmaPagina() * static_cast<size_t>(paginas);
    }
};

TEST_P(PageStoreBudget, TwelvePagesReadBackInAnyOrder) {
    TRLGraphicStorage store;
    store.SetMemoryBudget(Orcamento());
    for (int i = 1; i <= 12; ++i) store.Add(PaginaCompleta(i));
    ASSERT_EQ(store.Count(), 12);
    // Forwards, backwards and jumping: most reads from the file miss the five cached pages.
    const int ordem[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11, 0, 6, 3, 10, 1, 9, 2, 8, 5, 7, 4};
    for (int n : ordem) {
        const auto pagina = store.Page(n);
        ASSERT_NE(pagina, nullptr);
        EXPECT_EQ(*pagina, PaginaCompleta(n + 1)) << "page " << n + 1;
        EXPECT_EQ(pagina->Macros().Value("PageNo"), std::to_string(n + 1));
        EXPECT_EQ(store.PageRecord(n), EscreverPagina(PaginaCompleta(n + 1))) << "page " << n + 1;
    }
    EXPECT_THROW(store.Page(12), std::out_of_range);
    EXPECT_THROW(store.PageRecord(12), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(InFileInMemoryAndSplit, PageStoreBudget, testing::Values(0, 5, -1));

TEST(PageStore, PagesWithinTheBudgetNeverTouchTheDisk) {
    TRLGraphicStorage store;
    for (int i = 1; i <= 30; ++i) store.Add(PaginaCompleta(i));
    EXPECT_EQ(store.TemporaryFileDescriptor(), -1);
    EXPECT_EQ(*store.Page(29), PaginaCompleta(30));
}

TEST(PageStore, OnceAPageGoesToTheFileEveryLaterPageDoes) {
    const size_t umaPagina = BytesDeUmaPagina();
    TRLGraphicStorage store;
    store.SetMemoryBudget(umaPagina * 2);
    store.Add(PaginaCompleta(1));
    TRLGraphicSurface grande = PaginaCompleta(2);
    for (int i = 0; i < 200; ++i) grande.Line(i, 0, i, 10);  // more than the budget left
    store.Add(grande);
    ASSERT_GE(store.TemporaryFileDescriptor(), 0);
    struct stat antes {};
    ASSERT_EQ(::fstat(store.TemporaryFileDescriptor(), &antes), 0);
    store.Add(PaginaCompleta(3));  // would fit in memory, but must keep the order of the file
    struct stat depois {};
    ASSERT_EQ(::fstat(store.TemporaryFileDescriptor(), &depois), 0);
    EXPECT_GT(depois.st_size, antes.st_size);
    EXPECT_EQ(*store.Page(0), PaginaCompleta(1));
    EXPECT_EQ(*store.Page(1), grande);
    EXPECT_EQ(*store.Page(2), PaginaCompleta(3));
}

TEST(PageStore, APageHeldByTheCallerOutlivesItsCacheEntry) {
    TRLGraphicStorage store;
    store.SetMemoryBudget(0);
    store.Add(PaginaCompleta(1));
    const auto primeira = store.Page(0);
    for (int i = 2; i <= 8; ++i) store.Add(PaginaCompleta(i));
    for (int n = 1; n < 8; ++n) store.Page(n);
    EXPECT_EQ(*primeira, PaginaCompleta(1));
    EXPECT_EQ(*store.Page(0), PaginaCompleta(1));
}

TEST(PageStore, StoredPageIsACopyOfWhatWasAdded) {
    for (size_t orcamento : {size_t{0}, TRLGraphicStorage::DefaultMemoryBudget}) {
        TRLGraphicStorage store;
        store.SetMemoryBudget(orcamento);
        TRLGraphicSurface p = PaginaCompleta(1);
        store.Add(p);
        p.Line(0, 0, 1, 1);
        p.Macros().Set("PageNo", "99");
        EXPECT_EQ(*store.Page(0), PaginaCompleta(1)) << "budget " << orcamento;
        EXPECT_THROW(store.Page(-1), std::out_of_range);
    }
}

TEST(PageStore, TemporaryFileIsPrivateUnlinkedAndClosedWithTheStore) {
    int fd = -1;
    {
        TRLGraphicStorage store;
        store.SetMemoryBudget(0);
        EXPECT_EQ(store.TemporaryFileDescriptor(), -1) << "created with the first page only";
        store.Add(PaginaCompleta(1));
        fd = store.TemporaryFileDescriptor();
        ASSERT_GE(fd, 0);
        struct stat st {};
        ASSERT_EQ(::fstat(fd, &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        EXPECT_EQ(st.st_nlink, 0u) << "no name left in the temporary folder, even if the process dies";
        EXPECT_GT(st.st_size, 0);
        EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0) << "not inherited by child processes";
    }
    errno = 0;
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
    EXPECT_EQ(errno, EBADF) << "the descriptor is closed with the store";
}

TEST(PageStore, ClearEmptiesPagesMacrosAndFile) {
    TRLGraphicStorage store;
    store.SetMemoryBudget(0);
    store.Macros().Set("LastPageNumber", "2");
    store.Add(PaginaCompleta(1));
    store.Add(PaginaCompleta(2));
    const int fd = store.TemporaryFileDescriptor();
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Macros().Count(), 0);
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
    store.Add(PaginaCompleta(3));
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(*store.Page(0), PaginaCompleta(3));
}

TEST(PageStore, HonoursTheTemporaryFolderSetting) {
    const std::string pasta = testing::TempDir() + "pages_tmp_XXXXXX";
    std::string modelo = pasta;
    ASSERT_NE(::mkdtemp(modelo.data()), nullptr);
    const char* anterior = std::getenv("TMPDIR");
    const std::string guardado = anterior ? anterior : "";
    ::setenv("TMPDIR", modelo.c_str(), 1);
    {
        TRLGraphicStorage store;
        store.SetMemoryBudget(0);
        store.Add(PaginaCompleta(1));
        char caminho[64];
        std::snprintf(caminho, sizeof caminho, "/proc/self/fd/%d", store.TemporaryFileDescriptor());
        char destino[4096] = {};
        ASSERT_GT(::readlink(caminho, destino, sizeof destino - 1), 0);
        EXPECT_EQ(std::string(destino).rfind(modelo + "/luvenor-pages-", 0), 0u) << destino;
    }
    if (anterior)
        ::setenv("TMPDIR", guardado.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    EXPECT_EQ(::rmdir(modelo.c_str()), 0) << "nothing left behind in the folder";
}

TEST(Macros, NamesIgnoreCaseAndKeepTheirOrder) {
    TRLMacros m;
    m.Set("PageNo", "1");
    m.Set("Title", "x");
    m.Set("pageno", "2");
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.Items()[0].first, "PageNo");
    EXPECT_EQ(m.Value("PAGENO"), "2");
    EXPECT_EQ(m.Find("Missing"), nullptr);
}

TEST(Surface, CopyingAPartKeepsOnlyTouchingObjectsClippedAndMoved) {
    TRLGraphicSurface banda(200, 100);
    banda.SetGroupId(4);
    banda.FillRect({0, 0, 10, 10});   // in the top part only
    banda.FillRect({0, 60, 10, 70});  // in the bottom part only
    banda.Line(5, 40, 5, 80);         // crosses the cut at 50
    TRLGraphicSurface pagina(794, 1123);
    pagina.Draw(banda, {30, 500}, {0, 50, 200, 100});
    const auto& o = pagina.Objects();
    ASSERT_EQ(o.size(), 4u);
    EXPECT_EQ(o[0].Kind(), TRLObjectKind::SetClipRect);
    EXPECT_EQ(o[0].BoundsRect, (TRLPageRect{30, 500, 230, 550}));
    EXPECT_EQ(o[1].BoundsRect, (TRLPageRect{30, 510, 40, 520}));
    EXPECT_EQ(o[1].GroupId, 4);
    const auto* linha = o[2].As<TRLLineObject>();
    ASSERT_NE(linha, nullptr);
    EXPECT_EQ(linha->From, (TRLPagePoint{35, 490}));
    EXPECT_EQ(linha->To, (TRLPagePoint{35, 530}));
    EXPECT_EQ(o[3].Kind(), TRLObjectKind::ResetClipRect);
}

TEST(Surface, CopyingAWholeSurfaceMergesFontTables) {
    TRLGraphicSurface banda(200, 20);
    banda.Font.Name = "Courier New";
    banda.TextOut({0, 0, 50, 12}, 2, 0, "abc", tfUnbreakable);
    banda.Polygon({{1, 1}, {3, 1}, {3, 4}});
    TRLGraphicSurface pagina(794, 1123);
    pagina.FontIndex("Arial");
    pagina.Draw(banda, {30, 100});
    EXPECT_EQ(pagina.Fonts(), (std::vector<std::string>{"Arial", "Courier New"}));
    const auto* texto = pagina.Objects()[0].As<TRLTextObject>();
    ASSERT_NE(texto, nullptr);
    EXPECT_EQ(texto->Origin, (TRLPagePoint{32, 100}));
    EXPECT_EQ(pagina.Objects()[1].BoundsRect, (TRLPageRect{31, 101, 34, 105}));
    const std::string bytes = EscreverPagina(pagina);
    EXPECT_EQ(LerPagina(bytes, 1), pagina);
}

}  // namespace
