#pragma once
// The headless Qt application of the drawing commands (danfe, render).

namespace luvenor::cli {

// Starts it with the report fonts, warning on stderr when they are missing; Qt's own notes reach
// stderr only when `verbose`.
void IniciarQt(const char* comando, bool verbose);

}  // namespace luvenor::cli
