#pragma once
// The invoice's key data as the main window shows them after a load: number, issue date, access
// key, protocol, and issuer and recipient with masked tax numbers and names from the parties.
#include <string>
#include <vector>

namespace luvenor {

class TNotaFiscal;

struct DadosPrincipais {
    std::string NumNota;
    std::string DataEmissao;
    std::string ChaveNfe;
    std::string Protocolo;
    std::string CnpjEmit;
    std::string NomeEmit;
    std::string CnpjDest;
    std::string NomeDest;
    // "AUTORIZADA", "CANCELADA", "DENEGADA" or "SEM PROTOCOLO", with the cancellation's protocol
    // and date or the denial's reason, and the homologation warning.
    std::string Situacao;
    // One line per registered event: correction letters with sequence, date, protocol and text;
    // other kinds by code and description.
    std::vector<std::string> Eventos;
};

DadosPrincipais MontarDadosPrincipais(const TNotaFiscal& nf);

}  // namespace luvenor
