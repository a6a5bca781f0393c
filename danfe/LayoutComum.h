#pragma once
// Shorthands shared by the two layout tables, so that each row reads like the printed form's
// own table: name, kind, band, box, font, alignment, flags, fixed caption.
#include "danfe/LayoutDanfe.h"

namespace luvenor::layout {

using T = TipoControleDanfe;
inline constexpr TRLTextAlignment E = TRLTextAlignment::taLeftJustify;
inline constexpr TRLTextAlignment D = TRLTextAlignment::taRightJustify;
inline constexpr TRLTextAlignment C = TRLTextAlignment::taCenter;
inline constexpr TRLTextAlignment J = TRLTextAlignment::taJustify;

inline constexpr unsigned FX = 0;                              // fixed size
inline constexpr unsigned AW = flLarguraAuto;                  // auto width
inline constexpr unsigned MX = flAlturaAuto | flExpandeBanda;  // memo that grows its band
inline constexpr unsigned VB = flLarguraAuto;                  // vertical label, text at bottom

// The bands both forms have, by their names on the form.
inline constexpr const char* DAD = "bandDados";
inline constexpr const char* IDE = "bandIdentificacao";
inline constexpr const char* DST = "bandDestinatario";
inline constexpr const char* RET = "bandRetirada";
inline constexpr const char* ENT = "bandEntrega";
inline constexpr const char* IMP = "bandImposto";
inline constexpr const char* TRA = "bandTransporte";
inline constexpr const char* CAB = "RLBand2";
inline constexpr const char* ITE = "RLBand1";
inline constexpr const char* ISS = "bandISSQN";
inline constexpr const char* ADI = "bandAdicionais";

// A framing rectangle (optionally spanning the band's full height).
constexpr ControleDanfe Ret(const char* banda, int left, int top, int width, int height, unsigned flags = 0) {
    return {"", T::Retangulo, banda, {left, top, width, height}, {}, E, flags, ""};
}

constexpr ControleDanfe RetAlto(const char* banda, int left, int top, int width, int height) {
    return Ret(banda, left, top, width, height, flAlturaTotal);
}

}  // namespace luvenor::layout
