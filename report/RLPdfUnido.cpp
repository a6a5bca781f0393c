#include "report/RLPdfUnido.h"

#include "report/RLPagedOutput.h"
#include "report/RLPdfCairo.h"
#include "report/RLSaidaSegura.h"

namespace luvenor {

TRLPdfUnido::TRLPdfUnido(const std::string& caminho, const std::vector<std::string>& entradas)
    : arquivo_(std::make_unique<TRLSaidaSegura>(caminho, entradas)),
      pdf_(std::make_unique<TRLDispositivoPdf>(arquivo_->Dispositivo())) {
    pdf_->DefinirCriador("Luvenor");
}

// The device goes before the file it writes into; unconfirmed, the temporary file is removed.
TRLPdfUnido::~TRLPdfUnido() {
    pdf_.reset();
}

void TRLPdfUnido::Acrescentar(const TRLGraphicStorage& store, const std::string& marcador) {
    if (store.Count() == 0) return;
    TRLResultadoSaida r;
    try {
        // Each report is a job of its own on the same device: the engine goes on in the same document.
        r = DesenharPaginas(store, *pdf_, TodasAsPaginas(store), ProgressoNulo());
    } catch (const ERLDispositivoRecusou& e) {
        throw ErroAoGravar(arquivo_->Caminho(), e.what());
    }
    if (r.Folhas == 0) return;
    pdf_->AdicionarMarcador(marcador, paginas_ + 1);
    paginas_ += r.Folhas;
    ++documentos_;
}

void TRLPdfUnido::Confirmar() {
    if (paginas_ == 0) throw ErroAoGravar(arquivo_->Caminho(), "não há páginas a gravar");
    const std::string erro = pdf_->Concluir();
    if (!erro.empty()) throw ErroAoGravar(arquivo_->Caminho(), "o PDF não pôde ser gravado: " + erro);
    arquivo_->Confirmar();
}

}  // namespace luvenor
