#include "util/LeituraLimitada.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace luvenor {
namespace {

class Descritor {
public:
    explicit Descritor(int fd) : fd_(fd) {}
    ~Descritor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

ResultadoLeitura Falha(std::string& motivo) {
    motivo = std::strerror(errno);
    return ResultadoLeitura::Falhou;
}

}  // namespace

ResultadoLeitura LerArquivoLimitado(const std::string& caminho, size_t limite, std::string& dados,
                                    std::string& motivo) {
    dados.clear();
    motivo.clear();
    struct stat info {};
    if (::stat(caminho.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ResultadoLeitura::NaoEncontrado : Falha(motivo);
    if (S_ISDIR(info.st_mode)) return ResultadoLeitura::Pasta;
    if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > limite)
        return ResultadoLeitura::Grande;
    // O_NONBLOCK only keeps open() from waiting for a FIFO's writer; reads then block as usual and a
    // FIFO without a writer gives end of file at once.
    const Descritor arquivo(::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (arquivo.Fd() < 0) return Falha(motivo);
    const int modos = ::fcntl(arquivo.Fd(), F_GETFL);
    if (modos < 0 || ::fcntl(arquivo.Fd(), F_SETFL, modos & ~O_NONBLOCK) < 0) return Falha(motivo);
    if (S_ISREG(info.st_mode)) dados.reserve(static_cast<size_t>(info.st_size));
    char bloco[65536];
    for (;;) {
        const ssize_t n = ::read(arquivo.Fd(), bloco, sizeof bloco);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            dados.clear();
            return Falha(motivo);
        }
        if (dados.size() + static_cast<size_t>(n) > limite) {
            dados.clear();
            dados.shrink_to_fit();
            return ResultadoLeitura::Grande;
        }
        dados.append(bloco, static_cast<size_t>(n));
    }
    return ResultadoLeitura::Lido;
}

}  // namespace luvenor
