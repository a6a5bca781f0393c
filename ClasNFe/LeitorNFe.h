#pragma once
// Internal to the reader: one read of one invoice. Before each step it sets the step message;
// a failing step throws and the caller turns the step message into MsgErro.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/NoXml.h"

#include <string>
#include <string_view>

namespace luvenor {

// Thrown when a mandatory element or attribute is missing; carries nothing, the step message says
// what failed.
struct FaltaObrigatoria {};

class LeitorNFe {
public:
    explicit LeitorNFe(TNotaFiscal& nf) : nf_(nf) {}

    // Reads everything; throws at the first failure, with Passo() naming the step.
    void Ler(NoXml nfeProc, bool incluirMsgVisualizador);
    // The step message of the step running now.
    std::string Passo() const;
    // Whether the read has reached the authorisation protocol, the last step.
    bool NoProtocolo() const { return noProtocolo_; }
    // The step's message when the element was found but its value could not be converted.
    std::string PassoInvalido() const;

private:
    // Envelope and identification (LeitorEnvelope.cpp).
    NoXml LerEnvelope(NoXml nfeProc);
    void LerIdentificacao(NoXml infNFe, const std::string& versao);
    void LerDatasEmissao(NoXml ide);
    void LerReferencias(NoXml ide);
    void LerProtocolo(NoXml nfeProc);

    // Parties (LeitorParticipantes.cpp).
    void LerDestinatario(NoXml infNFe);
    void LerEmitente(NoXml infNFe);
    void LerLocais(NoXml infNFe);
    void LerTransportadora(NoXml transp);

    // Items (LeitorItens.cpp, LeitorImpostos.cpp).
    void LerItens(NoXml infNFe);
    void LerItem(NoXml det, NoXml prod, const std::string& nItem);
    void LerProduto(NoXml prod, TItemNF& item);
    void LerRastro(NoXml prod, TItemNF& item);
    void LerInfAdProd(NoXml det, TItemNF& item);
    void LerImpostos(NoXml det, TItemNF& item);
    void LerIcms(NoXml imposto, TItemNF& item);
    void LerGrupoIcms(NoXml grupo, bool simples, TItemNF& item);
    void LerIpi(NoXml imposto, TItemNF& item);
    void LerIssqn(NoXml imposto, TItemNF& item);
    void LerPisCofins(NoXml imposto, TItemNF& item);

    // Totals, transport, billing, additional information (LeitorTotais.cpp).
    void LerTotais(NoXml infNFe);
    void LerTotaisIcms(NoXml total);
    void LerTotaisIssqn(NoXml total);
    void LerTransporte(NoXml infNFe);
    void LerVeiculo(NoXml transp);
    void LerVolume(NoXml transp);
    void LerCobranca(NoXml infNFe);
    void LerDuplicata(NoXml dup);
    void LerInfAdicionais(NoXml infNFe, bool incluirMsgVisualizador);

    // What only a consumer invoice (model 65) prints: payments, change, QR code (LeitorNfce.cpp).
    void LerDadosNfce(NoXml infNFe);
    void LerPagamentos(NoXml infNFe);
    void LerPagamento(NoXml detPag);
    void LerSuplementar(NoXml infNFe);

    // Step message "Tag <nome> não encontrada." and the lookup of `nome` in `pai`.
    NoXml Buscar(NoXml pai, std::string_view nome);
    // As Buscar, with the given step message.
    NoXml Buscar(NoXml pai, std::string_view nome, std::string_view passo);
    // As Buscar, but a missing element fails the read.
    NoXml Exigir(NoXml pai, std::string_view nome);
    NoXml Exigir(NoXml pai, std::string_view nome, std::string_view passo);

    // Optional element, each after its step message: stored only when present.
    void LerTexto(NoXml pai, std::string_view nome, std::string& destino);
    void LerTextoBruto(NoXml pai, std::string_view nome, std::string& destino);
    void LerDecimal(NoXml pai, std::string_view nome, double& destino);
    void LerDecimalBruto(NoXml pai, std::string_view nome, double& destino);
    void LerDecimalEstrito(NoXml pai, std::string_view nome, double& destino);
    // Mandatory element, text conversion.
    std::string ExigirTexto(NoXml pai, std::string_view nome);

    // The step is kept as the literal it names (an element name or a whole message), so that
    // setting it costs nothing; the message text is only composed when a step fails. Names and
    // messages given here are string literals, which outlive the read.
    void DefinirPasso(std::string_view mensagem) {
        passo_ = mensagem;
        passoTag_ = {};
    }
    void DefinirPassoTag(std::string_view nome) {
        passoTag_ = nome;
        passo_ = {};
    }

    TNotaFiscal& nf_;
    std::string_view passo_;
    std::string_view passoTag_;
    bool noProtocolo_ = false;
};

// Step message of an element: "Tag <nome> não encontrada.".
std::string MensagemTag(std::string_view nome);

// Fills one party entry from its element and gives it its role (Papel*); never throws and never
// touches the step message. The role decides where the address is and what the party needs.
void LerDadosFiscais(TParticipante& entrada, NoXml elemento, std::string_view papel, TNotaFiscal* notaFiscal);

}  // namespace luvenor
