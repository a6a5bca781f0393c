// Writes every hostile case the tests make, at the sizes the measurements use, into a folder:
// page files as NAME.rpf, invoices as NAME.xml. The fuzzers take them as seeds.
//   gerar_casos_hostis FOLDER
#include "../ClasNFe/NotasHostis.h"
#include "../report/PaginasHostis.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string NomeDeArquivo(std::string nome) {
    for (char& c : nome)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')) c = '_';
    return nome;
}

bool Gravar(const std::filesystem::path& caminho, const std::string& bytes) {
    std::ofstream arquivo(caminho, std::ios::binary);
    arquivo << bytes;
    return static_cast<bool>(arquivo.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: gerar_casos_hostis FOLDER\n", stderr);
        return 1;
    }
    const std::filesystem::path pasta = argv[1];
    std::filesystem::create_directories(pasta);
    std::ifstream base(LUVENOR_FIXTURES_DIR "/nfe/base-v400.xml", std::ios::binary);
    std::stringstream xml;
    xml << base.rdbuf();
    bool ok = true;
    for (const auto& c : luvenor::teste::hostis::TodosOsCasos())
        ok = Gravar(pasta / (NomeDeArquivo(c.nome) + ".rpf"), c.bytes) && ok;
    for (const auto& c : luvenor::teste::hostis::TodosOsCasosXml(xml.str()))
        ok = Gravar(pasta / (NomeDeArquivo(c.nome) + ".xml"), c.xml) && ok;
    return ok ? 0 : 1;
}
