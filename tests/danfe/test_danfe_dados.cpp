// What the XML holds lands in its box as the XML writes it, and what it does not hold is not
// printed: fixture invoices read as the viewer reads them, their first sheet searched for the
// texts of the boxes. A count of 1 for a text that two boxes could show tells which of two parties
// sharing a tax number a box was filled from.
#include "PaginasDanfe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

struct TextoNaFolha {
    std::string texto;
    int vezes;  // on the first sheet
};

struct CasoDados {
    const char* nome;
    const char* xml;
    std::vector<TextoNaFolha> textos;
};

int ContarNaPrimeira(const DanfePreparado& d, const std::string& texto) {
    int n = 0;
    for (const std::string& t : Textos(d.paginas.at(0))) n += t == texto;
    return n;
}

DanfePreparado PrepararArquivo(const std::string& xml, TNotaFiscal& nf) {
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ResultadoCarga carga = CarregarArquivoNFe(leitor, NoProjeto(xml));
    EXPECT_TRUE(carga.Carregado()) << carga.ErroCarga;
    EXPECT_EQ(carga.MsgErro, "");
    return Preparar(nf);
}

class DadosDoXml : public testing::TestWithParam<CasoDados> {};

const CasoDados casos[] = {
    {"retirada_e_entrega_no_cnpj_do_destinatario",
     "tests/fixtures/danfe/locais-retrato.xml",
     {
         {"INFORMAÇÕES DO LOCAL DE RETIRADA", 1},
         {"ARMAZÉM GERAL SERRA AZUL LTDA", 1},
         {"16.180.339/0001-57", 1},
         {"RODOVIA DOS BANDEIRANTES, KM 72", 1},
         {"JARDIM SAMAMBAIA", 1},
         {"13212-000", 1},
         {"1145870000", 1},
         {"407112233445", 1},
         {"INFORMAÇÕES DO LOCAL DE ENTREGA", 1},
         // The delivery under the recipient's CNPJ prints its own address, the recipient its own.
         {"27.182.818/0001-29", 2},
         {"ESTRADA MUNICIPAL DO BARREIRO, 1200 GALPÃO 4", 1},
         {"AVENIDA DOS PINHEIROS, 77-B LOJA 2", 1},
         {"BARREIRO", 1},
         {"SUMARÉ", 1},
         {"671009988776", 1},
         {"244556677889", 1},
     }},
    {"veiculo_numeros_da_rua_e_sem_data_de_saida",
     "tests/fixtures/danfe/locais-retrato.xml",
     {
         {"FRT-4821", 1},
         {"045678912", 1},
         {"TRANSPORTES RIO DAS ANTAS LTDA", 1},
         {"0 - Remetente", 1},
         {"RUA DAS OFICINAS, S/N", 1},
         // The issue date once, in its own box; the exit boxes stay empty.
         {"12/03/2025", 1},
         {"08:15:00", 0},
         // The item's additional text on a line of its own.
         {"BUCHA DE BRONZE TM-23 40 X 30 X 50 MM", 1},
         {"Pedido do cliente 7781", 1},
         {"FLANGE USINADA SAE 1020", 1},
     }},
    {"retirada_no_cnpj_do_emitente_e_cliente_retira",
     "tests/fixtures/danfe/locais-paisagem.xml",
     {
         {"AVENIDA DOS TROPEIROS, 1500", 1},
         {"RODOVIA PR-151, KM 318 SILO 2", 1},
         {"RUA DOS IMIGRANTES, 430", 1},
         {"ESTRADA DA COLÔNIA, 77-B SÍTIO BOA ESPERANÇA", 1},
         {"246.813.579-28", 2},
         {"CLIENTE RETIRA", 1},
         {"4 - Próprio Destinatário", 1},
         {"BRA2E19", 1},
         {"03/04/2025", 1},
         {"06:30:00", 1},
         {"Lote SJ-2425-118, germinação 85%, pureza 99%", 1},
     }},
    {"totais_do_issqn_e_transportador_com_o_cnpj_do_emitente",
     "tests/fixtures/danfe/issqn-retrato.xml",
     {
         {"3.010,00", 1},
         {"2.972,00", 1},
         {"148,60", 1},
         {"04418825", 1},
         {"RUA VISCONDE DE PIRAJÁ, 550 SALA 1502", 1},
         {"RUA VISCONDE DE PIRAJÁ, 550", 1},
     }},
};

void PrintTo(const CasoDados& c, std::ostream* os) {
    *os << c.xml;
}

}  // namespace

TEST_P(DadosDoXml, CadaValorNaSuaCaixa) {
    TNotaFiscal nf;
    const DanfePreparado d = PrepararArquivo(GetParam().xml, nf);
    ASSERT_TRUE(d.preparado);
    for (const TextoNaFolha& t : GetParam().textos)
        EXPECT_EQ(ContarNaPrimeira(d, t.texto), t.vezes) << '"' << t.texto << '"';
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DadosDoXml, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoDados>& i) {
                             return std::string(i.param.nome);
                         });

class LocaisEmAmbosOsLayouts : public testing::TestWithParam<bool> {};

// A record built in code: the delivery place shares the recipient's CNPJ and is told apart by its
// role; without roles (a record filled by hand) the lookup by the number still fills the band.
TEST_P(LocaisEmAmbosOsLayouts, EntregaPeloPapelOuPeloNumero) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.tpImp = GetParam() ? "2" : "1";
    nf.Participantes.BuscarCnpj(nf.Cnpj)->Endereco = "Avenida do Cliente";
    nf.CnpjEntrega = nf.Cnpj;
    TParticipante& entrega = NovaParte(nf, nf.Cnpj, "Cliente Fictício S.A.");
    entrega.Endereco = "Estrada do Canteiro";
    entrega.Numero = "S/N";
    DanfePreparado semPapel = Preparar(nf);
    EXPECT_EQ(ContarNaPrimeira(semPapel, "AVENIDA DO CLIENTE, 100"), 2);

    entrega.Papel = PapelEntrega;
    DanfePreparado comPapel = Preparar(nf);
    EXPECT_EQ(ContarNaPrimeira(comPapel, "AVENIDA DO CLIENTE, 100"), 1);
    EXPECT_EQ(ContarNaPrimeira(comPapel, "ESTRADA DO CANTEIRO, S/N"), 1);
}

// A delivery place written with an empty CNPJ element still prints its band and its address.
TEST_P(LocaisEmAmbosOsLayouts, EntregaComCnpjEmBranco) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.tpImp = GetParam() ? "2" : "1";
    DanfePreparado sem = Preparar(nf);
    EXPECT_EQ(ContarNaPrimeira(sem, "NOME/RAZÃO SOCIAL"), 1);  // the recipient's band alone

    TParticipante& entrega = NovaParte(nf, "", "");
    entrega.Papel = PapelEntrega;
    entrega.Endereco = "Rua Nápoles";
    entrega.Numero = "71";
    DanfePreparado com = Preparar(nf);
    EXPECT_EQ(ContarNaPrimeira(com, "NOME/RAZÃO SOCIAL"), 2);
    EXPECT_EQ(ContarNaPrimeira(com, "RUA NÁPOLES, 71"), 1);
}

// A carrier with a name and no tax number, and a vehicle without carrier: each value printed.
TEST_P(LocaisEmAmbosOsLayouts, TransportadorSemCnpjEVeiculo) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.tpImp = GetParam() ? "2" : "1";
    nf.IndFrete = "1";
    TParticipante& transportador = nf.Participantes[2];
    transportador.Papel = PapelTransportadora;
    transportador.Razao = "Cliente Retira";
    nf.PlacaVeic = "ABC1234";
    nf.EstadoVeic = "mg";
    nf.RntcVeic = " 12345678 ";
    DanfePreparado d = Preparar(nf);
    EXPECT_EQ(ContarNaPrimeira(d, "CLIENTE RETIRA"), 1);
    EXPECT_EQ(ContarNaPrimeira(d, "1 - Destinatário"), 1);
    EXPECT_EQ(ContarNaPrimeira(d, "ABC-1234"), 1);
    EXPECT_EQ(ContarNaPrimeira(d, "MG"), 1);
    EXPECT_EQ(ContarNaPrimeira(d, "12345678"), 1);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LocaisEmAmbosOsLayouts, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& i) {
                             return i.param ? "Paisagem" : "Retrato";
                         });
