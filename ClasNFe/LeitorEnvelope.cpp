// The envelope of the invoice: nfeProc, NFe, infNFe with the access key, the identification
// group with its dates and first referenced key, and the authorisation protocol.
#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/ChaveAcesso.h"
#include "ClasNFe/LeitorEventos.h"
#include "ClasNFe/LeitorNFe.h"
#include "util/Notificador.h"
#include "util/UNumber.h"
#include "util/UDatas.h"
#include "util/UString.h"
#include "util/Utf8.h"

namespace luvenor {

NoXml LeitorNFe::LerEnvelope(NoXml nfeProc) {
    DefinirPasso("Lendo propriedade versão da Tag <nfeProc>.");
    // A bare NFe (a consumer invoice in contingency) gives its layout in infNFe; its read then
    // stops at the missing protocol, as any file without one does.
    const bool soNfe = nfeProc.Chamado("NFe");
    std::optional<std::string> versao =
        soNfe ? nfeProc.Filho("infNFe").Atributo("versao") : nfeProc.Atributo("versao");
    if (!versao) throw FaltaObrigatoria();

    NoXml nfe = soNfe ? nfeProc
                      : Exigir(nfeProc, "NFe",
                               "Arquivo não está no formado de distribuição. Tag <NFe> não encontrada.");
    nf_.MercServ.assign(1, 'M');  // goods; assign() also spares GCC 12 a false -Wrestrict

    NoXml infNFe = Exigir(nfe, "infNFe");
    std::optional<std::string> id = infNFe.Atributo("Id");
    if (!id) throw FaltaObrigatoria();
    // The key follows the three-letter "NFe" prefix.
    nf_.ChaveNfe = id->substr(OffsetDoCaractere(*id, 3));
    // Read all the same (the DANFE shows what the file says), but the user is told.
    if (nf_.ChaveNfe.size() != TamanhoChaveNfe || SoNumeros(nf_.ChaveNfe) != nf_.ChaveNfe)
        Notificar("Chave de acesso inválida no atributo Id de <infNFe>: tem " +
                  std::to_string(ContarCaracteres(nf_.ChaveNfe)) + " caracteres, e deve ter " +
                  std::to_string(TamanhoChaveNfe) + " dígitos.");

    LerIdentificacao(infNFe, LimparTexto(*versao));
    return infNFe;
}

void LeitorNFe::LerIdentificacao(NoXml infNFe, const std::string& versao) {
    NoXml ide = Exigir(infNFe, "ide");
    nf_.CodUF = ExigirTexto(ide, "cUF");
    nf_.cNF = ExigirTexto(ide, "cNF");
    nf_.DescrNatOper = ExigirTexto(ide, "natOp");
    if (versao != "4.00") nf_.IndPagto = ExigirTexto(ide, "indPag");
    nf_.Modelo = ExigirTexto(ide, "mod");

    std::string serie = ConverterTextoNumerico(ExigirTexto(ide, "serie"), "serie");
    nf_.SerieNum = serie;
    nf_.Serie = AjustarTamanho(serie, 3);
    nf_.Subserie = AjustarTamanho("", 2);

    nf_.NumLcto = ConverterInteiro(ExigirTexto(ide, "nNF"));
    LerDatasEmissao(ide);

    nf_.tpNF = ExigirTexto(ide, "tpNF");
    nf_.IdDest = ExigirTexto(ide, "idDest");
    nf_.CodMun = ExigirTexto(ide, "cMunFG");
    nf_.tpImp = ExigirTexto(ide, "tpImp");
    nf_.tpEmis = ExigirTexto(ide, "tpEmis");
    nf_.cDV = ExigirTexto(ide, "cDV");
    nf_.tpAmb = ExigirTexto(ide, "tpAmb");
    nf_.finNFe = ExigirTexto(ide, "finNFe");
    nf_.IndFinal = ExigirTexto(ide, "indFinal");
    nf_.IndPres = ExigirTexto(ide, "indPres");
    nf_.procEmi = ExigirTexto(ide, "procEmi");
    nf_.verProc = ExigirTexto(ide, "verProc");
    LerReferencias(ide);
}

void LeitorNFe::LerDatasEmissao(NoXml ide) {
    // Older layouts give the issue date alone in dEmi; later ones date and time in dhEmi.
    NoXml emissao = Buscar(ide, "dEmi");
    if (!emissao) emissao = Exigir(ide, "dhEmi");
    std::string texto = ConverterTexto(emissao);
    nf_.DtDoc = ConverterData(texto);
    nf_.HrEmissao = ConverterHora(texto);

    // The exit date and time, from dhSaiEnt or, in the older layouts, dSaiEnt and hSaiEnt.
    if (NoXml saida = Buscar(ide, "dhSaiEnt")) {
        texto = ConverterTexto(saida);
        nf_.DtEntSai = ConverterData(texto);
        nf_.HrEntSai = ConverterHora(texto);
    } else if (NoXml dia = Buscar(ide, "dSaiEnt")) {
        nf_.DtEntSai = ConverterData(ConverterTexto(dia));
        if (NoXml hora = Buscar(ide, "hSaiEnt")) nf_.HrEntSai = Esquerda(ConverterTexto(hora), 8);
    }

    // The bookkeeping date is the exit date when the invoice gives one. Without one the exit date
    // and time stay empty: the invoice does not say the goods left when it was issued.
    nf_.DtEmissao = DataVazia(DataParaTexto(nf_.DtEntSai)) ? nf_.DtDoc : nf_.DtEntSai;
}

void LeitorNFe::LerReferencias(NoXml ide) {
    // A broken reference never stops the invoice: only the first referenced key is wanted.
    try {
        NoXml nfRef = Buscar(ide, "NFref");
        if (!nfRef) return;
        NoXml refNFe = Buscar(nfRef, "refNFe");
        if (!refNFe) return;
        TNFeRef* referencia = nf_.Referencias.Add();
        referencia->ChaveNfe = refNFe.Texto();
    } catch (...) {
    }
}

void LeitorNFe::LerProtocolo(NoXml nfeProc) {
    noProtocolo_ = true;
    NoXml protNFe = Exigir(nfeProc, "protNFe",
                           "Arquivo não está no formado de distribuição. Tag <protNFe> não encontrada.");
    NoXml infProt = Exigir(protNFe, "infProt");
    std::string recebimento = ExigirTexto(infProt, "dhRecbto");
    nf_.DtProtocoloNfe = ConverterData(recebimento);
    nf_.HrProtocoloNfe = ConverterHora(recebimento);
    nf_.ProtocoloNfe = ExigirTexto(infProt, "nProt");
    // The status says whether the number authorises, denies or cancels the invoice.
    LerTexto(infProt, "cStat", nf_.CStatProtocolo);
    LerTexto(infProt, "xMotivo", nf_.XMotivoProtocolo);
    AplicarSituacao(nf_);
}

}  // namespace luvenor
