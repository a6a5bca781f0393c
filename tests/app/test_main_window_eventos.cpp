// The main window with events: the situation and the correction letters it shows, an event file
// opened while its invoice is loaded joining that invoice, and an event file loaded alone whose
// DANFE button prints its DACCe.
#include "app/JanelaPrincipalTeste.h"

#include "danfe/TFrtDacce.h"

#include <QPlainTextEdit>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

const std::string Eventos = LUVENOR_FIXTURES_DIR "/eventos/";
const std::string Chave = "35190512345678000195550010000012341000012342";

TEST_F(JanelaPrincipal, MostraASituacaoEOsEventosIgnorados) {
    Carregar(Eventos + "vizinho/" + Chave + "-nfe.xml");
    EXPECT_EQ(janela->EdSituacao->text().toStdString(),
              "CANCELADA - protocolo 135190000000999 de 21/05/2019 09:00:05");
    const std::string lista = janela->EdEventos->toPlainText().toStdString();
    EXPECT_NE(lista.find("110111 Cancelamento nº 1 de 21/05/2019 09:00:05"), std::string::npos) << lista;
    EXPECT_NE(lista.find("Ignorado: arquivo de evento"), std::string::npos) << lista;
    EXPECT_NE(lista.find(Chave + "-doctype.xml"), std::string::npos) << lista;

    Carregar(Eventos + "nfe-producao.xml");
    EXPECT_EQ(janela->EdSituacao->text().toStdString(), "AUTORIZADA");
    EXPECT_EQ(janela->EdEventos->toPlainText().toStdString(), "") << "nothing left from the previous file";
}

TEST_F(JanelaPrincipal, EventoAbertoComANotaCarregadaEntraNela) {
    Carregar(Eventos + "nfe-producao.xml");
    Carregar(Eventos + "avulsos/cce-curta.xml");
    EXPECT_TRUE(mensagens.mensagens.empty()) << mensagens.mensagens.front();
    EXPECT_EQ(janela->NotaFiscal().Eventos.Count(), 1);
    EXPECT_EQ(janela->NotaFiscal().ItensNF.Count(), 3) << "the invoice stays loaded";
    EXPECT_EQ(janela->EdNomeArquivo->text().toStdString(), janela->ArquivoCarregado().toStdString());
    EXPECT_NE(janela->EdEventos->toPlainText().toStdString().find("Carta de correção nº 1"),
              std::string::npos);
    // The DANFE button still prints the invoice's DANFE, unchanged by the letter.
    janela->BitBtn2Click();
    EXPECT_EQ(previas, 1);
}

TEST_F(JanelaPrincipal, EventoSozinhoImprimeADacce) {
    int dacces = 0;
    int folhas = 0;
    janela->VisualizarDacce = [&](TFrtDacce& f) {
        ++dacces;
        ASSERT_TRUE(f.RLReport1().PreparePages());
        folhas = f.RLReport1().Pages().Count();
    };
    Carregar(Eventos + "avulsos/cce-1000.xml");
    EXPECT_EQ(janela->EdNumNota->text().toStdString(), "1234");
    EXPECT_EQ(janela->EdChaveNfe->text().toStdString(), Chave);
    janela->BitBtn2Click();
    EXPECT_EQ(dacces, 1);
    EXPECT_EQ(folhas, 1);
    EXPECT_EQ(previas, 0) << "no DANFE for an event file";

    // An event of another invoice does not join the loaded one: it loads as its own document.
    Carregar(Eventos + "nfe-producao.xml");
    Carregar(Eventos + "avulsos/cancelamento-outra-chave.xml");
    EXPECT_EQ(janela->NotaFiscal().ItensNF.Count(), 0);
    EXPECT_EQ(janela->EdChaveNfe->text().toStdString(), "35190598765432000110550010000099991000099995");
    mensagens.mensagens.clear();
    janela->BitBtn2Click();
    ASSERT_EQ(mensagens.mensagens.size(), 1u);
    EXPECT_EQ(mensagens.mensagens[0], "Nenhuma carta de correção registrada neste arquivo de evento.");
}

}  // namespace
