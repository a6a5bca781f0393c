#pragma once
// What the two DANFE report forms share: the invoice reference, the logo, the master and item
// tables that drive the report, the filling pass and the handlers of the bands both forms have.
// TFrtDanfe1 (portrait) and TFrtDanfe2 (landscape) add their own bands' handlers.
#include "ClasDocFisc/TNotaFiscal.h"
#include "danfe/ConstrutorDanfe.h"
#include "danfe/FormatoNfce.h"
#include "report/RLDataTable.h"
#include "report/RLReport.h"

#include <QImage>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

class TRLCustomLabel;

class TRLLabel;
class TRLMemo;
class TRLImage;
class TRLBarcode;
class TRLCustomAngleLabel;

class TFrtDanfe {
public:
    virtual ~TFrtDanfe();
    TFrtDanfe(const TFrtDanfe&) = delete;
    TFrtDanfe& operator=(const TFrtDanfe&) = delete;

    // The invoice being printed; the form never frees it.
    TNotaFiscal* NotaFiscalDanfe = nullptr;
    // The issuer box shows the built-in logo (Image1) instead of the invoice's own.
    bool UsarLogoPadrao = false;
    // The built-in logo; never printed itself, only copied into imgLogo.
    QImage Image1;

    // One master record (TIPOLCTO, ANO, INCREMENTAL) and one row per item (plus INCRITEM).
    TRLDataTable CdsTempor{"CdsTempor"};
    TRLDataTable CdsItens{"CdsItens"};

    TRLReport& RLReport1() { return *relatorio_; }
    const TRLReport& RLReport1() const { return *relatorio_; }
    const LayoutDanfe& Layout() const { return layout_; }
    bool Paisagem() const { return layout_.Paisagem; }

    // Rebuilds CdsItens from the invoice's items.
    void CarregarItensNF();
    void CdsTemporAfterScroll(TRLDataTable& tabela);
    // The freight-payer text of an NF-e modFrete code.
    static std::string DescrPagadorFrete(const std::string& codigo);

    void bandRetiradaBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandEntregaBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void RLBand1BeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandISSQNBeforePrint(TRLCustomControl& sender, bool& PrintIt);

    // A control of the form by name; nullptr when the form has none of that name.
    TRLCustomControl* Controle(std::string_view nome) const;

protected:
    explicit TFrtDanfe(const LayoutDanfe& layout);
    // The report, the logo and the two tables only, for a form whose bands are not the NF-e's.
    struct SemBandasNfe {};
    TFrtDanfe(const LayoutDanfe& layout, SemBandasNfe);

    // Fills every control of the DANFE except the item rows and the sheet number.
    void PreencherDanfe();
    // Controls by name and kind; a missing name is a fault of the layout and raises logic_error.
    TRLLabel& Rotulo(std::string_view nome) const;
    TRLMemo& Memo(std::string_view nome) const;
    TRLImage& Imagem(std::string_view nome) const;
    TRLBarcode& Barras(std::string_view nome) const;
    TRLBand& Banda(std::string_view nome) const;
    // Sets the caption of a label or a vertical label.
    void Legenda(std::string_view nome, const std::string& texto) const;
    void FonteQueCabe(TRLCustomLabel& rotulo, const std::string& texto) const;
    // Replaces a memo's lines; words wider than the memo are broken so nothing runs past it.
    void LinhasDoMemo(std::string_view nome, const std::vector<std::string>& linhas) const;
    // Writes the fixed captions of the layout rows of one band.
    void EscreverLegendasFixas(std::string_view banda) const;

private:
    template <class T>
    T& Achar(std::string_view nome) const;

    void PreencherLogo();
    void PreencherEmitente();
    void PreencherCanhoto();
    void PreencherIdentificacao();
    void PreencherProtocolo();
    void PreencherCodigoBarras();
    void PreencherTitulo();
    void PreencherDatas();
    void PreencherDestinatario();
    // Whether the invoice names a pick-up or delivery place of that role.
    bool TemLocal(std::string_view papel, const std::string& cnpj) const;
    void PreencherLocal(const char* prefixo, const char* banda, std::string_view papel,
                        const std::string& cnpj);
    void PreencherFatura();
    void PreencherImpostos();
    void PreencherTransporte();
    void PreencherISSQN();
    void PreencherAdicionais();

    const LayoutDanfe& layout_;
    struct FonteAjustada {
        TRLFont propria;
        TRLFont aplicada;
    };
    mutable std::map<const TRLCustomLabel*, FonteAjustada> fontesAjustadas_;  // see FonteQueCabe
    MapaControles controles_;
    std::unique_ptr<TRLReport> relatorio_;
};

// The portrait form, for every invoice whose tpImp is not "2".
class TFrtDanfe1 : public TFrtDanfe {
public:
    TFrtDanfe1();

    // The stub may still print in this preparation; the sheet counter shown as "Fl: n".
    bool ImprimirCanhoto = true;
    int NumFolha = 0;

    void RLReport1BeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandCanhotoBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandCanhotoAfterPrint(TRLCustomControl& sender);
    void bandDadosBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandFatura1BeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandFatura2BeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandAdicionaisAfterPrint(TRLCustomControl& sender);
};

// The landscape form, for invoices whose tpImp is exactly "2".
class TFrtDanfe2 : public TFrtDanfe {
public:
    TFrtDanfe2();

    void bandDadosBeforePrint(TRLCustomControl& sender, bool& PrintIt);
    void bandFaturaBeforePrint(TRLCustomControl& sender, bool& PrintIt);
};

// The form for an invoice: the DANFE NFC-e on `formatoNfce` for a consumer invoice (model 65);
// else landscape when tpImp is exactly "2", portrait otherwise.
std::unique_ptr<TFrtDanfe> CriarFormularioDanfe(const TNotaFiscal& nf,
                                                FormatoNfce formatoNfce = FormatoNfce::Bobina80);

}  // namespace luvenor
