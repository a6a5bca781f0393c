#include "danfe/TFrtDanfeNfce.h"

#include "danfe/FormatosDanfe.h"
#include "danfe/LayoutNfce.h"
#include "danfe/QrCodeDanfe.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "util/Erros.h"
#include "util/UDatas.h"
#include "util/UMascara.h"
#include "util/UNumber.h"
#include "util/UString.h"

namespace luvenor {
namespace {

constexpr const char* TituloNfce = "DANFE NFC-e - Documento Auxiliar da Nota Fiscal de Consumidor Eletrônica";

std::string DataHora(double data, const std::string& hora) {
    std::string texto = DataParaTexto(data);
    if (!Vazio(hora)) texto += " " + hora;
    return texto;
}

}  // namespace

TFrtDanfeNfce::TFrtDanfeNfce(FormatoNfce formato)
    : TFrtDanfe(LayoutNfce(formato), SemBandasNfe{}), formato_(formato) {
    const PapelNfce papel = PapelDoFormato(formato);
    TRLReport& relatorio = RLReport1();
    relatorio.PageSetup.PaperSize = papel.Bobina ? TRLPaperSize::fpCustom : TRLPaperSize::fpA4;
    relatorio.PageSetup.PaperWidth = papel.LarguraMm;
    relatorio.PageSetup.PaperHeight = papel.AlturaMm;
    relatorio.ContinuousPaper = papel.Bobina;
    relatorio.ApplyPageSetup();

    CdsPagtos.AddField("POSICAO", TRLFieldType::ftInteger);
    CdsPagtos.SetIndexFieldNames({"POSICAO"});
    dynamic_cast<TRLSubDetail&>(*Controle("RLSubDetail2")).DataSource = &CdsPagtos;
    CdsTempor.AfterScroll = [this](TRLDataTable& t) {
        CdsTemporAfterScroll(t);
        CarregarPagamentosNF();
    };

    auto ligar = [this](const char* banda, void (TFrtDanfeNfce::*metodo)(TRLCustomControl&, bool&)) {
        Banda(banda).BeforePrint = [this, metodo](TRLCustomControl& s, bool& p) { (this->*metodo)(s, p); };
    };
    ligar("bandEmitente", &TFrtDanfeNfce::bandEmitenteBeforePrint);
    ligar("bandAvisos", &TFrtDanfeNfce::bandAvisosBeforePrint);
    ligar("bandItem", &TFrtDanfeNfce::bandItemBeforePrint);
    ligar("bandPagamento", &TFrtDanfeNfce::bandPagamentoBeforePrint);
    ligar("bandAdicionais", &TFrtDanfeNfce::bandAdicionaisBeforePrint);
}

void TFrtDanfeNfce::CarregarPagamentosNF() {
    CdsPagtos.Empty();
    const int quantos = NotaFiscalDanfe ? NotaFiscalDanfe->PagtosNF.Count() : 0;
    for (int i = 0; i < quantos; ++i) {
        CdsPagtos.Append();
        CdsPagtos.SetInteger("POSICAO", i);
        CdsPagtos.Post();
    }
    CdsPagtos.First();
}

std::vector<std::string> TFrtDanfeNfce::Avisos(const TNotaFiscal& nf) {
    std::vector<std::string> avisos;
    if (nf.Status == "C") avisos.push_back("NFC-e CANCELADA");
    if (nf.tpAmb == "2") avisos.push_back("EMITIDA EM AMBIENTE DE HOMOLOGAÇÃO - SEM VALOR FISCAL");
    if (nf.tpEmis == "9") {
        avisos.push_back("EMITIDA EM CONTINGÊNCIA");
        if (Vazio(nf.ProtocoloNfe)) avisos.push_back("Pendente de autorização");
    }
    return avisos;
}

std::vector<std::string> TFrtDanfeNfce::LinhasConsumidor(const TNotaFiscal& nf) {
    const std::string numero = TirarEspacos(nf.Cnpj);
    const TParticipante& consumidor = ParticipanteOuVazio(nf.Participantes, PapelDestinatario, nf.Cnpj);
    if (Vazio(numero) && Vazio(consumidor.Razao)) return {"CONSUMIDOR NÃO IDENTIFICADO"};
    std::string documento;
    if (nf.ConsumidorEstrangeiro)
        documento = "ID ESTRANGEIRO: " + numero;
    else if (!Vazio(numero))
        documento = (SoNumeros(numero).size() == 11 ? "CPF: " : "CNPJ: ") + MascaraCnpjCpf(numero);
    std::vector<std::string> linhas{Vazio(documento) ? std::string("CONSUMIDOR")
                                                     : "CONSUMIDOR - " + documento};
    if (!Vazio(consumidor.Razao)) linhas.push_back(TirarEspacos(consumidor.Razao));
    const std::string rua = LinhaRua(consumidor);
    if (!Vazio(rua)) linhas.push_back(rua);
    if (!Vazio(consumidor.Cidade)) linhas.push_back(LinhaLocalidade(consumidor));
    return linhas;
}

void TFrtDanfeNfce::bandEmitenteBeforePrint(TRLCustomControl&, bool&) {
    PreencherNfce();
}

void TFrtDanfeNfce::bandAvisosBeforePrint(TRLCustomControl&, bool& PrintIt) {
    const std::vector<std::string> avisos =
        NotaFiscalDanfe ? Avisos(*NotaFiscalDanfe) : std::vector<std::string>{};
    LinhasDoMemo("memAvisos", avisos);
    PrintIt = !avisos.empty();
}

void TFrtDanfeNfce::bandItemBeforePrint(TRLCustomControl&, bool&) {
    if (!NotaFiscalDanfe) return;
    const TColeItemNF& itens = NotaFiscalDanfe->ItensNF;
    const int posicao = CdsItens.AsInteger("POSICAO");
    if (posicao < 0 || posicao >= itens.Count()) return;
    const TItemNF& item = itens[posicao];
    LinhasDoMemo("memItem", {ZerosEsquerda(item.SeqItem, 3, 0) + " " + TirarEspacos(item.CodProd) + " " +
                             TirarEspacos(item.DescrOrig)});
    Legenda("labQtdItem",
            Quantidade(item.Qtde) + " " + TirarEspacos(item.UnidMed) + " x " + ValorUnitario(item.VlrUnit));
    Legenda("labTotItem", Valor(item.VlrItem));
}

void TFrtDanfeNfce::bandPagamentoBeforePrint(TRLCustomControl&, bool& PrintIt) {
    const int posicao = CdsPagtos.AsInteger("POSICAO");
    PrintIt = NotaFiscalDanfe && posicao >= 0 && posicao < NotaFiscalDanfe->PagtosNF.Count();
    if (!PrintIt) return;
    const TPagamento& pagamento = NotaFiscalDanfe->PagtosNF[posicao];
    LinhasDoMemo("memFormaPagto", {pagamento.Descricao()});
    Legenda("labValorPago", Valor(pagamento.Valor));
}

void TFrtDanfeNfce::bandAdicionaisBeforePrint(TRLCustomControl&, bool& PrintIt) {
    std::vector<std::string> linhas;
    if (NotaFiscalDanfe) {
        if (!Vazio(NotaFiscalDanfe->infAdFisco)) linhas.push_back(TirarEspacos(NotaFiscalDanfe->infAdFisco));
        if (!Vazio(NotaFiscalDanfe->infCpl)) linhas.push_back(TirarEspacos(NotaFiscalDanfe->infCpl));
    }
    LinhasDoMemo("memAdicionais", linhas);
    PrintIt = !linhas.empty();
}

void TFrtDanfeNfce::PreencherNfce() {
    for (const char* banda :
         {"bandCabecItens", "bandTotais", "bandCabecPagamentos", "bandTroco", "bandConsulta"})
        EscreverLegendasFixas(banda);
    LinhasDoMemo("memTitulo", {TituloNfce});
    if (!NotaFiscalDanfe) return;
    PreencherEmitenteNfce();
    PreencherTotaisNfce();
    PreencherConsultaNfce();
    PreencherIdentificacaoNfce();
    LinhasDoMemo("memConsumidor", LinhasConsumidor(*NotaFiscalDanfe));
    LinhasDoMemo("memTributos", {"Tributos Totais Incidentes (Lei Federal 12.741/2012): R$ " +
                                 Valor(NotaFiscalDanfe->TotTrib)});
}

void TFrtDanfeNfce::PreencherEmitenteNfce() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    const TParticipante& emitente = ParticipanteOuVazio(nf.Participantes, PapelEmitente, nf.CnpjFili);
    LinhasDoMemo("memEmitente", {TirarEspacos(emitente.Razao)});
    std::string documentos = "CNPJ: " + MascaraCnpjCpf(nf.CnpjFili);
    if (!Vazio(emitente.InscrEst)) documentos += "   IE: " + TirarEspacos(emitente.InscrEst);
    LinhasDoMemo("memDadosEmitente", {documentos, LinhaRua(emitente), LinhaLocalidade(emitente)});
}

void TFrtDanfeNfce::PreencherTotaisNfce() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    Legenda("labQtdItens", std::to_string(nf.ItensNF.Count()));
    Legenda("labVlrTotal", Valor(nf.TotItem));
    Legenda("labDesconto", Valor(nf.TotDesc));
    // Freight, insurance and other charges: what the consumer pays beyond the goods, in one line
    // as the roll has room for.
    Legenda("labOutras", Valor(nf.TotFrete + nf.TotSeguro + nf.TotOutros));
    Legenda("labVlrPagar", Valor(nf.TotNota));
    Legenda("labTroco", Valor(nf.VlrTroco));
}

void TFrtDanfeNfce::PreencherConsultaNfce() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    LinhasDoMemo("memUrlChave", {TirarEspacos(nf.UrlChaveNfce)});
    LinhasDoMemo("memChave", {MascaraChaveNfe(nf.ChaveNfe)});
    auto& qr = dynamic_cast<TQrCodeDanfe&>(*Controle("qrCodeNfce"));
    try {
        qr.SetTexto(nf.QrCodeNfce);
    } catch (const EConvertError& e) {
        throw EConvertError(std::string("QR code da NFC-e: ") + e.what());
    }
}

void TFrtDanfeNfce::PreencherIdentificacaoNfce() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    std::vector<std::string> linhas{"NFC-e nº " + MascaraNumeroNF(nf.NumLcto) + "  Série " +
                                    TirarEspacos(nf.SerieNum) + "  " + DataHora(nf.DtDoc, nf.HrEmissao)};
    if (!Vazio(nf.ProtocoloNfe)) {
        linhas.push_back("Protocolo de Autorização: " + TirarEspacos(nf.ProtocoloNfe));
        linhas.push_back("Data de Autorização: " + DataHora(nf.DtProtocoloNfe, nf.HrProtocoloNfe));
    }
    LinhasDoMemo("memIdentificacao", linhas);
}

}  // namespace luvenor
