#include "danfe/MarcadorDanfe.h"

#include "ClasDocFisc/TEventoNF.h"
#include "ClasDocFisc/TNotaFiscal.h"
#include "danfe/FormatosDanfe.h"
#include "util/UString.h"

namespace luvenor {
namespace {

std::string Destinatario(const TNotaFiscal& nf) {
    return TirarEspacos(ParticipanteOuVazio(nf.Participantes, PapelDestinatario, nf.Cnpj).Razao);
}

// The invoice's number; from the access key (positions 26 to 34) when the file gave no number.
std::string Numero(const TNotaFiscal& nf, const std::string& chave) {
    if (nf.NumLcto > 0) return std::to_string(nf.NumLcto);
    if (chave.size() != 44) return "?";
    const size_t primeiro = chave.find_first_not_of('0', 25);
    return primeiro < 34 ? chave.substr(primeiro, 34 - primeiro) : "0";
}

std::string Modelo(const TNotaFiscal& nf, const std::string& chave) {
    const bool nfce = EhNfce(nf) || (nf.Modelo.empty() && chave.size() == 44 && chave.substr(20, 2) == "65");
    return nfce ? "NFC-e" : "NF-e";
}

}  // namespace

std::string MarcadorDoDanfe(const TNotaFiscal& nf) {
    const std::string chave = TirarEspacos(nf.ChaveNfe);
    const std::string titulo = Modelo(nf, chave) + " " + Numero(nf, chave);
    const std::string destinatario = Destinatario(nf);
    if (!destinatario.empty()) return titulo + " - " + destinatario;
    return EhNfce(nf) ? titulo + " - Consumidor não identificado" : titulo;
}

std::string MarcadorDoDacce(const TNotaFiscal& nf, const TEventoNF& carta) {
    const std::string chave = TirarEspacos(Vazio(nf.ChaveNfe) ? carta.ChaveNfe : nf.ChaveNfe);
    const std::string titulo =
        "CC-e " + std::to_string(carta.SeqEvento) + " da " + Modelo(nf, chave) + " " + Numero(nf, chave);
    const std::string destinatario = Destinatario(nf);
    return destinatario.empty() ? titulo : titulo + " - " + destinatario;
}

}  // namespace luvenor
