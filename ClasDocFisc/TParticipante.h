#pragma once
// One party of an invoice (issuer, recipient, carrier, pick-up or delivery place). The invoice
// holds the parties' tax numbers and finds them with BuscarCnpj, or with BuscarPapel where two
// parties may share a tax number.
#include <string>
#include <string_view>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

// The properties of TParticipante, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TParticipante(CAMPO, CALCULADO, COLECAO) \
    CAMPO(Texto, Codigo)                                        \
    CAMPO(Texto, Razao)                                         \
    CAMPO(Texto, Cnpj)                                          \
    CAMPO(Texto, InscrEst)                                      \
    CAMPO(Texto, Suframa)                                       \
    CAMPO(Texto, Endereco)                                      \
    CAMPO(Texto, Numero)                                        \
    CAMPO(Texto, Complemento)                                   \
    CAMPO(Texto, Bairro)                                        \
    CAMPO(Texto, Cidade)                                        \
    CAMPO(Texto, CodMunicipio)                                  \
    CAMPO(Texto, Estado)                                        \
    CAMPO(Texto, Pais)                                          \
    CAMPO(Texto, CodPais)                                       \
    CAMPO(Texto, Fantasia)                                      \
    CAMPO(Texto, Email)                                         \
    CAMPO(Texto, CodUF)                                         \
    CAMPO(Texto, Cep)                                           \
    CAMPO(Texto, InscrMun)                                      \
    CAMPO(Texto, Fone)                                          \
    CAMPO(Texto, Fax)                                           \
    /* The element it was read from (emit, dest, ...). */       \
    CAMPO(Texto, Papel)

class TParticipante : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TParticipante"; }
    // Copies all properties from another TParticipante; any other source raises EConvertError.
    void Assign(const TItemColecao& fonte) override;
    // Empties every property.
    void Limpar();

    LUVENOR_DECLARAR_CAMPOS(TParticipante)
};

template <>
std::span<const TCampo<TParticipante>> TabelaCampos<TParticipante>();

class TColeParticipante : public TColecaoDe<TParticipante> {
public:
    using TColecaoDe::TColecaoDe;
    // The first party whose Cnpj equals the key, both trimmed of characters of code 32 or
    // less and compared exactly (no punctuation removed); nullptr when none matches.
    TParticipante* BuscarCnpj(std::string_view chave);
    const TParticipante* BuscarCnpj(std::string_view chave) const;
    // The first party of that role (Papel) whose Cnpj equals the key as BuscarCnpj compares it;
    // failing that, BuscarCnpj of the key. The role tells apart a delivery place from the
    // recipient it shares its tax number with.
    const TParticipante* BuscarPapel(std::string_view papel, std::string_view chave) const;
    // Whether some party has that role; a place written with a blank tax number still is one.
    bool TemPapel(std::string_view papel) const;
};

// The roles of the parties the reader adds, named after their NF-e elements.
inline constexpr std::string_view PapelEmitente = "emit";
inline constexpr std::string_view PapelDestinatario = "dest";
inline constexpr std::string_view PapelTransportadora = "transporta";
inline constexpr std::string_view PapelRetirada = "retirada";
inline constexpr std::string_view PapelEntrega = "entrega";

}  // namespace luvenor
