// libFuzzer target for the prepared-page file reader: any input is either refused with an
// ERLPageFileError or read into pages that write and read back unchanged and draw without harm.
#include "report/RLFonts.h"
#include "report/RLPageFile.h"
#include "report/RLPagePainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace luvenor;

// fontconfig keeps its caches until exit; LeakSanitizer would report them as a finding.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Hostile pictures and fonts make Qt warn on every run; the warnings only slow the fuzzer.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char nome[] = "fuzz_pagefile";
    static char* argv[] = {nome, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);  // lives for the whole run
    (void)app;
    RegistrarFontes();
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
