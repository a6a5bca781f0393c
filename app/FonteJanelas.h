#pragma once
// The font the windows are laid out for: "MS Sans Serif" at 8 points.
#include <QFont>

namespace luvenor {

// The windows' positions and widths are pixels for that font; on Linux it is Liberation Sans, whose
// metrics are Arial's, so the fields show their whole texts on every machine.
QFont FonteDasJanelas();

}  // namespace luvenor
