#pragma once
// The DANFE NFC-e as data. One table holds the 80 mm roll; the 58 mm roll and the A4 sheet are
// that table with its columns fitted to their printable width and its rows and fonts to their
// type size, so the three forms never drift apart.
#include "danfe/FormatoNfce.h"
#include "danfe/LayoutDanfe.h"

namespace luvenor {

struct PapelNfce {
    double LarguraMm;
    double AlturaMm;  // a roll's: the most one continuous page may take
    bool Bobina;
};

const LayoutDanfe& LayoutNfce(FormatoNfce formato);
PapelNfce PapelDoFormato(FormatoNfce formato);

}  // namespace luvenor
