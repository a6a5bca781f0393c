#pragma once
// What every fuzz target that draws pages needs once per run: a headless Qt application that lives
// as long as the fuzzer, Qt's warnings silenced, our fonts registered, and fontconfig's caches kept
// out of the leak report. Included by exactly one source of each target.
#include "report/RLFonts.h"

#include <QGuiApplication>

#include <cstdlib>

// fontconfig keeps its caches until exit; LeakSanitizer would report them as a finding.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace luvenor {

inline void IniciarFuzzGrafico(const char* nomeDoAlvo) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Hostile pictures and fonts make Qt warn on every run; the warnings only slow the fuzzer.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(nomeDoAlvo), nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);  // lives for the whole run
    (void)app;
    RegistrarFontes();
}

}  // namespace luvenor
