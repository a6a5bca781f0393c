#pragma once
// luvenor-cli pages: the prepared pages of a DANFE or of a saved page file as text.

namespace luvenor::cli {

int ComandoPaginas(int argc, char** argv);

}  // namespace luvenor::cli
