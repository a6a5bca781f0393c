#include "ClasDocFisc/EscritorJson.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "util/Utf8.h"

namespace luvenor {

void TEscritorJson::AntesDoValor() {
    if (aposChave_)
        aposChave_ = false;
    else if (precisaVirgula_)
        saida_ += ',';
}

void TEscritorJson::IniciarObjeto() {
    AntesDoValor();
    saida_ += '{';
    precisaVirgula_ = false;
}

void TEscritorJson::FecharObjeto() {
    saida_ += '}';
    precisaVirgula_ = true;
}

void TEscritorJson::IniciarLista() {
    AntesDoValor();
    saida_ += '[';
    precisaVirgula_ = false;
}

void TEscritorJson::FecharLista() {
    saida_ += ']';
    precisaVirgula_ = true;
}

void TEscritorJson::Chave(std::string_view nome) {
    AntesDoValor();
    AcrescentarTextoJson(nome, saida_);
    saida_ += ':';
    aposChave_ = true;
}

void TEscritorJson::Texto(std::string_view valor) {
    AntesDoValor();
    AcrescentarTextoJson(valor, saida_);
    precisaVirgula_ = true;
}

void TEscritorJson::Inteiro(int64_t valor) {
    AntesDoValor();
    saida_ += std::to_string(valor);
    precisaVirgula_ = true;
}

void TEscritorJson::Real(double valor) {
    if (!std::isfinite(valor)) {
        Nulo();
        return;
    }
    AntesDoValor();
    char buffer[32];
    const auto fim = std::to_chars(buffer, buffer + sizeof buffer, valor).ptr;
    saida_.append(buffer, fim);
    precisaVirgula_ = true;
}

void TEscritorJson::Logico(bool valor) {
    AntesDoValor();
    saida_ += valor ? "true" : "false";
    precisaVirgula_ = true;
}

std::string TEscritorJson::Extrair() {
    std::string texto = std::move(saida_);
    *this = TEscritorJson();
    return texto;
}

void TEscritorJson::Nulo() {
    AntesDoValor();
    saida_ += "null";
    precisaVirgula_ = true;
}

namespace {

bool PrecisaTratamento(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte >= 0x80 || c == '"' || c == '\\';
}

void EscaparAscii(char c, std::string& destino) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
        case '"':
            destino += "\\\"";
            break;
        case '\\':
            destino += "\\\\";
            break;
        default:  // a control character
            destino += "\\u00";
            destino += kHex[(c >> 4) & 0xF];
            destino += kHex[c & 0xF];
    }
}

}  // namespace

std::string TextoJson(std::string_view texto) {
    std::string destino;
    destino.reserve(texto.size() + 2);
    AcrescentarTextoJson(texto, destino);
    return destino;
}

void AcrescentarTextoJson(std::string_view texto, std::string& destino) {
    destino += '"';
    std::size_t pos = 0;
    while (pos < texto.size()) {
        // Plain ASCII runs, the bulk of any invoice, are copied in one go.
        const std::size_t inicio = pos;
        while (pos < texto.size() && !PrecisaTratamento(texto[pos])) ++pos;
        destino.append(texto, inicio, pos - inicio);
        if (pos == texto.size()) break;
        if (static_cast<unsigned char>(texto[pos]) < 0x80) {
            EscaparAscii(texto[pos], destino);
            ++pos;
            continue;
        }
        const CaractereUtf8 caractere = DecodificarCaractere(texto, pos);
        if (caractere.valido)
            destino.append(texto, pos, caractere.bytes);
        else
            CodificarCaractere(0xFFFD, destino);
        pos += caractere.bytes;
    }
    destino += '"';
}

}  // namespace luvenor
