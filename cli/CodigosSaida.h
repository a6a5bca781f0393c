#pragma once
// The exit codes of every luvenor-cli command. When one run handles several files, it exits with
// the highest code of them.

namespace luvenor::cli {

inline constexpr int SaidaOk = 0;
inline constexpr int SaidaUso = 1;                  // wrong usage: the command's help follows on stderr
inline constexpr int SaidaNaoCarregada = 2;         // an input file could not be loaded
inline constexpr int SaidaLeituraInterrompida = 3;  // an NF-e read stopped early at a missing element
inline constexpr int SaidaNaoGravada = 4;           // the output could not be prepared or written
inline constexpr int SaidaNaoVerificada =
    5;  // verify, danfe --exigir-assinatura: not the signed, authorised file

}  // namespace luvenor::cli
