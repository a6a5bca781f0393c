#pragma once
// The built-in logo both DANFE forms hold in Image1: 220 x 165 pixels, 32 bits.
#include <QImage>

namespace luvenor {

QImage LogoPadrao();

}  // namespace luvenor
