// Hostile invoices at the reader: refused at a named bound, or read with every value that no amount
// can have warned about by its element and left at zero; invalid dates and keys are named.
#include "NFeTeste.h"
#include "NotasHostis.h"

#include "ClasNFe/AnaliseXml.h"

#include <gtest/gtest.h>

namespace luvenor {
namespace {

using teste::Base;
namespace h = teste::hostis;

ResultadoCarga Carregar(const std::string& xml) {
    teste::NotificadorCaptura avisos;
    NotificadorInstalado instalado(&avisos);
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    return CarregarTextoNFe(leitor, xml, "hostil.xml");
}

TEST(LeituraHostil, AnElementWithTooManyAttributesIsRefusedBeforeTheParse) {
    EXPECT_EQ(Carregar(h::MuitosAtributos(Base(), 100000)).ErroCarga,
              "Erro ao abrir arquivo hostil.xml - Elemento com mais de 256 atributos: recusado.");
    EXPECT_EQ(Carregar(h::MuitosAtributos(Base(), MaximoAtributosXml + 1)).ErroCarga,
              "Erro ao abrir arquivo hostil.xml - " + std::string(MensagemAtributosDemais));
    EXPECT_TRUE(Carregar(h::MuitosAtributos(Base(), MaximoAtributosXml)).Carregado());
    // Equals signs inside values, comments and CDATA are no attributes.
    std::string cheio = teste::Trocar(Base(), "<infCpl>", "<infCpl a=\"" + std::string(300, '=') + "\">");
    cheio = teste::Trocar(cheio, "TEXTO COMPLEMENTAR", "<![CDATA[" + std::string(300, '=') + "]]>");
    cheio = teste::Trocar(cheio, "<infAdFisco>", "<!--" + std::string(300, '=') + "--><infAdFisco>");
    EXPECT_TRUE(Carregar(cheio).Carregado()) << Carregar(cheio).ErroCarga;
}

// Millions of empty elements would take the tree gigabytes: refused before the parse, however
// they are spread. A hundred thousand instalments (400 thousand elements) are read below.
TEST(LeituraHostil, ADocumentOfTooManyElementsIsRefusedBeforeTheParse) {
    EXPECT_EQ(Carregar(h::MuitosElementos(Base(), MaximoElementosXml)).ErroCarga,
              "Erro ao abrir arquivo hostil.xml - XML com mais de 2.000.000 elementos: recusado.");
}

TEST(LeituraHostil, ValuesNoAmountCanHaveAreWarnedByTheirElementAndReadAsZero) {
    for (const std::string& valor : h::ValoresHostis()) {
        auto l = teste::Ler(h::ComValor(Base(), "vProd", valor));
        EXPECT_EQ(l->resultado.MsgErro, "") << valor;
        ASSERT_GT(l->nf.ItensNF.Count(), 0);
        EXPECT_EQ(l->nf.ItensNF[0].VlrItem, 0) << valor;
        const bool branco = valor == " ";
        EXPECT_EQ(l->avisos.mensagens,
                  branco ? std::vector<std::string>{}
                         : std::vector<std::string>{"Valor Inválido em <vProd>: '" + valor + "'"})
            << valor;
    }
    // The largest amounts an invoice can have pass as they are, negative ones too.
    auto grande = teste::Ler(h::ComValor(Base(), "vProd", "-9999999999999.99"));
    EXPECT_EQ(grande->nf.ItensNF[0].VlrItem, -9999999999999.99);
    EXPECT_TRUE(grande->avisos.mensagens.empty());
    auto alem = teste::Ler(h::ComValor(Base(), "vProd", "-999999999999999.99"));
    EXPECT_EQ(alem->nf.ItensNF[0].VlrItem, 0);
    EXPECT_EQ(alem->avisos.mensagens,
              std::vector<std::string>{"Valor Inválido em <vProd>: '-999999999999999.99'"});
    auto doze = teste::Ler(h::ComValor(Base(), "vProd", "999999999999"));
    EXPECT_EQ(doze->nf.ItensNF[0].VlrItem, 999999999999.0);
    // A long hostile value is cut in the warning.
    auto longo = teste::Ler(h::ComValor(Base(), "vDup", std::string(5000, 'x')));
    ASSERT_EQ(longo->avisos.mensagens.size(), 1u);
    EXPECT_EQ(longo->avisos.mensagens[0], "Valor Inválido em <vDup>: '" + std::string(40, 'x') + "...'");
}

TEST(LeituraHostil, NumericTextsSpellingNoNumberAreWarnedAndLeftEmpty) {
    auto l = teste::Ler(h::ComValor(h::ComValor(Base(), "qVol", "Infinity"), "serie", "NaN"));
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(l->nf.Quantidade, "");
    EXPECT_EQ(l->nf.Serie, "   ");  // padded to its three characters, as every series is
    EXPECT_EQ(l->avisos.mensagens, (std::vector<std::string>{"Valor Inválido em <serie>: 'NaN'",
                                                             "Valor Inválido em <qVol>: 'Infinity'"}));
    // Any other text is the invoice's own and kept.
    auto texto = teste::Ler(h::ComValor(Base(), "qVol", "string"));
    EXPECT_EQ(texto->nf.Quantidade, "string");
    EXPECT_TRUE(texto->avisos.mensagens.empty());
}

TEST(LeituraHostil, AnInvalidDateIsReportedAsInvalidNotMissing) {
    auto l = teste::Ler(h::ComValor(Base(), "dhEmi", "2019-02-30T10:00:00-03:00"));
    EXPECT_EQ(l->resultado.MsgErro, "Tag <dhEmi> com valor inválido.");
    auto semData = teste::Ler(teste::Remover(Base(), "<dhEmi>", "</dhEmi>"));
    EXPECT_EQ(semData->resultado.MsgErro, "Tag <dhEmi> não encontrada.");
}

TEST(LeituraHostil, AnAccessKeyOfTheWrongLengthIsReadAndWarned) {
    for (size_t tamanho : {43u, 45u, 1000u}) {
        auto l = teste::Ler(h::ComChave(Base(), std::string(tamanho, '1')));
        EXPECT_EQ(l->resultado.MsgErro, "");
        EXPECT_EQ(l->nf.ChaveNfe.size(), tamanho);
        EXPECT_EQ(l->avisos.mensagens,
                  std::vector<std::string>{"Chave de acesso inválida no atributo Id de <infNFe>: tem " +
                                           std::to_string(tamanho) + " caracteres, e deve ter 44 dígitos."});
    }
    auto letras = teste::Ler(h::ComChave(Base(), std::string(43, '1') + "X"));
    EXPECT_EQ(letras->avisos.mensagens.size(), 1u);
    EXPECT_TRUE(teste::Ler(Base())->avisos.mensagens.empty());
}

TEST(LeituraHostil, AHundredThousandInstalmentsAreAllRead) {
    auto l = teste::Ler(h::MuitasParcelas(Base(), 100000));
    EXPECT_EQ(l->resultado.MsgErro, "");
    EXPECT_EQ(l->nf.DuplsNF.Count(), 100000);
}

}  // namespace
}  // namespace luvenor
