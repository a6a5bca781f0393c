#include "ClasNFe/DadosPrincipais.h"

#include "ClasDocFisc/TNotaFiscal.h"
#include "util/UDatas.h"
#include "util/UMascara.h"

namespace luvenor {
namespace {

// A party that the read never reached has no entry; its name is then empty. Found by role, so an
// issuer and a recipient sharing a tax number keep their own names.
std::string NomeParticipante(const TNotaFiscal& nf, std::string_view papel, const std::string& cnpj) {
    const TParticipante* participante = nf.Participantes.BuscarPapel(papel, cnpj);
    return participante ? participante->Razao : std::string();
}

}  // namespace

DadosPrincipais MontarDadosPrincipais(const TNotaFiscal& nf) {
    DadosPrincipais dados;
    dados.NumNota = std::to_string(nf.NumLcto);
    dados.DataEmissao = DataParaTexto(nf.DtDoc);
    dados.ChaveNfe = nf.ChaveNfe;
    dados.Protocolo = nf.ProtocoloNfe;
    dados.CnpjEmit = MascaraCnpjCpf(nf.CnpjFili);
    dados.NomeEmit = NomeParticipante(nf, PapelEmitente, nf.CnpjFili);
    dados.CnpjDest = MascaraCnpjCpf(nf.Cnpj);
    dados.NomeDest = NomeParticipante(nf, PapelDestinatario, nf.Cnpj);
    return dados;
}

}  // namespace luvenor
