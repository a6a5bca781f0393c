#pragma once
// Text helpers: trimming, filling, cutting and cleaning. Texts are UTF-8; counts and positions are
// in characters (code points) and a cut never splits a character.
#include <string>
#include <string_view>

namespace luvenor {

// The text without leading and trailing characters of code 32 or less (spaces, tabs, breaks).
std::string TirarEspacos(std::string_view texto);

// True when the text is empty or made of spaces only (a tab is not a space here).
bool Vazio(std::string_view texto);

// RetirarQuebras, then TirarEspacos: how every text read from the XML is cleaned.
std::string LimparTexto(std::string_view texto);

// The text without its line breaks (CR LF pairs, then lone CRs, then lone LFs), not replaced.
std::string RetirarQuebras(std::string_view texto);

// The text with every line break (CR LF, lone CR, lone LF) written as one CR, then trimmed: a
// free text whose lines are written without a blank between them keeps its words apart.
std::string LimparTextoComQuebras(std::string_view texto);

// Exactly n characters: shorter texts padded with spaces on the right, longer ones cut.
std::string AjustarTamanho(std::string_view texto, int n);

// The text followed by n spaces, cut to its first n characters.
std::string CompletarDireita(std::string_view texto, int n);

// n spaces followed by the text, cut to its last n characters.
std::string CompletarEsquerda(std::string_view texto, int n);

// n spaces (none for n <= 0).
std::string Espacos(int n);

// The first n characters (the whole text when shorter; empty for n <= 0).
std::string Esquerda(std::string_view texto, int n);

// The last n characters when the text is longer than n, else the whole text (empty for n <= 0).
std::string Direita(std::string_view texto, int n);

// n characters from the 1-based position pos1 (a position below 1 counts as 1).
std::string Meio(std::string_view texto, int pos1, int n);

// The text with every occurrence of the character c removed.
std::string RetirarTexto(std::string_view texto, char32_t c);

// The text in capitals: a-z and the accented Latin letters (Latin-1 and Latin Extended-A);
// letters without a single capital form, such as ß, stay as they are.
std::string Maiusculas(std::string_view texto);

}  // namespace luvenor
