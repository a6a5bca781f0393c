// The access key's check digit and its agreement with the invoice's fields.
#include "ClasNFe/ChaveAcesso.h"

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

// Keys whose check digit is known: real authorised invoices and our own fixtures.
struct Digito {
    const char* nome;
    const char* chave;
};

class DigitoDaChave : public ::testing::TestWithParam<Digito> {};

TEST_P(DigitoDaChave, IsTheLastCharacter) {
    const std::string chave = GetParam().chave;
    ASSERT_TRUE(ChaveBemFormada(chave));
    EXPECT_EQ(DigitoChave(chave.substr(0, 43)), chave[43] - '0');
}

INSTANTIATE_TEST_SUITE_P(
    Chaves, DigitoDaChave,
    ::testing::Values(Digito{"authorised_invoice_of_2011", "42111283158824000626550010000092971210003297"},
                      Digito{"authorised_invoice_of_2018", "31180310494067000930550010000017761001433110"},
                      Digito{"authorised_invoice_of_2026", "35260665798589000160550010001336181560338290"},
                      Digito{"remainder_zero_gives_zero", "35250312345678000195550010000012341000010060"},
                      Digito{"remainder_one_gives_zero", "35250312345678000195550010000012341000010010"},
                      Digito{"our_fixture", "35250312345678000195550010000012341000012349"},
                      Digito{"alphanumeric_cnpj_letters_worth_code_minus_48",
                             "35250312ABC34501DE35550010000012351000012354"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(FormaDaChave, LettersOnlyInTheCnpjAndOnlyCapitals) {
    EXPECT_TRUE(ChaveBemFormada("35250312ABC34501DE35550010000012351000012354"));
    EXPECT_FALSE(ChaveBemFormada("35250312abc34501DE35550010000012351000012354")) << "lower case";
    EXPECT_FALSE(ChaveBemFormada("35250312ABC34501DEA5550010000012351000012354"))
        << "letter in the CNPJ's digits";
    EXPECT_FALSE(ChaveBemFormada("3525031234567800019555001000001234100001234A"))
        << "letter in the check digit";
    EXPECT_FALSE(ChaveBemFormada("3525031234567800019555001000001234100001234")) << "43 characters";
    EXPECT_FALSE(ChaveBemFormada("352503123456780001955500100000123410000123490")) << "45 characters";
    EXPECT_FALSE(ChaveBemFormada("")) << "empty";
}

// The fields of our fixture invoice, key 35 2503 12345678000195 55 001 000001234 1 00001234 9.
CamposChave Fixture() {
    return {"35", "2025-03-10T14:23:45-03:00", "12345678000195", "55", "1", "1234", "1", "00001234", "9"};
}

const std::string ChaveFixture = "35250312345678000195550010000012341000012349";

struct Caso {
    const char* nome;
    std::string chave;
    void (*editar)(CamposChave&);
    bool digitoCorreto;
    std::vector<std::string> divergentes;
};

class ConferenciaDaChave : public ::testing::TestWithParam<Caso> {};

TEST_P(ConferenciaDaChave, NamesTheFieldsThatDisagree) {
    const Caso& c = GetParam();
    CamposChave campos = Fixture();
    if (c.editar) c.editar(campos);
    const ConferenciaChave r = ConferirChave(c.chave, campos);
    EXPECT_TRUE(r.BemFormada);
    EXPECT_EQ(r.DigitoCorreto, c.digitoCorreto);
    EXPECT_EQ(r.Divergentes, c.divergentes);
    EXPECT_EQ(r.Correta(), c.digitoCorreto && c.divergentes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Campos, ConferenciaDaChave,
    ::testing::Values(Caso{"everything_agrees", ChaveFixture, nullptr, true, {}},
                      Caso{"wrong_check_digit",
                           "35250312345678000195550010000012341000012345",
                           nullptr,
                           false,
                           {"dígito verificador (cDV)"}},
                      Caso{"issuer_cnpj_differs",
                           ChaveFixture,
                           [](CamposChave& c) { c.CnpjCpf = "98765432000198"; },
                           true,
                           {"CNPJ/CPF do emitente"}},
                      Caso{"issuer_with_cpf_padded_with_zeros",
                           "35250300012345678909550010000012341000012341",
                           [](CamposChave& c) {
                               c.CnpjCpf = "12345678909";
                               c.cDV = "1";
                           },
                           true,
                           {}},
                      Caso{"issue_month_differs",
                           ChaveFixture,
                           [](CamposChave& c) { c.Emissao = "2025-04-01T10:00:00-03:00"; },
                           true,
                           {"ano e mês de emissão"}},
                      Caso{"old_layout_date_alone",
                           ChaveFixture,
                           [](CamposChave& c) { c.Emissao = "2025-03-10"; },
                           true,
                           {}},
                      Caso{"series_and_number_differ",
                           ChaveFixture,
                           [](CamposChave& c) {
                               c.Serie = "2";
                               c.Numero = "1235";
                           },
                           true,
                           {"série", "número"}},
                      Caso{"number_longer_than_its_place",
                           ChaveFixture,
                           [](CamposChave& c) { c.Numero = "1234567890"; },
                           true,
                           {"número"}},
                      Caso{"state_model_and_emission_type",
                           ChaveFixture,
                           [](CamposChave& c) {
                               c.cUF = "41";
                               c.Modelo = "65";
                               c.tpEmis = "9";
                           },
                           true,
                           {"UF", "modelo", "tipo de emissão"}},
                      Caso{"missing_fields_disagree",
                           ChaveFixture,
                           [](CamposChave& c) { c = CamposChave{}; },
                           true,
                           {"UF", "ano e mês de emissão", "CNPJ/CPF do emitente", "modelo", "série", "número",
                            "tipo de emissão", "código numérico", "dígito verificador (cDV)"}},
                      // Keys of the first layout: nine-digit numeric code, no emission type.
                      Caso{"first_layout_nine_digit_code",
                           ChaveFixture,
                           [](CamposChave& c) { c.cNF = "100001234"; },
                           true,
                           {}},
                      Caso{"alphanumeric_cnpj",
                           "35250312ABC34501DE35550010000012351000012354",
                           [](CamposChave& c) {
                               c.CnpjCpf = "12ABC34501DE35";
                               c.Numero = "1235";
                               c.cNF = "00001235";
                               c.cDV = "4";
                           },
                           true,
                           {}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ConferenciaDaChave, AMalformedKeyIsNotComparedFieldByField) {
    const ConferenciaChave r = ConferirChave("3525031234567800019555001000001234100001234", Fixture());
    EXPECT_FALSE(r.BemFormada);
    EXPECT_FALSE(r.Correta());
    EXPECT_TRUE(r.Divergentes.empty());
}

}  // namespace
