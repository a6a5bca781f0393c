#include "util/UDatas.h"

#include "util/Erros.h"
#include "util/UString.h"

#include <cmath>
#include <optional>

namespace luvenor {
namespace {

// Days from 1 January 1970 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
long long DiasDesdeEpoca(long long ano, unsigned mes, unsigned dia) {
    ano -= mes <= 2;
    const long long era = (ano >= 0 ? ano : ano - 399) / 400;
    const auto anoDaEra = static_cast<unsigned>(ano - era * 400);
    const unsigned diaDoAno = (153 * (mes > 2 ? mes - 3 : mes + 9) + 2) / 5 + dia - 1;
    const unsigned diaDaEra = anoDaEra * 365 + anoDaEra / 4 - anoDaEra / 100 + diaDoAno;
    return era * 146097 + static_cast<long long>(diaDaEra) - 719468;
}

void DataDosDias(long long dias, int& ano, int& mes, int& dia) {
    dias += 719468;
    const long long era = (dias >= 0 ? dias : dias - 146096) / 146097;
    const auto diaDaEra = static_cast<unsigned>(dias - era * 146097);
    const unsigned anoDaEra = (diaDaEra - diaDaEra / 1460 + diaDaEra / 36524 - diaDaEra / 146096) / 365;
    const unsigned diaDoAno = diaDaEra - (365 * anoDaEra + anoDaEra / 4 - anoDaEra / 100);
    const unsigned mp = (5 * diaDoAno + 2) / 153;
    dia = static_cast<int>(diaDoAno - (153 * mp + 2) / 5 + 1);
    mes = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    ano = static_cast<int>(static_cast<long long>(anoDaEra) + era * 400 + (mes <= 2));
}

const long long kOrigem = DiasDesdeEpoca(1899, 12, 30);
const long long kPrimeiroDia = DiasDesdeEpoca(1, 1, 1) - kOrigem;
const long long kUltimoDia = DiasDesdeEpoca(9999, 12, 31) - kOrigem;

bool AnoBissexto(int ano) {
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

int DiasDoMes(int ano, int mes) {
    static constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && AnoBissexto(ano) ? 29 : kDias[mes - 1];
}

std::string DoisDigitos(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

// A field of the date text: exactly `tamanho` digits.
std::optional<int> LerCampo(std::string_view texto, std::size_t tamanho) {
    if (texto.size() != tamanho) return std::nullopt;
    int valor = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor * 10 + (c - '0');
    }
    return valor;
}

// A date in the short date format "dd/mm/yyyy".
bool TextoCurtoParaData(std::string_view texto, double& data) {
    if (texto.size() != 10 || texto[2] != '/' || texto[5] != '/') return false;
    const auto dia = LerCampo(texto.substr(0, 2), 2);
    const auto mes = LerCampo(texto.substr(3, 2), 2);
    const auto ano = LerCampo(texto.substr(6, 4), 4);
    return dia && mes && ano && TentarCodificarData(*ano, *mes, *dia, data);
}

}  // namespace

bool TentarCodificarData(int ano, int mes, int dia, double& data) {
    if (ano < 1 || ano > 9999 || mes < 1 || mes > 12 || dia < 1 || dia > DiasDoMes(ano, mes)) return false;
    const long long dias = DiasDesdeEpoca(ano, static_cast<unsigned>(mes), static_cast<unsigned>(dia));
    data = static_cast<double>(dias - kOrigem);
    return true;
}

double CodificarData(int ano, int mes, int dia) {
    double data = 0;
    if (!TentarCodificarData(ano, mes, dia, data)) throw EConvertError("Invalid argument to date encode");
    return data;
}

double CodificarHora(int h, int m, int s) {
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        throw EConvertError("Invalid argument to time encode");
    return (h * 3600 + m * 60 + s) / 86400.0;
}

void DecodificarData(double data, int& ano, int& mes, int& dia) {
    ano = mes = dia = 0;
    if (!std::isfinite(data)) return;
    const double dias = std::trunc(data);
    if (dias < static_cast<double>(kPrimeiroDia) || dias > static_cast<double>(kUltimoDia)) return;
    DataDosDias(static_cast<long long>(dias) + kOrigem, ano, mes, dia);
}

std::string DataParaTexto(double data) {
    int ano = 0, mes = 0, dia = 0;
    if (data != 0) DecodificarData(data, ano, mes, dia);
    if (ano == 0) return Espacos(10);
    const std::string anoTexto = DoisDigitos(ano / 100) + DoisDigitos(ano % 100);
    return DoisDigitos(dia) + "/" + DoisDigitos(mes) + "/" + anoTexto;
}

bool DataVazia(std::string_view texto) {
    if (TirarEspacos(texto).empty()) return true;
    const std::string_view inicio = texto.substr(0, 2);
    return inicio == "  " || inicio == "00" || texto == "30/12/1899";
}

double TextoParaData(std::string_view texto) {
    const auto trecho = [&](std::size_t pos, std::size_t n) {
        return pos < texto.size() ? texto.substr(pos, n) : std::string_view();
    };
    const std::string curto =
        std::string(trecho(6, 2)) + "/" + std::string(trecho(4, 2)) + "/" + std::string(trecho(0, 4));
    double data = 0;
    if (TextoCurtoParaData(curto, data)) return data;
    // The fallback text "  /  /  " is not a date either, so this always ends in the error.
    constexpr std::string_view kSemData = "  /  /  ";
    if (TextoCurtoParaData(kSemData, data)) return data;
    throw EConvertError("'" + std::string(kSemData) + "' is not a valid date");
}

}  // namespace luvenor
