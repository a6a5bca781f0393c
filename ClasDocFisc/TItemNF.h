#pragma once
// One line of an invoice: the product, its quantity and values and every tax computed on it.
// Plain values only; a new item reads 0 for every number and date and empty for every text.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"

namespace luvenor {

// The properties of TItemNF, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TItemNF(CAMPO, CALCULADO, COLECAO) \
    /* Identification and classification */               \
    CAMPO(Inteiro, SeqItem)                               \
    CAMPO(Texto, CodProd)                                 \
    CAMPO(Texto, CodItem)                                 \
    CAMPO(Texto, Descricao)                               \
    CAMPO(Texto, DescrOrig)                               \
    CAMPO(Texto, InfAdProd)                               \
    CAMPO(Texto, TipoItem)                                \
    CAMPO(Texto, UnidMed)                                 \
    CAMPO(Texto, DescrUnid)                               \
    CAMPO(Texto, CodEAN)                                  \
    CAMPO(Texto, CodEANTrib)                              \
    CAMPO(Texto, CodNcm)                                  \
    CAMPO(Texto, CFCompleta)                              \
    CAMPO(Texto, ExTipi)                                  \
    CAMPO(Texto, CodNve)                                  \
    CAMPO(Texto, CodCest)                                 \
    CAMPO(Texto, CodGenero)                               \
    CAMPO(Texto, CodBenef)                                \
    CAMPO(Texto, EscalaRelev)                             \
    CAMPO(Texto, Cfop)                                    \
    CAMPO(Texto, CFServico)                               \
    CAMPO(Texto, NatOper)                                 \
    CAMPO(Texto, DescrNatOper)                            \
    CAMPO(Texto, MovEstq)                                 \
    CAMPO(Texto, MercServ)                                \
    CAMPO(Texto, CodContabil)                             \
                                                          \
    /* Quantities and values */                           \
    CAMPO(Real, Qtde)                                     \
    CAMPO(Real, VlrUnit)                                  \
    CAMPO(Real, VlrItem)                                  \
    CAMPO(Real, VlrTotal)                                 \
    CAMPO(Real, VlrDesc)                                  \
    CAMPO(Real, VlrFrete)                                 \
    CAMPO(Real, VlrSeguro)                                \
    CAMPO(Real, VlrOutro)                                 \
    CAMPO(Texto, IndTot)                                  \
    CAMPO(Real, VlrTrib)                                  \
    CAMPO(Real, PrcTrib)                                  \
    CAMPO(Texto, MsgTrib)                                 \
                                                          \
    /* ICMS */                                            \
    CAMPO(Texto, OrigMerc)                                \
    CAMPO(Texto, CstIcms)                                 \
    CAMPO(Texto, CodCsosn)                                \
    CAMPO(Texto, ModBCIcms)                               \
    CAMPO(Real, BaseIcms)                                 \
    CAMPO(Real, ReducIcms)                                \
    CAMPO(Real, AliqIcms)                                 \
    CAMPO(Real, VlrIcms)                                  \
    CAMPO(Real, AliqIcmsInt)                              \
    CAMPO(Real, VlrIcmsNT)                                \
    CAMPO(Real, IcmsOp)                                   \
    CAMPO(Real, PrcDif)                                   \
    CAMPO(Real, IcmsDif)                                  \
    CAMPO(Real, PrcBCOp)                                  \
    CAMPO(Real, BCReducICMS)                              \
    CAMPO(Real, VlrIcmsDeson)                             \
    CAMPO(Texto, MotDesIcms)                              \
    CAMPO(Real, BaseIcmsDest)                             \
    CAMPO(Real, VlrIcmsDest)                              \
    CAMPO(Texto, IndApur)                                 \
    CAMPO(Real, AliqCredSN)                               \
    CAMPO(Real, VlrCredSN)                                \
    CAMPO(Real, BaseIcmsRet)                              \
    CAMPO(Real, VlrIcmsRet)                               \
    CAMPO(Real, BaseIcmsSTRet)                            \
    CAMPO(Real, VlrIcmsSTRet)                             \
    CAMPO(Real, PrcReducEfetivo)                          \
    CAMPO(Real, BaseIcmsEfetivo)                          \
    CAMPO(Real, AliqIcmsEfetivo)                          \
    CAMPO(Real, VlrIcmsEfetivo)                           \
                                                          \
    /* ICMS substitution */                               \
    CAMPO(Texto, ModBCIcmsST)                             \
    CAMPO(Real, PrcMVast)                                 \
    CAMPO(Real, ReducIcmsST)                              \
    CAMPO(Real, BaseIcmsST)                               \
    CAMPO(Real, AliqIcmsST)                               \
    CAMPO(Real, VlrIcmsST)                                \
    CAMPO(Texto, UFST)                                    \
                                                          \
    /* Poverty fund and interstate sharing */             \
    CAMPO(Real, BaseFCP)                                  \
    CAMPO(Real, PrcFCP)                                   \
    CAMPO(Real, VlrFCP)                                   \
    CAMPO(Real, BaseFCPST)                                \
    CAMPO(Real, PrcFCPST)                                 \
    CAMPO(Real, VlrFCPST)                                 \
    CAMPO(Real, BaseFCPSTRet)                             \
    CAMPO(Real, PrcFCPSTRet)                              \
    CAMPO(Real, VlrFCPSTRet)                              \
    CAMPO(Real, BCUFDest)                                 \
    CAMPO(Real, BCFCPUFDest)                              \
    CAMPO(Real, PrcFcpUFDest)                             \
    CAMPO(Real, PrcIcmsUFDest)                            \
    CAMPO(Real, PrcIcmsInter)                             \
    CAMPO(Real, PrcIcmsInterPart)                         \
    CAMPO(Real, ICMSInter)                                \
    CAMPO(Real, FCPUFDest)                                \
    CAMPO(Real, ICMSUFDest)                               \
    CAMPO(Real, ICMSUFRemet)                              \
                                                          \
    /* IPI */                                             \
    CAMPO(Texto, CstIpi)                                  \
    CAMPO(Texto, CodEnq)                                  \
    CAMPO(Texto, ClassEnq)                                \
    CAMPO(Texto, TipoCalcIpi)                             \
    CAMPO(Real, BaseIpi)                                  \
    CAMPO(Real, AliqIpi)                                  \
    CAMPO(Real, VlrIpi)                                   \
                                                          \
    /* PIS, COFINS and CSLL */                            \
    CAMPO(Texto, CstPis)                                  \
    CAMPO(Real, BasePis)                                  \
    CAMPO(Real, AliqPis)                                  \
    CAMPO(Real, VlrPis)                                   \
    CAMPO(Real, QtBCPis)                                  \
    CAMPO(Real, AliqPisR)                                 \
    CAMPO(Texto, CstCofins)                               \
    CAMPO(Real, BaseCofins)                               \
    CAMPO(Real, AliqCofins)                               \
    CAMPO(Real, VlrCofins)                                \
    CAMPO(Real, QtBCCofins)                               \
    CAMPO(Real, AliqCofinsR)                              \
    CAMPO(Real, BaseCsll)                                 \
    CAMPO(Real, AliqCsll)                                 \
    CAMPO(Real, VlrCsll)                                  \
                                                          \
    /* Services and withheld taxes */                     \
    CAMPO(Real, BaseIss)                                  \
    CAMPO(Real, AliqIss)                                  \
    CAMPO(Real, VlrIss)                                   \
    CAMPO(Real, ReducIss)                                 \
    CAMPO(Texto, CstIss)                                  \
    CAMPO(Texto, CodServ)                                 \
    CAMPO(Texto, IndISS)                                  \
    CAMPO(Real, BaseIrrf)                                 \
    CAMPO(Real, AliqIrrf)                                 \
    CAMPO(Real, VlrIrrf)                                  \
    CAMPO(Real, BaseInss)                                 \
    CAMPO(Real, AliqInss)                                 \
    CAMPO(Real, ReducInss)                                \
    CAMPO(Real, VlrInss)                                  \
    CAMPO(Real, VlrIof)                                   \
    CAMPO(Texto, ReterIss)                                \
    CAMPO(Texto, ReterInss)                               \
    CAMPO(Texto, ReterIrrf)                               \
    CAMPO(Texto, ReterPis)                                \
    CAMPO(Texto, ReterCofins)                             \
    CAMPO(Texto, ReterCsll)                               \
                                                          \
    /* Import */                                          \
    CAMPO(Real, VlrImpImport)                             \
    CAMPO(Real, VlrIImp)                                  \
    CAMPO(Real, AliqIImp)                                 \
    CAMPO(Real, BaseIImp)                                 \
    CAMPO(Real, VlrDespAdua)                              \
    CAMPO(Real, TxSiscomex)                               \
    CAMPO(Texto, NumeroDI)                                \
    CAMPO(Data, DataDI)                                   \
    CAMPO(Texto, LocDesemb)                               \
    CAMPO(Texto, UFDesemb)                                \
    CAMPO(Data, DataDesemb)                               \
    CAMPO(Texto, Exportador)                              \
    CAMPO(Inteiro, NumAdicao)                             \
    CAMPO(Inteiro, SeqAdic)                               \
    CAMPO(Texto, Fabricante)                              \
    CAMPO(Real, VlrDescDI)                                \
    CAMPO(Texto, ViaTransp)                               \
    CAMPO(Real, VlrAfrmm)                                 \
    CAMPO(Texto, Intermedio)                              \
    CAMPO(Texto, NumPedImp)                               \
    CAMPO(Inteiro, ItemPedImp)                            \
    CAMPO(Texto, NumFCI)                                  \
                                                          \
    /* Export */                                          \
    CAMPO(Texto, TipoDE)                                  \
    CAMPO(Texto, NumDE)                                   \
    CAMPO(Data, DataDE)                                   \
    CAMPO(Texto, NatuDE)                                  \
    CAMPO(Texto, NumAcDraw)                               \
    CAMPO(Texto, DrawBack)                                \
    CAMPO(Texto, NumeroRE)                                \
    CAMPO(Texto, NFeExport)                               \
    CAMPO(Real, QtdeExport)                               \
                                                          \
    /* Batch */                                           \
    CAMPO(Texto, NumLote)                                 \
    CAMPO(Real, QtdLote)                                  \
    CAMPO(Data, DataFabr)                                 \
    CAMPO(Data, DataValid)

class TItemNF : public TItemColecao {
public:
    std::string_view ClassName() const override { return "TItemNF"; }
    // Copies all properties from another TItemNF; any other source raises EConvertError.
    void Assign(const TItemColecao& fonte) override;

    LUVENOR_DECLARAR_CAMPOS(TItemNF)
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
