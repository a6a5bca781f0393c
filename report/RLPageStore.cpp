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

// What a page takes in memory, near enough to hold the pages kept there to their budget.
size_t BytesNaMemoria(const TRLGraphicSurface& page) {
    auto texto = [](const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; };
    size_t bytes = sizeof(TRLGraphicSurface) + page.Objects().capacity() * sizeof(TRLGraphicObject);
    for (const TRLGraphicObject& o : page.Objects()) {
        if (const auto* t = o.As<TRLTextObject>())
            bytes += texto(t->Text) + texto(t->Font.Name);
        else if (const auto* im = o.As<TRLImageObject>())
            bytes += texto(im->Picture);
        else if (const auto* pg = o.As<TRLPolygonObject>())
            bytes += pg->Points.capacity() * sizeof(TRLPagePoint);
        else if (const auto* pl = o.As<TRLPolylineObject>())
            bytes += pl->Points.capacity() * sizeof(TRLPagePoint);
    }
    for (const std::string& f : page.Fonts()) bytes += sizeof(std::string) + texto(f);
    for (const auto& [nome, valor] : page.Macros().Items())
        bytes += sizeof(std::pair<std::string, std::string>) + texto(nome) + texto(valor);
    return bytes;
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

void TRLPageStore::Add(TRLGraphicSurface page) {
    const size_t bytes = BytesNaMemoria(page);
    auto pagina = std::make_shared<const TRLGraphicSurface>(std::move(page));
    // Once a page has gone to the file, all later ones do, so the pages in memory are always the first.
    if (index_.empty() && bytesNaMemoria_ + bytes <= orcamento_) {
        bytesNaMemoria_ += bytes;
        naMemoria_.push_back(std::move(pagina));
        return;
    }
    Escrever(std::move(pagina));
}

void TRLPageStore::Escrever(std::shared_ptr<const TRLGraphicSurface> page) {
    if (fd_ < 0) AbrirArquivo();
    const std::string bytes = EscreverPagina(*page);
    std::string registro;
    registro.reserve(bytes.size() + 4);
    const uint32_t n = static_cast<uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) registro.push_back(char((n >> (8 * i)) & 0xFF));
    registro += bytes;
    EscreverTudo(fd_, registro.data(), registro.size(), end_);
    index_.push_back({end_ + 4, n});
    end_ += static_cast<int64_t>(registro.size());
    Guardar(Count() - 1, std::move(page));
}

void TRLPageStore::Guardar(int n, std::shared_ptr<const TRLGraphicSurface> surface) const {
    cache_.push_front({n, std::move(surface)});
    while (cache_.size() > static_cast<size_t>(TRLGraphicStorage::CacheSize)) cache_.pop_back();
}

std::string TRLPageStore::Record(int n) const {
    if (n < 0 || n >= Count())
        throw std::out_of_range("page " + std::to_string(n + 1) + " is not in the page store");
    if (static_cast<size_t>(n) < naMemoria_.size())
        return EscreverPagina(*naMemoria_[static_cast<size_t>(n)]);
    const Posicao& p = index_[static_cast<size_t>(n) - naMemoria_.size()];
    std::string bytes(p.length, '\0');
    LerTudo(fd_, bytes.data(), bytes.size(), p.offset);
    return bytes;
}

std::shared_ptr<const TRLGraphicSurface> TRLPageStore::Page(int n) const {
    if (n >= 0 && static_cast<size_t>(n) < naMemoria_.size()) return naMemoria_[static_cast<size_t>(n)];
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
    naMemoria_.clear();
    bytesNaMemoria_ = 0;
    cache_.clear();
    index_.clear();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    end_ = 0;
}

}  // namespace luvenor
