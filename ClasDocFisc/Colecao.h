#pragma once
// The two base behaviours of every model class: an item that belongs to at most one owned
// collection, and the owned collection that creates, numbers and destroys its items.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

class TColecao;
class TNotaFiscal;

// An object that belongs to at most one collection. Destroying an item that belongs to a
// collection removes it from that collection; the items after it move up one index.
class TItemColecao {
public:
    TItemColecao() = default;
    virtual ~TItemColecao();
    TItemColecao(const TItemColecao&) = delete;
    TItemColecao& operator=(const TItemColecao&) = delete;

    TColecao* Collection() const { return colecao_; }
    // 0-based position in the collection; -1 when the item belongs to none.
    int Index() const { return indice_; }
    // "Item %d" with the item's index.
    std::string DisplayName() const;
    virtual std::string_view ClassName() const = 0;
    // Copies the values of `fonte`; this base accepts no source and raises EConvertError
    // "Cannot assign a <source class> to a <target class>".
    virtual void Assign(const TItemColecao& fonte);

private:
    friend class TColecao;
    TColecao* colecao_ = nullptr;
    int indice_ = -1;
};

// An ordered list of items that the collection owns; created by its invoice, which it answers
// as its owner. Items enter only through Add of the concrete collection.
class TColecao {
public:
    explicit TColecao(TNotaFiscal* owner) : owner_(owner) {}
    virtual ~TColecao();
    TColecao(const TColecao&) = delete;
    TColecao& operator=(const TColecao&) = delete;

    TNotaFiscal* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(itens_.size()); }
    // Destroys every item; the collection object itself stays.
    void Clear();

protected:
    // Takes ownership of a new item and appends it.
    void Anexar(std::unique_ptr<TItemColecao> item);
    // The item at a 0-based index; std::out_of_range outside 0..Count()-1.
    TItemColecao* ItemBase(int indice) const;

private:
    friend class TItemColecao;
    void Retirar(TItemColecao* item);

    std::vector<TItemColecao*> itens_;
    TNotaFiscal* owner_;
};

// The owned collection of one item class.
template <class T>
class TColecaoDe : public TColecao {
public:
    using TColecao::TColecao;

    // Appends a new item at its zero values and returns it; the collection owns it.
    T* Add() {
        auto item = std::make_unique<T>();
        T* novo = item.get();
        Anexar(std::move(item));
        return novo;
    }
    T* Items(int indice) { return static_cast<T*>(ItemBase(indice)); }
    const T* Items(int indice) const { return static_cast<const T*>(ItemBase(indice)); }
    T& operator[](int indice) { return *Items(indice); }
    const T& operator[](int indice) const { return *Items(indice); }

    // Replaces the items with copies of the items of `fonte`.
    void CopiarDe(const TColecaoDe& fonte) {
        if (&fonte == this) return;
        Clear();
        for (int i = 0; i < fonte.Count(); ++i) TColecaoDe::Add()->Assign(fonte[i]);
    }
};

}  // namespace luvenor
