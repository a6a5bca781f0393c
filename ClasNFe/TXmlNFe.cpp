#include "ClasNFe/TXmlNFe.h"

#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/LeitorNFe.h"
#include "util/Erros.h"

namespace luvenor {

void TXmlNFe::LerXmlNfe(NoXml no, bool IncluirMsgVisualizador, std::string& MsgErro) {
    MsgErro.clear();
    if (!NotaFiscal) {
        MsgErro = "Nota fiscal não informada.";
        return;
    }
    LeitorNFe leitor(*NotaFiscal);
    try {
        leitor.Ler(no, IncluirMsgVisualizador);
    } catch (const EConvertError&) {
        // The element is there: its value is what is wrong.
        MsgErro = leitor.PassoInvalido();
    } catch (...) {
        // Whatever went wrong, the step that was running names it; what was read stays.
        MsgErro = leitor.Passo();
        NotaFiscal->LeituraInterrompida = MsgErro;
        NotaFiscal->SemProtocolo = leitor.NoProtocolo();
    }
}

std::string MensagemTag(std::string_view nome) {
    std::string msg = "Tag <";
    msg += nome;
    msg += "> não encontrada.";
    return msg;
}

void LeitorNFe::Ler(NoXml nfeProc, bool incluirMsgVisualizador) {
    DefinirPasso({});
    nf_.Limpar();
    NoXml infNFe = LerEnvelope(nfeProc);
    LerDestinatario(infNFe);
    LerEmitente(infNFe);
    LerLocais(infNFe);
    LerItens(infNFe);
    LerTotais(infNFe);
    LerTransporte(infNFe);
    LerCobranca(infNFe);
    LerInfAdicionais(infNFe, incluirMsgVisualizador);
    if (EhNfce(nf_)) LerDadosNfce(infNFe);
    LerProtocolo(nfeProc);
}

std::string LeitorNFe::Passo() const {
    return passoTag_.empty() ? std::string(passo_) : MensagemTag(passoTag_);
}

std::string LeitorNFe::PassoInvalido() const {
    if (passoTag_.empty()) return std::string(passo_);
    return "Tag <" + std::string(passoTag_) + "> com valor inválido.";
}

NoXml LeitorNFe::Buscar(NoXml pai, std::string_view nome) {
    DefinirPassoTag(nome);
    return pai.Filho(nome);
}

NoXml LeitorNFe::Buscar(NoXml pai, std::string_view nome, std::string_view passo) {
    DefinirPasso(passo);
    return pai.Filho(nome);
}

NoXml LeitorNFe::Exigir(NoXml pai, std::string_view nome) {
    NoXml no = Buscar(pai, nome);
    if (!no) throw FaltaObrigatoria();
    return no;
}

NoXml LeitorNFe::Exigir(NoXml pai, std::string_view nome, std::string_view passo) {
    NoXml no = Buscar(pai, nome, passo);
    if (!no) throw FaltaObrigatoria();
    return no;
}

std::string LeitorNFe::ExigirTexto(NoXml pai, std::string_view nome) {
    return ConverterTexto(Exigir(pai, nome));
}

void LeitorNFe::LerTexto(NoXml pai, std::string_view nome, std::string& destino) {
    if (NoXml no = Buscar(pai, nome)) destino = ConverterTexto(no);
}

void LeitorNFe::LerTextoBruto(NoXml pai, std::string_view nome, std::string& destino) {
    if (NoXml no = Buscar(pai, nome)) destino = no.Texto();
}

void LeitorNFe::LerDecimal(NoXml pai, std::string_view nome, double& destino) {
    if (NoXml no = Buscar(pai, nome)) destino = ConverterDecimal(ConverterTexto(no), nome);
}

void LeitorNFe::LerDecimalBruto(NoXml pai, std::string_view nome, double& destino) {
    if (NoXml no = Buscar(pai, nome)) destino = ConverterDecimal(no.Texto(), nome);
}

void LeitorNFe::LerDecimalEstrito(NoXml pai, std::string_view nome, double& destino) {
    if (NoXml no = Buscar(pai, nome)) destino = ConverterDecimalEstrito(ConverterTexto(no));
}

}  // namespace luvenor
