#pragma once
// Prepared pages to files: a PDF with real, selectable text (every page on its own sheet, from the
// store's paper), or one PNG per page at a chosen resolution. A file appears only when complete.
#include "report/RLGraphics.h"
#include "report/RLProgress.h"

#include <string>
#include <vector>

namespace luvenor {

// Writes every page to a PDF at `path` through the paged output; an existing file is replaced only
// when the new one is complete (TRLSaidaSegura). Throws std::runtime_error ("Não foi possível
// gravar ...") when the file cannot be written, is one of `entradas` or the store has no page, or
// with text 106 when the user cancels.
void ExportarPdf(const TRLGraphicStorage& store, const std::string& path,
                 TRLProgress& progress = ProgressoNulo(), const std::vector<std::string>& entradas = {});

// The file name of page `pageNumber` (1-based) for an export named `path`:
// "out.png" -> "out-1.png", "dir/danfe" -> "dir/danfe-1".
std::string NomeDoArquivoDaPagina(const std::string& path, int pageNumber);

// Writes page i as NomeDoArquivoDaPagina(path, i + 1) in PNG at `dpi` (10 to 600) and returns
// the names written. The pages appear together once the last one is done: a write failure, a page
// too large for the resolution or a cancel throws std::runtime_error and leaves none of them (and
// older files of those names as they were).
std::vector<std::string> ExportarPng(const TRLGraphicStorage& store, const std::string& path, int dpi,
                                     TRLProgress& progress = ProgressoNulo(),
                                     const std::vector<std::string>& entradas = {});

}  // namespace luvenor
