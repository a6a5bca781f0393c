#pragma once
// The papers a consumer invoice's DANFE prints on.
namespace luvenor {

enum class FormatoNfce {
    Bobina80,  // thermal roll 80 mm wide: the usual one
    Bobina58,  // thermal roll 58 mm wide
    A4,        // an A4 sheet, for a user without a roll printer
};

}  // namespace luvenor
