// libFuzzer target for PDF drawing: any page file the reader accepts is drawn into a PDF in memory
// through the same paged output as luvenor-cli render, so every object reaches Qt's PDF engine at
// a real page size, not only a small image.
#include "report/RLFonts.h"
#include "report/RLPageFile.h"
#include "report/RLPagedOutput.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace luvenor;

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char nome[] = "fuzz_pdf";
    static char* argv[] = {nome, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);  // lives for the whole run
    (void)app;
    RegistrarFontes();
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
