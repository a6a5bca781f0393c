#pragma once
// A small writer of compact JSON. Keys and values are written in call order; commas are placed
// by the writer. Text is escaped so the output is always valid JSON, whatever bytes it gets.
#include <cstdint>
#include <string>
#include <string_view>

namespace luvenor {

class TEscritorJson {
public:
    void IniciarObjeto();
    void FecharObjeto();
    void IniciarLista();
    void FecharLista();
    // The key of the next value inside an object.
    void Chave(std::string_view nome);

    void Texto(std::string_view valor);
    void Inteiro(int64_t valor);
    // Shortest text that reads back to the same double, "." as decimal point whatever the
    // locale; NaN and infinities are written as null.
    void Real(double valor);
    void Logico(bool valor);
    void Nulo();

    const std::string& Resultado() const { return saida_; }
    // Hands the text over, leaving the writer empty.
    std::string Extrair();

private:
    void AntesDoValor();

    std::string saida_;
    bool precisaVirgula_ = false;
    bool aposChave_ = false;
};

// The text as a quoted JSON string: quote and backslash escaped, control characters as \u00XX,
// bytes that are not well-formed UTF-8 replaced by U+FFFD.
std::string TextoJson(std::string_view texto);
// The same, appended to `destino`.
void AcrescentarTextoJson(std::string_view texto, std::string& destino);

}  // namespace luvenor
