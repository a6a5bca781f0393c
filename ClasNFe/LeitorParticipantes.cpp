// The parties: recipient and issuer (mandatory, with their tax numbers), the pick-up and delivery
// places and the carrier (optional), and the shared filling of one party entry.
#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/LeitorNFe.h"
#include "util/UString.h"
#include "util/Utf8.h"

namespace luvenor {
namespace {

constexpr int MaximoRua = 50;

// The party's tax number element: CNPJ, else CPF; a foreign recipient of an export invoice has
// neither and is named by idEstrangeiro instead.
NoXml NumeroFiscal(NoXml elemento, bool aceitaEstrangeiro) {
    if (NoXml cnpj = elemento.Filho("CNPJ")) return cnpj;
    if (NoXml cpf = elemento.Filho("CPF")) return cpf;
    return aceitaEstrangeiro ? elemento.Filho("idEstrangeiro") : NoXml();
}

void LerOpcional(NoXml pai, std::string_view nome, std::string& destino) {
    if (NoXml no = pai.Filho(nome)) destino = ConverterTexto(no);
}

// A street longer than the street box goes on in the complement, in front of what was there.
void DividirRuaLonga(TParticipante& entrada) {
    std::string rua = TirarEspacos(entrada.Endereco);
    if (ContarCaracteres(rua) <= MaximoRua) return;
    size_t corte = OffsetDoCaractere(rua, MaximoRua);
    std::string complemento = rua.substr(corte);
    if (!Vazio(entrada.Complemento)) complemento += ' ';
    entrada.Complemento = complemento + entrada.Complemento;
    entrada.Endereco = rua.substr(0, corte);
}

// Where a party keeps its address and which of its elements it cannot do without. The issuer and
// the recipient stop at a missing tax number, name or address group; the carrier and the places
// have every element optional, so whatever they hold is read.
struct FormaParticipante {
    bool obrigatorios;
    std::string_view grupoEndereco;  // empty: the address is in the element itself
    std::string_view rua;
};

FormaParticipante FormaDe(std::string_view papel) {
    if (papel == PapelEmitente) return {true, "enderEmit", "xLgr"};
    if (papel == PapelDestinatario) return {true, "enderDest", "xLgr"};
    if (papel == PapelTransportadora) return {false, {}, "xEnder"};
    return {false, {}, "xLgr"};
}

void LerEndereco(TParticipante& entrada, NoXml elemento, const FormaParticipante& forma) {
    NoXml endereco = elemento;
    if (!forma.grupoEndereco.empty()) {
        endereco = elemento.Filho(forma.grupoEndereco);
        if (!endereco) throw FaltaObrigatoria();
    }
    LerOpcional(endereco, forma.rua, entrada.Endereco);
    // As written: "77-B" and "S/N" are street numbers too.
    LerOpcional(endereco, "nro", entrada.Numero);
    LerOpcional(endereco, "xCpl", entrada.Complemento);
    DividirRuaLonga(entrada);

    LerOpcional(endereco, "xBairro", entrada.Bairro);
    LerOpcional(endereco, "cMun", entrada.CodMunicipio);
    LerOpcional(endereco, "xMun", entrada.Cidade);
    LerOpcional(endereco, "UF", entrada.Estado);
    LerOpcional(endereco, "CEP", entrada.Cep);
    LerOpcional(endereco, "cPais", entrada.CodPais);
    LerOpcional(endereco, "xPais", entrada.Pais);
    LerOpcional(endereco, "fone", entrada.Fone);
}

}  // namespace

void LerDadosFiscais(TParticipante& entrada, NoXml elemento, std::string_view papel,
                     TNotaFiscal* notaFiscal) {
    entrada.Limpar();
    entrada.Papel = papel;
    if (!elemento) return;
    const FormaParticipante forma = FormaDe(papel);
    // A party that breaks off keeps what was read; the invoice goes on either way.
    try {
        if (NoXml numero = NumeroFiscal(elemento, papel == PapelDestinatario))
            entrada.Cnpj = ConverterTexto(numero);
        else if (forma.obrigatorios)
            return;
        if (NoXml nome = elemento.Filho("xNome"))
            entrada.Razao = ConverterTexto(nome);
        else if (forma.obrigatorios)
            return;
        LerOpcional(elemento, "xFant", entrada.Fantasia);
        LerEndereco(entrada, elemento, forma);
        LerOpcional(elemento, "IE", entrada.InscrEst);
        LerOpcional(elemento, "ISUF", entrada.Suframa);
        LerOpcional(elemento, "IM", entrada.InscrMun);
        if (notaFiscal) LerOpcional(elemento, "CRT", notaFiscal->CRT);
        LerOpcional(elemento, "email", entrada.Email);
    } catch (...) {
    }
}

void LeitorNFe::LerDestinatario(NoXml infNFe) {
    // A consumer invoice may name nobody, or a consumer by tax number alone: it is complete so.
    if (EhNfce(nf_)) {
        NoXml dest = Buscar(infNFe, "dest");
        if (!dest) return;
        if (NoXml numero = NumeroFiscal(dest, true)) {
            nf_.Cnpj = ConverterTexto(numero);
            nf_.ConsumidorEstrangeiro = numero.Chamado("idEstrangeiro");
        }
        TParticipante* entrada = nf_.Participantes.Add();
        LerDadosFiscais(*entrada, dest, PapelDestinatario, &nf_);
        entrada->Cnpj = nf_.Cnpj;
        return;
    }
    NoXml dest = Exigir(infNFe, "dest");
    DefinirPasso("Tag <dest> <CNPJ> ou <CPF> não encontrada.");
    NoXml numero = NumeroFiscal(dest, true);
    if (!numero) throw FaltaObrigatoria();
    nf_.Cnpj = ConverterTexto(numero);
    TParticipante* entrada = nf_.Participantes.Add();
    entrada->Cnpj = nf_.Cnpj;
    LerDadosFiscais(*entrada, dest, PapelDestinatario, &nf_);
}

void LeitorNFe::LerEmitente(NoXml infNFe) {
    NoXml emit = Exigir(infNFe, "emit");
    DefinirPasso("Tag <emit> <CNPJ> ou <CPF> não encontrada.");
    NoXml numero = NumeroFiscal(emit, false);
    if (!numero) throw FaltaObrigatoria();
    nf_.CnpjFili = ConverterTexto(numero);
    TParticipante* entrada = nf_.Participantes.Add();
    entrada->Cnpj = nf_.CnpjFili;
    LerDadosFiscais(*entrada, emit, PapelEmitente, &nf_);
}

void LeitorNFe::LerTransportadora(NoXml transp) {
    NoXml transporta = Buscar(transp, "transporta");
    if (transporta) {
        if (NoXml numero = NumeroFiscal(transporta, false)) nf_.CnpjTransp = ConverterTexto(numero);
    }
    // Even without a carrier the invoice gets its third, empty party entry.
    TParticipante* entrada = nf_.Participantes.Add();
    entrada->Cnpj = nf_.CnpjTransp;
    LerDadosFiscais(*entrada, transporta, PapelTransportadora, &nf_);
}

void LeitorNFe::LerLocais(NoXml infNFe) {
    // Each place gets its own entry, also when its tax number is the recipient's or the issuer's:
    // the delivery to a recipient's other address prints that address.
    auto local = [&](std::string_view papel, std::string& cnpj) {
        NoXml elemento = Buscar(infNFe, papel);
        if (!elemento) return;
        TParticipante* entrada = nf_.Participantes.Add();
        LerDadosFiscais(*entrada, elemento, papel, nullptr);
        cnpj = entrada->Cnpj;
    };
    local(PapelRetirada, nf_.CnpjRetirada);
    local(PapelEntrega, nf_.CnpjEntrega);
}

}  // namespace luvenor
