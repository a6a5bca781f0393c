#include "ClasNFe/DadosPrincipais.h"

#include "ClasDocFisc/TNotaFiscal.h"
#include "util/UDatas.h"
#include "util/UMascara.h"

namespace luvenor {
namespace {

// A party that the read never reached has no entry; its name is then empty.
std::string NomeParticipante(TNotaFiscal& nf, const std::string& cnpj) {
    TParticipante* participante = nf.Participantes.BuscarCnpj(cnpj);
    return participante ? participante->Razao : std::string();
}

}  // namespace

DadosPrincipais MontarDadosPrincipais(TNotaFiscal& nf) {
    DadosPrincipais dados;
    dados.NumNota = std::to_string(nf.NumLcto);
    dados.DataEmissao = DataParaTexto(nf.DtDoc);
    dados.ChaveNfe = nf.ChaveNfe;
    dados.Protocolo = nf.ProtocoloNfe;
    dados.CnpjEmit = MascaraCnpjCpf(nf.CnpjFili);
    dados.NomeEmit = NomeParticipante(nf, nf.CnpjFili);
    dados.CnpjDest = MascaraCnpjCpf(nf.Cnpj);
    dados.NomeDest = NomeParticipante(nf, nf.Cnpj);
    return dados;
}

}  // namespace luvenor
