// The filling pass, top of the DANFE: logo, issuer, stub, identification with the protocol box
// and the barcode, title block, dates and recipient. The pass writes the same values on every
// sheet; nothing here depends on the sheet.
#include "danfe/FormatosDanfe.h"
#include "danfe/TFrtDanfe.h"

#include "report/RLBarcode.h"
#include "report/RLImage.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "util/UDatas.h"
#include "util/Code128.h"
#include "util/UMascara.h"
#include "util/UString.h"

#include <QColor>

#include <stdexcept>

namespace luvenor {
namespace {

struct Protocolo {
    std::string titulo;
    std::string valor;
};

// Number, then " date time" when the date is set.
std::string ComData(const std::string& numero, double data, const std::string& hora) {
    std::string texto = TirarEspacos(numero);
    const std::string dia = DataParaTexto(data);
    if (!DataVazia(dia)) texto += " " + dia + " " + hora;
    return texto;
}

// Number, then " date-time" as stored when there is one.
std::string ComDataHora(const std::string& numero, const std::string& dataHora) {
    std::string texto = TirarEspacos(numero);
    if (!Vazio(dataHora)) texto += " " + dataHora;
    return texto;
}

Protocolo ProtocoloRetrato(const TNotaFiscal& nf) {
    if (!Vazio(nf.ProtocoloInutNfe))
        return {"PROTOCOLO DE INUTLIZAÇÃO", ComDataHora(nf.ProtocoloInutNfe, nf.dhProtocoloInutNfe)};
    if (!Vazio(nf.ProtocoloCancNfe))
        return {"PROTOCOLO DE CANCELAMENTO", ComDataHora(nf.ProtocoloCancNfe, nf.dhProtocoloCancNfe)};
    // A denied invoice's protocol records the denial, not an authorisation.
    if (!Vazio(nf.ProtocoloNfe))
        return {nf.Status == "D" ? "PROTOCOLO DE DENEGAÇÃO DE USO" : "PROTOCOLO DE AUTORIZAÇÃO DE USO",
                ComData(nf.ProtocoloNfe, nf.DtProtocoloNfe, nf.HrProtocoloNfe)};
    if (!Vazio(nf.NumeroDpec)) return {"PROTOCOLO DPEC", ComData(nf.NumeroDpec, nf.DataDpec, nf.HoraDpec)};
    return {"PROTOCOLO DE AUTORIZAÇÃO DE USO", ""};
}

Protocolo ProtocoloPaisagem(const TNotaFiscal& nf) {
    if (!Vazio(nf.NumeroDpec))
        return {"Número de Registro DPEC", ComData(nf.NumeroDpec, nf.DataDpec, nf.HoraDpec)};
    if (!Vazio(nf.ProtocoloInutNfe))
        return {"PROTOCOLO DE INUTLIZAÇÃO", ComDataHora(nf.ProtocoloInutNfe, nf.dhProtocoloInutNfe)};
    if (!Vazio(nf.ProtocoloCancNfe))
        return {"PROTOCOLO DE CANCELAMENTO", ComDataHora(nf.ProtocoloCancNfe, nf.dhProtocoloCancNfe)};
    return {nf.Status == "D" && !Vazio(nf.ProtocoloNfe) ? "PROTOCOLO DE DENEGAÇÃO DE USO" : "Protocolo",
            ComData(nf.ProtocoloNfe, nf.DtProtocoloNfe, nf.HrProtocoloNfe)};
}

}  // namespace

void TFrtDanfe::PreencherDanfe() {
    if (!NotaFiscalDanfe)
        throw std::logic_error("DANFE form " + std::string(Layout().Nome) + " has no invoice to print");
    PreencherLogo();
    PreencherEmitente();
    if (!Paisagem()) PreencherCanhoto();
    PreencherIdentificacao();
    PreencherTitulo();
    PreencherDatas();
    PreencherDestinatario();
    PreencherLocal("labRetirada", "bandRetirada", PapelRetirada, NotaFiscalDanfe->CnpjRetirada);
    PreencherLocal("labEntrega", "bandEntrega", PapelEntrega, NotaFiscalDanfe->CnpjEntrega);
    PreencherFatura();
    PreencherImpostos();
    PreencherTransporte();
    EscreverLegendasFixas("RLBand2");
    PreencherISSQN();
    PreencherAdicionais();
}

void TFrtDanfe::PreencherLogo() {
    TRLImage& logo = Imagem("imgLogo");
    try {
        if (UsarLogoPadrao)
            logo.SetPicture(Image1);
        else if (NotaFiscalDanfe->Logo)
            logo.SetPicture(*NotaFiscalDanfe->Logo);
        else
            logo.SetPicture(QImage());
    } catch (const std::exception&) {
        // A picture that cannot be taken leaves the box empty; the DANFE goes on.
        logo.SetPicture(QImage());
    }
}

void TFrtDanfe::PreencherEmitente() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    const TParticipante& emitente = ParticipanteOuVazio(nf.Participantes, PapelEmitente, nf.CnpjFili);
    Legenda("labEmitente1", Maiusculas(TirarEspacos(emitente.Razao)));
    Legenda("labEmitente2", Maiusculas(LinhaRua(emitente)));
    Legenda("labEmitente3", Maiusculas(LinhaLocalidade(emitente)));
    Legenda("labEmitente4", "Telefone: " + TirarEspacos(emitente.Fone));
    const bool mostraFax = Paisagem() || !Vazio(emitente.Fax);
    Legenda("labEmitente5", mostraFax ? "Fax: " + TirarEspacos(emitente.Fax) : std::string());
    Legenda("labEmitente6", "Email: " + TirarEspacos(emitente.Email));
    Legenda("labISSQN3", TirarEspacos(emitente.InscrMun));
}

void TFrtDanfe::PreencherCanhoto() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    TRLMemo& recebemos = Memo("labCanhoto1");
    recebemos.ClearLines();
    recebemos.AddLine("RECEBEMOS DE " + Maiusculas(TirarEspacos(Rotulo("labEmitente1").Caption())) +
                      " OS PRODUTOS CONSTANTES DA NOTA FISCAL INDICADA AO LADO");
    Legenda("labCanhoto5", "Nº. " + MascaraNumeroNF(nf.NumLcto));
    Legenda("labCanhoto6", "SÉRIE " + TirarEspacos(nf.Serie));
    EscreverLegendasFixas("bandCanhoto");
}

void TFrtDanfe::PreencherIdentificacao() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    const TParticipante& emitente = ParticipanteOuVazio(nf.Participantes, PapelEmitente, nf.CnpjFili);
    Legenda("labIdentifica2", Maiusculas(TirarEspacos(nf.DescrNatOper)));
    Legenda("labIdentifica4", TirarEspacos(emitente.InscrEst));
    Legenda("labIdentifica6", "");
    Legenda("labIdentifica8", MascaraCnpjCpf(emitente.Cnpj));
    Legenda("labIdentifica10", MascaraChaveNfe(nf.ChaveNfe));
    PreencherCodigoBarras();
    PreencherProtocolo();
    EscreverLegendasFixas("bandIdentificacao");
}

void TFrtDanfe::PreencherProtocolo() {
    const Protocolo p = Paisagem() ? ProtocoloPaisagem(*NotaFiscalDanfe) : ProtocoloRetrato(*NotaFiscalDanfe);
    Legenda("labIdentifica12", p.titulo);
    Legenda("labIdentifica13", p.valor);
}

void TFrtDanfe::PreencherCodigoBarras() {
    std::string padrao;
    try {
        padrao = CodificarCode128(TirarEspacos(NotaFiscalDanfe->ChaveNfe));
    } catch (const std::exception&) {
        // A key Code 128 cannot carry prints without a barcode; the key itself is still printed.
    }
    Barras("labIdentifica11").Pattern = padrao;
}

void TFrtDanfe::PreencherTitulo() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    Legenda("labDados6", nf.tpNF);
    Legenda("labDados7", "Nº." + (Paisagem() ? MascaraNumeroNF(nf.NumLcto) : std::to_string(nf.NumLcto)));
    Legenda("labDados8", "SÉRIE " + TirarEspacos(nf.Serie));
    if (!Paisagem()) {
        TRLMemo& consulta = Memo("labDados17");
        consulta.ClearLines();
        consulta.AddLine("Consulta de autenticidade no portal nacional da NF-e " +
                         std::string(EnderecoPortalNfe) + " ou no site da Sefaz Autorizadora");
    }
    EscreverLegendasFixas("bandDados");
}

void TFrtDanfe::PreencherDatas() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    Legenda("labDados11", DataParaTexto(nf.DtDoc));
    Legenda("labDados13", DataParaTexto(nf.DtEntSai));
    Legenda("labDados15", TirarEspacos(nf.HrEntSai));
}

void TFrtDanfe::PreencherDestinatario() {
    const TNotaFiscal& nf = *NotaFiscalDanfe;
    const TParticipante& d = ParticipanteOuVazio(nf.Participantes, PapelDestinatario, nf.Cnpj);
    Legenda("labDestinatario3", Maiusculas(TirarEspacos(d.Razao)));
    Legenda("labDestinatario5", MascaraCnpjCpf(d.Cnpj));
    Legenda("labDestinatario7", Maiusculas(LinhaRua(d)));
    Legenda("labDestinatario9", Maiusculas(TirarEspacos(d.Bairro)));
    Legenda("labDestinatario11", MascaraCep(d.Cep));
    Legenda("labDestinatario13", Maiusculas(TirarEspacos(d.Cidade)));
    Legenda("labDestinatario15", FoneFax(d));
    Legenda("labDestinatario17", Maiusculas(TirarEspacos(d.Estado)));
    Legenda("labDestinatario19", TirarEspacos(d.InscrEst));
    EscreverLegendasFixas("bandDestinatario");
}

}  // namespace luvenor
