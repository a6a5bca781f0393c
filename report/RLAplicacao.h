#pragma once
// The Qt GUI application that measuring and drawing text need, started once per process by every
// program, test and benchmark that prepares or draws pages.

namespace luvenor {

// Starts the application when none exists: on the offscreen platform when there is no display,
// kept alive until the process ends (tearing Qt down among the static destructors crashes its font
// cache), with "Times New Roman" registered. Returns false when the font files could not be loaded.
bool IniciarAplicacaoGrafica(const char* nomePrograma);

}  // namespace luvenor
