// Writes every hostile case the tests make into a folder: page files as NAME.rpf, invoices as
// NAME.xml. At the sizes the measurements use, or with --sementes small ones for the fuzzers' seeds.
//   gerar_casos_hostis FOLDER [--sementes]
#include "../ClasNFe/NotasHostis.h"
#include "../report/PaginasHostis.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string NomeDeArquivo(std::string nome) {
    for (char& c : nome)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'))
            c = '_';
    return nome;
}

bool Gravar(const std::filesystem::path& caminho, const std::string& bytes) {
    std::ofstream arquivo(caminho, std::ios::binary);
    arquivo << bytes;
    return static_cast<bool>(arquivo.flush());
}

}  // namespace

int main(int argc, char** argv) {
    const bool sementes = argc == 3 && std::string(argv[2]) == "--sementes";
    if (argc != 2 && !sementes) {
        std::fputs("usage: gerar_casos_hostis FOLDER [--sementes]\n", stderr);
        return 1;
    }
    const std::filesystem::path pasta = argv[1];
    std::filesystem::create_directories(pasta);
    std::ifstream base(LUVENOR_FIXTURES_DIR "/nfe/base-v400.xml", std::ios::binary);
    std::stringstream xml;
    xml << base.rdbuf();
    bool ok = true;
    for (const auto& c : luvenor::teste::hostis::TodosOsCasos(sementes))
        ok = Gravar(pasta / (NomeDeArquivo(c.nome) + ".rpf"), c.bytes) && ok;
    for (const auto& c : luvenor::teste::hostis::TodosOsCasosXml(xml.str(), sementes))
        ok = Gravar(pasta / (NomeDeArquivo(c.nome) + ".xml"), c.xml) && ok;
    return ok ? 0 : 1;
}
