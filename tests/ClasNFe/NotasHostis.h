#pragma once
// Hostile invoices made from a good one by small edits, so that a case of many megabytes costs a
// few lines: a single huge word, floods of attributes or instalments, values no amount can have,
// invalid dates and keys of the wrong length. The tests, the fuzzers' seeds and the measurements
// all take them from here.
#include <string>
#include <string_view>
#include <vector>

namespace luvenor::teste::hostis {

// `xml` with the text of the first `<elemento>` replaced by `valor`; unchanged when absent.
inline std::string ComValor(std::string xml, std::string_view elemento, std::string_view valor) {
    const std::string abre = "<" + std::string(elemento) + ">";
    const std::string fecha = "</" + std::string(elemento) + ">";
    const size_t de = xml.find(abre);
    const size_t ate = de == std::string::npos ? de : xml.find(fecha, de);
    if (ate == std::string::npos) return xml;
    return xml.replace(de + abre.size(), ate - de - abre.size(), valor);
}

// One word of `bytes` letters, with no blank to break it at.
inline std::string PalavraUnica(size_t bytes) {
    return std::string(bytes, 'W');
}

inline std::string MuitosAtributos(std::string xml, int quantos) {
    std::string atributos;
    for (int i = 0; i < quantos; ++i) atributos += " a" + std::to_string(i) + "=\"1\"";
    const size_t pos = xml.find("<infCpl");
    if (pos == std::string::npos) return xml;
    return xml.insert(pos + 7, atributos);
}

// The cobr group with `quantas` instalments instead of the invoice's own.
inline std::string MuitasParcelas(std::string xml, int quantas) {
    const size_t de = xml.find("<dup>");
    const size_t ate = xml.rfind("</dup>");
    if (de == std::string::npos || ate == std::string::npos) return xml;
    std::string parcelas;
    parcelas.reserve(static_cast<size_t>(quantas) * 72);
    for (int i = 1; i <= quantas; ++i)
        parcelas +=
            "<dup><nDup>" + std::to_string(i) + "</nDup><dVenc>2019-06-10</dVenc><vDup>1.00</vDup></dup>";
    return xml.replace(de, ate + 6 - de, parcelas);
}

// `quantos` empty elements in the cobr group, before its instalments.
inline std::string MuitosElementos(std::string xml, size_t quantos) {
    const size_t pos = xml.find("<cobr>");
    if (pos == std::string::npos) return xml;
    std::string vazios;
    vazios.reserve(quantos * 4);
    for (size_t i = 0; i < quantos; ++i) vazios += "<x/>";
    return xml.insert(pos + 6, vazios);
}

// The access key (infNFe's Id after "NFe") replaced by `chave`.
inline std::string ComChave(std::string xml, std::string_view chave) {
    const size_t de = xml.find("Id=\"NFe");
    const size_t ate = de == std::string::npos ? de : xml.find('"', de + 4);
    if (ate == std::string::npos) return xml;
    return xml.replace(de + 7, ate - de - 7, chave);
}

// Texts that are not amounts an invoice can have, as hostile files write them.
inline const std::vector<std::string>& ValoresHostis() {
    static const std::vector<std::string> valores{"1e308", "Infinity", "-Infinity", "NaN",
                                                  "1e13",  "-1e300",   "abc",       "1.5.5",
                                                  "0x10",  "1e-99999", "--1",       " "};
    return valores;
}

struct CasoXml {
    std::string nome;
    std::string xml;
};

// Every case at the size the measurements use, or small for the fuzzers' seeds.
inline std::vector<CasoXml> TodosOsCasosXml(const std::string& base, bool pequenos = false) {
    const size_t grande = pequenos ? size_t{30} << 10 : size_t{10} << 20;
    std::vector<CasoXml> casos{
        {"infcpl-10mb", ComValor(base, "infCpl", PalavraUnica(grande))},
        {"infadfisco-10mb", ComValor(base, "infAdFisco", PalavraUnica(grande))},
        {"xnome-10mb", ComValor(base, "xNome", PalavraUnica(grande))},
        {"infcpl-1600kb", ComValor(base, "infCpl", PalavraUnica(pequenos ? 1600u : 1600u << 10))},
        {"atributos-100000", MuitosAtributos(base, pequenos ? 300 : 100000)},
        {"parcelas-100000", MuitasParcelas(base, pequenos ? 1100 : 100000)},
        {"elementos-2000001", MuitosElementos(base, pequenos ? 5000 : 2'000'001)},
        {"vprod-negativo", ComValor(base, "vProd", "-999999999999999.99")},
        {"vprod-12-noves", ComValor(base, "vProd", "999999999999")},
        {"qvol-infinity", ComValor(ComValor(base, "qVol", "Infinity"), "serie", "NaN")},
        {"dhemi-invalida", ComValor(base, "dhEmi", "2019-02-30T10:00:00-03:00")},
        {"chave-43", ComChave(base, std::string(43, '1'))},
        {"chave-1000", ComChave(base, std::string(1000, '1'))},
    };
    for (const std::string& v : ValoresHostis()) {
        casos.push_back({"vprod-" + v, ComValor(base, "vProd", v)});
        casos.push_back({"qcom-" + v, ComValor(base, "qCom", v)});
    }
    return casos;
}

}  // namespace luvenor::teste::hostis
