#include "ClasNFe/LeitorEventos.h"

#include "ClasNFe/ConversoesNFe.h"
#include "util/UDatas.h"
#include "util/UString.h"

#include <algorithm>

namespace luvenor {
namespace {

bool UmDe(const std::string& valor, std::initializer_list<std::string_view> codigos) {
    return std::find(codigos.begin(), codigos.end(), valor) != codigos.end();
}

std::string Texto(NoXml pai, std::string_view nome) {
    NoXml no = pai.Filho(nome);
    return no ? ConverterTexto(no) : std::string();
}

// Replaces `destino` only with a text that is there: the request and its registration repeat
// some elements, and either may lack them.
void Preencher(std::string& destino, NoXml pai, std::string_view nome) {
    std::string valor = Texto(pai, nome);
    if (!valor.empty()) destino = std::move(valor);
}

void DataHora(NoXml pai, std::string_view nome, double& data, std::string& hora) {
    const std::string texto = Texto(pai, nome);
    if (texto.empty()) return;
    try {
        data = ConverterData(texto);
        hora = ConverterHora(texto);
    } catch (...) {
        // A date that is not one stays empty; the event still counts by its registration.
    }
}

// The request as signed by its author: what was asked and the texts of the event.
void LerPedido(NoXml infEvento, TEventoNF& e) {
    Preencher(e.COrgao, infEvento, "cOrgao");
    Preencher(e.tpAmb, infEvento, "tpAmb");
    Preencher(e.ChaveNfe, infEvento, "chNFe");
    Preencher(e.TpEvento, infEvento, "tpEvento");
    e.CnpjAutor = Texto(infEvento, "CNPJ");
    if (e.CnpjAutor.empty()) e.CnpjAutor = Texto(infEvento, "CPF");
    DataHora(infEvento, "dhEvento", e.DtEvento, e.HrEvento);
    NoXml detalhe = infEvento.Filho("detEvento");
    Preencher(e.DescEvento, detalhe, "descEvento");
    e.Correcao = Texto(detalhe, "xCorrecao");
    e.CondUso = Texto(detalhe, "xCondUso");
    e.Justificativa = Texto(detalhe, "xJust");
    try {
        const std::string seq = Texto(infEvento, "nSeqEvento");
        if (!seq.empty()) e.SeqEvento = ConverterInteiro(seq);
    } catch (...) {
    }
}

// The authority's reply: whether and when it registered the event, under which protocol.
void LerRegistro(NoXml infEvento, TEventoNF& e) {
    Preencher(e.tpAmb, infEvento, "tpAmb");
    Preencher(e.COrgao, infEvento, "cOrgao");
    Preencher(e.ChaveNfe, infEvento, "chNFe");
    Preencher(e.TpEvento, infEvento, "tpEvento");
    if (e.DescEvento.empty()) e.DescEvento = Texto(infEvento, "xEvento");
    e.CStat = Texto(infEvento, "cStat");
    e.XMotivo = Texto(infEvento, "xMotivo");
    e.Protocolo = Texto(infEvento, "nProt");
    DataHora(infEvento, "dhRegEvento", e.DtRegistro, e.HrRegistro);
    try {
        const std::string seq = Texto(infEvento, "nSeqEvento");
        if (!seq.empty() && e.SeqEvento == 0) e.SeqEvento = ConverterInteiro(seq);
    } catch (...) {
    }
}

void LerUm(NoXml pedido, NoXml registro, const std::string& origem, TColeEventoNF& destino) {
    TEventoNF& e = *destino.Add();
    e.Origem = origem;
    if (pedido) LerPedido(pedido.Filho("infEvento"), e);
    if (registro) LerRegistro(registro.Filho("infEvento"), e);
}

std::string Descricao(const TEventoNF& e) {
    std::string texto = "evento " + e.TpEvento;
    if (e.SeqEvento > 0) texto += " nº " + std::to_string(e.SeqEvento);
    return texto + " (" + e.Origem + ")";
}

bool Repetido(const TColeEventoNF& eventos, const TEventoNF& e) {
    for (int i = 0; i < eventos.Count(); ++i) {
        const TEventoNF& outro = eventos[i];
        if (outro.TpEvento == e.TpEvento && outro.SeqEvento == e.SeqEvento && outro.Protocolo == e.Protocolo)
            return true;
    }
    return false;
}

}  // namespace

bool EhDocumentoEvento(NoXml raiz) {
    return raiz.Chamado("procEventoNFe") || raiz.Chamado("retEvento") || raiz.Chamado("retEnvEvento");
}

void LerEventosXml(NoXml raiz, const std::string& origem, TColeEventoNF& destino) {
    if (raiz.Chamado("procEventoNFe")) {
        LerUm(raiz.Filho("evento"), raiz.Filho("retEvento"), origem, destino);
        return;
    }
    if (raiz.Chamado("retEvento")) {
        LerUm(NoXml(), raiz, origem, destino);
        return;
    }
    if (!raiz.Chamado("retEnvEvento") && !raiz.Chamado("nfeProc")) return;
    for (NoXml filho = raiz.PrimeiroFilho(); filho; filho = filho.Proximo()) {
        if (filho.Chamado("retEvento"))
            LerUm(NoXml(), filho, origem, destino);
        else if (filho.Chamado("procEventoNFe"))
            LerUm(filho.Filho("evento"), filho.Filho("retEvento"), origem, destino);
    }
}

std::string MotivoRecusaEvento(const TNotaFiscal& nf, const TEventoNF& e) {
    if (e.CStat.empty()) return "sem o registro da Sefaz (retEvento): não conta";
    if (!UmDe(e.CStat, {"135", "136", "155"}))
        return "não registrado pela Sefaz (cStat " + e.CStat + (e.XMotivo.empty() ? "" : ": " + e.XMotivo) +
               ")";
    if (TirarEspacos(e.ChaveNfe) != TirarEspacos(nf.ChaveNfe))
        return "é de outra NF-e (chave " + e.ChaveNfe + ")";
    if (e.tpAmb != nf.tpAmb)
        return "é de outro ambiente (tpAmb " + e.tpAmb + ", a NF-e tem " + nf.tpAmb + ")";
    if (Repetido(nf.Eventos, e)) return "repetido";
    return {};
}

void AceitarEventos(TNotaFiscal& nf, const TColeEventoNF& lidos, AvisosEventos& avisos) {
    for (int i = 0; i < lidos.Count(); ++i) {
        const std::string motivo = MotivoRecusaEvento(nf, lidos[i]);
        if (motivo.empty())
            nf.Eventos.Add()->Assign(lidos[i]);
        else if (motivo != "repetido")
            avisos.push_back(Descricao(lidos[i]) + " ignorado: " + motivo);
    }
    AplicarSituacao(nf);
}

std::string DataHoraRegistro(const TEventoNF& e) {
    if (e.DtRegistro == 0) return {};
    std::string texto = DataParaTexto(e.DtRegistro);
    if (!e.HrRegistro.empty()) texto += " " + e.HrRegistro;
    return texto;
}

void AplicarSituacao(TNotaFiscal& nf) {
    nf.Status.clear();
    if (UmDe(nf.CStatProtocolo, {"110", "301", "302", "303"})) {
        nf.Status = "D";
        nf.MotivoDeneg = nf.XMotivoProtocolo;
        nf.DtDeneg = nf.DtProtocoloNfe;
    } else if (UmDe(nf.CStatProtocolo, {"101", "151", "155"})) {
        nf.Status = "C";
    }
    for (int i = 0; i < nf.Eventos.Count(); ++i) {
        const TEventoNF& e = nf.Eventos[i];
        if (e.Cancelamento()) {
            nf.Status = "C";
            nf.ProtocoloCancNfe = e.Protocolo;
            nf.dhProtocoloCancNfe = DataHoraRegistro(e);
            nf.MotivoCanc = e.Justificativa;
        } else if (e.CartaCorrecao() && e.SeqEvento >= nf.SeqEventoCCe) {
            nf.SeqEventoCCe = e.SeqEvento;
            nf.ProtocoloCCeNfe = e.Protocolo;
            nf.dhProtocoloCCeNfe = DataHoraRegistro(e);
        }
    }
}

std::string SituacaoNFe(const TNotaFiscal& nf) {
    if (nf.Status == "C") return "CANCELADA";
    if (nf.Status == "D") return "DENEGADA";
    if (Vazio(nf.ProtocoloNfe)) return "SEM PROTOCOLO";
    return "AUTORIZADA";
}

namespace {

bool SoDigitos(const std::string& texto) {
    return std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What an access key spells: cUF(2) AAMM(4) CNPJ(14) mod(2) serie(3) nNF(9) tpEmis(1) cNF(8) cDV(1).
void DadosDaChave(TNotaFiscal& nf) {
    const std::string& chave = nf.ChaveNfe;
    if (chave.size() != 44 || !SoDigitos(chave)) return;
    nf.CodUF = chave.substr(0, 2);
    nf.CnpjFili = chave.substr(6, 14);
    nf.Modelo = chave.substr(20, 2);
    nf.SerieNum = std::to_string(std::stoi(chave.substr(22, 3)));
    nf.Serie = AjustarTamanho(nf.SerieNum, 3);
    nf.NumLcto = std::stoi(chave.substr(25, 9));
    nf.tpEmis = chave.substr(34, 1);
    nf.cNF = chave.substr(35, 8);
    nf.cDV = chave.substr(43, 1);
}

}  // namespace

bool LerDocumentoEvento(TNotaFiscal& nf, NoXml raiz, const std::string& origem, AvisosEventos& avisos) {
    TColeEventoNF lidos(nullptr);
    LerEventosXml(raiz, origem, lidos);
    if (lidos.Count() == 0 || TirarEspacos(lidos[0].ChaveNfe).empty()) return false;
    nf.Limpar();
    nf.ChaveNfe = TirarEspacos(lidos[0].ChaveNfe);
    nf.tpAmb = lidos[0].tpAmb;
    DadosDaChave(nf);
    AceitarEventos(nf, lidos, avisos);
    return true;
}

}  // namespace luvenor
