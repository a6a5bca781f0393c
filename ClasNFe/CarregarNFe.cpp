#include "ClasNFe/CarregarNFe.h"

#include "ClasNFe/AnaliseXml.h"
#include "ClasNFe/VerificacaoNFe.h"
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
        const NoXml elemento(no);
        if (elemento.Chamado("nfeProc")) return elemento;
        // A consumer invoice issued in contingency is printed before it is authorised, from the
        // signed NFe alone; an NF-e's DANFE still needs the distribution file.
        if (elemento.Chamado("NFe") &&
            LimparTexto(elemento.Filho("infNFe").Filho("ide").Filho("mod").Texto()) == "65")
            return elemento;
    }
    return NoXml();
}

// The bytes of the file at `caminho`; returns the message the user sees when they cannot be had.
std::string LerConteudo(const std::string& caminho, std::string& dados) {
    if (Vazio(caminho)) return "Informe o arquivo XML.";
    std::error_code erro;
    if (!std::filesystem::is_regular_file(caminho, erro)) return "Arquivo XML não encontrado.";
    // The size is checked before anything is read, so a huge file costs nothing.
    auto tamanho = std::filesystem::file_size(caminho, erro);
    if (!erro && tamanho > TamanhoMaximoXml) return ErroAbertura(caminho, MensagemTamanhoMaximo);
    std::ifstream arquivo(caminho, std::ios::binary);
    if (arquivo && !erro) {
        dados.resize(tamanho);
        arquivo.read(dados.data(), static_cast<std::streamsize>(tamanho));
    }
    if (erro || !arquivo || arquivo.gcount() != static_cast<std::streamsize>(tamanho))
        return ErroAbertura(caminho, "Não foi possível ler o arquivo.");
    return {};
}

}  // namespace

ResultadoCarga CarregarTextoNFe(TXmlNFe& leitor, std::string_view dados, const std::string& caminho,
                                bool incluirMsgVisualizador, VerificacaoNFe* verificacao) {
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
    if (verificacao) *verificacao = VerificarDocumentoNFe(analise.documento.get());
    return resultado;
}

ResultadoCarga CarregarArquivoNFe(TXmlNFe& leitor, const std::string& caminho, bool incluirMsgVisualizador,
                                  VerificacaoNFe* verificacao) {
    ResultadoCarga resultado;
    std::string dados;
    resultado.ErroCarga = LerConteudo(caminho, dados);
    if (!resultado.Carregado()) return resultado;
    return CarregarTextoNFe(leitor, dados, caminho, incluirMsgVisualizador, verificacao);
}

DocumentoXml AbrirDocumentoXml(const std::string& caminho, std::string& erro) {
    std::string dados;
    erro = LerConteudo(caminho, dados);
    if (!erro.empty()) return nullptr;
    AnaliseXml analise = AnalisarXml(dados, caminho);
    if (!analise.documento) erro = ErroAbertura(caminho, analise.erro);
    return std::move(analise.documento);
}

}  // namespace luvenor
