#include "ClasDocFisc/Colecao.h"

#include <stdexcept>

#include "util/Erros.h"

namespace luvenor {

TItemColecao::~TItemColecao() {
    if (colecao_) colecao_->Retirar(this);
}

std::string TItemColecao::DisplayName() const {
    return "Item " + std::to_string(indice_);
}

void TItemColecao::Assign(const TItemColecao& fonte) {
    throw EConvertError("Cannot assign a " + std::string(fonte.ClassName()) + " to a " +
                        std::string(ClassName()));
}

TColecao::~TColecao() {
    Clear();
}

void TColecao::Clear() {
    // Detach first so that the items' destructors do not search the list being emptied.
    std::vector<TItemColecao*> itens;
    itens.swap(itens_);
    for (TItemColecao* item : itens) {
        item->colecao_ = nullptr;
        item->indice_ = -1;
        delete item;
    }
}

void TColecao::Anexar(std::unique_ptr<TItemColecao> item) {
    itens_.push_back(item.get());
    TItemColecao* novo = item.release();
    novo->colecao_ = this;
    novo->indice_ = Count() - 1;
}

TItemColecao* TColecao::ItemBase(int indice) const {
    if (indice < 0 || indice >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(indice) + ")");
    return itens_[static_cast<std::size_t>(indice)];
}

void TColecao::Retirar(TItemColecao* item) {
    const auto posicao = itens_.begin() + item->indice_;
    itens_.erase(posicao);
    for (int i = item->indice_; i < Count(); ++i) itens_[static_cast<std::size_t>(i)]->indice_ = i;
    item->colecao_ = nullptr;
    item->indice_ = -1;
}

}  // namespace luvenor
