#pragma once
// The in-memory record of one fiscal document (an invoice). Besides what an NF-e carries it
// holds the bookkeeping, service-tax and event fields of the wider model, all at their zero
// values when nothing fills them. It owns its five collections for its whole life; Limpar
// empties them without replacing them.
#include <cstdint>
#include <string>

#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/Colecao.h"
#include "ClasDocFisc/TDuplicata.h"
#include "ClasDocFisc/TItemNF.h"
#include "ClasDocFisc/TNFeRef.h"
#include "ClasDocFisc/TPagamento.h"
#include "ClasDocFisc/TParticipante.h"

namespace luvenor {

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

    // Each property below is listed once more in the field table of TNotaFiscal.cpp, from which
    // zeroing, Assign and the JSON export are derived.

    // Record keys of the bookkeeping side
    int32_t Incr_ID = 0;
    std::string Filial;
    std::string CnpjFili;
    int32_t AnoLcto = 0;
    int32_t IncrLcto = 0;
    std::string TipoLcto;
    std::string CodContabil;
    std::string Status;
    std::string Atualizacao;
    int32_t CodCnpj = 0;
    bool UsaECF = false;

    // Document identification
    std::string Modelo;
    std::string Especie;
    std::string Serie;
    std::string Subserie;
    std::string SerieNum;
    int32_t NumLcto = 0;
    std::string NfForn;
    std::string EntSai;
    std::string Situacao;
    std::string ChaveNfe;
    std::string VersaoNfe;
    std::string NatOper;
    std::string DescrNatOper;
    std::string MercServ;
    std::string MovEstoq;
    std::string IndPagto;
    std::string MeioPagto;
    bool Exportacao = false;
    bool Importacao = false;
    bool Complementar = false;
    bool RemeRetoDevol = false;
    std::string tpNF;
    std::string tpImp;
    std::string tpAmb;
    std::string tpEmis;
    std::string cNF;
    std::string cDV;
    std::string finNFe;
    std::string procEmi;
    std::string verProc;
    std::string IdDest;
    std::string IndFinal;
    std::string IndPres;
    std::string CodMun;
    std::string CodUF;
    std::string Estado;
    std::string CRT;

    // Dates and times
    TData DtDoc = 0;
    std::string HrEmissao;
    TData DtEntSai = 0;
    std::string HrEntSai;
    TData DtEmissao = 0;
    TData DataAverb = 0;

    // Parties
    std::string Cnpj;
    std::string CnpjTransp;
    std::string CnpjRetirada;
    std::string CnpjEntrega;
    TColeParticipante Participantes{this};

    // Invoice totals
    double TotNota = 0;
    double TotItem = 0;
    double TotMerc = 0;
    double TotServ = 0;
    double TotFrete = 0;
    double TotSeguro = 0;
    double TotDesc = 0;
    double TotOutros = 0;
    double TotIImp = 0;
    double TotTrib = 0;
    double PrcTrib = 0;
    std::string MsgTrib;

    // ICMS
    double BaseIcms = 0;
    double TotIcms = 0;
    double BaseIcmsST = 0;
    double TotIcmsST = 0;
    double TotIcmsNT = 0;
    double TotIcmsDeson = 0;
    double TotIcmsEfet = 0;
    double BCReducICMS = 0;
    double TotFCP = 0;
    double TotFCPST = 0;
    double TotFCPSTRet = 0;
    double TotFCPUFDest = 0;
    double TotICMSUFDest = 0;
    double TotICMSUFReme = 0;

    // IPI
    double BaseIpi = 0;
    double TotIpi = 0;
    double TotIpiDevol = 0;

    // PIS, COFINS and CSLL
    std::string CstPis;
    std::string CodBCPis;
    double BasePis = 0;
    double AliqPis = 0;
    double TotPis = 0;
    std::string CstCofins;
    std::string CodBCCofins;
    double BaseCofins = 0;
    double AliqCofins = 0;
    double TotCofins = 0;
    double AliqCsll = 0;
    double TotCsll = 0;
    double TotPisST = 0;
    double TotCofinsST = 0;
    double TotPisServ = 0;
    double TotCofinsServ = 0;

    // Services and withheld taxes
    double BaseIss = 0;
    double AliqIss = 0;
    double TotIss = 0;
    double BaseInss = 0;
    double AliqInss = 0;
    double TotInss = 0;
    double BaseIrrf = 0;
    double AliqIrrf = 0;
    double TotIrrf = 0;
    double TotPisRet = 0;
    double TotCofinsRet = 0;
    double TotCsllRet = 0;
    double TotInssRet = 0;
    double TotIrrfRet = 0;
    double TotIssRet = 0;
    double TotIof = 0;
    // Withheld PIS + COFINS + CSLL + INSS + IRRF, without ISS.
    double TotRetSemIss() const;
    // "S" when TotIssRet > 0, else "N".
    std::string IssRetido() const;
    std::string ImpServNoTotal;
    std::string DescricaoNFSe;
    std::string CodItemServ;
    std::string TipoRps;
    std::string SerieRPS;
    int32_t NumeroRPS = 0;
    double DescCondic = 0;
    double DescIncond = 0;
    std::string CodigoObra;
    std::string ArtigoObra;
    std::string NumCadObra;

    // Transport and volumes
    std::string IndFrete;
    std::string PlacaVeic;
    std::string EstadoVeic;
    std::string Quantidade;
    std::string EspecieEmb;
    std::string MarcaEmb;
    std::string NumeroEmb;
    double PesoBruto = 0;
    double PesoLiquido = 0;
    std::string DimensoesEmb;

    // Export shipping and orders
    std::string UFEmbarq;
    std::string LocEmbarq;
    std::string LocDespacho;
    std::string TpCtrcEmbarq;
    std::string SeuPedido;
    std::string NossoPedido;
    std::string Contrato;

    // Complemented document
    std::string ComplTipoLcto;
    int32_t ComplAno = 0;
    int32_t ComplIncremental = 0;
    std::string ComplEspecie;
    std::string ComplSerie;
    int32_t ComplNumLcto = 0;
    TData ComplDtEmissao = 0;
    std::string ComplNfForn;
    std::string ComplCnpj;

    // Authorisation and transmission
    std::string ProtocoloNfe;
    TData DtProtocoloNfe = 0;
    std::string HrProtocoloNfe;
    std::string dhProtocoloNfe;
    std::string ReciboNfe;
    std::string dhRecbtoNfe;
    TData DtRecbtoNfe = 0;
    std::string HrRecbtoNfe;
    TData dtLoteNfe = 0;
    int32_t seqLoteNfe = 0;
    std::string XmlNfe;
    std::string XmlAssinado;
    std::string XmlDistrib;

    // Cancellation, correction, contingency, denial and voiding
    std::string MotivoCanc;
    std::string XmlPedCanc;
    std::string XmlRetCanc;
    std::string XmlCancDistrib;
    std::string ProtocoloCancNfe;
    std::string dhProtocoloCancNfe;
    int32_t SeqEventoCCe = 0;
    std::string XmlPedCCe;
    std::string XmlRetCCe;
    std::string ProtocoloCCeNfe;
    std::string dhProtocoloCCeNfe;
    std::string NumeroDpec;
    TData DataDpec = 0;
    std::string HoraDpec;
    std::string MotivoDeneg;
    TData DtDeneg = 0;
    TData DtInut = 0;
    std::string MotivoInut;
    std::string ProtocoloInutNfe;
    std::string dhProtocoloInutNfe;

    // Recipient's acknowledgement
    std::string ProtocoloManifDest;
    std::string dhProtocoloManifDest;
    TData DtManifDest = 0;
    std::string HrManifDest;
    std::string EvenManifDest;
    std::string JustManifDest;
    std::string XmlPedManifDest;
    std::string XmlRetManifDest;

    // Free texts
    std::string Observacao;
    std::string ObservOrig;
    std::string DadosAdic;
    std::string infAdFisco;
    std::string infCpl;

    // Owned collections and picture
    TColeItemNF ItensNF{this};
    TColeDuplicata DuplsNF{this};
    TColePagamento PagtosNF{this};
    TColeNFeRef Referencias{this};
    // The issuer's logo; the record does not own the picture.
    const QImage* Logo = nullptr;
};

template <>
std::span<const TCampo<TNotaFiscal>> TabelaCampos<TNotaFiscal>();

}  // namespace luvenor
