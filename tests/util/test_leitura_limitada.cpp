// Reading an input of any kind with a size limit: FIFOs neither hang nor read as missing, endless
// devices stop at the limit.
#include "util/LeituraLimitada.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace luvenor {
namespace {

namespace fs = std::filesystem;

class LeituraLimitada : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ = fs::temp_directory_path() / ("leitura-limitada-" + std::to_string(::getpid()));
        fs::create_directories(pasta_);
    }
    void TearDown() override { fs::remove_all(pasta_); }
    ResultadoLeitura Ler(const std::string& caminho, size_t limite) {
        return LerArquivoLimitado(caminho, limite, dados_, motivo_);
    }
    fs::path pasta_;
    std::string dados_;
    std::string motivo_;
};

TEST_F(LeituraLimitada, RegularFilesFoldersAndMissingPaths) {
    std::ofstream(pasta_ / "a.xml") << "<nfeProc/>";
    EXPECT_EQ(Ler((pasta_ / "a.xml").string(), 10), ResultadoLeitura::Lido);
    EXPECT_EQ(dados_, "<nfeProc/>");
    EXPECT_EQ(Ler((pasta_ / "a.xml").string(), 9), ResultadoLeitura::Grande);
    EXPECT_EQ(dados_, "");
    EXPECT_EQ(Ler((pasta_ / "nada.xml").string(), 10), ResultadoLeitura::NaoEncontrado);
    EXPECT_EQ(Ler((pasta_ / "a.xml" / "x").string(), 10), ResultadoLeitura::NaoEncontrado);
    EXPECT_EQ(Ler(pasta_.string(), 10), ResultadoLeitura::Pasta);
}

TEST_F(LeituraLimitada, AnEndlessDeviceStopsAtTheLimit) {
    EXPECT_EQ(Ler("/dev/zero", 100000), ResultadoLeitura::Grande);
    EXPECT_TRUE(dados_.empty());
    EXPECT_EQ(Ler("/dev/null", 10), ResultadoLeitura::Lido);
}

TEST_F(LeituraLimitada, AFifoWithoutWriterReadsEmptyAtOnceAndOneWithAWriterIsRead) {
    const std::string fifo = (pasta_ / "fila").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Ler(fifo, 100), ResultadoLeitura::Lido);
    EXPECT_EQ(dados_, "");

    // What a writer left in the FIFO before it closed is read (another reader keeps it there).
    const int outroLeitor = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const int escritor = ::open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(escritor, 0);
    const std::string texto = "<nfeProc/>";
    ASSERT_EQ(::write(escritor, texto.data(), texto.size()), static_cast<ssize_t>(texto.size()));
    ::close(escritor);
    EXPECT_EQ(Ler(fifo, 100), ResultadoLeitura::Lido);
    EXPECT_EQ(dados_, texto);
    ::close(outroLeitor);
}

TEST_F(LeituraLimitada, APipedStdinIsReadWithItsLimit) {
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const std::string texto = "<nfeProc versao=\"4.00\"/>";
    ASSERT_EQ(::write(tubo[1], texto.data(), texto.size()), static_cast<ssize_t>(texto.size()));
    ::close(tubo[1]);
    const std::string caminho = "/proc/self/fd/" + std::to_string(tubo[0]);
    EXPECT_EQ(Ler(caminho, 1000), ResultadoLeitura::Lido);
    EXPECT_EQ(dados_, texto);
    ::close(tubo[0]);
}

}  // namespace
}  // namespace luvenor
