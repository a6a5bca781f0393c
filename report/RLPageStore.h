#pragma once
// The page store's temporary file and its cache: each page is written once, as its stored record,
// at the end of a file in the system's temporary folder; an index keeps where each record lies and
// at most TRLGraphicStorage::CacheSize pages stay decoded in memory.
#include "report/RLGraphics.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace luvenor {

class TRLPageStore {
public:
    TRLPageStore() = default;
    ~TRLPageStore();
    TRLPageStore(const TRLPageStore&) = delete;
    TRLPageStore& operator=(const TRLPageStore&) = delete;

    void Add(const TRLGraphicSurface& page);
    int Count() const { return static_cast<int>(index_.size()); }
    std::shared_ptr<const TRLGraphicSurface> Page(int n) const;
    std::string Record(int n) const;
    void Clear();
    int Descriptor() const { return fd_; }

private:
    struct Posicao {
        int64_t offset;  // of the page bytes, after the 4-byte length
        uint32_t length;
    };
    struct Entrada {
        int page;
        std::shared_ptr<const TRLGraphicSurface> surface;
    };

    void AbrirArquivo();
    void Guardar(int n, std::shared_ptr<const TRLGraphicSurface> surface) const;

    int fd_ = -1;
    int64_t end_ = 0;
    std::vector<Posicao> index_;
    mutable std::list<Entrada> cache_;  // most recently stored or read first
};

}  // namespace luvenor
