// The DANFE NFC-e: issuer, title, notices, the items, totals, payments and change, the key
// lookup, the consumer, the invoice's number and authorisation, the QR code and the approximate
// taxes, top to bottom in one column. Boxes are those of the 80 mm roll (72 mm printable).
#include "danfe/LayoutNfce.h"

#include "danfe/LayoutComum.h"
#include "report/RLBand.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace luvenor {
namespace {

using namespace layout;

constexpr const char* EMI = "bandEmitente";
constexpr const char* DEM = "bandDadosEmitente";
constexpr const char* TIT = "bandTitulo";
constexpr const char* AVI = "bandAvisos";
constexpr const char* ITS = "RLSubDetail1";
constexpr const char* CIT = "bandCabecItens";
constexpr const char* ITM = "bandItem";
constexpr const char* VIT = "bandValoresItem";
constexpr const char* TOT = "bandTotais";
constexpr const char* PGS = "RLSubDetail2";
constexpr const char* CPG = "bandCabecPagamentos";
constexpr const char* PAG = "bandPagamento";
constexpr const char* TRO = "bandTroco";
constexpr const char* CON = "bandConsulta";
constexpr const char* CHV = "bandChave";
constexpr const char* CSM = "bandConsumidor";
constexpr const char* IDN = "bandIdentificacao";
constexpr const char* QRC = "bandQrCode";
constexpr const char* TRB = "bandTributos";
constexpr const char* ADC = "bandAdicionais";

constexpr FonteDanfe N{10, false};  // text
constexpr FonteDanfe B{10, true};   // captions that stand out
constexpr FonteDanfe P{9, false};   // small print
constexpr FonteDanfe G{11, true};   // the issuer's name

constexpr int LarguraBase = 272;  // design pixels of the 80 mm roll's printable width

constexpr BandaDanfe bandas[] = {
    {EMI, TipoBandaDanfe::Cabecalho, "RLReport1", 15, false, true},
    {DEM, TipoBandaDanfe::Cabecalho, "RLReport1", 13, false, true},
    {TIT, TipoBandaDanfe::Cabecalho, "RLReport1", 19, false, true},
    {AVI, TipoBandaDanfe::Detalhe, "RLReport1", 18, false, true},
    {ITS, TipoBandaDanfe::SubDetalhe, "RLReport1", 59, false, false},
    {CIT, TipoBandaDanfe::CabecalhoColuna, ITS, 32, false, true},
    {ITM, TipoBandaDanfe::Detalhe, ITS, 13, false, true},
    {VIT, TipoBandaDanfe::Detalhe, ITS, 14, false, true},
    {TOT, TipoBandaDanfe::Detalhe, "RLReport1", 71, false, true},
    {PGS, TipoBandaDanfe::SubDetalhe, "RLReport1", 31, false, false},
    {CPG, TipoBandaDanfe::CabecalhoColuna, PGS, 17, false, true},
    {PAG, TipoBandaDanfe::Detalhe, PGS, 13, false, true},
    {TRO, TipoBandaDanfe::Detalhe, "RLReport1", 14, false, true},
    {CON, TipoBandaDanfe::Detalhe, "RLReport1", 31, false, true},
    {CHV, TipoBandaDanfe::Detalhe, "RLReport1", 15, false, true},
    {CSM, TipoBandaDanfe::Detalhe, "RLReport1", 18, false, true},
    {IDN, TipoBandaDanfe::Detalhe, "RLReport1", 18, false, true},
    {QRC, TipoBandaDanfe::Detalhe, "RLReport1", 128, false, true},
    {TRB, TipoBandaDanfe::Detalhe, "RLReport1", 18, false, true},
    {ADC, TipoBandaDanfe::Detalhe, "RLReport1", 17, false, true},
};

constexpr ControleDanfe Traco(const char* banda, int top) {
    return {"", T::Linha, banda, {0, top, LarguraBase, 1}, {}, E, flTracoPonto, ""};
}

constexpr ControleDanfe controles[] = {
    // issuer
    {"memEmitente", T::Memo, EMI, {0, 1, 272, 13}, G, C, MX, ""},
    {"memDadosEmitente", T::Memo, DEM, {0, 0, 272, 13}, P, C, MX, ""},
    // title
    Traco(TIT, 2),
    {"memTitulo", T::Memo, TIT, {0, 5, 272, 13}, B, C, MX, ""},
    // homologation, contingency, cancelled
    {"memAvisos", T::Memo, AVI, {0, 2, 272, 13}, B, C, MX, ""},
    // items
    Traco(CIT, 1),
    {"labCabCodigo", T::Rotulo, CIT, {0, 3, 272, 13}, B, E, FX, "# CÓDIGO DESCRIÇÃO"},
    {"labCabQtde", T::Rotulo, CIT, {16, 16, 160, 13}, B, E, FX, "QTDE UN x VL UNIT R$"},
    {"labCabTotal", T::Rotulo, CIT, {172, 16, 100, 13}, B, D, FX, "VL TOTAL R$"},
    Traco(CIT, 30),
    {"memItem", T::Memo, ITM, {0, 0, 272, 13}, N, E, MX, ""},
    {"labQtdItem", T::Rotulo, VIT, {16, 0, 176, 13}, N, E, FX, ""},
    {"labTotItem", T::Rotulo, VIT, {192, 0, 80, 13}, N, D, FX, ""},
    // totals
    Traco(TOT, 1),
    {"labQtdItensRot", T::Rotulo, TOT, {0, 4, 180, 13}, N, E, FX, "QTD. TOTAL DE ITENS"},
    {"labQtdItens", T::Rotulo, TOT, {180, 4, 92, 13}, N, D, FX, ""},
    {"labVlrTotalRot", T::Rotulo, TOT, {0, 17, 180, 13}, N, E, FX, "VALOR TOTAL R$"},
    {"labVlrTotal", T::Rotulo, TOT, {180, 17, 92, 13}, N, D, FX, ""},
    {"labDescontoRot", T::Rotulo, TOT, {0, 30, 180, 13}, N, E, FX, "DESCONTO R$"},
    {"labDesconto", T::Rotulo, TOT, {180, 30, 92, 13}, N, D, FX, ""},
    {"labOutrasRot", T::Rotulo, TOT, {0, 43, 180, 13}, N, E, FX, "OUTRAS DESPESAS R$"},
    {"labOutras", T::Rotulo, TOT, {180, 43, 92, 13}, N, D, FX, ""},
    {"labVlrPagarRot", T::Rotulo, TOT, {0, 56, 180, 13}, B, E, FX, "VALOR A PAGAR R$"},
    {"labVlrPagar", T::Rotulo, TOT, {180, 56, 92, 13}, B, D, FX, ""},
    // payments and change
    {"labFormaPagtoRot", T::Rotulo, CPG, {0, 2, 150, 13}, B, E, FX, "FORMA PAGAMENTO"},
    {"labValorPagoRot", T::Rotulo, CPG, {132, 2, 140, 13}, B, D, FX, "VALOR PAGO R$"},
    {"memFormaPagto", T::Memo, PAG, {0, 0, 192, 13}, N, E, MX, ""},
    {"labValorPago", T::Rotulo, PAG, {192, 0, 80, 13}, N, D, FX, ""},
    {"labTrocoRot", T::Rotulo, TRO, {0, 0, 180, 13}, N, E, FX, "TROCO R$"},
    {"labTroco", T::Rotulo, TRO, {180, 0, 92, 13}, N, D, FX, ""},
    // key lookup
    Traco(CON, 1),
    {"labConsulta", T::Rotulo, CON, {0, 4, 272, 13}, B, C, FX, "Consulte pela Chave de Acesso em"},
    {"memUrlChave", T::Memo, CON, {0, 17, 272, 13}, P, C, MX, ""},
    {"memChave", T::Memo, CHV, {0, 1, 272, 13}, P, C, MX, ""},
    // consumer
    Traco(CSM, 1),
    {"memConsumidor", T::Memo, CSM, {0, 4, 272, 13}, N, C, MX, ""},
    // number, series, issue and authorisation
    Traco(IDN, 1),
    {"memIdentificacao", T::Memo, IDN, {0, 4, 272, 13}, B, C, MX, ""},
    // QR code
    {"qrCodeNfce", T::QrCode, QRC, {76, 4, 120, 120}, {}, C, FX, ""},
    // approximate taxes and the additional information
    Traco(TRB, 1),
    {"memTributos", T::Memo, TRB, {0, 4, 272, 13}, P, C, MX, ""},
    {"memAdicionais", T::Memo, ADC, {0, 2, 272, 13}, P, E, MX, ""},
};

// How a paper's form derives from the table above.
struct Escala {
    FormatoNfce formato;
    const char* nome;
    double larguraMm;
    double alturaMm;
    double margemMm;
    double tipo;  // rows, band heights and type sizes
    bool bobina;
};

// A roll page may grow to 5 m: more than 1000 items, and still within what PDF readers open.
constexpr Escala escalas[] = {
    {FormatoNfce::Bobina80, "TFrtDanfeNfce80", 80.0, 5000.0, 4.0, 1.0, true},
    {FormatoNfce::Bobina58, "TFrtDanfeNfce58", 58.0, 5000.0, 5.0, 0.9, true},
    {FormatoNfce::A4, "TFrtDanfeNfceA4", 210.0, 297.0, 10.0, 1.3, false},
};

const Escala& EscalaDe(FormatoNfce formato) {
    for (const Escala& e : escalas)
        if (e.formato == formato) return e;
    return escalas[0];
}

int Arredondar(double x) {
    return static_cast<int>(std::lround(x));
}

ControleDanfe Ajustar(ControleDanfe c, double largura, double tipo) {
    const CaixaDanfe base = c.Caixa;
    if (c.Tipo == T::QrCode) {
        // Square, centred on the column.
        const int lado = Arredondar(base.Width * tipo);
        c.Caixa = {Arredondar((largura - lado) / 2.0), Arredondar(base.Top * tipo), lado, lado};
        return c;
    }
    const double fx = largura / LarguraBase;
    const int esquerda = Arredondar(base.Left * fx);
    c.Caixa = {esquerda, Arredondar(base.Top * tipo), Arredondar((base.Left + base.Width) * fx) - esquerda,
               std::max(1, Arredondar(base.Height * tipo))};
    if (c.Fonte.Altura > 0) c.Fonte.Altura = Arredondar(c.Fonte.Altura * tipo);
    return c;
}

struct FormaMontada {
    std::vector<BandaDanfe> bandas;
    std::vector<ControleDanfe> controles;
    LayoutDanfe layout{};
};

// In place: the layout's spans point into the vectors beside it.
void Montar(const Escala& e, FormaMontada& f) {
    const int larguraPagina = MilimetrosParaPixels(e.larguraMm);
    const int largura = larguraPagina - 2 * MilimetrosParaPixels(e.margemMm);
    for (BandaDanfe b : bandas) {
        b.Altura = Arredondar(b.Altura * e.tipo);
        f.bandas.push_back(b);
    }
    for (const ControleDanfe& c : controles) f.controles.push_back(Ajustar(c, largura, e.tipo));
    f.layout = {e.nome,     false,    larguraPagina, MilimetrosParaPixels(e.alturaMm),
                e.margemMm, f.bandas, f.controles};
}

}  // namespace

const LayoutDanfe& LayoutNfce(FormatoNfce formato) {
    static FormaMontada formas[std::size(escalas)];
    static const bool montadas = [] {
        for (size_t i = 0; i < std::size(escalas); ++i) Montar(escalas[i], formas[i]);
        return true;
    }();
    (void)montadas;
    for (size_t i = 0; i < std::size(escalas); ++i)
        if (escalas[i].formato == formato) return formas[i].layout;
    return formas[0].layout;
}

PapelNfce PapelDoFormato(FormatoNfce formato) {
    const Escala& e = EscalaDe(formato);
    return {e.larguraMm, e.alturaMm, e.bobina};
}

}  // namespace luvenor
