#pragma once
// Field tables. Each model class lists every property once (name, kind, member) and its
// zeroing, copying and JSON export are derived from that list, so a property can never be
// forgotten by one of them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

class QImage;

namespace luvenor {

class TEscritorJson;

// A date: whole days since 30/12/1899, the fraction being the time of day; 0 is no date.
using TData = double;

enum class TipoCampo { Texto, Inteiro, Real, Data, Logico, Figura, Colecao };

// How a table reaches an owned collection of a record.
template <class C>
struct TAcessoColecao {
    void (*Limpar)(C& registro);
    void (*Copiar)(C& destino, const C& fonte);
    void (*Escrever)(TEscritorJson& json, const C& registro);
};

// Stored values are data members; computed read-only values are const member functions.
template <class C>
using TMembro = std::variant<std::string C::*, int32_t C::*, double C::*, bool C::*, const QImage * C::*,
                             std::string (C::*)() const, double (C::*)() const, TAcessoColecao<C>>;

template <class C>
struct TCampo {
    std::string_view Nome;
    TipoCampo Tipo;
    TMembro<C> Membro;
};

// The table of class C, in the order its properties are listed and exported.
template <class C>
std::span<const TCampo<C>> TabelaCampos();

template <class C>
constexpr bool EhCalculado(const TCampo<C>& campo) {
    return std::holds_alternative<std::string (C::*)() const>(campo.Membro) ||
           std::holds_alternative<double (C::*)() const>(campo.Membro);
}

// The kind must agree with the member's type (dates and reals are both doubles).
template <class C>
constexpr bool TipoCoerente(const TCampo<C>& campo) {
    switch (campo.Tipo) {
        case TipoCampo::Texto:
            return campo.Membro.index() == 0 || campo.Membro.index() == 5;
        case TipoCampo::Inteiro:
            return campo.Membro.index() == 1;
        case TipoCampo::Real:
            return campo.Membro.index() == 2 || campo.Membro.index() == 6;
        case TipoCampo::Data:
            return campo.Membro.index() == 2;
        case TipoCampo::Logico:
            return campo.Membro.index() == 3;
        case TipoCampo::Figura:
            return campo.Membro.index() == 4;
        case TipoCampo::Colecao:
            return campo.Membro.index() == 7;
    }
    return false;
}

// Checked at compile time by every table: coherent kinds and no name listed twice.
template <class C, std::size_t N>
constexpr bool TabelaValida(const TCampo<C> (&tabela)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!TipoCoerente(tabela[i])) return false;
        for (std::size_t j = i + 1; j < N; ++j)
            if (tabela[i].Nome == tabela[j].Nome) return false;
    }
    return true;
}

// One table entry; the name is the member's own identifier.
#define LUVENOR_CAMPO(Classe, Nome, Tipo)                \
    ::luvenor::TCampo<Classe> {                          \
#Nome, ::luvenor::TipoCampo::Tipo, &Classe::Nome \
    }

template <class... F>
struct TVisitante : F... {
    using F::operator()...;
};
template <class... F>
TVisitante(F...) -> TVisitante<F...>;

// Every stored property to its zero value: empty text, 0, false, no picture, no items.
template <class C>
void ZerarCampos(C& registro) {
    for (const TCampo<C>& campo : TabelaCampos<C>()) {
        std::visit(TVisitante{
                       [&](std::string C::*m) { registro.*m = std::string(); },
                       [&](int32_t C::*m) { registro.*m = 0; },
                       [&](double C::*m) { registro.*m = 0.0; },
                       [&](bool C::*m) { registro.*m = false; },
                       [&](const QImage* C::*m) { registro.*m = nullptr; },
                       [](std::string (C::*)() const) {},
                       [](double (C::*)() const) {},
                       [&](const TAcessoColecao<C>& a) { a.Limpar(registro); },
                   },
                   campo.Membro);
    }
}

// Every stored property of `fonte` into `destino`; collections receive copies of the items.
template <class C>
void CopiarCampos(C& destino, const C& fonte) {
    if (&destino == &fonte) return;
    for (const TCampo<C>& campo : TabelaCampos<C>()) {
        std::visit(TVisitante{
                       [](std::string (C::*)() const) {},
                       [](double (C::*)() const) {},
                       [&](const TAcessoColecao<C>& a) { a.Copiar(destino, fonte); },
                       [&](auto C::*m) { destino.*m = fonte.*m; },
                   },
                   campo.Membro);
    }
}

}  // namespace luvenor
