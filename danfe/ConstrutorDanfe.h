#pragma once
// Builds a report form's report from its layout table: the page, the bands in design order, the
// item sub-detail and every control, rectangles first in each band so texts print above them.
#include "danfe/LayoutDanfe.h"
#include "report/RLReport.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace luvenor {

using MapaControles = std::unordered_map<std::string, TRLCustomControl*>;

// The report named "RLReport1"; `controles` receives every band, the sub-detail and every named
// control of the layout (rectangles and lines are numbered "RLDraw1", "RLDraw2", ...).
std::unique_ptr<TRLReport> ConstruirRelatorio(const LayoutDanfe& layout, MapaControles& controles);

// The font of a layout row: "Times New Roman", ANSI, black, the row's height and weight.
TRLFont FonteDoControle(const FonteDanfe& fonte);

}  // namespace luvenor
