#pragma once
// One party of an invoice (issuer, recipient, carrier, pick-up or delivery place). The invoice
// holds the parties' tax numbers and finds them with BuscarCnpj.
#include <string>
#include <string_view>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

class TParticipante : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TParticipante"; }
    // Copies all properties from another TParticipante; any other source raises EConvertError.
    void Assign(const TItemColecao& fonte) override;
    // Empties every property.
    void Limpar();

    std::string Codigo;
    std::string Razao;
    std::string Cnpj;
    std::string InscrEst;
    std::string Suframa;
    std::string Endereco;
    std::string Numero;
    std::string Complemento;
    std::string Bairro;
    std::string Cidade;
    std::string CodMunicipio;
    std::string Estado;
    std::string Pais;
    std::string CodPais;
    std::string Fantasia;
    std::string Email;
    std::string CodUF;
    std::string Cep;
    std::string InscrMun;
    std::string Fone;
    std::string Fax;
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
};

}  // namespace luvenor
