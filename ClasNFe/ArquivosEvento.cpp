#include "ClasNFe/ArquivosEvento.h"

#include "ClasNFe/AnaliseXml.h"
#include "util/UString.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace luvenor {
namespace {

bool ChaveValida(const std::string& chave) {
    return chave.size() == 44 &&
           std::all_of(chave.begin(), chave.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ExtensaoXml(const fs::path& nome) {
    std::string extensao = nome.extension().string();
    for (char& c : extensao)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extensao == ".xml";
}

// The bytes of an event file, or why they cannot be had.
std::string LerArquivo(const std::string& caminho, std::string& dados) {
    std::error_code erro;
    if (!fs::is_regular_file(caminho, erro)) return "arquivo não encontrado";
    const auto tamanho = fs::file_size(caminho, erro);
    if (erro) return "não foi possível ler o arquivo";
    if (tamanho > TamanhoMaximoEvento) return "arquivo maior que 1 MB, não é um evento";
    std::ifstream arquivo(caminho, std::ios::binary);
    dados.resize(tamanho);
    if (!arquivo.read(dados.data(), static_cast<std::streamsize>(tamanho)))
        return "não foi possível ler o arquivo";
    return {};
}

NoXml Raiz(xmlDoc* documento) {
    for (xmlNode* no = documento->children; no; no = no->next)
        if (no->type == XML_ELEMENT_NODE) return NoXml(no);
    return NoXml();
}

}  // namespace

std::vector<std::string> ProcurarArquivosEvento(const std::string& caminhoNota, const std::string& chave) {
    std::vector<std::string> achados;
    if (!ChaveValida(chave)) return achados;
    const fs::path nota(caminhoNota);
    const fs::path pasta = nota.has_parent_path() ? nota.parent_path() : fs::path(".");
    std::error_code erro;
    for (fs::directory_iterator it(pasta, erro), fim; !erro && it != fim; it.increment(erro)) {
        // The key is looked for in the name's own bytes first: in a large folder almost every
        // entry ends here, with nothing built for it.
        const std::string& caminho = it->path().native();
        const size_t barra = caminho.rfind('/');
        if (caminho.find(chave, barra == std::string::npos ? 0 : barra + 1) == std::string::npos) continue;
        const fs::path nome = it->path().filename();
        if (nome == nota.filename() || !ExtensaoXml(nome)) continue;
        // Only now, for the few names that hold the key, is the entry's kind asked.
        std::error_code tipo;
        if (!it->is_regular_file(tipo)) continue;
        achados.push_back(it->path().string());
    }
    std::sort(achados.begin(), achados.end());
    return achados;
}

void AdicionarArquivoEvento(TNotaFiscal& nf, const std::string& caminho, AvisosEventos& avisos,
                            bool somenteEventos) {
    std::string dados;
    std::string erro = LerArquivo(caminho, dados);
    AnaliseXml analise;
    if (erro.empty()) {
        analise = AnalisarXml(dados, caminho);
        if (!analise.documento) erro = analise.erro;
    }
    if (!erro.empty()) {
        avisos.push_back("arquivo de evento " + caminho + " ignorado: " + erro);
        return;
    }
    NoXml raiz = Raiz(analise.documento.get());
    if (!EhDocumentoEvento(raiz)) {
        if (!somenteEventos)
            avisos.push_back("arquivo de evento " + caminho + " ignorado: <" + std::string(raiz.Nome()) +
                             "> não é um evento de NF-e");
        return;
    }
    TColeEventoNF lidos(nullptr);
    LerEventosXml(raiz, fs::path(caminho).filename().string(), lidos);
    if (lidos.Count() == 0)
        avisos.push_back("arquivo de evento " + caminho + " ignorado: nenhum evento nele");
    AceitarEventos(nf, lidos, avisos);
}

}  // namespace luvenor
