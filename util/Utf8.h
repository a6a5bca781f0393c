#pragma once
// Small UTF-8 helpers: texts are UTF-8 in std::string, and every rule that counts "characters"
// counts code points without ever splitting a multi-byte sequence. A byte that does not start a
// well-formed sequence counts as one character of its own, so broken input is kept, not lost.
#include <cstddef>
#include <string>
#include <string_view>

namespace luvenor {

// One decoded character: its code point (U+FFFD for a malformed byte), its length in bytes and
// whether the bytes formed a well-formed sequence.
struct CaractereUtf8 {
    char32_t codigo;
    std::size_t bytes;
    bool valido;
};

// Decodes the character starting at byte `pos` (which must be < texto.size()).
CaractereUtf8 DecodificarCaractere(std::string_view texto, std::size_t pos);

// Appends the UTF-8 form of `codigo` (invalid code points become U+FFFD).
void CodificarCaractere(char32_t codigo, std::string& destino);

// Number of characters in the text.
int ContarCaracteres(std::string_view texto);

// Byte offset of the character with 0-based index `n`; texto.size() when the text has n
// characters or fewer; 0 for n <= 0.
std::size_t OffsetDoCaractere(std::string_view texto, int n);

}  // namespace luvenor
