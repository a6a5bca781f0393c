// The parts of a consumer invoice (model 65) that its DANFE prints and an NF-e's does not: every
// payment with its card, the change, and the QR code with the key-lookup page from infNFeSupl.
// None of them stops the read: a consumer invoice without them still prints.
#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/LeitorNFe.h"

namespace luvenor {

void LeitorNFe::LerDadosNfce(NoXml infNFe) {
    LerPagamentos(infNFe);
    LerSuplementar(infNFe);
}

void LeitorNFe::LerPagamentos(NoXml infNFe) {
    // Layout 4.00 lists detPag groups in one pag; layout 3.10 repeats pag, each one payment.
    for (NoXml pag = Buscar(infNFe, "pag"); pag; pag = pag.Proximo()) {
        if (!pag.Chamado("pag")) continue;
        bool temDetalhe = false;
        for (NoXml det = pag.PrimeiroFilho(); det; det = det.Proximo()) {
            if (!det.Chamado("detPag")) continue;
            temDetalhe = true;
            LerPagamento(det);
        }
        if (!temDetalhe && pag.Filho("tPag")) LerPagamento(pag);
        LerDecimal(pag, "vTroco", nf_.VlrTroco);
    }
}

void LeitorNFe::LerPagamento(NoXml detPag) {
    TPagamento* pagamento = nf_.PagtosNF.Add();
    LerTexto(detPag, "tPag", pagamento->FormaPagto);
    LerDecimal(detPag, "vPag", pagamento->Valor);
    if (NoXml cartao = Buscar(detPag, "card")) {
        LerTexto(cartao, "CNPJ", pagamento->CnpjCredenciadora);
        LerTexto(cartao, "tBand", pagamento->BandeiraCartao);
        LerTexto(cartao, "cAut", pagamento->AutorizacaoCartao);
    }
}

void LeitorNFe::LerSuplementar(NoXml infNFe) {
    // infNFeSupl follows infNFe inside NFe.
    NoXml suplementar;
    for (NoXml no = infNFe.Proximo(); no && !suplementar; no = no.Proximo())
        if (no.Chamado("infNFeSupl")) suplementar = no;
    if (!suplementar) return;
    // The QR code is encoded as written, only the layout around it dropped: cleaning its text
    // (accents, inner blanks) would make a code that is not the signed one.
    std::string qrCode;
    LerTextoBruto(suplementar, "qrCode", qrCode);
    const size_t inicio = qrCode.find_first_not_of(" \t\r\n");
    const size_t fim = qrCode.find_last_not_of(" \t\r\n");
    nf_.QrCodeNfce = inicio == std::string::npos ? std::string() : qrCode.substr(inicio, fim - inicio + 1);
    LerTexto(suplementar, "urlChave", nf_.UrlChaveNfce);
}

}  // namespace luvenor
