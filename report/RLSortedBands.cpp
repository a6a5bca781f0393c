#include "report/RLSortedBands.h"

#include "report/RLControl.h"

namespace luvenor {

void TRLSortedBands::Clear() {
    for (auto& l : lists_) l.clear();
    printed_.fill(false);
}

void TRLSortedBands::Add(TRLBandType type, TRLCustomControl* control) {
    auto& lista = lists_[Indice(type)];
    auto pos = lista.begin();
    while (pos != lista.end() && (*pos)->Top <= control->Top) ++pos;
    lista.insert(pos, control);
}

void TRLSortedBands::ClearPrinted(bool includingTitle) {
    for (int i = 0; i < kTiposDeBanda; ++i)
        if (includingTitle || static_cast<TRLBandType>(i) != TRLBandType::btTitle)
            printed_[static_cast<size_t>(i)] = false;
}

}  // namespace luvenor
