#pragma once
// The DANFE NFC-e, the consumer invoice's (model 65) auxiliary document: on an 80 or 58 mm roll
// as one page as tall as its content, or on A4 sheets. It shares with the NF-e forms the master
// and item tables and the control lookups, and adds the payments' table.
#include "danfe/FormatoNfce.h"
#include "danfe/TFrtDanfe.h"

#include <string>
#include <vector>

namespace luvenor {

class TFrtDanfeNfce : public TFrtDanfe {
public:
    explicit TFrtDanfeNfce(FormatoNfce formato = FormatoNfce::Bobina80);

    FormatoNfce Formato() const { return formato_; }

    // One row per payment of the invoice (POSICAO: its place in PagtosNF).
    TRLDataTable CdsPagtos{"CdsPagtos"};
    void CarregarPagamentosNF();

    void bandEmitenteBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandAvisosBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandItemBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandPagamentoBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandAdicionaisBeforePrint(TRLCustomControl& sender, bool& PrintIt);

    // The notices under the title: homologation, contingency, cancelled; none for most invoices.
    static std::vector<std::string> Avisos(const TNotaFiscal& nf);
    // The consumer's lines: "CONSUMIDOR NÃO IDENTIFICADO", or the tax number, name and address.
    static std::vector<std::string> LinhasConsumidor(const TNotaFiscal& nf);

private:
    void PreencherNfce();
    void PreencherEmitenteNfce();
    void PreencherTotaisNfce();
    void PreencherConsultaNfce();
    void PreencherIdentificacaoNfce();

    FormatoNfce formato_;
};

}  // namespace luvenor
