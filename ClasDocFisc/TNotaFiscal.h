#pragma once
// The in-memory record of one fiscal document (an invoice). Besides what an NF-e carries it
// holds the bookkeeping, service-tax and event fields of the wider model, all at their zero
// values when nothing fills them. It owns its six collections for its whole life; Limpar
// empties them without replacing them.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"
#include "ClasDocFisc/TDuplicata.h"
#include "ClasDocFisc/TEventoNF.h"
#include "ClasDocFisc/TItemNF.h"
#include "ClasDocFisc/TNFeRef.h"
#include "ClasDocFisc/TPagamento.h"
#include "ClasDocFisc/TParticipante.h"

namespace luvenor {

// The properties of TNotaFiscal, in the order of its field table and JSON export.
#define LUVENOR_CAMPOS_TNotaFiscal(CAMPO, CALCULADO, COLECAO)       \
    /* Record keys of the bookkeeping side */                       \
    CAMPO(Inteiro, Incr_ID)                                         \
    CAMPO(Texto, Filial)                                            \
    CAMPO(Texto, CnpjFili)                                          \
    CAMPO(Inteiro, AnoLcto)                                         \
    CAMPO(Inteiro, IncrLcto)                                        \
    CAMPO(Texto, TipoLcto)                                          \
    CAMPO(Texto, CodContabil)                                       \
    /* "C" cancelled, "D" denied, empty otherwise. */               \
    CAMPO(Texto, Status)                                            \
    CAMPO(Texto, Atualizacao)                                       \
    CAMPO(Inteiro, CodCnpj)                                         \
    CAMPO(Logico, UsaECF)                                           \
                                                                    \
    /* Document identification */                                   \
    CAMPO(Texto, Modelo)                                            \
    CAMPO(Texto, Especie)                                           \
    CAMPO(Texto, Serie)                                             \
    CAMPO(Texto, Subserie)                                          \
    CAMPO(Texto, SerieNum)                                          \
    CAMPO(Inteiro, NumLcto)                                         \
    CAMPO(Texto, NfForn)                                            \
    CAMPO(Texto, EntSai)                                            \
    CAMPO(Texto, Situacao)                                          \
    CAMPO(Texto, ChaveNfe)                                          \
    CAMPO(Texto, VersaoNfe)                                         \
    CAMPO(Texto, NatOper)                                           \
    CAMPO(Texto, DescrNatOper)                                      \
    CAMPO(Texto, MercServ)                                          \
    CAMPO(Texto, MovEstoq)                                          \
    CAMPO(Texto, IndPagto)                                          \
    CAMPO(Texto, MeioPagto)                                         \
    CAMPO(Logico, Exportacao)                                       \
    CAMPO(Logico, Importacao)                                       \
    CAMPO(Logico, Complementar)                                     \
    CAMPO(Logico, RemeRetoDevol)                                    \
    CAMPO(Texto, tpNF)                                              \
    CAMPO(Texto, tpImp)                                             \
    CAMPO(Texto, tpAmb)                                             \
    CAMPO(Texto, tpEmis)                                            \
    CAMPO(Texto, cNF)                                               \
    CAMPO(Texto, cDV)                                               \
    CAMPO(Texto, finNFe)                                            \
    CAMPO(Texto, procEmi)                                           \
    CAMPO(Texto, verProc)                                           \
    CAMPO(Texto, IdDest)                                            \
    CAMPO(Texto, IndFinal)                                          \
    CAMPO(Texto, IndPres)                                           \
    CAMPO(Texto, CodMun)                                            \
    CAMPO(Texto, CodUF)                                             \
    CAMPO(Texto, Estado)                                            \
    CAMPO(Texto, CRT)                                               \
                                                                    \
    /* Dates and times */                                           \
    CAMPO(Data, DtDoc)                                              \
    CAMPO(Texto, HrEmissao)                                         \
    CAMPO(Data, DtEntSai)                                           \
    CAMPO(Texto, HrEntSai)                                          \
    CAMPO(Data, DtEmissao)                                          \
    CAMPO(Data, DataAverb)                                          \
                                                                    \
    /* Parties */                                                   \
    CAMPO(Texto, Cnpj)                                              \
    CAMPO(Texto, CnpjTransp)                                        \
    CAMPO(Texto, CnpjRetirada)                                      \
    CAMPO(Texto, CnpjEntrega)                                       \
    /* Cnpj holds the consumer's foreign id (idEstrangeiro) */      \
    CAMPO(Logico, ConsumidorEstrangeiro)                            \
    COLECAO(TColeParticipante, Participantes)                       \
                                                                    \
    /* Invoice totals */                                            \
    CAMPO(Real, TotNota)                                            \
    CAMPO(Real, TotItem)                                            \
    CAMPO(Real, TotMerc)                                            \
    CAMPO(Real, TotServ)                                            \
    CAMPO(Real, TotFrete)                                           \
    CAMPO(Real, TotSeguro)                                          \
    CAMPO(Real, TotDesc)                                            \
    CAMPO(Real, TotOutros)                                          \
    CAMPO(Real, TotIImp)                                            \
    CAMPO(Real, TotTrib)                                            \
    CAMPO(Real, PrcTrib)                                            \
    CAMPO(Texto, MsgTrib)                                           \
    /* The change handed back to the consumer */                    \
    CAMPO(Real, VlrTroco)                                           \
                                                                    \
    /* ICMS */                                                      \
    CAMPO(Real, BaseIcms)                                           \
    CAMPO(Real, TotIcms)                                            \
    CAMPO(Real, BaseIcmsST)                                         \
    CAMPO(Real, TotIcmsST)                                          \
    CAMPO(Real, TotIcmsNT)                                          \
    CAMPO(Real, TotIcmsDeson)                                       \
    CAMPO(Real, TotIcmsEfet)                                        \
    CAMPO(Real, BCReducICMS)                                        \
    CAMPO(Real, TotFCP)                                             \
    CAMPO(Real, TotFCPST)                                           \
    CAMPO(Real, TotFCPSTRet)                                        \
    CAMPO(Real, TotFCPUFDest)                                       \
    CAMPO(Real, TotICMSUFDest)                                      \
    CAMPO(Real, TotICMSUFReme)                                      \
                                                                    \
    /* IPI */                                                       \
    CAMPO(Real, BaseIpi)                                            \
    CAMPO(Real, TotIpi)                                             \
    CAMPO(Real, TotIpiDevol)                                        \
                                                                    \
    /* PIS, COFINS and CSLL */                                      \
    CAMPO(Texto, CstPis)                                            \
    CAMPO(Texto, CodBCPis)                                          \
    CAMPO(Real, BasePis)                                            \
    CAMPO(Real, AliqPis)                                            \
    CAMPO(Real, TotPis)                                             \
    CAMPO(Texto, CstCofins)                                         \
    CAMPO(Texto, CodBCCofins)                                       \
    CAMPO(Real, BaseCofins)                                         \
    CAMPO(Real, AliqCofins)                                         \
    CAMPO(Real, TotCofins)                                          \
    CAMPO(Real, AliqCsll)                                           \
    CAMPO(Real, TotCsll)                                            \
    CAMPO(Real, TotPisST)                                           \
    CAMPO(Real, TotCofinsST)                                        \
    CAMPO(Real, TotPisServ)                                         \
    CAMPO(Real, TotCofinsServ)                                      \
                                                                    \
    /* Services and withheld taxes */                               \
    CAMPO(Real, BaseIss)                                            \
    CAMPO(Real, AliqIss)                                            \
    CAMPO(Real, TotIss)                                             \
    CAMPO(Real, BaseInss)                                           \
    CAMPO(Real, AliqInss)                                           \
    CAMPO(Real, TotInss)                                            \
    CAMPO(Real, BaseIrrf)                                           \
    CAMPO(Real, AliqIrrf)                                           \
    CAMPO(Real, TotIrrf)                                            \
    CAMPO(Real, TotPisRet)                                          \
    CAMPO(Real, TotCofinsRet)                                       \
    CAMPO(Real, TotCsllRet)                                         \
    CAMPO(Real, TotInssRet)                                         \
    CAMPO(Real, TotIrrfRet)                                         \
    CAMPO(Real, TotIssRet)                                          \
    CAMPO(Real, TotIof)                                             \
    /* Withheld PIS + COFINS + CSLL + INSS + IRRF, without ISS. */  \
    CALCULADO(Real, TotRetSemIss)                                   \
    /* "S" when TotIssRet > 0, else "N". */                         \
    CALCULADO(Texto, IssRetido)                                     \
    CAMPO(Texto, ImpServNoTotal)                                    \
    CAMPO(Texto, DescricaoNFSe)                                     \
    CAMPO(Texto, CodItemServ)                                       \
    CAMPO(Texto, TipoRps)                                           \
    CAMPO(Texto, SerieRPS)                                          \
    CAMPO(Inteiro, NumeroRPS)                                       \
    CAMPO(Real, DescCondic)                                         \
    CAMPO(Real, DescIncond)                                         \
    CAMPO(Texto, CodigoObra)                                        \
    CAMPO(Texto, ArtigoObra)                                        \
    CAMPO(Texto, NumCadObra)                                        \
                                                                    \
    /* Transport and volumes */                                     \
    CAMPO(Texto, IndFrete)                                          \
    CAMPO(Texto, PlacaVeic)                                         \
    CAMPO(Texto, EstadoVeic)                                        \
    /* The vehicle's cargo-carrier registration (RNTC). */          \
    CAMPO(Texto, RntcVeic)                                          \
    CAMPO(Texto, Quantidade)                                        \
    CAMPO(Texto, EspecieEmb)                                        \
    CAMPO(Texto, MarcaEmb)                                          \
    CAMPO(Texto, NumeroEmb)                                         \
    CAMPO(Real, PesoBruto)                                          \
    CAMPO(Real, PesoLiquido)                                        \
    CAMPO(Texto, DimensoesEmb)                                      \
                                                                    \
    /* Export shipping and orders */                                \
    CAMPO(Texto, UFEmbarq)                                          \
    CAMPO(Texto, LocEmbarq)                                         \
    CAMPO(Texto, LocDespacho)                                       \
    CAMPO(Texto, TpCtrcEmbarq)                                      \
    CAMPO(Texto, SeuPedido)                                         \
    CAMPO(Texto, NossoPedido)                                       \
    CAMPO(Texto, Contrato)                                          \
                                                                    \
    /* Complemented document */                                     \
    CAMPO(Texto, ComplTipoLcto)                                     \
    CAMPO(Inteiro, ComplAno)                                        \
    CAMPO(Inteiro, ComplIncremental)                                \
    CAMPO(Texto, ComplEspecie)                                      \
    CAMPO(Texto, ComplSerie)                                        \
    CAMPO(Inteiro, ComplNumLcto)                                    \
    CAMPO(Data, ComplDtEmissao)                                     \
    CAMPO(Texto, ComplNfForn)                                       \
    CAMPO(Texto, ComplCnpj)                                         \
                                                                    \
    /* Authorisation and transmission */                            \
    CAMPO(Texto, ProtocoloNfe)                                      \
    CAMPO(Data, DtProtocoloNfe)                                     \
    CAMPO(Texto, HrProtocoloNfe)                                    \
    CAMPO(Texto, dhProtocoloNfe)                                    \
    CAMPO(Texto, ReciboNfe)                                         \
    CAMPO(Texto, dhRecbtoNfe)                                       \
    CAMPO(Data, DtRecbtoNfe)                                        \
    CAMPO(Texto, HrRecbtoNfe)                                       \
    /* The protocol's status code and reason. */                    \
    CAMPO(Texto, CStatProtocolo)                                    \
    CAMPO(Texto, XMotivoProtocolo)                                  \
    CAMPO(Data, dtLoteNfe)                                          \
    CAMPO(Inteiro, seqLoteNfe)                                      \
    CAMPO(Texto, XmlNfe)                                            \
    CAMPO(Texto, XmlAssinado)                                       \
    CAMPO(Texto, XmlDistrib)                                        \
    /* NFC-e: the QR code's text and the key-lookup page */         \
    CAMPO(Texto, QrCodeNfce)                                        \
    CAMPO(Texto, UrlChaveNfce)                                      \
                                                                    \
    /* Cancellation, correction, contingency, denial and voiding */ \
    CAMPO(Texto, MotivoCanc)                                        \
    CAMPO(Texto, XmlPedCanc)                                        \
    CAMPO(Texto, XmlRetCanc)                                        \
    CAMPO(Texto, XmlCancDistrib)                                    \
    CAMPO(Texto, ProtocoloCancNfe)                                  \
    CAMPO(Texto, dhProtocoloCancNfe)                                \
    CAMPO(Inteiro, SeqEventoCCe)                                    \
    CAMPO(Texto, XmlPedCCe)                                         \
    CAMPO(Texto, XmlRetCCe)                                         \
    CAMPO(Texto, ProtocoloCCeNfe)                                   \
    CAMPO(Texto, dhProtocoloCCeNfe)                                 \
    CAMPO(Texto, NumeroDpec)                                        \
    CAMPO(Data, DataDpec)                                           \
    CAMPO(Texto, HoraDpec)                                          \
    CAMPO(Texto, MotivoDeneg)                                       \
    CAMPO(Data, DtDeneg)                                            \
    CAMPO(Data, DtInut)                                             \
    CAMPO(Texto, MotivoInut)                                        \
    CAMPO(Texto, ProtocoloInutNfe)                                  \
    CAMPO(Texto, dhProtocoloInutNfe)                                \
                                                                    \
    /* Recipient's acknowledgement */                               \
    CAMPO(Texto, ProtocoloManifDest)                                \
    CAMPO(Texto, dhProtocoloManifDest)                              \
    CAMPO(Data, DtManifDest)                                        \
    CAMPO(Texto, HrManifDest)                                       \
    CAMPO(Texto, EvenManifDest)                                     \
    CAMPO(Texto, JustManifDest)                                     \
    CAMPO(Texto, XmlPedManifDest)                                   \
    CAMPO(Texto, XmlRetManifDest)                                   \
                                                                    \
    /* Free texts */                                                \
    CAMPO(Texto, Observacao)                                        \
    CAMPO(Texto, ObservOrig)                                        \
    CAMPO(Texto, DadosAdic)                                         \
    CAMPO(Texto, infAdFisco)                                        \
    CAMPO(Texto, infCpl)                                            \
                                                                    \
    /* Owned collections and picture */                             \
    COLECAO(TColeItemNF, ItensNF)                                   \
    COLECAO(TColeDuplicata, DuplsNF)                                \
    COLECAO(TColePagamento, PagtosNF)                               \
    COLECAO(TColeNFeRef, Referencias)                               \
    /* Registered events, in the order they were read. */           \
    COLECAO(TColeEventoNF, Eventos)                                 \
                                                                    \
    /* A read that stopped early: the step message, and whether */  \
    /* it stopped at the authorisation protocol. */                 \
    CAMPO(Texto, LeituraInterrompida)                               \
    CAMPO(Logico, SemProtocolo)                                     \
                                                                    \
    /* The issuer's logo; the record does not own the picture. */   \
    CAMPO(Figura, Logo)

class TNotaFiscal : public TItemColecao {
public:
    TNotaFiscal() = default;
    std::string_view ClassName() const override { return "TNotaFiscal"; }
    // Copies every stored property, the Logo reference and copies of the collections' items
    // from another TNotaFiscal; any other source raises EConvertError.
    void Assign(const TItemColecao& fonte) override;
    // Empties the collections (DuplsNF keeps its summary values), sets every other property
    // to its zero value and Logo to none.
    void Limpar();

    LUVENOR_DECLARAR_CAMPOS(TNotaFiscal)
};

template <>
std::span<const TCampo<TNotaFiscal>> TabelaCampos<TNotaFiscal>();

// Whether the record is a consumer invoice (NFC-e, model 65) rather than an NF-e (model 55).
inline bool EhNfce(const TNotaFiscal& nf) {
    return nf.Modelo == "65";
}

// Whether an NF-e's DANFE is printed on a landscape sheet (tpImp 2).
inline bool EhPaisagem(const TNotaFiscal& nf) {
    return nf.tpImp == "2";
}

}  // namespace luvenor
