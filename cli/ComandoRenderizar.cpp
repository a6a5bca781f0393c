#include "cli/Comandos.h"

#include <cstdio>

namespace luvenor::cli {

// Placeholder until the render command is built.
int ComandoRenderizar(int, char**)
{
    std::fprintf(stderr, "luvenor-cli render: not available in this build\n");
    return 1;
}

}  // namespace luvenor::cli
