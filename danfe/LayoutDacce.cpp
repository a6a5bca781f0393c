// The DACCe, the printed correction letter: A4 portrait, 8 mm margins, bands 734 pixels wide. The
// header repeats on every sheet; the correction's memo grows and continues on the next sheets.
#include "danfe/LayoutComum.h"

namespace luvenor {
namespace {

using namespace layout;

constexpr const char* TIT = "bandTitulo";
constexpr const char* COR = "bandCorrecao";
constexpr const char* CON = "bandCondicoes";

constexpr BandaDanfe bandas[] = {
    {TIT, TipoBandaDanfe::Cabecalho, "RLReport1", 262, false, true},
    {COR, TipoBandaDanfe::Detalhe, "RLReport1", 44, false, false},
    {CON, TipoBandaDanfe::Resumo, "RLReport1", 50, false, true},
};

constexpr ControleDanfe controles[] = {
    // bandTitulo: title, issuer, invoice, access key, event
    Ret(TIT, 0, 0, 734, 56),
    {"labTitulo1", T::Rotulo, TIT, {2, 6, 730, 22}, {17, true}, C, FX, "CARTA DE CORREÇÃO ELETRÔNICA"},
    {"labTitulo2",
     T::Rotulo,
     TIT,
     {2, 32, 730, 14},
     {9, false},
     C,
     FX,
     "DACCe - Documento Auxiliar da Carta de Correção Eletrônica"},
    {"labFolha1", T::InfoSistema, TIT, {560, 40, 120, 12}, {8, false}, D, flNumeroPagina, "FOLHA "},
    {"labFolha2", T::InfoSistema, TIT, {682, 40, 48, 12}, {8, false}, E, flUltimaPagina, "DE "},

    Ret(TIT, 0, 60, 440, 80),
    {"labEmitente0", T::Rotulo, TIT, {4, 62, 60, 8}, {7, false}, E, AW, "EMITENTE"},
    {"labEmitente1", T::Rotulo, TIT, {4, 74, 432, 14}, {10, true}, E, FX, ""},
    {"labEmitente2", T::Memo, TIT, {4, 90, 432, 28}, {8, false}, E, FX, ""},
    {"labEmitente3", T::Rotulo, TIT, {4, 122, 432, 12}, {8, false}, E, FX, ""},
    Ret(TIT, 440, 60, 294, 80),
    {"labNota0", T::Rotulo, TIT, {444, 62, 60, 8}, {7, false}, E, AW, "NOTA FISCAL ELETRÔNICA"},
    {"labNota1", T::Rotulo, TIT, {444, 74, 286, 14}, {10, true}, E, FX, ""},
    {"labNota2", T::Rotulo, TIT, {444, 92, 286, 12}, {8, false}, E, FX, ""},
    {"labNota3", T::Rotulo, TIT, {444, 106, 286, 12}, {8, false}, E, FX, ""},
    {"labNota4", T::Rotulo, TIT, {444, 120, 286, 12}, {8, false}, E, FX, ""},

    Ret(TIT, 0, 144, 734, 56),
    {"labChave0", T::Rotulo, TIT, {4, 146, 60, 8}, {7, false}, E, AW, "CHAVE DE ACESSO"},
    {"barCodigoBarras", T::Barras, TIT, {4, 158, 280, 35}, {}, E, FX, ""},
    {"labChave1", T::Rotulo, TIT, {290, 168, 440, 14}, {10, true}, C, FX, ""},

    Ret(TIT, 0, 204, 120, 28),
    {"labEvento0", T::Rotulo, TIT, {4, 206, 60, 8}, {7, false}, E, AW, "SEQUÊNCIA DO EVENTO"},
    {"labEvento1", T::Rotulo, TIT, {4, 216, 112, 12}, {9, true}, E, FX, ""},
    Ret(TIT, 120, 204, 204, 28),
    {"labEvento2", T::Rotulo, TIT, {124, 206, 60, 8}, {7, false}, E, AW, "DATA E HORA DO EVENTO"},
    {"labEvento3", T::Rotulo, TIT, {124, 216, 196, 12}, {9, true}, E, FX, ""},
    Ret(TIT, 324, 204, 205, 28),
    {"labEvento4", T::Rotulo, TIT, {328, 206, 60, 8}, {7, false}, E, AW, "PROTOCOLO DE REGISTRO"},
    {"labEvento5", T::Rotulo, TIT, {328, 216, 197, 12}, {9, true}, E, FX, ""},
    Ret(TIT, 529, 204, 205, 28),
    {"labEvento6", T::Rotulo, TIT, {533, 206, 60, 8}, {7, false}, E, AW, "DATA E HORA DO REGISTRO"},
    {"labEvento7", T::Rotulo, TIT, {533, 216, 197, 12}, {9, true}, E, FX, ""},
    Ret(TIT, 0, 232, 734, 26),
    {"labEvento8", T::Rotulo, TIT, {4, 234, 60, 8}, {7, false}, E, AW, "SITUAÇÃO DO EVENTO"},
    {"labEvento9", T::Rotulo, TIT, {4, 244, 726, 12}, {8, false}, E, FX, ""},

    // bandCorrecao: the correction text, as long as it is
    RetAlto(COR, 0, 0, 734, 44),
    {"labCorrecao0", T::Rotulo, COR, {4, 2, 60, 8}, {7, false}, E, AW, "CORREÇÃO"},
    {"labCorrecao1", T::Memo, COR, {4, 14, 726, 26}, {10, false}, J, MX, ""},

    // bandCondicoes: the conditions of use the letter was sent under
    RetAlto(CON, 0, 0, 734, 50),
    {"labCondicoes0", T::Rotulo, CON, {4, 6, 60, 8}, {7, false}, E, AW, "CONDIÇÕES DE USO"},
    {"labCondicoes1", T::Memo, CON, {4, 16, 726, 30}, {7, false}, J, MX, ""},
};

constexpr LayoutDanfe layoutDacce{"TFrtDacce", false, 794, 1123, 8.0, bandas, controles};

}  // namespace

const LayoutDanfe& LayoutDacce() {
    return layoutDacce;
}

}  // namespace luvenor
