#include "ClasNFe/CarregarNFe.h"

#include "ClasNFe/AnaliseXml.h"
#include "util/UString.h"

#include <filesystem>
#include <fstream>

namespace luvenor {
namespace {

std::string ErroAbertura(const std::string& caminho, const std::string& mensagem) {
    return "Erro ao abrir arquivo " + caminho + " - " + mensagem;
}

NoXml ElementoNfeProc(xmlDoc* documento) {
    // The document's top-level nodes: only one of them can be an element.
    for (xmlNode* no = documento->children; no; no = no->next) {
        if (NoXml(no).Chamado("nfeProc")) return NoXml(no);
    }
    return NoXml();
}

}  // namespace

ResultadoCarga CarregarTextoNFe(TXmlNFe& leitor, std::string_view dados, const std::string& caminho,
                                bool incluirMsgVisualizador) {
    ResultadoCarga resultado;
    AnaliseXml analise = AnalisarXml(dados, caminho);
    if (!analise.documento) {
        resultado.ErroCarga = ErroAbertura(caminho, analise.erro);
        return resultado;
    }
    NoXml nfeProc = ElementoNfeProc(analise.documento.get());
    if (!nfeProc) {
        resultado.ErroCarga =
            "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não encontrada. - ";
        return resultado;
    }
    leitor.LerXmlNfe(nfeProc, incluirMsgVisualizador, resultado.MsgErro);
    return resultado;
}

ResultadoCarga CarregarArquivoNFe(TXmlNFe& leitor, const std::string& caminho, bool incluirMsgVisualizador) {
    ResultadoCarga resultado;
    if (Vazio(caminho)) {
        resultado.ErroCarga = "Informe o arquivo XML.";
        return resultado;
    }
    std::error_code erro;
    if (!std::filesystem::is_regular_file(caminho, erro)) {
        resultado.ErroCarga = "Arquivo XML não encontrado.";
        return resultado;
    }
    // The size is checked before anything is read, so a huge file costs nothing.
    auto tamanho = std::filesystem::file_size(caminho, erro);
    if (!erro && tamanho > TamanhoMaximoXml) {
        resultado.ErroCarga = ErroAbertura(caminho, MensagemTamanhoMaximo);
        return resultado;
    }
    std::ifstream arquivo(caminho, std::ios::binary);
    std::string dados;
    if (arquivo && !erro) {
        dados.resize(tamanho);
        arquivo.read(dados.data(), static_cast<std::streamsize>(tamanho));
    }
    if (erro || !arquivo || arquivo.gcount() != static_cast<std::streamsize>(tamanho)) {
        resultado.ErroCarga = ErroAbertura(caminho, "Não foi possível ler o arquivo.");
        return resultado;
    }
    return CarregarTextoNFe(leitor, dados, caminho, incluirMsgVisualizador);
}

}  // namespace luvenor
