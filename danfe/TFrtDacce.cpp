#include "danfe/TFrtDacce.h"

#include "ClasNFe/LeitorEventos.h"
#include "danfe/FormatosDanfe.h"
#include "danfe/PartirPalavras.h"
#include "report/RLBarcode.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "util/Code128.h"
#include "util/UDatas.h"
#include "util/UMascara.h"
#include "util/UString.h"

#include <stdexcept>

namespace luvenor {
namespace {

std::string DataHora(double data, const std::string& hora) {
    if (data == 0) return {};
    std::string texto = DataParaTexto(data);
    if (!hora.empty()) texto += " " + hora;
    return texto;
}

}  // namespace

TFrtDacce::TFrtDacce(const TNotaFiscal& nf, const TEventoNF& evento) : nf_(nf), evento_(evento) {
    relatorio_ = ConstruirRelatorio(LayoutDacce(), controles_);
    mestre_.AddField("EVENTO", TRLFieldType::ftInteger);
    mestre_.Append();
    mestre_.SetInteger("EVENTO", evento.Index());
    mestre_.Post();
    relatorio_->DataSource = &mestre_;
    Preencher();
}

TRLCustomControl* TFrtDacce::Controle(std::string_view nome) const {
    auto it = controles_.find(std::string(nome));
    return it == controles_.end() ? nullptr : it->second;
}

void TFrtDacce::Legenda(std::string_view nome, const std::string& texto) const {
    auto* rotulo = dynamic_cast<TRLCustomLabel*>(Controle(nome));
    if (!rotulo) throw std::logic_error("DACCe form has no label " + std::string(nome));
    rotulo->SetCaption(texto);
}

void TFrtDacce::Memo(std::string_view nome, const std::vector<std::string>& linhas) const {
    auto* memo = dynamic_cast<TRLMemo*>(Controle(nome));
    if (!memo) throw std::logic_error("DACCe form has no memo " + std::string(nome));
    memo->ClearLines();
    for (const std::string& linha : linhas)
        memo->AddLine(PartirPalavrasLongas(linha, memo->Font(), memo->Width));
}

void TFrtDacce::Preencher() {
    for (const ControleDanfe& linha : LayoutDacce().Controles)
        if (*linha.Legenda != '\0' && linha.Tipo != TipoControleDanfe::InfoSistema)
            Legenda(linha.Nome, linha.Legenda);
    PreencherEmitente();
    PreencherNota();
    PreencherEvento();
    Memo("labCorrecao1", {evento_.Correcao});
    Memo("labCondicoes1", {evento_.CondUso});
}

void TFrtDacce::PreencherEmitente() {
    // An event file read alone knows the issuer by the tax number in the key only.
    const TParticipante& e = ParticipanteOuVazio(nf_.Participantes, PapelEmitente, nf_.CnpjFili);
    Legenda("labEmitente1", Maiusculas(TirarEspacos(e.Razao)));
    Memo("labEmitente2", {Maiusculas(LinhaRua(e)), Maiusculas(LinhaLocalidade(e))});
    std::string documentos = "CNPJ/CPF: " + MascaraCnpjCpf(nf_.CnpjFili);
    if (!Vazio(e.InscrEst)) documentos += "    INSCRIÇÃO ESTADUAL: " + TirarEspacos(e.InscrEst);
    Legenda("labEmitente3", documentos);
}

void TFrtDacce::PreencherNota() {
    Legenda("labNota1", "Nº " + MascaraNumeroNF(nf_.NumLcto) + "    SÉRIE " + TirarEspacos(nf_.SerieNum));
    Legenda("labNota2", "MODELO " + nf_.Modelo);
    Legenda("labNota3", DataVazia(DataParaTexto(nf_.DtDoc)) ? "" : "EMISSÃO: " + DataParaTexto(nf_.DtDoc));
    Legenda("labNota4", nf_.tpAmb == "2" ? "AMBIENTE DE HOMOLOGAÇÃO - SEM VALOR FISCAL" : "");
    const std::string chave = TirarEspacos(nf_.ChaveNfe);
    Legenda("labChave1", MascaraChaveNfe(chave));
    std::string padrao;
    try {
        padrao = CodificarCode128(chave);
    } catch (const std::exception&) {
        // A key Code 128 cannot carry prints without bars; the key itself is still printed.
    }
    dynamic_cast<TRLBarcode&>(*Controle("barCodigoBarras")).Pattern = padrao;
}

void TFrtDacce::PreencherEvento() {
    Legenda("labEvento1", std::to_string(evento_.SeqEvento));
    Legenda("labEvento3", DataHora(evento_.DtEvento, evento_.HrEvento));
    Legenda("labEvento5", evento_.Protocolo);
    Legenda("labEvento7", DataHoraRegistro(evento_));
    Legenda("labEvento9", evento_.CStat + " - " + evento_.XMotivo);
}

const TEventoNF* UltimaCartaCorrecao(const TNotaFiscal& nf) {
    const TEventoNF* ultima = nullptr;
    for (int i = 0; i < nf.Eventos.Count(); ++i)
        if (nf.Eventos[i].CartaCorrecao() && (!ultima || nf.Eventos[i].SeqEvento >= ultima->SeqEvento))
            ultima = &nf.Eventos[i];
    return ultima;
}

void ImprimirDacce(const TNotaFiscal& nf, const TEventoNF& evento,
                   const std::function<void(TFrtDacce& formulario)>& visualizar) {
    TFrtDacce formulario(nf, evento);
    if (visualizar) visualizar(formulario);
}

}  // namespace luvenor
