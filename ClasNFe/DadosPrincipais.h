#pragma once
// The invoice's key data as the main window shows them after a load: number, issue date, access
// key, protocol, and issuer and recipient with masked tax numbers and names from the parties.
#include <string>

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
};

DadosPrincipais MontarDadosPrincipais(const TNotaFiscal& nf);

}  // namespace luvenor
