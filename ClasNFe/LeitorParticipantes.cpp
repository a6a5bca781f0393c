// The parties: recipient and issuer (mandatory, with their tax numbers), the carrier (optional),
// and the shared filling of one party entry.
#include "ClasNFe/ConversoesNFe.h"
#include "ClasNFe/LeitorNFe.h"
#include "util/UNumber.h"
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

void LerEndereco(TParticipante& entrada, NoXml elemento, int tipoParticipante) {
    NoXml endereco = elemento;
    if (tipoParticipante == 0 || tipoParticipante == 1) {
        endereco = elemento.Filho(tipoParticipante == 0 ? "enderEmit" : "enderDest");
        if (!endereco) throw FaltaObrigatoria();
        LerOpcional(endereco, "xLgr", entrada.Endereco);
    } else {
        LerOpcional(elemento, "xEnder", entrada.Endereco);
    }
    if (NoXml nro = endereco.Filho("nro")) entrada.Numero = SoNumeros(ConverterTexto(nro));
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

void LerDadosFiscais(TParticipante& entrada, NoXml elemento, int tipoParticipante, TNotaFiscal* notaFiscal) {
    entrada.Limpar();
    // A party that breaks off keeps what was read; the invoice goes on either way.
    try {
        NoXml numero = NumeroFiscal(elemento, tipoParticipante == 1);
        if (!numero) return;
        entrada.Cnpj = ConverterTexto(numero);
        NoXml nome = elemento.Filho("xNome");
        if (!nome) return;
        entrada.Razao = ConverterTexto(nome);
        LerOpcional(elemento, "xFant", entrada.Fantasia);
        LerEndereco(entrada, elemento, tipoParticipante);
        LerOpcional(elemento, "IE", entrada.InscrEst);
        LerOpcional(elemento, "ISUF", entrada.Suframa);
        LerOpcional(elemento, "IM", entrada.InscrMun);
        if (notaFiscal) LerOpcional(elemento, "CRT", notaFiscal->CRT);
        LerOpcional(elemento, "email", entrada.Email);
    } catch (...) {
    }
}

void LeitorNFe::LerDestinatario(NoXml infNFe) {
    NoXml dest = Exigir(infNFe, "dest");
    DefinirPasso("Tag <dest> <CNPJ> ou <CPF> não encontrada.");
    NoXml numero = NumeroFiscal(dest, true);
    if (!numero) throw FaltaObrigatoria();
    nf_.Cnpj = ConverterTexto(numero);
    TParticipante* entrada = nf_.Participantes.Add();
    entrada->Cnpj = nf_.Cnpj;
    LerDadosFiscais(*entrada, dest, 1, &nf_);
}

void LeitorNFe::LerEmitente(NoXml infNFe) {
    NoXml emit = Exigir(infNFe, "emit");
    DefinirPasso("Tag <emit> <CNPJ> ou <CPF> não encontrada.");
    NoXml numero = NumeroFiscal(emit, false);
    if (!numero) throw FaltaObrigatoria();
    nf_.CnpjFili = ConverterTexto(numero);
    TParticipante* entrada = nf_.Participantes.Add();
    entrada->Cnpj = nf_.CnpjFili;
    LerDadosFiscais(*entrada, emit, 0, &nf_);
}

void LeitorNFe::LerTransportadora(NoXml transp) {
    NoXml transporta = Buscar(transp, "transporta");
    if (transporta) {
        if (NoXml numero = NumeroFiscal(transporta, false)) nf_.CnpjTransp = ConverterTexto(numero);
    }
    // Even without a carrier the invoice gets its third, empty party entry.
    TParticipante* entrada = nf_.Participantes.Add();
    entrada->Cnpj = nf_.CnpjTransp;
    LerDadosFiscais(*entrada, transporta, 2, &nf_);
}

}  // namespace luvenor
