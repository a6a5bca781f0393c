#pragma once
// The DACCe report form: one correction letter of an invoice, on A4 portrait sheets built from
// its layout table (LayoutDacce). It reads the invoice and the chosen event from the model only.
#include "ClasDocFisc/TNotaFiscal.h"
#include "danfe/ConstrutorDanfe.h"
#include "report/RLDataTable.h"
#include "report/RLReport.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

class TFrtDacce {
public:
    // `nf` and its event `evento` must outlive the form.
    TFrtDacce(const TNotaFiscal& nf, const TEventoNF& evento);
    TFrtDacce(const TFrtDacce&) = delete;
    TFrtDacce& operator=(const TFrtDacce&) = delete;

    TRLReport& RLReport1() { return *relatorio_; }
    // A control of the form by name; nullptr when the form has none of that name.
    TRLCustomControl* Controle(std::string_view nome) const;

private:
    void Preencher();
    void PreencherEmitente();
    void PreencherNota();
    void PreencherEvento();
    void Legenda(std::string_view nome, const std::string& texto) const;
    void Memo(std::string_view nome, const std::vector<std::string>& linhas) const;

    const TNotaFiscal& nf_;
    const TEventoNF& evento_;
    MapaControles controles_;
    std::unique_ptr<TRLReport> relatorio_;
    // One master record: the report prints its bands once.
    TRLDataTable mestre_{"CdsEvento"};
};

// The correction letter to print for `nf`: the one of highest sequence; nullptr when it has none.
const TEventoNF* UltimaCartaCorrecao(const TNotaFiscal& nf);

// Builds the DACCe of `evento`, fills it and hands it to `visualizar`; the form lives for the call.
void ImprimirDacce(const TNotaFiscal& nf, const TEventoNF& evento,
                   const std::function<void(TFrtDacce& formulario)>& visualizar);

}  // namespace luvenor
