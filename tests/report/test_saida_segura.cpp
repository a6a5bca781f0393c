// Outputs appear only when complete, never replace an input and replace a link instead of writing
// through it; a multi-page PNG export appears whole or not at all.
#include "test_pages_common.h"

#include "report/RLExport.h"
#include "report/RLPageFile.h"
#include "report/RLSaidaSegura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <unistd.h>

namespace luvenor {
namespace {

namespace fs = std::filesystem;

std::string Ler(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void Escrever(const fs::path& p, const std::string& texto) {
    std::ofstream(p, std::ios::binary) << texto;
}

class SaidaSegura : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ =
            fs::temp_directory_path() / ("saida-segura-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pasta_);
        fs::create_directories(pasta_);
    }
    void TearDown() override { fs::remove_all(pasta_); }
    // Names in the folder, so a temporary file left behind shows.
    std::vector<std::string> Nomes() const {
        std::vector<std::string> nomes;
        for (const auto& e : fs::directory_iterator(pasta_)) nomes.push_back(e.path().filename().string());
        std::sort(nomes.begin(), nomes.end());
        return nomes;
    }
    fs::path pasta_;
};

TEST_F(SaidaSegura, TheFileAppearsOnlyWhenConfirmedAndAnAbandonedOneLeavesTheOldFile) {
    const fs::path alvo = pasta_ / "saida.pdf";
    Escrever(alvo, "antigo");
    {
        TRLSaidaSegura s(alvo.string());
        s.Gravar("novo conteúdo");
        EXPECT_EQ(Ler(alvo), "antigo");  // still the old file while writing
        EXPECT_EQ(Nomes().size(), 2u);
    }
    EXPECT_EQ(Ler(alvo), "antigo");
    EXPECT_EQ(Nomes(), std::vector<std::string>{"saida.pdf"});
    TRLSaidaSegura s(alvo.string());
    s.Gravar("novo");
    s.Confirmar();
    EXPECT_EQ(Ler(alvo), "novo");
    EXPECT_EQ(Nomes(), std::vector<std::string>{"saida.pdf"});
}

TEST_F(SaidaSegura, AnInputIsNeverTheOutputByAnyOfItsNames) {
    const fs::path entrada = pasta_ / "nota.pdf";  // an XML file with another extension
    Escrever(entrada, "<nfeProc/>");
    fs::create_hard_link(entrada, pasta_ / "outro-nome.pdf");
    fs::create_symlink(entrada, pasta_ / "link.pdf");
    for (const char* nome : {"nota.pdf", "outro-nome.pdf", "link.pdf"}) {
        try {
            TRLSaidaSegura s((pasta_ / nome).string(), {entrada.string()});
            ADD_FAILURE() << nome << " was opened for writing";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("é o próprio arquivo de entrada"), std::string::npos)
                << e.what();
        }
    }
    EXPECT_EQ(Ler(entrada), "<nfeProc/>");
    EXPECT_EQ(Nomes().size(), 3u);
}

TEST_F(SaidaSegura, ALinkAtTheTargetIsReplacedNotWrittenThrough) {
    const fs::path alheio = pasta_ / "alheio.txt";
    Escrever(alheio, "de outra pessoa");
    const fs::path alvo = pasta_ / "saida.rpf";
    fs::create_symlink(alheio, alvo);
    TRLSaidaSegura s(alvo.string());
    s.Gravar("páginas");
    s.Confirmar();
    EXPECT_FALSE(fs::is_symlink(alvo));
    EXPECT_EQ(Ler(alvo), "páginas");
    EXPECT_EQ(Ler(alheio), "de outra pessoa");
}

TEST_F(SaidaSegura, AFolderOrAFolderThatCannotBeWrittenIsRefusedWithTheReason) {
    EXPECT_THROW(TRLSaidaSegura(pasta_.string()), std::runtime_error);
    try {
        TRLSaidaSegura s((pasta_ / "nao-existe" / "x.pdf").string());
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível gravar " +
                                             (pasta_ / "nao-existe" / "x.pdf").string() +
                                             ": No such file or directory");
    }
}

// A file size limit makes writes fail as a full disk does (EFBIG instead of ENOSPC).
class LimiteDeTamanho {
public:
    explicit LimiteDeTamanho(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &antes_);
        sinal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit novo = antes_;
        novo.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &novo);
    }
    ~LimiteDeTamanho() {
        ::setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, sinal_);
    }

private:
    rlimit antes_{};
    void (*sinal_)(int) = nullptr;
};

TEST_F(SaidaSegura, AFullDiskLeavesTheOldFileAndNoTemporaryOne) {
    const fs::path alvo = pasta_ / "x.rpf";
    Escrever(alvo, "antigo");
    {
        const LimiteDeTamanho limite(4096);
        TRLSaidaSegura s(alvo.string());
        EXPECT_THROW(
            {
                s.Gravar(std::string(1 << 16, 'p'));
                s.Confirmar();
            },
            std::runtime_error);
    }
    EXPECT_EQ(Ler(alvo), "antigo");
    EXPECT_EQ(Nomes(), std::vector<std::string>{"x.rpf"});
}

TEST_F(SaidaSegura, APngExportAppearsWholeOrNotAtAll) {
    teste::GarantirAplicacao();
    TRLGraphicStorage store;
    store.Add(teste::PaginaCompleta(1));
    store.Add(TRLGraphicSurface(100, 100));
    // A page too large for the resolution fails the export after the first page was drawn.
    store.Add(TRLGraphicSurface(2000000, 2000000));
    const std::string base = (pasta_ / "danfe.png").string();
    Escrever(pasta_ / "danfe-1.png", "de outra nota");
    EXPECT_THROW(ExportarPng(store, base, 10), std::runtime_error);
    EXPECT_EQ(Nomes(), std::vector<std::string>{"danfe-1.png"});
    EXPECT_EQ(Ler(pasta_ / "danfe-1.png"), "de outra nota");

    TRLGraphicStorage boa;
    boa.Add(TRLGraphicSurface(100, 100));
    boa.Add(TRLGraphicSurface(100, 100));
    EXPECT_EQ(ExportarPng(boa, base, 10).size(), 2u);
    EXPECT_EQ(Nomes(), (std::vector<std::string>{"danfe-1.png", "danfe-2.png"}));
    EXPECT_TRUE(Ler(pasta_ / "danfe-1.png").starts_with("\x89PNG"));
    // The input of the export is never one of its pages.
    EXPECT_THROW(ExportarPng(boa, base, 10, ProgressoNulo(), {(pasta_ / "danfe-2.png").string()}),
                 std::runtime_error);
}

}  // namespace
}  // namespace luvenor
