#pragma once
// luvenor-cli run as a user runs it, for the tests of its commands: what it wrote on stdout and
// stderr and its exit code. The including test defines LUVENOR_CLI, the built tool's path.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace luvenor::teste {

struct Execucao {
    int codigo = -1;
    std::string saida;
    std::string erros;
};

inline std::string Conteudo(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::stringstream texto;
    texto << arquivo.rdbuf();
    return texto.str();
}

// Runs `luvenor-cli ARGUMENTOS` through the shell, its streams into temporary files.
inline Execucao Rodar(const std::string& argumentos) {
    namespace fs = std::filesystem;
    const std::string base =
        (fs::temp_directory_path() / ("luvenor-cli-" + std::to_string(::getpid()))).string();
    const std::string comando =
        std::string("'") + LUVENOR_CLI + "' " + argumentos + " > '" + base + ".out' 2> '" + base + ".err'";
    const int estado = std::system(comando.c_str());
    Execucao e;
    e.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    e.saida = Conteudo(base + ".out");
    e.erros = Conteudo(base + ".err");
    fs::remove(base + ".out");
    fs::remove(base + ".err");
    return e;
}

}  // namespace luvenor::teste
