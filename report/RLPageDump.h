#pragma once
// Prepared pages as text, one line per drawing object in drawing order, so that two preparations
// of a report can be compared with a plain diff. Every line starts with the object's kind and its
// box (left,top widthxheight); the fields after it come in a fixed order and are named briefly:
//
//   Text 33,36 41x8 font="Times New Roman",7 color=000000 align=Left,Top at=33,36 flags=Unbreakable "..."
//   Rectangle 30,30 563x33 pen=000000,psSolid,1 brush=FFFFFF,bsClear
//   Image 475,45 280x35 picture=BMP,560x70 sha1=1a2b3c4d5e6f
//
// Texts are shown as they are drawn, with the page's and the store's macros completed. Nothing
// that changes from run to run or machine to machine is shown: no addresses, no temporary names,
// no group numbers (they shift with every control added before), and not the store's JobTitle,
// which names the running program's file.
#include "report/RLGraphics.h"

#include <functional>
#include <string>
#include <string_view>

namespace luvenor {

// One drawing object as one line, without the line break; `pageMacros` and `storeMacros`
// complete the text of a text object.
std::string DescreverObjeto(const TRLGraphicObject& object, const TRLMacros& pageMacros,
                            const TRLMacros& storeMacros);

// A page: its size and macros on a first line, then one line per object, each ending in "\n".
std::string DescreverPagina(const TRLGraphicSurface& page, const TRLMacros& storeMacros);

// The whole store: a line of its macros, then every page, each opened by a line that names the
// page and the page count.
std::string DescreverPaginas(const TRLGraphicStorage& store);
// The same handed on in parts (the macros' line, then each page), so that a long report is never
// held as one text; stops at the first part `parte` refuses, and then returns false.
bool DescreverPaginas(const TRLGraphicStorage& store, const std::function<bool(std::string_view)>& parte);

}  // namespace luvenor
