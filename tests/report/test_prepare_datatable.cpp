// The in-memory table the forms bind their pagers to.
#include "report/RLDataTable.h"
#include "util/Erros.h"

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

TRLDataTable TabelaDeItens() {
    TRLDataTable t("CdsItens");
    t.AddField("TIPOLCTO", TRLFieldType::ftString, 2);
    t.AddField("ANO", TRLFieldType::ftInteger);
    t.AddField("INCRITEM", TRLFieldType::ftInteger);
    t.SetIndexFieldNames({"TIPOLCTO", "ANO", "INCRITEM"});
    return t;
}

void Incluir(TRLDataTable& t, const std::string& tipo, int ano, int item) {
    t.Append();
    t.SetString("TIPOLCTO", tipo);
    t.SetInteger("ANO", ano);
    t.SetInteger("INCRITEM", item);
    t.Post();
}

std::vector<int> Itens(TRLDataTable& t) {
    std::vector<int> r;
    for (t.First(); !t.Eof(); t.Next()) r.push_back(t.AsInteger("INCRITEM"));
    return r;
}

}  // namespace

TEST(TabelaEmMemoria, RegistrosOrdenadosPelosCamposDoIndice) {
    TRLDataTable t = TabelaDeItens();
    Incluir(t, "NE", 2024, 3);
    Incluir(t, "NE", 2024, 1);
    Incluir(t, "NE", 2023, 9);
    Incluir(t, "AA", 2025, 7);
    Incluir(t, "NE", 2024, 2);
    EXPECT_EQ(Itens(t), (std::vector<int>{7, 9, 1, 2, 3}));
    EXPECT_EQ(t.RecordCount(), 5);
}

TEST(TabelaEmMemoria, PostDeixaORegistroIncluidoComoAtual) {
    TRLDataTable t = TabelaDeItens();
    Incluir(t, "NE", 2024, 5);
    Incluir(t, "NE", 2024, 1);
    EXPECT_EQ(t.AsInteger("INCRITEM"), 1);
    EXPECT_FALSE(t.Eof());
}

TEST(TabelaEmMemoria, VaziaOuSemCamposNaoTemRegistros) {
    TRLDataTable semCampos;
    EXPECT_FALSE(semCampos.Active());
    EXPECT_TRUE(semCampos.Eof());
    TRLDataTable t = TabelaDeItens();
    t.First();
    EXPECT_TRUE(t.Eof());
    Incluir(t, "NE", 2024, 1);
    t.Empty();
    t.First();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_EQ(t.AsInteger("INCRITEM"), 0) << "no current record reads as zero";
}

TEST(TabelaEmMemoria, AfterScrollAoIncluirEAoMover) {
    TRLDataTable t = TabelaDeItens();
    std::vector<int> vistos;
    t.AfterScroll = [&vistos](TRLDataTable& tab) { vistos.push_back(tab.AsInteger("INCRITEM")); };
    Incluir(t, "NE", 2024, 2);
    Incluir(t, "NE", 2024, 1);
    EXPECT_EQ(vistos, (std::vector<int>{0, 0})) << "an appended record is current with zero fields";
    vistos.clear();
    t.First();
    t.Next();
    t.Next();  // past the end: no record becomes current
    EXPECT_EQ(vistos, (std::vector<int>{1, 2}));
    EXPECT_TRUE(t.Eof());
}

TEST(TabelaEmMemoria, TextoCortadoNoTamanhoSemPartirCaracteres) {
    TRLDataTable t = TabelaDeItens();
    t.Append();
    t.SetString("TIPOLCTO", "ÇÃO");
    EXPECT_EQ(t.AsString("TIPOLCTO"), "ÇÃ");
    t.SetString("ANO", "2024");
    EXPECT_EQ(t.AsInteger("ANO"), 2024);
    EXPECT_THROW(t.SetString("ANO", "20x4"), EConvertError);
    EXPECT_THROW(t.SetString("ANO", ""), EConvertError);
    t.Cancel();
    EXPECT_EQ(t.RecordCount(), 0);
}

TEST(TabelaEmMemoria, CampoDesconhecidoEErroClaro) {
    TRLDataTable t = TabelaDeItens();
    t.Append();
    try {
        t.SetInteger("QUANTIDADE", 1);
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(e.what()), "CdsItens: campo 'QUANTIDADE' não encontrado");
    }
    EXPECT_THROW(t.SetIndexFieldNames({"NADA"}), std::invalid_argument);
    EXPECT_THROW(t.AddField("ANO", TRLFieldType::ftInteger), std::invalid_argument);
}
