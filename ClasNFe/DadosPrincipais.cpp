#include "ClasNFe/DadosPrincipais.h"

#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/LeitorEventos.h"
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

std::string TextoSituacao(const TNotaFiscal& nf) {
    std::string texto = SituacaoNFe(nf);
    if (nf.Status == "C" && !nf.ProtocoloCancNfe.empty()) {
        texto += " - protocolo " + nf.ProtocoloCancNfe;
        if (!nf.dhProtocoloCancNfe.empty()) texto += " de " + nf.dhProtocoloCancNfe;
    } else if (nf.Status == "D" && !nf.MotivoDeneg.empty()) {
        texto += " - " + nf.MotivoDeneg;
    }
    if (nf.tpAmb == "2") texto += " (homologação: sem valor fiscal)";
    return texto;
}

std::string LinhaEvento(const TEventoNF& e) {
    const std::string registro = DataHoraRegistro(e) + ", protocolo " + e.Protocolo;
    if (e.CartaCorrecao())
        return "Carta de correção nº " + std::to_string(e.SeqEvento) + " de " + registro + ": " + e.Correcao;
    std::string texto =
        e.TpEvento + " " + e.DescEvento + " nº " + std::to_string(e.SeqEvento) + " de " + registro;
    if (!e.Justificativa.empty()) texto += ": " + e.Justificativa;
    return texto;
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
    dados.Situacao = TextoSituacao(nf);
    for (int i = 0; i < nf.Eventos.Count(); ++i) dados.Eventos.push_back(LinhaEvento(nf.Eventos[i]));
    return dados;
}

}  // namespace luvenor
