// libFuzzer target for the prepared-page file reader: any input is either refused with an
// ERLPageFileError or read into pages that write and read back unchanged and draw without harm.
#include "fuzz/FuzzGrafico.h"
#include "report/RLPageFile.h"
#include "report/RLPagePainter.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace luvenor;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    IniciarFuzzGrafico("fuzz_pagefile");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TRLMacros macros;
    try {
        LerArquivoPaginas(bytes, macros, [&](TRLGraphicSurface&& page) {
            // Whatever was accepted must survive its own stored form.
            if (LerPagina(EscreverPagina(page), 1) != page) std::abort();
            QImage imagem(60, 85, QImage::Format_RGB32);
            imagem.fill(Qt::white);
            QPainter painter(&imagem);
            DesenharPagina(page, macros, painter, QRectF(0, 0, 60, 85));
        });
    } catch (const ERLPageFileError&) {
    }
    return 0;
}
