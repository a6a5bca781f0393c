#pragma once
// Dates are doubles counting days since 30 December 1899 (0 = no date; the fraction is the time
// of day). These are the only conversions between dates and their parts or texts; the date text
// is always "dd/mm/yyyy" whatever the machine's locale.
#include <string>
#include <string_view>

namespace luvenor {

// The day count of a calendar date (years 1 to 9999); throws EConvertError when it is invalid.
double CodificarData(int ano, int mes, int dia);

// As CodificarData, answering false (and leaving `data` untouched) for an invalid date.
bool TentarCodificarData(int ano, int mes, int dia, double& data);

// The fraction of a day for a time of day (0..23, 0..59, 0..59); throws EConvertError otherwise.
double CodificarHora(int h, int m, int s);

// The calendar date of a day count (its time ignored); all zero when it is outside years 1 to
// 9999 or not a number.
void DecodificarData(double data, int& ano, int& mes, int& dia);

// "dd/mm/yyyy"; ten spaces for date 0 (and for a day count that is no calendar date).
std::string DataParaTexto(double data);

// True when the date text stands for no date: blank, starting with two spaces or "00", or the
// text of date 0 ("30/12/1899").
bool DataVazia(std::string_view texto);

// The date written as 8 digits, year, month and day ("20240229"); throws EConvertError
// "'  /  /  ' is not a valid date" when they are not a valid date.
double TextoParaData(std::string_view texto);

}  // namespace luvenor
