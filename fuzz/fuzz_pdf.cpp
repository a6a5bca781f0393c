// libFuzzer target for PDF drawing: any page file the reader accepts is drawn into a PDF in memory
// through the same paged output as luvenor-cli render, so every object reaches the PDF writer at
// a real page size, not only a small image.
#include "fuzz/FuzzGrafico.h"
#include "report/RLPageFile.h"
#include "report/RLPagedOutput.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace luvenor;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    IniciarFuzzGrafico("fuzz_pdf");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TRLGraphicStorage store;
    try {
        LerArquivoPaginas(std::string_view(reinterpret_cast<const char*>(data), size), store);
    } catch (const ERLPageFileError&) {
        return 0;
    }
    if (store.Count() == 0) return 0;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    try {
        GravarPdf(store, pdf, TodasAsPaginas(store), ProgressoNulo());
    } catch (const ERLDispositivoRecusou&) {
        return 0;
    }
    // Whatever was drawn, the device holds a PDF.
    if (!pdf.data().startsWith("%PDF")) std::abort();
    return 0;
}
