// The computed values and the party lookup.
#include <gtest/gtest.h>

#include "ClasDocFisc/TNotaFiscal.h"

using namespace luvenor;

namespace {

TEST(TotRetSemIss, SumsTheFiveWithheldTaxesButNotIss) {
    TNotaFiscal nota;
    EXPECT_EQ(nota.TotRetSemIss(), 0.0);
    nota.TotPisRet = 1.5;
    nota.TotIrrfRet = 2.25;
    nota.TotIssRet = 100;
    EXPECT_EQ(nota.TotRetSemIss(), 3.75);
    nota.TotCofinsRet = 0.1;
    nota.TotCsllRet = 0.2;
    nota.TotInssRet = 0.3;
    EXPECT_EQ(nota.TotRetSemIss(), 1.5 + 0.1 + 0.2 + 0.3 + 2.25);  // in this order
}

TEST(IssRetido, OnlyAPositiveWithheldIssCounts) {
    TNotaFiscal nota;
    EXPECT_EQ(nota.IssRetido(), "N");
    nota.TotIssRet = -1;
    EXPECT_EQ(nota.IssRetido(), "N");
    nota.TotIssRet = 0.01;
    EXPECT_EQ(nota.IssRetido(), "S");
}

TEST(TotDuplL, IsGrossMinusDeductedOnEveryRead) {
    TNotaFiscal nota;
    EXPECT_EQ(nota.DuplsNF.TotDuplL(), 0.0);
    nota.DuplsNF.TotDuplN = 100;
    nota.DuplsNF.TotDuplD = 0.5;
    EXPECT_EQ(nota.DuplsNF.TotDuplL(), 99.5);
    nota.DuplsNF.TotDuplD = 100;
    EXPECT_EQ(nota.DuplsNF.TotDuplL(), 0.0);
}

struct CasoDescricao {
    const char* forma;
    const char* descricao;
};

class DescricaoPagamento : public ::testing::TestWithParam<CasoDescricao> {};

TEST_P(DescricaoPagamento, ExactCodeOrIndefinido) {
    TPagamento pagamento;
    pagamento.FormaPagto = GetParam().forma;
    EXPECT_EQ(pagamento.Descricao(), GetParam().descricao);
}

INSTANTIATE_TEST_SUITE_P(
    Codigos, DescricaoPagamento,
    ::testing::Values(CasoDescricao{"01", "Dinheiro"}, CasoDescricao{"02", "Cheque"},
                      CasoDescricao{"03", "Cartão de Crédito"}, CasoDescricao{"04", "Cartão de Débito"},
                      CasoDescricao{"05", "Crédito Loja"}, CasoDescricao{"10", "Vale Alimentação"},
                      CasoDescricao{"11", "Vale Refeição"}, CasoDescricao{"12", "Vale Presente"},
                      CasoDescricao{"13", "Vale Combustível"}, CasoDescricao{"99", "Outros"},
                      CasoDescricao{"15", "Boleto Bancário"}, CasoDescricao{"17", "PIX"},
                      CasoDescricao{"19", "Programa de Fidelidade"}, CasoDescricao{"90", "Sem Pagamento"},
                      CasoDescricao{"23", "Indefinido"}, CasoDescricao{"91", "Indefinido"},
                      CasoDescricao{"", "Indefinido"}, CasoDescricao{"1", "Indefinido"},
                      CasoDescricao{"01 ", "Indefinido"}, CasoDescricao{" 01", "Indefinido"},
                      CasoDescricao{"06", "Indefinido"}));

// ---- BuscarCnpj -----------------------------------------------------------------------------

class BuscarCnpj : public ::testing::Test {
protected:
    TParticipante* Adicionar(const char* cnpj) {
        TParticipante* participante = nota_.Participantes.Add();
        participante->Cnpj = cnpj;
        return participante;
    }
    TParticipante* Buscar(std::string_view chave) { return nota_.Participantes.BuscarCnpj(chave); }

    TNotaFiscal nota_;
};

TEST_F(BuscarCnpj, EmptyListFindsNothing) {
    EXPECT_EQ(Buscar("111"), nullptr);
    EXPECT_EQ(Buscar(""), nullptr);
    EXPECT_EQ(Buscar("   "), nullptr);
}

TEST_F(BuscarCnpj, TrimsBothSidesAndNeedsTheWholeNumber) {
    Adicionar("111");
    TParticipante* segundo = Adicionar("222");
    EXPECT_EQ(Buscar(" 222 "), segundo);
    EXPECT_EQ(Buscar("\t222\r\n"), segundo);
    EXPECT_EQ(Buscar("22"), nullptr);
    EXPECT_EQ(Buscar("2222"), nullptr);
    EXPECT_EQ(Buscar(""), nullptr);
}

TEST_F(BuscarCnpj, StoredNumberIsTrimmedToo) {
    TParticipante* participante = Adicionar("\x01 12345678000190  ");
    EXPECT_EQ(Buscar("12345678000190"), participante);
}

TEST_F(BuscarCnpj, FirstOfDuplicatesWins) {
    TParticipante* primeiro = Adicionar("111");
    Adicionar("111");
    EXPECT_EQ(Buscar("111"), primeiro);
}

TEST_F(BuscarCnpj, NoPunctuationIsRemovedAndCaseCounts) {
    Adicionar("12345678000190");
    Adicionar("abc");
    EXPECT_EQ(Buscar("12.345.678/0001-90"), nullptr);
    EXPECT_EQ(Buscar("ABC"), nullptr);
}

TEST_F(BuscarCnpj, BlankKeyFindsTheFirstBlankNumber) {
    Adicionar("111");
    EXPECT_EQ(Buscar(" "), nullptr);
    TParticipante* vazio = Adicionar("  ");
    Adicionar("");
    EXPECT_EQ(Buscar(""), vazio);
    EXPECT_EQ(Buscar("  "), vazio);
}

TEST_F(BuscarCnpj, AccentedBytesAreNotTrimmed) {
    // Bytes of multi-byte characters are above 127 and must never be taken for blanks.
    TParticipante* participante = Adicionar("ÇÃ");
    EXPECT_EQ(Buscar(" ÇÃ "), participante);
    EXPECT_EQ(Buscar("Ç"), nullptr);
}

TEST_F(BuscarCnpj, WorksOnAConstRecord) {
    TParticipante* participante = Adicionar("9");
    const TNotaFiscal& nota = nota_;
    EXPECT_EQ(nota.Participantes.BuscarCnpj("9"), participante);
}

// ---- BuscarPapel ----------------------------------------------------------------------------

TEST_F(BuscarCnpj, ByRoleTellsApartPartiesThatShareATaxNumber) {
    TParticipante* destinatario = Adicionar("111");
    destinatario->Papel = PapelDestinatario;
    TParticipante* emitente = Adicionar("222");
    emitente->Papel = PapelEmitente;
    TParticipante* entrega = Adicionar("111");
    entrega->Papel = PapelEntrega;
    TParticipante* transportadora = Adicionar("");
    transportadora->Papel = PapelTransportadora;
    const TColeParticipante& partes = nota_.Participantes;

    EXPECT_EQ(partes.BuscarPapel(PapelEntrega, " 111 "), entrega);
    EXPECT_EQ(partes.BuscarPapel(PapelDestinatario, "111"), destinatario);
    EXPECT_EQ(partes.BuscarPapel(PapelTransportadora, ""), transportadora);
    EXPECT_EQ(Buscar("111"), destinatario);  // by the number alone, the first still wins
    EXPECT_TRUE(partes.TemPapel(PapelEntrega));
    EXPECT_FALSE(partes.TemPapel(PapelRetirada));
}

TEST_F(BuscarCnpj, ByRoleFallsBackToTheNumberWhenNoPartyOfThatRoleHasIt) {
    TParticipante* semPapel = Adicionar("111");
    TParticipante* retirada = Adicionar("333");
    retirada->Papel = PapelRetirada;
    const TColeParticipante& partes = nota_.Participantes;

    EXPECT_EQ(partes.BuscarPapel(PapelEntrega, "111"), semPapel);
    EXPECT_EQ(partes.BuscarPapel(PapelRetirada, "111"), semPapel);
    EXPECT_EQ(partes.BuscarPapel(PapelEntrega, "333"), retirada);
    EXPECT_EQ(partes.BuscarPapel(PapelEntrega, "999"), nullptr);
}

}  // namespace
