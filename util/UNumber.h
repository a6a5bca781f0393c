#pragma once
// Number helpers: rounding, fixed-width numbers, the number mask MSC that prints every amount,
// quantity, price, weight and rate, and the conversion of number texts. Formats are always the
// Brazilian ones (decimal ",", thousands ".") whatever the machine's locale.
#include <string>
#include <string_view>

namespace luvenor {

// `x` as a masked number text `a` characters wide with `b` decimals: thousands separated,
// right-justified, "****" when it does not fit (nor for NaN and infinities). Shows a message and
// throws AbortoSilencioso when b >= a or when x exceeds 999999999999999.
std::string MSC(int a, int b, double x);

// How many decimals (between b and a) `x` needs once rounded to `a` places.
int CasasDecimais(int a, int b, double x);

// `x` rounded to `n` places the way the invoices have always been rounded: scaled by ten n
// times, a fraction of 0.5 or more rounds up, scaled back by 0.1 n times. Negative values are
// cut toward zero.
double Arredondar(int n, double x);

// The value without its fraction (toward zero).
double ParteInteira(double x);

// `x` with `d` decimals (decimal point ".") left-filled with "0" to `w` characters; asterisks
// (w + d, plus 1 when d > 0) when the text does not fit or x is not a finite number.
std::string ZerosEsquerda(double x, int w, int d);

// Every "." replaced by the decimal separator ",".
std::string AjustarDecimal(std::string_view texto);

// The number written in the text ("1.234,5" gives 1234.5), or 0 when the text is empty or not
// a number (the latter also shown to the user, see ValorValido).
double TextoParaValor(std::string_view texto);

// Whether the text is a number between `minimo` and `maximo` (any number when both are 0).
// A text that is not a number, or a number out of range, is shown to the user.
bool ValorValido(std::string_view texto, double minimo, double maximo);

// Only the characters "0" to "9" of the text, in order.
std::string SoNumeros(std::string_view texto);

// True for a one-character text "0" to "9".
bool EhNumero(std::string_view texto);

// `primeiro` when the flag holds, else `segundo`.
template <class T>
T Escolher(bool condicao, T primeiro, T segundo) {
    return condicao ? primeiro : segundo;
}

}  // namespace luvenor
