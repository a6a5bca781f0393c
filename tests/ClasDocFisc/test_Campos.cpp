// The field tables drive zeroing, Assign and the JSON export: these tests fill every property
// through the tables and check that each operation reaches all of them.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ClasDocFisc/CamposJson.h"
#include "ClasDocFisc/ExportarJson.h"
#include "ClasDocFisc/TNotaFiscal.h"
#include "util/Erros.h"

using namespace luvenor;

namespace {

// ---- A strict reader of the JSON the model writes -------------------------------------------

struct Json {
    enum class Tipo { Nulo, Logico, Numero, Texto, Lista, Objeto } tipo = Tipo::Nulo;
    bool logico = false;
    double numero = 0;
    std::string texto;
    std::vector<Json> lista;
    std::vector<std::string> chaves;  // of an object, in order, with their values below
    std::vector<Json> valores;

    const Json& operator[](std::string_view chave) const {
        for (std::size_t i = 0; i < chaves.size(); ++i)
            if (chaves[i] == chave) return valores[i];
        throw std::out_of_range("sem a chave " + std::string(chave));
    }
};

class LeitorJson {
public:
    explicit LeitorJson(std::string_view texto) : t_(texto) {}

    Json LerTudo() {
        Json valor = LerValor();
        Brancos();
        if (p_ != t_.size()) Falhar("texto depois do valor");
        return valor;
    }

private:
    [[noreturn]] void Falhar(const std::string& motivo) {
        throw std::runtime_error(motivo + " na posição " + std::to_string(p_));
    }
    void Brancos() {
        while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\t' || t_[p_] == '\r')) ++p_;
    }
    bool Consumir(std::string_view s) {
        if (t_.substr(p_, s.size()) != s) return false;
        p_ += s.size();
        return true;
    }
    Json LerValor() {
        Brancos();
        if (p_ >= t_.size()) Falhar("fim inesperado");
        Json v;
        const char c = t_[p_];
        if (c == '{') return LerObjeto();
        if (c == '[') return LerLista();
        if (c == '"') {
            v.tipo = Json::Tipo::Texto;
            v.texto = LerTexto();
        } else if (Consumir("null")) {
        } else if (Consumir("true") || Consumir("false")) {
            v.tipo = Json::Tipo::Logico;
            v.logico = t_[p_ - 1] == 'e' && t_[p_ - 2] == 'u';
        } else {
            v.tipo = Json::Tipo::Numero;
            v.numero = LerNumero();
        }
        return v;
    }
    Json LerObjeto() {
        Json v;
        v.tipo = Json::Tipo::Objeto;
        ++p_;
        Brancos();
        if (Consumir("}")) return v;
        do {
            Brancos();
            if (p_ >= t_.size() || t_[p_] != '"') Falhar("chave esperada");
            std::string chave = LerTexto();
            Brancos();
            if (!Consumir(":")) Falhar("':' esperado");
            v.chaves.push_back(std::move(chave));
            v.valores.push_back(LerValor());
            Brancos();
        } while (Consumir(","));
        if (!Consumir("}")) Falhar("'}' esperado");
        return v;
    }
    Json LerLista() {
        Json v;
        v.tipo = Json::Tipo::Lista;
        ++p_;
        Brancos();
        if (Consumir("]")) return v;
        do {
            v.lista.push_back(LerValor());
            Brancos();
        } while (Consumir(","));
        if (!Consumir("]")) Falhar("']' esperado");
        return v;
    }
    double LerNumero() {
        // JSON grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
        const std::size_t inicio = p_;
        auto digitos = [&] {
            const std::size_t antes = p_;
            while (p_ < t_.size() && t_[p_] >= '0' && t_[p_] <= '9') ++p_;
            if (p_ == antes) Falhar("dígito esperado");
        };
        Consumir("-");
        if (!Consumir("0")) digitos();
        if (Consumir(".")) digitos();
        if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
            ++p_;
            if (!Consumir("+")) Consumir("-");
            digitos();
        }
        double valor = 0;
        std::from_chars(t_.data() + inicio, t_.data() + p_, valor);
        return valor;
    }
    std::string LerTexto() {
        ++p_;
        std::string s;
        while (true) {
            if (p_ >= t_.size()) Falhar("texto sem fim");
            const auto c = static_cast<unsigned char>(t_[p_++]);
            if (c == '"') return s;
            if (c < 0x20) Falhar("caractere de controle cru");
            if (c != '\\') {
                s += static_cast<char>(c);
                continue;
            }
            if (p_ >= t_.size()) Falhar("escape sem fim");
            const char e = t_[p_++];
            const std::map<char, char> simples{{'"', '"'},  {'\\', '\\'}, {'/', '/'},  {'b', '\b'},
                                               {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'}};
            if (auto it = simples.find(e); it != simples.end()) {
                s += it->second;
            } else if (e == 'u' && p_ + 4 <= t_.size()) {
                unsigned codigo = 0;
                std::from_chars(t_.data() + p_, t_.data() + p_ + 4, codigo, 16);
                if (codigo >= 0x80) Falhar("só \\u00XX é esperado");
                s += static_cast<char>(codigo);
                p_ += 4;
            } else {
                Falhar("escape inválido");
            }
        }
    }

    std::string_view t_;
    std::size_t p_ = 0;
};

Json LerJson(std::string_view texto) {
    return LeitorJson(texto).LerTudo();
}

// ---- Filling and comparing through the tables -----------------------------------------------

const QImage* FiguraFicticia() {
    static int marca;  // never drawn: the record only keeps the reference
    return reinterpret_cast<const QImage*>(&marca);
}

// Sets every stored property to a value distinct from its zero and from the other properties.
template <class C>
void Preencher(C& registro, int semente) {
    int i = semente;
    for (const TCampo<C>& campo : TabelaCampos<C>()) {
        ++i;
        std::visit(
            TVisitante{
                [&](std::string C::*m) { registro.*m = "t" + std::to_string(i) + " \"ç\\"; },
                [&](int32_t C::*m) { registro.*m = -7 * i; },
                [&](double C::*m) { registro.*m = i * 1.25 + 0.1; }, [&](bool C::*m) { registro.*m = true; },
                [&](const QImage* C::*m) { registro.*m = FiguraFicticia(); },
                [](auto) {},  // computed values and collections
            },
            campo.Membro);
    }
}

template <class Colecao>
void PreencherColecao(Colecao& colecao, int semente) {
    for (int n = 0; n < 2; ++n) Preencher(*colecao.Add(), semente + 1000 * n);
}

void PreencherNota(TNotaFiscal& nota) {
    Preencher(nota, 0);
    PreencherColecao(nota.ItensNF, 10000);
    PreencherColecao(nota.DuplsNF, 20000);
    PreencherColecao(nota.PagtosNF, 30000);
    PreencherColecao(nota.Referencias, 40000);
    PreencherColecao(nota.Participantes, 50000);
    PreencherColecao(nota.Eventos, 70000);
    Preencher(nota.DuplsNF, 60000);
}

template <class C>
void ExpectIguais(const C& esperado, const C& obtido) {
    for (const TCampo<C>& campo : TabelaCampos<C>()) {
        SCOPED_TRACE(campo.Nome);
        std::visit(TVisitante{
                       [&](const TAcessoColecao<C>&) {},  // compared per collection
                       [&](std::string (C::*f)() const) { EXPECT_EQ((esperado.*f)(), (obtido.*f)()); },
                       [&](double (C::*f)() const) { EXPECT_EQ((esperado.*f)(), (obtido.*f)()); },
                       [&](auto C::*m) { EXPECT_EQ(esperado.*m, obtido.*m); },
                   },
                   campo.Membro);
    }
}

template <class Colecao>
void ExpectColecoesIguais(const Colecao& esperada, const Colecao& obtida) {
    ASSERT_EQ(esperada.Count(), obtida.Count());
    for (int i = 0; i < esperada.Count(); ++i) {
        EXPECT_NE(&esperada[i], &obtida[i]) << "an item shared by two collections";
        ExpectIguais(esperada[i], obtida[i]);
    }
}

template <class C>
void ExpectZerado(const C& registro) {
    for (const TCampo<C>& campo : TabelaCampos<C>()) {
        SCOPED_TRACE(campo.Nome);
        std::visit(TVisitante{
                       [&](std::string C::*m) { EXPECT_EQ(registro.*m, ""); },
                       [&](int32_t C::*m) { EXPECT_EQ(registro.*m, 0); },
                       [&](double C::*m) { EXPECT_EQ(registro.*m, 0.0); },
                       [&](bool C::*m) { EXPECT_FALSE(registro.*m); },
                       [&](const QImage* C::*m) { EXPECT_EQ(registro.*m, nullptr); },
                       [](auto) {},
                   },
                   campo.Membro);
    }
}

void ExpectNotaVazia(const TNotaFiscal& nota) {
    ExpectZerado(nota);
    EXPECT_EQ(nota.ItensNF.Count(), 0);
    EXPECT_EQ(nota.DuplsNF.Count(), 0);
    EXPECT_EQ(nota.PagtosNF.Count(), 0);
    EXPECT_EQ(nota.Referencias.Count(), 0);
    EXPECT_EQ(nota.Participantes.Count(), 0);
    EXPECT_EQ(nota.Eventos.Count(), 0);
}

// The JSON object holds exactly the table's names, in table order, with the record's values.
template <class C>
void ExpectJsonDoRegistro(const Json& json, const C& registro) {
    ASSERT_EQ(json.tipo, Json::Tipo::Objeto);
    const auto tabela = TabelaCampos<C>();
    ASSERT_EQ(json.chaves.size(), tabela.size());
    for (std::size_t i = 0; i < tabela.size(); ++i) {
        const TCampo<C>& campo = tabela[i];
        SCOPED_TRACE(campo.Nome);
        ASSERT_EQ(json.chaves[i], campo.Nome);
        const Json& v = json.valores[i];
        auto texto = [&](const std::string& s) {
            EXPECT_EQ(v.tipo, Json::Tipo::Texto);
            EXPECT_EQ(v.texto, s);
        };
        auto numero = [&](double x) {
            EXPECT_EQ(v.tipo, Json::Tipo::Numero);
            EXPECT_EQ(v.numero, x);
        };
        std::visit(TVisitante{
                       [&](std::string C::*m) { texto(registro.*m); },
                       [&](int32_t C::*m) { numero(registro.*m); },
                       [&](double C::*m) { numero(registro.*m); },
                       [&](bool C::*m) {
                           EXPECT_EQ(v.tipo, Json::Tipo::Logico);
                           EXPECT_EQ(v.logico, registro.*m);
                       },
                       [&](const QImage* C::*m) {
                           if (registro.*m)
                               texto("imagem");
                           else
                               EXPECT_EQ(v.tipo, Json::Tipo::Nulo);
                       },
                       [&](std::string (C::*f)() const) { texto((registro.*f)()); },
                       [&](double (C::*f)() const) { numero((registro.*f)()); },
                       [&](const TAcessoColecao<C>&) { EXPECT_EQ(v.tipo, Json::Tipo::Lista); },
                   },
                   campo.Membro);
    }
}

template <class Colecao>
void ExpectJsonDaColecao(const Json& json, const Colecao& colecao) {
    ASSERT_EQ(json.tipo, Json::Tipo::Lista);
    ASSERT_EQ(json.lista.size(), static_cast<std::size_t>(colecao.Count()));
    for (int i = 0; i < colecao.Count(); ++i) ExpectJsonDoRegistro(json.lista[i], colecao[i]);
}

void ExpectJsonDaNota(const Json& json, const TNotaFiscal& nota) {
    ExpectJsonDoRegistro(json, nota);
    ExpectJsonDaColecao(json["ItensNF"], nota.ItensNF);
    ExpectJsonDaColecao(json["DuplsNF"], nota.DuplsNF);
    ExpectJsonDaColecao(json["PagtosNF"], nota.PagtosNF);
    ExpectJsonDaColecao(json["Referencias"], nota.Referencias);
    ExpectJsonDaColecao(json["Participantes"], nota.Participantes);
    ExpectJsonDaColecao(json["Eventos"], nota.Eventos);
}

// ---- Tables ---------------------------------------------------------------------------------

struct Contagem {
    const char* classe;
    std::size_t propriedades;
    std::size_t obtidas;
};

TEST(TabelaCampos, EachClassListsAllItsProperties) {
    const Contagem contagens[] = {
        {"TNotaFiscal", 220, TabelaCampos<TNotaFiscal>().size()},
        {"TItemNF", 172, TabelaCampos<TItemNF>().size()},
        {"TParticipante", 22, TabelaCampos<TParticipante>().size()},
        {"TDuplicata", 12, TabelaCampos<TDuplicata>().size()},
        {"TColeDuplicata", 6, TabelaCampos<TColeDuplicata>().size()},
        {"TPagamento", 6, TabelaCampos<TPagamento>().size()},
        {"TNFeRef", 13, TabelaCampos<TNFeRef>().size()},
        {"TEventoNF", 18, TabelaCampos<TEventoNF>().size()},
    };
    for (const Contagem& c : contagens) EXPECT_EQ(c.obtidas, c.propriedades) << c.classe;
}

TEST(TabelaCampos, InvoiceHas211StoredValuesBesidesCollectionsPictureAndComputed) {
    std::map<TipoCampo, int> porTipo;
    int calculados = 0;
    for (const auto& campo : TabelaCampos<TNotaFiscal>()) {
        if (EhCalculado(campo))
            ++calculados;
        else
            ++porTipo[campo.Tipo];
    }
    EXPECT_EQ(calculados, 2);
    EXPECT_EQ(porTipo[TipoCampo::Colecao], 6);
    EXPECT_EQ(porTipo[TipoCampo::Figura], 1);
    EXPECT_EQ(porTipo[TipoCampo::Texto] + porTipo[TipoCampo::Inteiro] + porTipo[TipoCampo::Real] +
                  porTipo[TipoCampo::Data] + porTipo[TipoCampo::Logico],
              211);
}

// ---- Zero values and Limpar -----------------------------------------------------------------

TEST(ValoresZero, NewRecordsReadZeroEverywhere) {
    ExpectNotaVazia(TNotaFiscal());
    ExpectZerado(TItemNF());
    ExpectZerado(TParticipante());
    ExpectZerado(TDuplicata());
    ExpectZerado(TPagamento());
    ExpectZerado(TNFeRef());
    ExpectZerado(TEventoNF());
    TNotaFiscal nota;
    ExpectZerado(nota.DuplsNF);
}

TEST(ValoresZero, LimparEmptiesEverythingButKeepsCollectionsAndInstalmentSummary) {
    TNotaFiscal nota;
    PreencherNota(nota);
    TColeItemNF& itens = nota.ItensNF;
    const double totDuplN = nota.DuplsNF.TotDuplN;
    const std::string indPagto = nota.DuplsNF.IndPagto;

    nota.Limpar();

    ExpectNotaVazia(nota);
    EXPECT_EQ(nota.DuplsNF.TotDuplN, totDuplN);
    EXPECT_EQ(nota.DuplsNF.IndPagto, indPagto);
    EXPECT_TRUE(nota.DuplsNF.Avista);
    EXPECT_NE(nota.DuplsNF.ContaDp, 0);
    EXPECT_NE(nota.DuplsNF.TotDuplD, 0.0);
    // The collection objects stay: a reference taken before still works and still has its owner.
    EXPECT_EQ(itens.Owner(), &nota);
    EXPECT_EQ(itens.Add()->SeqItem, 1);
    EXPECT_EQ(nota.ItensNF.Count(), 1);
}

TEST(ValoresZero, ParticipanteLimparEmptiesAll22) {
    TParticipante participante;
    Preencher(participante, 0);
    participante.Limpar();
    ExpectZerado(participante);
}

// ---- Assign ---------------------------------------------------------------------------------

template <class T>
class AssignTipado : public ::testing::Test {};
using ItensSimples = ::testing::Types<TItemNF, TParticipante, TDuplicata, TPagamento, TNFeRef, TEventoNF>;
TYPED_TEST_SUITE(AssignTipado, ItensSimples);

TYPED_TEST(AssignTipado, CopiesEveryProperty) {
    TypeParam fonte;
    Preencher(fonte, 0);
    TypeParam destino;
    destino.Assign(fonte);
    ExpectIguais(fonte, destino);
    destino.Assign(destino);  // from itself: nothing changes
    ExpectIguais(fonte, destino);
}

TEST(AssignNota, CopiesEveryPropertyAndCopiesTheItems) {
    TNotaFiscal fonte;
    PreencherNota(fonte);
    TNotaFiscal destino;
    destino.ItensNF.Add();  // replaced, not kept
    destino.Assign(fonte);

    ExpectIguais(fonte, destino);
    ExpectColecoesIguais(fonte.ItensNF, destino.ItensNF);
    ExpectColecoesIguais(fonte.DuplsNF, destino.DuplsNF);
    ExpectColecoesIguais(fonte.PagtosNF, destino.PagtosNF);
    ExpectColecoesIguais(fonte.Referencias, destino.Referencias);
    ExpectColecoesIguais(fonte.Participantes, destino.Participantes);
    ExpectColecoesIguais(fonte.Eventos, destino.Eventos);
    ExpectIguais(fonte.DuplsNF, destino.DuplsNF);
    EXPECT_EQ(destino.ItensNF.Owner(), &destino);
    EXPECT_EQ(destino.Logo, FiguraFicticia());

    destino.Assign(destino);
    EXPECT_EQ(destino.ItensNF.Count(), 2);
    ExpectColecoesIguais(fonte.ItensNF, destino.ItensNF);
}

struct CasoAssignErrado {
    const char* fonte;
    const char* destino;
    const char* erro;  // nullptr: the source is ignored without error
};

std::unique_ptr<TItemColecao> Criar(std::string_view classe) {
    if (classe == "TNotaFiscal") return std::make_unique<TNotaFiscal>();
    if (classe == "TItemNF") return std::make_unique<TItemNF>();
    if (classe == "TParticipante") return std::make_unique<TParticipante>();
    if (classe == "TDuplicata") return std::make_unique<TDuplicata>();
    if (classe == "TPagamento") return std::make_unique<TPagamento>();
    return std::make_unique<TNFeRef>();
}

// Calls `f` with the object as its concrete model class.
template <class F>
void ComClasse(TItemColecao& objeto, F&& f) {
    if (auto* nota = dynamic_cast<TNotaFiscal*>(&objeto)) return f(*nota);
    if (auto* item = dynamic_cast<TItemNF*>(&objeto)) return f(*item);
    if (auto* participante = dynamic_cast<TParticipante*>(&objeto)) return f(*participante);
    if (auto* duplicata = dynamic_cast<TDuplicata*>(&objeto)) return f(*duplicata);
    if (auto* pagamento = dynamic_cast<TPagamento*>(&objeto)) return f(*pagamento);
    if (auto* referencia = dynamic_cast<TNFeRef*>(&objeto)) return f(*referencia);
    FAIL() << "unknown class";
}

std::string Exportar(TItemColecao& objeto) {
    TEscritorJson json;
    ComClasse(objeto, [&](auto& registro) { EscreverRegistro(json, registro); });
    return json.Resultado();
}

void PreencherQualquer(TNotaFiscal& nota) {
    PreencherNota(nota);
}

template <class C>
void PreencherQualquer(C& registro) {
    Preencher(registro, 3);
}

class AssignDeOutraClasse : public ::testing::TestWithParam<CasoAssignErrado> {};

TEST_P(AssignDeOutraClasse, RaisesOrIgnoresAndLeavesTheTargetUnchanged) {
    const CasoAssignErrado& caso = GetParam();
    auto fonte = Criar(caso.fonte);
    ComClasse(*fonte, [](auto& registro) { PreencherQualquer(registro); });
    auto destino = Criar(caso.destino);
    ComClasse(*destino, [](auto& registro) { PreencherQualquer(registro); });
    const std::string antes = Exportar(*destino);

    if (caso.erro) {
        try {
            destino->Assign(*fonte);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), caso.erro);
        }
    } else {
        EXPECT_NO_THROW(destino->Assign(*fonte));
    }
    EXPECT_EQ(Exportar(*destino), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AssignDeOutraClasse,
    ::testing::Values(CasoAssignErrado{"TItemNF", "TNotaFiscal", "Cannot assign a TItemNF to a TNotaFiscal"},
                      CasoAssignErrado{"TNotaFiscal", "TItemNF", "Cannot assign a TNotaFiscal to a TItemNF"},
                      CasoAssignErrado{"TDuplicata", "TParticipante",
                                       "Cannot assign a TDuplicata to a TParticipante"},
                      CasoAssignErrado{"TPagamento", "TDuplicata", nullptr},
                      CasoAssignErrado{"TDuplicata", "TPagamento", nullptr},
                      CasoAssignErrado{"TItemNF", "TNFeRef", nullptr}));

// ---- JSON export ----------------------------------------------------------------------------

TEST(ExportarJson, FreshRecordShowsEveryPropertyAtItsZeroValue) {
    const TNotaFiscal nota;
    const std::string texto = ExportarJson(nota);
    const Json json = LerJson(texto);
    ExpectJsonDaNota(json, nota);
    // A few literal forms, independent of the tables.
    for (const char* trecho :
         {"{\"Incr_ID\":0,\"Filial\":\"\",", "\"DtDoc\":0,", "\"UsaECF\":false", "\"ItensNF\":[]",
          "\"Logo\":null}", "\"IssRetido\":\"N\"", "\"Participantes\":[]"})
        EXPECT_NE(texto.find(trecho), std::string::npos) << trecho;
}

TEST(ExportarJson, FilledRecordRoundTripsEveryValue) {
    TNotaFiscal nota;
    PreencherNota(nota);
    nota.ItensNF[1].Qtde = 0.1 + 0.2;  // needs 17 significant digits
    nota.DtDoc = 46000.75;
    const Json json = LerJson(ExportarJson(nota));
    ExpectJsonDaNota(json, nota);
    EXPECT_EQ(json["Logo"].texto, "imagem");
}

TEST(ExportarJson, WriterEmbedsTheRecordInAnOuterObject) {
    TNotaFiscal nota;
    nota.ChaveNfe = "35";
    TEscritorJson json;
    json.IniciarObjeto();
    json.Chave("MsgErro");
    json.Texto("");
    json.Chave("NotaFiscal");
    EscreverNotaFiscal(json, nota);
    json.FecharObjeto();
    const Json lido = LerJson(json.Resultado());
    ASSERT_EQ(lido.chaves.size(), 2u);
    EXPECT_EQ(lido["NotaFiscal"]["ChaveNfe"].texto, "35");
}

}  // namespace
