#include "cli/Comandos.h"

#include <cstdio>

namespace luvenor::cli {

// Placeholder until the read command is built.
int ComandoLer(int, char**)
{
    std::fprintf(stderr, "luvenor-cli read: not available in this build\n");
    return 1;
}

}  // namespace luvenor::cli
