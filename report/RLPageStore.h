#pragma once
// The page store: the first pages stay in memory up to a budget of bytes, so an ordinary report is
// never encoded and decoded again; the pages after them are written once, as their stored records,
// at the end of a file in the system's temporary folder, where an index keeps where each record
// lies and at most TRLGraphicStorage::CacheSize of them stay decoded in memory.
#include "report/RLGraphics.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace luvenor {

class TRLPageStore {
public:
    explicit TRLPageStore(size_t memoryBudget) : orcamento_(memoryBudget) {}
    ~TRLPageStore();
    TRLPageStore(const TRLPageStore&) = delete;
    TRLPageStore& operator=(const TRLPageStore&) = delete;

    void Add(TRLGraphicSurface page);
    int Count() const { return static_cast<int>(naMemoria_.size() + index_.size()); }
    std::shared_ptr<const TRLGraphicSurface> Page(int n) const;
    std::string Record(int n) const;
    void Clear();
    int Descriptor() const { return fd_; }
    void SetMemoryBudget(size_t bytes) { orcamento_ = bytes; }

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
    void Escrever(std::shared_ptr<const TRLGraphicSurface> page);
    void Guardar(int n, std::shared_ptr<const TRLGraphicSurface> surface) const;

    size_t orcamento_;
    size_t bytesNaMemoria_ = 0;
    std::vector<std::shared_ptr<const TRLGraphicSurface>> naMemoria_;  // pages 0 .. n-1

    int fd_ = -1;
    int64_t end_ = 0;
    std::vector<Posicao> index_;        // the pages after those in memory
    mutable std::list<Entrada> cache_;  // most recently stored or read first
};

}  // namespace luvenor
