#pragma once
// The subcommands of luvenor-cli. Each takes the arguments after its own name and returns the
// process exit code.

namespace luvenor::cli {

int ComandoLer(int argc, char** argv);         // luvenor-cli read
int ComandoRenderizar(int argc, char** argv);  // luvenor-cli render

}  // namespace luvenor::cli
