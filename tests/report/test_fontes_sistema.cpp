// The DANFE font as fontconfig lists it: found by its family wherever the distribution installed
// it, and never a look-alike in its place.
#include "report/RLFonts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

using namespace luvenor;

namespace {

TEST(FontesDoSistema, LiberationSerifHasItsFourStylesInInstalledFiles) {
    const auto arquivos = ArquivosDaFamilia("Liberation Serif");
    std::set<std::pair<bool, bool>> estilos;
    for (const TArquivoFonte& a : arquivos) {
        EXPECT_TRUE(std::filesystem::is_regular_file(a.Caminho)) << a.Caminho;
        EXPECT_EQ(std::filesystem::path(a.Caminho).filename().string().rfind("LiberationSerif", 0), 0u)
            << a.Caminho;
        estilos.insert({a.Negrito, a.Italico});
    }
    EXPECT_EQ(estilos.size(), 4u) << "install fonts-liberation2";
}

TEST(FontesDoSistema, FamiliesAreMatchedWholeIgnoringCaseAndNeverSubstituted) {
    EXPECT_EQ(ArquivosDaFamilia("liberation serif").size(), ArquivosDaFamilia("Liberation Serif").size());
    // fontconfig would match any of these to some installed font; a listing names none.
    EXPECT_TRUE(ArquivosDaFamilia("Liberation").empty());
    EXPECT_TRUE(ArquivosDaFamilia("Fonte Que Nenhuma Distribuicao Tem").empty());
    EXPECT_TRUE(ArquivosDaFamilia("").empty());
}

}  // namespace
