#include "ClasNFe/CarregarNFe.h"

#include "ClasNFe/AnaliseXml.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "util/LeituraLimitada.h"
#include "util/UString.h"

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

// The bytes of the file at `caminho`; returns the message the user sees when they cannot be had.
// A FIFO or a piped /dev/stdin is read like a file, up to the same size.
std::string LerConteudo(const std::string& caminho, std::string& dados) {
    if (Vazio(caminho)) return "Informe o arquivo XML.";
    std::string motivo;
    switch (LerArquivoLimitado(caminho, TamanhoMaximoXml, dados, motivo)) {
        case ResultadoLeitura::Lido:
            return {};
        case ResultadoLeitura::NaoEncontrado:
        case ResultadoLeitura::Pasta:
            return "Arquivo XML não encontrado.";
        case ResultadoLeitura::Grande:
            return ErroAbertura(caminho, MensagemTamanhoMaximo);
        case ResultadoLeitura::Falhou:
            break;
    }
    return ErroAbertura(caminho, "Não foi possível ler o arquivo: " + motivo + ".");
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
