// The DANFE NFC-e prepared in-process: the form a consumer invoice gets, the roll's one page cut
// below its content, the A4 sheets, the texts of items, payments, totals and notices, the
// consumer's lines and the QR code's squares.
#include "DanfeTeste.h"

#include "ClasNFe/CarregarNFe.h"
#include "danfe/TFrtDanfeNfce.h"
#include "report/RLBand.h"
#include "report/RLPageDump.h"
#include "report/RLPageFile.h"
#include "util/Notificador.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

struct NfcePreparada {
    bool preparada = false;
    bool bobina = false;
    std::vector<TRLGraphicSurface> paginas;
    std::string alturaPapel;  // the store's PaperHeight macro
};

std::unique_ptr<TNotaFiscal> Carregar(const std::string& fixture) {
    auto nf = std::make_unique<TNotaFiscal>();
    TXmlNFe leitor;
    leitor.NotaFiscal = nf.get();
    const ResultadoCarga r =
        CarregarArquivoNFe(leitor, std::string(LUVENOR_FIXTURES_DIR) + "/nfce/" + fixture);
    EXPECT_TRUE(r.Carregado() && r.MsgErro.empty()) << fixture << ": " << r.ErroCarga << r.MsgErro;
    return nf;
}

NfcePreparada PrepararNfce(TNotaFiscal& nf, FormatoNfce formato = FormatoNfce::Bobina80) {
    GarantirAplicacao();
    NfcePreparada r;
    ImprimirDanfe(
        nf, true,
        [&r](TFrtDanfe& f) {
            TRLReport& relatorio = f.RLReport1();
            relatorio.ShowProgress = false;
            r.bobina = relatorio.ContinuousPaper;
            r.preparada = dynamic_cast<TFrtDanfeNfce*>(&f) && relatorio.PreparePages();
            r.alturaPapel = relatorio.Pages().Macros().Value("PaperHeight");
            for (int i = 0; i < relatorio.Pages().Count(); ++i)
                r.paginas.push_back(*relatorio.Pages().Page(i));
        },
        formato);
    return r;
}

// Every text of every page, in drawing order, joined by blanks: wrapped lines read on.
std::string TextoCorrido(const NfcePreparada& p) {
    std::string texto;
    for (const TRLGraphicSurface& pagina : p.paginas)
        for (const std::string& t : Textos(pagina)) texto += t + " ";
    return texto;
}

bool Contem(const std::string& texto, const std::string& parte) {
    return texto.find(parte) != std::string::npos;
}

// The lowest edge any object reaches on the page.
int BaseDoConteudo(const TRLGraphicSurface& pagina) {
    int base = 0;
    for (const TRLGraphicObject& o : pagina.Objects()) base = std::max(base, o.BoundsRect.Bottom);
    return base;
}

// The box around the page's filled black rectangles: the QR code's squares.
TRLPageRect CaixaDosQuadrados(const TRLGraphicSurface& pagina, int& quantos) {
    TRLPageRect r{1 << 30, 1 << 30, 0, 0};
    quantos = 0;
    for (const TRLGraphicObject& o : pagina.Objects()) {
        const auto* f = o.As<TRLFillRectObject>();
        if (!f || f->Brush.Color != qRgb(0, 0, 0)) continue;
        ++quantos;
        r = {std::min(r.Left, o.BoundsRect.Left), std::min(r.Top, o.BoundsRect.Top),
             std::max(r.Right, o.BoundsRect.Right), std::max(r.Bottom, o.BoundsRect.Bottom)};
    }
    return r;
}

}  // namespace

TEST(DanfeNfce, RollIsOnePageAsTallAsItsContentAndGrowsWithTheItems) {
    auto um = Carregar("nfce-1item.xml");
    auto trezentos = Carregar("nfce-300itens.xml");
    const NfcePreparada p1 = PrepararNfce(*um);
    const NfcePreparada p300 = PrepararNfce(*trezentos);
    ASSERT_TRUE(p1.preparada && p300.preparada);
    EXPECT_TRUE(p1.bobina);
    ASSERT_EQ(p1.paginas.size(), 1u);
    ASSERT_EQ(p300.paginas.size(), 1u);
    for (const NfcePreparada* p : {&p1, &p300}) {
        const TRLGraphicSurface& pagina = p->paginas[0];
        EXPECT_EQ(pagina.Width(), MilimetrosParaPixels(80));
        // Cut under the last band: the bottom margin and no more.
        const int base = BaseDoConteudo(pagina);
        EXPECT_LE(base, pagina.Height());
        EXPECT_LE(pagina.Height() - base, MilimetrosParaPixels(4) + 1);
        // The sheet printing feeds is that page: PaperHeight in millimetres with a decimal comma.
        std::string altura = p->alturaPapel;
        if (const size_t virgula = altura.find(','); virgula != std::string::npos) altura[virgula] = '.';
        EXPECT_NEAR(std::stod(altura) * 96 / 25.4, pagina.Height(), 0.5) << p->alturaPapel;
    }
    EXPECT_LT(p1.paginas[0].Height(), MilimetrosParaPixels(297));
    // 299 more items of two lines each, a line at least 12 pixels high.
    EXPECT_GT(p300.paginas[0].Height(), p1.paginas[0].Height() + 299 * 24);
}

TEST(DanfeNfce, FiftyEightMillimetreRollAndA4Sheets) {
    auto nf = Carregar("nfce-300itens.xml");
    const NfcePreparada estreita = PrepararNfce(*nf, FormatoNfce::Bobina58);
    ASSERT_TRUE(estreita.preparada);
    ASSERT_EQ(estreita.paginas.size(), 1u);
    EXPECT_EQ(estreita.paginas[0].Width(), MilimetrosParaPixels(58));
    // Nothing drawn past the narrow roll's right edge.
    for (const TRLGraphicObject& o : estreita.paginas[0].Objects())
        EXPECT_LE(o.BoundsRect.Right, MilimetrosParaPixels(58)) << DescreverObjeto(o, {}, {});

    const NfcePreparada a4 = PrepararNfce(*nf, FormatoNfce::A4);
    ASSERT_TRUE(a4.preparada);
    EXPECT_FALSE(a4.bobina);
    ASSERT_GT(a4.paginas.size(), 3u);
    for (const TRLGraphicSurface& pagina : a4.paginas) {
        EXPECT_EQ(pagina.Width(), MilimetrosParaPixels(210));
        EXPECT_EQ(pagina.Height(), MilimetrosParaPixels(297));
    }
    const std::string texto = TextoCorrido(a4);
    for (int i : {1, 150, 300})
        EXPECT_TRUE(Contem(texto, "Produto de teste número " + std::to_string(i))) << i;
}

TEST(DanfeNfce, ItemsTotalsPaymentsAndChangeArePrinted) {
    auto nf = Carregar("nfce-3pagamentos-troco.xml");
    const NfcePreparada p = PrepararNfce(*nf);
    ASSERT_TRUE(p.preparada);
    const std::string texto = TextoCorrido(p);
    for (const char* parte : {"DANFE NFC-e - Documento Auxiliar da Nota Fiscal de Consumidor",
                              "Padaria Trigo Dourado Ltda",
                              "CNPJ: 12.345.678/0001-95",
                              "001 7001 Pão francês",
                              "1,20 KG x 14,90",
                              "17,88",
                              "002 7020 Café coado",
                              "003 7033 Sonho de creme",
                              "15,75",
                              "QTD. TOTAL DE ITENS",
                              "VALOR A PAGAR R$",
                              "46,63",
                              "Dinheiro",
                              "20,00",
                              "PIX",
                              "Cartão de Crédito",
                              "TROCO R$",
                              "3,37",
                              "Consulte pela Chave de Acesso em",
                              "www.sefaz.rs.gov.br/nfce/consulta",
                              "CONSUMIDOR - ID ESTRANGEIRO: AB1234567",
                              "John Placeholder",
                              "NFC-e nº 000.000.104",
                              "Protocolo de Autorização: 143240000000104",
                              "Tributos Totais Incidentes (Lei Federal 12.741/2012): R$ 8,39"})
        EXPECT_TRUE(Contem(texto, parte)) << parte << "\nin: " << texto;
    // The key in groups of four.
    EXPECT_TRUE(Contem(texto, nf->ChaveNfe.substr(0, 4) + " " + nf->ChaveNfe.substr(4, 4) + " "));
    // An authorised invoice of production carries none of the notices.
    EXPECT_FALSE(Contem(texto, "HOMOLOGAÇÃO"));
    EXPECT_FALSE(Contem(texto, "CONTINGÊNCIA"));
    EXPECT_FALSE(Contem(texto, "CANCELADA"));
}

TEST(DanfeNfce, NoticesOfHomologationContingencyAndCancellation) {
    auto homologacao = Carregar("nfce-homologacao.xml");
    EXPECT_TRUE(Contem(TextoCorrido(PrepararNfce(*homologacao)),
                       "EMITIDA EM AMBIENTE DE HOMOLOGAÇÃO - SEM VALOR FISCAL"));
    auto contingencia = Carregar("nfce-contingencia.xml");
    const std::string texto = TextoCorrido(PrepararNfce(*contingencia));
    EXPECT_TRUE(Contem(texto, "EMITIDA EM CONTINGÊNCIA"));
    EXPECT_TRUE(Contem(texto, "Emitida em contingência off-line")) << "the additional information";
    // Authorised afterwards: not pending any more.
    EXPECT_FALSE(Contem(texto, "Pendente de autorização"));
    contingencia->ProtocoloNfe.clear();
    EXPECT_EQ(TFrtDanfeNfce::Avisos(*contingencia),
              (std::vector<std::string>{"EMITIDA EM CONTINGÊNCIA", "Pendente de autorização"}));

    homologacao->Status = "C";
    EXPECT_TRUE(Contem(TextoCorrido(PrepararNfce(*homologacao)), "NFC-e CANCELADA"));
}

TEST(DanfeNfce, ConsumerLinesByKindOfIdentification) {
    TNotaFiscal nf;
    EXPECT_EQ(TFrtDanfeNfce::LinhasConsumidor(nf), std::vector<std::string>{"CONSUMIDOR NÃO IDENTIFICADO"});
    nf.Cnpj = "39053344705";
    EXPECT_EQ(TFrtDanfeNfce::LinhasConsumidor(nf),
              std::vector<std::string>{"CONSUMIDOR - CPF: 390.533.447-05"});
    nf.Cnpj = "98765432000198";
    TParticipante& p = *nf.Participantes.Add();
    p.Papel = PapelDestinatario;
    p.Cnpj = nf.Cnpj;
    p.Razao = "Oficina Exemplo";
    p.Endereco = "Avenida Imaginária";
    p.Numero = "45";
    EXPECT_EQ(TFrtDanfeNfce::LinhasConsumidor(nf),
              (std::vector<std::string>{"CONSUMIDOR - CNPJ: 98.765.432/0001-98", "Oficina Exemplo",
                                        "Avenida Imaginária, 45"}));
    // A foreign id of eleven digits is still no CPF.
    nf.Cnpj = "12345678901";
    p.Cnpj = nf.Cnpj;
    nf.ConsumidorEstrangeiro = true;
    EXPECT_EQ(TFrtDanfeNfce::LinhasConsumidor(nf)[0], "CONSUMIDOR - ID ESTRANGEIRO: 12345678901");
}

TEST(DanfeNfce, QrCodeIsSquaresAtLeast25MillimetresWideInsideTheRoll) {
    for (FormatoNfce formato : {FormatoNfce::Bobina80, FormatoNfce::Bobina58, FormatoNfce::A4}) {
        auto nf = Carregar("nfce-descricao-longa.xml");
        const NfcePreparada p = PrepararNfce(*nf, formato);
        ASSERT_TRUE(p.preparada);
        int quadrados = 0;
        const TRLPageRect qr = CaixaDosQuadrados(p.paginas.back(), quadrados);
        EXPECT_GT(quadrados, 50);
        EXPECT_EQ(qr.Width(), qr.Height());
        EXPECT_GE(qr.Width(), MilimetrosParaPixels(25));
        EXPECT_GE(qr.Left, 0);
        EXPECT_LE(qr.Right, p.paginas.back().Width());
        // Centred on the page, give or take the rounding of a module.
        EXPECT_NEAR(qr.Left + qr.Right, p.paginas.back().Width(), 4);
        for (const TRLGraphicObject& o : p.paginas.back().Objects())
            EXPECT_EQ(o.As<TRLImageObject>(), nullptr) << "no picture on a consumer DANFE";
    }
}

TEST(DanfeNfce, LongDescriptionWrapsWithinTheRoll) {
    auto nf = Carregar("nfce-descricao-longa.xml");
    ASSERT_EQ(nf->ItensNF[0].DescrOrig.size(), 120u);
    for (FormatoNfce formato : {FormatoNfce::Bobina80, FormatoNfce::Bobina58}) {
        const NfcePreparada p = PrepararNfce(*nf, formato);
        ASSERT_TRUE(p.preparada);
        const std::string texto = TextoCorrido(p);
        // Every word of it, in order, on lines that stay inside the paper.
        EXPECT_TRUE(Contem(texto, "Bolo de chocolate")) << texto;
        EXPECT_TRUE(Contem(texto, "fatia grande embalada")) << texto;
        for (const TRLGraphicObject& o : p.paginas[0].Objects())
            EXPECT_LE(o.BoundsRect.Right, p.paginas[0].Width());
    }
}

TEST(DanfeNfce, AnNfeStillGetsItsA4Form) {
    TNotaFiscal nf;
    PreencherNota(nf);
    nf.Modelo = "55";
    bool nfce = true;
    bool continuo = true;
    ImprimirDanfe(
        nf, true,
        [&](TFrtDanfe& f) {
            nfce = dynamic_cast<TFrtDanfeNfce*>(&f) != nullptr;
            continuo = f.RLReport1().ContinuousPaper;
        },
        FormatoNfce::Bobina58);
    EXPECT_FALSE(nfce);
    EXPECT_FALSE(continuo);
}

TEST(DanfeNfce, RollPagesOfTwoSizesSurviveThePageFile) {
    auto um = Carregar("nfce-1item.xml");
    auto tres = Carregar("nfce-3pagamentos-troco.xml");
    const NfcePreparada a = PrepararNfce(*um);
    const NfcePreparada b = PrepararNfce(*tres, FormatoNfce::Bobina58);
    ASSERT_TRUE(a.preparada && b.preparada);
    TRLGraphicStorage store;
    store.Add(a.paginas[0]);
    store.Add(b.paginas[0]);
    TRLGraphicStorage lida;
    LerArquivoPaginas(GerarArquivoPaginas(store), lida);
    ASSERT_EQ(lida.Count(), 2);
    EXPECT_EQ(lida.Page(0)->Width(), a.paginas[0].Width());
    EXPECT_EQ(lida.Page(0)->Height(), a.paginas[0].Height());
    EXPECT_EQ(lida.Page(1)->Width(), b.paginas[0].Width());
    EXPECT_EQ(lida.Page(1)->Height(), b.paginas[0].Height());
    EXPECT_NE(a.paginas[0].Height(), b.paginas[0].Height());
}

TEST(DanfeNfce, AQrCodeNoSymbolHoldsMakesNoPagesAndSaysWhy) {
    class Captura : public Notificador {
    public:
        void Mostrar(const std::string& m, bool) override { mensagens += m; }
        std::string mensagens;
    } captura;
    NotificadorInstalado instalado(&captura);
    auto nf = Carregar("nfce-1item.xml");
    nf->QrCodeNfce = std::string(2400, '7');
    const NfcePreparada p = PrepararNfce(*nf);
    EXPECT_FALSE(p.preparada);
    EXPECT_TRUE(p.paginas.empty());
    EXPECT_TRUE(Contem(captura.mensagens, "QR code da NFC-e: o texto de 2400 bytes não cabe num QR code"))
        << captura.mensagens;
}
