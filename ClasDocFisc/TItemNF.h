#pragma once
// One line of an invoice: the product, its quantity and values and every tax computed on it.
// Plain values only; a new item reads 0 for every number and date and empty for every text.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

class TItemNF : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TItemNF"; }
    // Copies all properties from another TItemNF; any other source raises EConvertError.
    void Assign(const TItemColecao& fonte) override;

    // Each property below is listed once more in the field table of TItemNF.cpp, from which
    // zeroing, Assign and the JSON export are derived.

    // Identification and classification
    int32_t SeqItem = 0;
    std::string CodProd;
    std::string CodItem;
    std::string Descricao;
    std::string DescrOrig;
    std::string InfAdProd;
    std::string TipoItem;
    std::string UnidMed;
    std::string DescrUnid;
    std::string CodEAN;
    std::string CodEANTrib;
    std::string CodNcm;
    std::string CFCompleta;
    std::string ExTipi;
    std::string CodNve;
    std::string CodCest;
    std::string CodGenero;
    std::string CodBenef;
    std::string EscalaRelev;
    std::string Cfop;
    std::string CFServico;
    std::string NatOper;
    std::string DescrNatOper;
    std::string MovEstq;
    std::string MercServ;
    std::string CodContabil;

    // Quantities and values
    double Qtde = 0;
    double VlrUnit = 0;
    double VlrItem = 0;
    double VlrTotal = 0;
    double VlrDesc = 0;
    double VlrFrete = 0;
    double VlrSeguro = 0;
    double VlrOutro = 0;
    std::string IndTot;
    double VlrTrib = 0;
    double PrcTrib = 0;
    std::string MsgTrib;

    // ICMS
    std::string OrigMerc;
    std::string CstIcms;
    std::string CodCsosn;
    std::string ModBCIcms;
    double BaseIcms = 0;
    double ReducIcms = 0;
    double AliqIcms = 0;
    double VlrIcms = 0;
    double AliqIcmsInt = 0;
    double VlrIcmsNT = 0;
    double IcmsOp = 0;
    double PrcDif = 0;
    double IcmsDif = 0;
    double PrcBCOp = 0;
    double BCReducICMS = 0;
    double VlrIcmsDeson = 0;
    std::string MotDesIcms;
    double BaseIcmsDest = 0;
    double VlrIcmsDest = 0;
    std::string IndApur;
    double AliqCredSN = 0;
    double VlrCredSN = 0;
    double BaseIcmsRet = 0;
    double VlrIcmsRet = 0;
    double BaseIcmsSTRet = 0;
    double VlrIcmsSTRet = 0;
    double PrcReducEfetivo = 0;
    double BaseIcmsEfetivo = 0;
    double AliqIcmsEfetivo = 0;
    double VlrIcmsEfetivo = 0;

    // ICMS substitution
    std::string ModBCIcmsST;
    double PrcMVast = 0;
    double ReducIcmsST = 0;
    double BaseIcmsST = 0;
    double AliqIcmsST = 0;
    double VlrIcmsST = 0;
    std::string UFST;

    // Poverty fund and interstate sharing
    double BaseFCP = 0;
    double PrcFCP = 0;
    double VlrFCP = 0;
    double BaseFCPST = 0;
    double PrcFCPST = 0;
    double VlrFCPST = 0;
    double BaseFCPSTRet = 0;
    double PrcFCPSTRet = 0;
    double VlrFCPSTRet = 0;
    double BCUFDest = 0;
    double BCFCPUFDest = 0;
    double PrcFcpUFDest = 0;
    double PrcIcmsUFDest = 0;
    double PrcIcmsInter = 0;
    double PrcIcmsInterPart = 0;
    double ICMSInter = 0;
    double FCPUFDest = 0;
    double ICMSUFDest = 0;
    double ICMSUFRemet = 0;

    // IPI
    std::string CstIpi;
    std::string CodEnq;
    std::string ClassEnq;
    std::string TipoCalcIpi;
    double BaseIpi = 0;
    double AliqIpi = 0;
    double VlrIpi = 0;

    // PIS, COFINS and CSLL
    std::string CstPis;
    double BasePis = 0;
    double AliqPis = 0;
    double VlrPis = 0;
    double QtBCPis = 0;
    double AliqPisR = 0;
    std::string CstCofins;
    double BaseCofins = 0;
    double AliqCofins = 0;
    double VlrCofins = 0;
    double QtBCCofins = 0;
    double AliqCofinsR = 0;
    double BaseCsll = 0;
    double AliqCsll = 0;
    double VlrCsll = 0;

    // Services and withheld taxes
    double BaseIss = 0;
    double AliqIss = 0;
    double VlrIss = 0;
    double ReducIss = 0;
    std::string CstIss;
    std::string CodServ;
    std::string IndISS;
    double BaseIrrf = 0;
    double AliqIrrf = 0;
    double VlrIrrf = 0;
    double BaseInss = 0;
    double AliqInss = 0;
    double ReducInss = 0;
    double VlrInss = 0;
    double VlrIof = 0;
    std::string ReterIss;
    std::string ReterInss;
    std::string ReterIrrf;
    std::string ReterPis;
    std::string ReterCofins;
    std::string ReterCsll;

    // Import
    double VlrImpImport = 0;
    double VlrIImp = 0;
    double AliqIImp = 0;
    double BaseIImp = 0;
    double VlrDespAdua = 0;
    double TxSiscomex = 0;
    std::string NumeroDI;
    TData DataDI = 0;
    std::string LocDesemb;
    std::string UFDesemb;
    TData DataDesemb = 0;
    std::string Exportador;
    int32_t NumAdicao = 0;
    int32_t SeqAdic = 0;
    std::string Fabricante;
    double VlrDescDI = 0;
    std::string ViaTransp;
    double VlrAfrmm = 0;
    std::string Intermedio;
    std::string NumPedImp;
    int32_t ItemPedImp = 0;
    std::string NumFCI;

    // Export
    std::string TipoDE;
    std::string NumDE;
    TData DataDE = 0;
    std::string NatuDE;
    std::string NumAcDraw;
    std::string DrawBack;
    std::string NumeroRE;
    std::string NFeExport;
    double QtdeExport = 0;

    // Batch
    std::string NumLote;
    double QtdLote = 0;
    TData DataFabr = 0;
    TData DataValid = 0;
};

template <>
std::span<const TCampo<TItemNF>> TabelaCampos<TItemNF>();

// The items of one invoice, in the order they were added (the order of the XML and of the
// DANFE rows).
class TColeItemNF : public TColecaoDe<TItemNF> {
public:
    using TColecaoDe::TColecaoDe;
    // Appends a new item numbered with the count after the append: 1, 2, 3... from empty.
    TItemNF* Add();
};

}  // namespace luvenor
