#pragma once
// A word wider than its memo would run past the memo's edge, over the next column or off the
// paper; broken at the memo's width instead, none of it is lost.
#include "report/RLControl.h"

#include <string>

namespace luvenor {

// The text with a line break inserted inside every word wider than `largura` pixels in `fonte`,
// so that each piece fits; blanks, line breaks and shorter words are kept as they are.
std::string PartirPalavrasLongas(const std::string& texto, const TRLFont& fonte, int largura);

}  // namespace luvenor
