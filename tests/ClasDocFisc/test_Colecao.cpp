// Owned collections: ownership, numbering, removal on destruction and the item numbering of
// the invoice's item list.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ClasDocFisc/TNotaFiscal.h"

using namespace luvenor;

namespace {

TEST(Colecao, AddAppendsOwnedItemsInOrder) {
    TNotaFiscal nota;
    TParticipante* a = nota.Participantes.Add();
    TParticipante* b = nota.Participantes.Add();
    EXPECT_EQ(nota.Participantes.Count(), 2);
    EXPECT_EQ(nota.Participantes.Items(0), a);
    EXPECT_EQ(&nota.Participantes[1], b);
    EXPECT_EQ(a->Index(), 0);
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(b->Collection(), &nota.Participantes);
    EXPECT_EQ(b->DisplayName(), "Item 1");
}

TEST(Colecao, EveryCollectionAnswersItsInvoiceAsOwner) {
    TNotaFiscal nota;
    const TColecao* colecoes[] = {&nota.ItensNF,     &nota.DuplsNF,       &nota.PagtosNF,
                                  &nota.Referencias, &nota.Participantes, &nota.Eventos};
    for (const TColecao* colecao : colecoes) EXPECT_EQ(colecao->Owner(), &nota);
}

TEST(Colecao, ItemOutsideAnyCollection) {
    const TNotaFiscal nota;
    EXPECT_EQ(nota.Collection(), nullptr);
    EXPECT_EQ(nota.Index(), -1);
    EXPECT_EQ(nota.DisplayName(), "Item -1");
}

TEST(Colecao, DestroyingAnItemRemovesItAndRenumbersTheRest) {
    TNotaFiscal nota;
    for (int i = 0; i < 4; ++i) nota.PagtosNF.Add()->FormaPagto = std::to_string(i);

    delete nota.PagtosNF.Items(1);

    ASSERT_EQ(nota.PagtosNF.Count(), 3);
    const char* esperados[] = {"0", "2", "3"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(nota.PagtosNF[i].FormaPagto, esperados[i]);
        EXPECT_EQ(nota.PagtosNF[i].Index(), i);
        EXPECT_EQ(nota.PagtosNF[i].DisplayName(), "Item " + std::to_string(i));
    }
    delete nota.PagtosNF.Items(2);  // the last one
    EXPECT_EQ(nota.PagtosNF.Count(), 2);
    EXPECT_EQ(nota.PagtosNF[1].FormaPagto, "2");
}

TEST(Colecao, ClearDestroysItemsAndTheCollectionStaysUsable) {
    TNotaFiscal nota;
    nota.Referencias.Add();
    nota.Referencias.Add();
    nota.Referencias.Clear();
    EXPECT_EQ(nota.Referencias.Count(), 0);
    EXPECT_EQ(nota.Referencias.Add()->Index(), 0);
}

TEST(Colecao, IndexOutsideTheListRaises) {
    TNotaFiscal nota;
    nota.DuplsNF.Add();
    EXPECT_THROW(nota.DuplsNF.Items(1), std::out_of_range);
    EXPECT_THROW(nota.DuplsNF.Items(-1), std::out_of_range);
    EXPECT_THROW(nota.ItensNF[0], std::out_of_range);
}

TEST(ColeItemNF, AddNumbersItemsFromOneAndRestartsAfterLimpar) {
    TNotaFiscal nota;
    for (int i = 0; i < 3; ++i) {
        TItemNF* item = nota.ItensNF.Add();
        EXPECT_EQ(item->SeqItem, i + 1);
        EXPECT_EQ(item->Index(), i);
    }
    nota.Limpar();
    EXPECT_EQ(nota.ItensNF.Add()->SeqItem, 1);
}

TEST(ColeItemNF, AssignedItemKeepsTheSourceNumber) {
    TNotaFiscal fonte;
    fonte.ItensNF.Add();
    fonte.ItensNF.Add()->CodProd = "B";
    TNotaFiscal destino;
    destino.Assign(fonte);
    ASSERT_EQ(destino.ItensNF.Count(), 2);
    EXPECT_EQ(destino.ItensNF[1].SeqItem, 2);
    EXPECT_EQ(destino.ItensNF[1].CodProd, "B");
    EXPECT_EQ(destino.ItensNF[1].Collection(), &destino.ItensNF);
}

}  // namespace
