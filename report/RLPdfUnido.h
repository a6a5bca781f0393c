#pragma once
// Many prepared reports in one PDF, one after another, each on its own sheets (portrait, landscape
// and roll pages may follow each other) and each with a bookmark at its first page. The reports
// are drawn as they come, so only the one being added needs to be in memory; the fonts are
// subset once for the whole file. The file appears only when Confirmar succeeds.
#include "report/RLGraphics.h"

#include <memory>
#include <string>
#include <vector>

namespace luvenor {

class TRLSaidaSegura;
class TRLDispositivoPdf;

class TRLPdfUnido {
public:
    // Throws std::runtime_error ("Não foi possível gravar ...") as TRLSaidaSegura does.
    explicit TRLPdfUnido(const std::string& caminho, const std::vector<std::string>& entradas = {});
    ~TRLPdfUnido();
    TRLPdfUnido(const TRLPdfUnido&) = delete;
    TRLPdfUnido& operator=(const TRLPdfUnido&) = delete;

    // Draws every page of `store` after the pages already added, under a bookmark titled `marcador`
    // (UTF-8). Throws std::runtime_error when the device refuses a page.
    void Acrescentar(const TRLGraphicStorage& store, const std::string& marcador);
    // Ends the document and puts the file in place; throws when nothing was added or it fails.
    void Confirmar();

    int Paginas() const { return paginas_; }
    int Documentos() const { return documentos_; }

private:
    std::unique_ptr<TRLSaidaSegura> arquivo_;
    std::unique_ptr<TRLDispositivoPdf> pdf_;
    int paginas_ = 0;
    int documentos_ = 0;
};

}  // namespace luvenor
