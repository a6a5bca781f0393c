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

// The C++ type of each kind of property; dates and reals are both doubles.
template <TipoCampo T>
struct TTipoDeCampo;
template <>
struct TTipoDeCampo<TipoCampo::Texto> {
    using Tipo = std::string;
};
template <>
struct TTipoDeCampo<TipoCampo::Inteiro> {
    using Tipo = int32_t;
};
template <>
struct TTipoDeCampo<TipoCampo::Real> {
    using Tipo = double;
};
template <>
struct TTipoDeCampo<TipoCampo::Data> {
    using Tipo = TData;
};
template <>
struct TTipoDeCampo<TipoCampo::Logico> {
    using Tipo = bool;
};
template <>
struct TTipoDeCampo<TipoCampo::Figura> {
    using Tipo = const QImage*;
};
template <TipoCampo T>
using TipoDeCampo = typename TTipoDeCampo<T>::Tipo;

// Each model class lists its properties once, in a macro LUVENOR_CAMPOS_<class>(CAMPO, CALCULADO,
// COLECAO) beside the class, one line per property in export order (adding a property is adding
// its line):
//   CAMPO(Tipo, Nome)          a stored value of kind Tipo, starting at its zero value
//   CALCULADO(Tipo, Nome)      a read-only value computed by the const member function Nome()
//   COLECAO(TCole..., Nome)    an owned collection of the invoice
// The class body expands the list with LUVENOR_DECLARAR_CAMPOS(class) and the class's .cpp with
// LUVENOR_DEFINIR_TABELA(class, base), so the members and the field table cannot differ.
#define LUVENOR_MEMBRO_CAMPO(Tipo, Nome) ::luvenor::TipoDeCampo<::luvenor::TipoCampo::Tipo> Nome{};
#define LUVENOR_MEMBRO_CALCULADO(Tipo, Nome) ::luvenor::TipoDeCampo<::luvenor::TipoCampo::Tipo> Nome() const;
#define LUVENOR_MEMBRO_COLECAO(TipoColecao, Nome) TipoColecao Nome{this};
#define LUVENOR_DECLARAR_CAMPOS(Classe) \
    LUVENOR_CAMPOS_##Classe(LUVENOR_MEMBRO_CAMPO, LUVENOR_MEMBRO_CALCULADO, LUVENOR_MEMBRO_COLECAO)

// Table rows; `Registro` is the class whose table is being defined. The row of a collection,
// LUVENOR_LINHA_COLECAO, is in CamposJson.h: a table with collections includes it.
#define LUVENOR_LINHA_CAMPO(Tipo, Nome) \
    ::luvenor::TCampo<Registro>{#Nome, ::luvenor::TipoCampo::Tipo, &Registro::Nome},

// The same members without the class's functions, to weigh the class against its list.
#define LUVENOR_ESPELHO_CAMPO(Tipo, Nome) ::luvenor::TipoDeCampo<::luvenor::TipoCampo::Tipo> Nome;
#define LUVENOR_ESPELHO_CALCULADO(Tipo, Nome)
#define LUVENOR_ESPELHO_COLECAO(TipoColecao, Nome) TipoColecao Nome;

// Defines TabelaCampos<Classe>() from the list. `Base` is the class's base: a mirror holding only
// the listed members on that base must weigh as much as the class, so a data member declared
// outside the list fails the build (unless it is small enough to hide in padding).
#define LUVENOR_DEFINIR_TABELA(Classe, Base)                                                               \
    namespace {                                                                                            \
    struct TEspelho##Classe : Base {                                                                       \
        LUVENOR_CAMPOS_##Classe(LUVENOR_ESPELHO_CAMPO, LUVENOR_ESPELHO_CALCULADO, LUVENOR_ESPELHO_COLECAO) \
    };                                                                                                     \
    static_assert(sizeof(Classe) == sizeof(TEspelho##Classe),                                              \
                  #Classe " has a data member outside its field list");                                    \
    }                                                                                                      \
    template <>                                                                                            \
    std::span<const ::luvenor::TCampo<Classe>> TabelaCampos<Classe>() {                                    \
        using Registro = Classe;                                                                           \
        static constexpr ::luvenor::TCampo<Registro> tabela[] = {                                          \
            LUVENOR_CAMPOS_##Classe(LUVENOR_LINHA_CAMPO, LUVENOR_LINHA_CAMPO, LUVENOR_LINHA_COLECAO)};     \
        return tabela;                                                                                     \
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
