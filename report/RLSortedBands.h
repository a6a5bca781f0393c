#pragma once
// The seven band lists of a pager, one per band type, each in ascending designed Top, with the flag
// telling whether the list has printed on the current page.
#include <array>
#include <cstddef>
#include <vector>

namespace luvenor {

class TRLCustomControl;

enum class TRLBandType { btHeader, btTitle, btColumnHeader, btDetail, btColumnFooter, btSummary, btFooter };
constexpr int kTiposDeBanda = 7;

class TRLSortedBands {
public:
    void Clear();
    // Inserts before the first entry whose Top is greater, so equal Tops keep creation order.
    void Add(TRLBandType type, TRLCustomControl* control);

    const std::vector<TRLCustomControl*>& List(TRLBandType type) const { return lists_[Indice(type)]; }
    bool Printed(TRLBandType type) const { return printed_[Indice(type)]; }
    void SetPrinted(TRLBandType type, bool value) { printed_[Indice(type)] = value; }
    void ClearPrinted(bool includingTitle);

private:
    static std::size_t Indice(TRLBandType t) { return static_cast<std::size_t>(t); }

    std::array<std::vector<TRLCustomControl*>, kTiposDeBanda> lists_;
    std::array<bool, kTiposDeBanda> printed_{};
};

}  // namespace luvenor
