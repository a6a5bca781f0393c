#include "danfe/TFrtDanfe.h"

#include "danfe/LogoPadrao.h"
#include "danfe/PartirPalavras.h"
#include "danfe/TFrtDanfeNfce.h"
#include "report/RLBarcode.h"
#include "report/RLImage.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "report/RLTextLayout.h"
#include "util/UString.h"

#include <stdexcept>

namespace luvenor {

TFrtDanfe::TFrtDanfe(const LayoutDanfe& layout) : TFrtDanfe(layout, SemBandasNfe{}) {
    Banda("bandRetirada").BeforePrint = [this](TRLCustomControl& s, bool& p) {
        bandRetiradaBeforePrint(s, p);
    };
    Banda("bandEntrega").BeforePrint = [this](TRLCustomControl& s, bool& p) { bandEntregaBeforePrint(s, p); };
    Banda("RLBand1").BeforePrint = [this](TRLCustomControl& s, bool& p) { RLBand1BeforePrint(s, p); };
    Banda("bandISSQN").BeforePrint = [this](TRLCustomControl& s, bool& p) { bandISSQNBeforePrint(s, p); };
}

TFrtDanfe::TFrtDanfe(const LayoutDanfe& layout, SemBandasNfe) : layout_(layout) {
    relatorio_ = ConstruirRelatorio(layout_, controles_);
    Image1 = LogoPadrao();

    CdsTempor.AddField("TIPOLCTO", TRLFieldType::ftString, 2);
    CdsTempor.AddField("ANO", TRLFieldType::ftInteger);
    CdsTempor.AddField("INCREMENTAL", TRLFieldType::ftInteger);
    CdsTempor.SetIndexFieldNames({"TIPOLCTO", "ANO", "INCREMENTAL"});
    CdsTempor.AfterScroll = [this](TRLDataTable& t) { CdsTemporAfterScroll(t); };

    // POSICAO is the item's place in ItensNF: rows are found by it, so items with missing,
    // repeated or unordered numbers still print once each, in SeqItem order.
    CdsItens.AddField("TIPOLCTO", TRLFieldType::ftString, 2);
    CdsItens.AddField("ANO", TRLFieldType::ftInteger);
    CdsItens.AddField("INCREMENTAL", TRLFieldType::ftInteger);
    CdsItens.AddField("INCRITEM", TRLFieldType::ftInteger);
    CdsItens.AddField("POSICAO", TRLFieldType::ftInteger);
    CdsItens.SetIndexFieldNames({"TIPOLCTO", "ANO", "INCREMENTAL", "INCRITEM", "POSICAO"});

    relatorio_->DataSource = &CdsTempor;
    auto& itens = dynamic_cast<TRLSubDetail&>(*Controle("RLSubDetail1"));
    itens.DataSource = &CdsItens;
}

TFrtDanfe::~TFrtDanfe() = default;

void TFrtDanfe::CarregarItensNF() {
    CdsItens.Empty();
    if (NotaFiscalDanfe) {
        const std::string tipo = CdsTempor.AsString("TIPOLCTO");
        const int ano = CdsTempor.AsInteger("ANO");
        const int incremental = CdsTempor.AsInteger("INCREMENTAL");
        TColeItemNF& itens = NotaFiscalDanfe->ItensNF;
        for (int i = 0; i < itens.Count(); ++i) {
            CdsItens.Append();
            CdsItens.SetString("TIPOLCTO", tipo);
            CdsItens.SetInteger("ANO", ano);
            CdsItens.SetInteger("INCREMENTAL", incremental);
            CdsItens.SetInteger("INCRITEM", itens[i].SeqItem);
            CdsItens.SetInteger("POSICAO", i);
            CdsItens.Post();
        }
    }
    CdsItens.First();
}

void TFrtDanfe::CdsTemporAfterScroll(TRLDataTable&) {
    CarregarItensNF();
}

std::string TFrtDanfe::DescrPagadorFrete(const std::string& codigo) {
    if (codigo == "0") return "0 - Remetente";
    if (codigo == "1") return "1 - Destinatário";
    if (codigo == "2") return "2 - Terceiros";
    if (codigo == "3") return "3 - Próprio Remetente";
    if (codigo == "4") return "4 - Próprio Destinatário";
    return "9 - Sem Transporte";
}

TRLCustomControl* TFrtDanfe::Controle(std::string_view nome) const {
    auto it = controles_.find(std::string(nome));
    return it == controles_.end() ? nullptr : it->second;
}

template <class T>
T& TFrtDanfe::Achar(std::string_view nome) const {
    T* c = dynamic_cast<T*>(Controle(nome));
    if (!c)
        throw std::logic_error("DANFE form " + std::string(layout_.Nome) + " has no control " +
                               std::string(nome) + " of the expected kind");
    return *c;
}

TRLLabel& TFrtDanfe::Rotulo(std::string_view nome) const {
    return Achar<TRLLabel>(nome);
}

TRLMemo& TFrtDanfe::Memo(std::string_view nome) const {
    return Achar<TRLMemo>(nome);
}

TRLImage& TFrtDanfe::Imagem(std::string_view nome) const {
    return Achar<TRLImage>(nome);
}

TRLBarcode& TFrtDanfe::Barras(std::string_view nome) const {
    return Achar<TRLBarcode>(nome);
}

TRLBand& TFrtDanfe::Banda(std::string_view nome) const {
    return Achar<TRLBand>(nome);
}

void TFrtDanfe::Legenda(std::string_view nome, const std::string& texto) const {
    TRLCustomControl* c = Controle(nome);
    if (auto* rotulo = dynamic_cast<TRLCustomLabel*>(c)) {
        FonteQueCabe(*rotulo, texto);
        rotulo->SetCaption(texto);
    } else if (auto* vertical = dynamic_cast<TRLCustomAngleLabel*>(c))
        vertical->SetCaption(texto);
    else
        throw std::logic_error("DANFE form " + std::string(layout_.Nome) + " has no label " +
                               std::string(nome));
}

namespace {

// An amount, a quantity or a rate as the DANFE writes them.
bool EhNumeroEscrito(const std::string& texto) {
    constexpr size_t maisLongo = 32;
    if (texto.empty() || texto.size() > maisLongo) return false;
    for (char c : texto)
        if (!((c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-')) return false;
    return true;
}

}  // namespace

// A number wider than its label's box (an amount of thirteen digits in a narrow column) is printed
// in a smaller font: cut at the box, its leading digits would be lost and read as another value;
// unclipped, it would run over the next column. A number that fits gets the box's font back.
void TFrtDanfe::FonteQueCabe(TRLCustomLabel& rotulo, const std::string& texto) const {
    constexpr int menorAltura = 5;
    if (!EhNumeroEscrito(texto)) return;
    // The label's own font: the one it has, unless that is the smaller one fitted here before.
    auto [ajuste, novo] = fontesAjustadas_.try_emplace(&rotulo);
    if (novo || !(rotulo.Font() == ajuste->second.aplicada)) ajuste->second.propria = rotulo.Font();
    TRLFont fonte = ajuste->second.propria;
    while (-fonte.Height > menorAltura && TRLTextMeasurer(fonte).TextWidth(texto + " ") > rotulo.Width)
        ++fonte.Height;  // negative: one design pixel smaller
    if (!(rotulo.Font() == fonte)) rotulo.SetFont(fonte);
    ajuste->second.aplicada = fonte;
}

void TFrtDanfe::LinhasDoMemo(std::string_view nome, const std::vector<std::string>& linhas) const {
    TRLMemo& memo = Memo(nome);
    // Set at once: adding line by line lays the memo out again for every line.
    std::vector<std::string> partidas;
    partidas.reserve(linhas.size());
    for (const std::string& linha : linhas)
        partidas.push_back(PartirPalavrasLongas(linha, memo.Font(), memo.Width));
    memo.ReplaceLines(std::move(partidas));
}

void TFrtDanfe::EscreverLegendasFixas(std::string_view banda) const {
    for (const ControleDanfe& linha : layout_.Controles) {
        if (banda != linha.Banda || *linha.Legenda == '\0' || linha.Tipo == TipoControleDanfe::InfoSistema)
            continue;
        Legenda(linha.Nome, linha.Legenda);
    }
}

void TFrtDanfe::bandRetiradaBeforePrint(TRLCustomControl&, bool& PrintIt) {
    PrintIt = NotaFiscalDanfe && TemLocal(PapelRetirada, NotaFiscalDanfe->CnpjRetirada);
}

void TFrtDanfe::bandEntregaBeforePrint(TRLCustomControl&, bool& PrintIt) {
    PrintIt = NotaFiscalDanfe && TemLocal(PapelEntrega, NotaFiscalDanfe->CnpjEntrega);
}

bool TFrtDanfe::TemLocal(std::string_view papel, const std::string& cnpj) const {
    // A place the XML gives with a blank tax number still has an address to print.
    return !Vazio(cnpj) || NotaFiscalDanfe->Participantes.TemPapel(papel);
}

void TFrtDanfe::bandISSQNBeforePrint(TRLCustomControl&, bool& PrintIt) {
    // For an issuer with a municipal registration, and for any invoice whose services the box has
    // a value to show for.
    const bool servicos = NotaFiscalDanfe && (NotaFiscalDanfe->TotServ > 0 || NotaFiscalDanfe->TotIss > 0);
    PrintIt = !Vazio(Rotulo("labISSQN3").Caption()) || servicos;
}

std::unique_ptr<TFrtDanfe> CriarFormularioDanfe(const TNotaFiscal& nf, FormatoNfce formatoNfce) {
    if (EhNfce(nf)) return std::make_unique<TFrtDanfeNfce>(formatoNfce);
    if (EhPaisagem(nf)) return std::make_unique<TFrtDanfe2>();
    return std::make_unique<TFrtDanfe1>();
}

}  // namespace luvenor
