#include "ClasNFe/CarregarNFe.h"

#include "ClasNFe/AnaliseXml.h"
#include "ClasNFe/ArquivosEvento.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "util/LeituraLimitada.h"
#include "util/UString.h"

#include <filesystem>

namespace luvenor {
namespace {

std::string ErroAbertura(const std::string& caminho, const std::string& mensagem) {
    return "Erro ao abrir arquivo " + caminho + " - " + mensagem;
}

NoXml ElementoRaiz(xmlDoc* documento, bool (*aceita)(NoXml)) {
    // The document's top-level nodes: only one of them can be an element.
    for (xmlNode* no = documento->children; no; no = no->next) {
        if (aceita(NoXml(no))) return NoXml(no);
    }
    return NoXml();
}

bool EhNfeProc(NoXml no) {
    if (no.Chamado("nfeProc")) return true;
    // A consumer invoice issued in contingency is printed before it is authorised, from the
    // signed NFe alone; an NF-e's DANFE still needs the distribution file.
    return no.Chamado("NFe") && LimparTexto(no.Filho("infNFe").Filho("ide").Filho("mod").Texto()) == "65";
}

// The events that travel inside the distribution file, beside NFe and protNFe.
void LerEventosInternos(TNotaFiscal& nf, NoXml nfeProc, AvisosEventos& avisos) {
    TColeEventoNF lidos(nullptr);
    LerEventosXml(nfeProc, "nfeProc", lidos);
    AceitarEventos(nf, lidos, avisos);
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
    NoXml nfeProc = ElementoRaiz(analise.documento.get(), EhNfeProc);
    NoXml evento = ElementoRaiz(analise.documento.get(), EhDocumentoEvento);
    if (!nfeProc && evento && leitor.NotaFiscal) {
        resultado.DocumentoEvento = true;
        const std::string origem = std::filesystem::path(caminho).filename().string();
        if (!LerDocumentoEvento(*leitor.NotaFiscal, evento, origem, resultado.Avisos))
            resultado.ErroCarga =
                ErroAbertura(caminho, "Arquivo de evento sem nenhum evento de NF-e com chave.");
        return resultado;
    }
    if (!nfeProc) {
        resultado.ErroCarga =
            "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não encontrada. - ";
        return resultado;
    }
    leitor.LerXmlNfe(nfeProc, incluirMsgVisualizador, resultado.MsgErro);
    if (leitor.NotaFiscal) LerEventosInternos(*leitor.NotaFiscal, nfeProc, resultado.Avisos);
    if (verificacao) *verificacao = VerificarDocumentoNFe(analise.documento.get());
    return resultado;
}

namespace {

ResultadoCarga CarregarComEventos(TXmlNFe& leitor, const std::string& caminho,
                                  const ProcurarEventos& procurar, bool incluirMsgVisualizador,
                                  VerificacaoNFe* verificacao) {
    ResultadoCarga resultado;
    std::string dados;
    resultado.ErroCarga = LerConteudo(caminho, dados);
    if (!resultado.Carregado()) return resultado;
    resultado = CarregarTextoNFe(leitor, dados, caminho, incluirMsgVisualizador, verificacao);
    if (resultado.Carregado() && !resultado.DocumentoEvento && leitor.NotaFiscal) {
        TNotaFiscal& nf = *leitor.NotaFiscal;
        for (const std::string& arquivo : procurar(caminho, TirarEspacos(nf.ChaveNfe)))
            AdicionarArquivoEvento(nf, arquivo, resultado.Avisos, true);
    }
    return resultado;
}

}  // namespace

ResultadoCarga CarregarArquivoNFe(TXmlNFe& leitor, const std::string& caminho, bool incluirMsgVisualizador,
                                  VerificacaoNFe* verificacao) {
    return CarregarComEventos(leitor, caminho, ProcurarArquivosEvento, incluirMsgVisualizador, verificacao);
}

ResultadoCarga CarregarArquivoNFe(TXmlNFe& leitor, const std::string& caminho,
                                  const ProcurarEventos& procurar, bool incluirMsgVisualizador) {
    return CarregarComEventos(leitor, caminho, procurar, incluirMsgVisualizador, nullptr);
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
