#include "report/RLPageStore.h"

#include "report/RLPageFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace luvenor {
namespace {

std::runtime_error ErroDoSistema(const std::string& oque) {
    return std::runtime_error(oque + ": " + std::strerror(errno));
}

void EscreverTudo(int fd, const char* dados, size_t n, int64_t offset) {
    while (n > 0) {
        const ssize_t r = ::pwrite(fd, dados, n, static_cast<off_t>(offset));
        if (r < 0) {
            if (errno == EINTR) continue;
            throw ErroDoSistema("cannot write the page store's temporary file");
        }
        dados += r;
        n -= static_cast<size_t>(r);
        offset += r;
    }
}

void LerTudo(int fd, char* dados, size_t n, int64_t offset) {
    while (n > 0) {
        const ssize_t r = ::pread(fd, dados, n, static_cast<off_t>(offset));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) throw ErroDoSistema("cannot read the page store's temporary file");
        dados += r;
        n -= static_cast<size_t>(r);
        offset += r;
    }
}

}  // namespace

TRLPageStore::~TRLPageStore() {
    if (fd_ >= 0) ::close(fd_);
}

// mkstemps opens with O_EXCL and mode 0600; the name is unlinked at once, so the file goes away
// with the descriptor, even when the process dies.
void TRLPageStore::AbrirArquivo() {
    const QByteArray pasta = QFile::encodeName(QDir::tempPath());
    std::string modelo =
        std::string(pasta.constData(), static_cast<size_t>(pasta.size())) + "/luvenor-pages-XXXXXX.tmp";
    const int fd = ::mkstemps(modelo.data(), 4);
    if (fd < 0) throw ErroDoSistema("cannot create the page store's temporary file in " + modelo);
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    ::unlink(modelo.c_str());
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    fd_ = fd;
    end_ = 0;
}

void TRLPageStore::Add(const TRLGraphicSurface& page) {
    if (fd_ < 0) AbrirArquivo();
    const std::string bytes = EscreverPagina(page);
    std::string registro;
    registro.reserve(bytes.size() + 4);
    const uint32_t n = static_cast<uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) registro.push_back(char((n >> (8 * i)) & 0xFF));
    registro += bytes;
    EscreverTudo(fd_, registro.data(), registro.size(), end_);
    index_.push_back({end_ + 4, n});
    end_ += static_cast<int64_t>(registro.size());
    Guardar(Count() - 1, std::make_shared<const TRLGraphicSurface>(page));
}

void TRLPageStore::Guardar(int n, std::shared_ptr<const TRLGraphicSurface> surface) const {
    cache_.push_front({n, std::move(surface)});
    while (cache_.size() > static_cast<size_t>(TRLGraphicStorage::CacheSize)) cache_.pop_back();
}

std::string TRLPageStore::Record(int n) const {
    if (n < 0 || n >= Count())
        throw std::out_of_range("page " + std::to_string(n + 1) + " is not in the page store");
    std::string bytes(index_[static_cast<size_t>(n)].length, '\0');
    LerTudo(fd_, bytes.data(), bytes.size(), index_[static_cast<size_t>(n)].offset);
    return bytes;
}

std::shared_ptr<const TRLGraphicSurface> TRLPageStore::Page(int n) const {
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
        if (it->page == n) {
            cache_.splice(cache_.begin(), cache_, it);
            return cache_.front().surface;
        }
    }
    auto pagina = std::make_shared<const TRLGraphicSurface>(LerPagina(Record(n), n + 1));
    Guardar(n, pagina);
    return pagina;
}

void TRLPageStore::Clear() {
    cache_.clear();
    index_.clear();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    end_ = 0;
}

}  // namespace luvenor
