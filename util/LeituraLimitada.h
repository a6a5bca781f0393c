#pragma once
// Reading a whole input file with a size limit, whatever kind of file the path names: a regular
// file, a FIFO, a pipe given as /dev/stdin or a device. A FIFO is opened without waiting for a
// writer (a FIFO nobody writes to reads as empty at once instead of hanging the program) and then
// read until its writer closes it; a device such as /dev/zero stops at the limit.
#include <cstddef>
#include <string>

namespace luvenor {

enum class ResultadoLeitura {
    Lido,           // `dados` holds the whole file
    NaoEncontrado,  // nothing at that path
    Pasta,          // the path names a folder
    Grande,         // more than the limit's bytes: nothing kept
    Falhou,         // the system refused to open or read it; `motivo` says why
};

// Reads the file at `caminho` into `dados` (emptied first), at most `limite` bytes.
ResultadoLeitura LerArquivoLimitado(const std::string& caminho, size_t limite, std::string& dados,
                                    std::string& motivo);

}  // namespace luvenor
