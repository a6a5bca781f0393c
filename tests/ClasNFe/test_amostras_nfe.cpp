// Every real sample file gives the outcome that follows from the reading rules. The expected
// outcome is derived from MANIFEST.tsv (layout, root, protocol, counts); every file in the folder
// must be in the manifest, and a file whose outcome cannot be derived from it fails the test.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "util/Notificador.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace luvenor;
namespace fs = std::filesystem;

namespace {

const std::string Pasta = LUVENOR_SAMPLES_DIR;

using Linha = std::map<std::string, std::string>;

std::vector<std::string> Campos(const std::string& linha) {
    std::vector<std::string> campos;
    std::stringstream fluxo(linha);
    std::string campo;
    while (std::getline(fluxo, campo, '\t')) campos.push_back(campo);
    if (!linha.empty() && linha.back() == '\t') campos.push_back("");
    return campos;
}

std::vector<Linha> LerManifesto() {
    std::ifstream arquivo(Pasta + "/MANIFEST.tsv");
    std::string linha;
    std::getline(arquivo, linha);
    std::vector<std::string> cabecalho = Campos(linha);
    std::vector<Linha> linhas;
    while (std::getline(arquivo, linha)) {
        if (linha.empty()) continue;
        std::vector<std::string> campos = Campos(linha);
        Linha l;
        for (size_t i = 0; i < cabecalho.size() && i < campos.size(); ++i) l[cabecalho[i]] = campos[i];
        linhas.push_back(l);
    }
    return linhas;
}

bool Contem(const std::string& texto, const std::string& parte) {
    return texto.find(parte) != std::string::npos;
}

struct Esperado {
    std::string erroCarga;  // prefix of the load error; empty when the reader runs
    std::string msgErro;
    bool contagens = false;  // items, parties and instalments as the manifest gives them
};

// What the rules make of a file, from what the manifest says about it.
Esperado Derivar(const Linha& l) {
    const std::string& notas = l.at("notes");
    const std::string& versao = l.at("versao");
    if (Contem(notas, "NOT WELL-FORMED"))
        return {"Erro ao abrir arquivo " + Pasta + "/" + l.at("file") + " - linha ", "", false};
    const bool nfce = l.at("mod") == "65";
    // A consumer invoice is read from the bare NFe too (contingency); it stops at the protocol.
    if (Contem(notas, "root is <NFe>") && nfce)
        return {"", "Arquivo não está no formado de distribuição. Tag <protNFe> não encontrada.", true};
    if (Contem(notas, "root is <NFe>"))
        return {
            "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não "
            "encontrada. - ",
            "", false};
    if (versao == "1.10" || versao == "2.00")
        return {"", "Tag <idDest> não encontrada.", false};  // those layouts have no idDest
    if (versao != "4.00" && versao != "3.10")
        return {"", "Tag <indPag> não encontrada.", false};  // not 4.00: indPag is mandatory
    if (Contem(notas, "hand-made minimal"))
        return {"", "Tag <cNF> não encontrada.", false};  // its ide starts without cNF
    // A consumer invoice without a consumer is complete; an NF-e stops there.
    if (l.at("dest_id") == "none" && !nfce) return {"", "Tag <dest> não encontrada.", false};
    if (Contem(notas, "no protNFe"))
        return {"", "Arquivo não está no formado de distribuição. Tag <protNFe> não encontrada.", true};
    return {"", "", true};
}

class Mudo : public Notificador {
public:
    void Mostrar(const std::string&, bool) override {}
};

}  // namespace

TEST(AmostrasNFe, EveryFileInTheFolderIsInTheManifest) {
    std::set<std::string> noManifesto;
    for (const Linha& l : LerManifesto()) noManifesto.insert(l.at("file"));
    ASSERT_GE(noManifesto.size(), 40u);
    for (const auto& entrada : fs::directory_iterator(Pasta)) {
        std::string nome = entrada.path().filename().string();
        if (nome != "MANIFEST.tsv") {
            EXPECT_TRUE(noManifesto.count(nome)) << nome << " is not in MANIFEST.tsv";
        }
    }
}

TEST(AmostrasNFe, EachFileGivesTheOutcomeOfTheRules) {
    Mudo mudo;
    NotificadorInstalado instalado(&mudo);
    int lidasInteiras = 0;
    for (const Linha& l : LerManifesto()) {
        const std::string& nome = l.at("file");
        SCOPED_TRACE(nome);
        Esperado esperado = Derivar(l);
        TNotaFiscal nf;
        TXmlNFe leitor;
        leitor.NotaFiscal = &nf;
        ResultadoCarga r = CarregarArquivoNFe(leitor, Pasta + "/" + nome);
        if (!esperado.erroCarga.empty()) {
            EXPECT_EQ(r.ErroCarga.rfind(esperado.erroCarga, 0), 0u) << r.ErroCarga;
            EXPECT_EQ(nf.NumLcto, 0);
            continue;
        }
        ASSERT_TRUE(r.Carregado()) << r.ErroCarga;
        EXPECT_EQ(r.MsgErro, esperado.msgErro);
        if (!esperado.contagens) continue;
        EXPECT_EQ(nf.ItensNF.Count(), std::stoi(l.at("items")));
        EXPECT_EQ(nf.DuplsNF.Count(), std::stoi(l.at("dup_count")));
        // Issuer, recipient, carrier, and the pick-up and delivery places the file has.
        const bool retirada = l.at("has_retirada") == "yes";
        const bool entrega = l.at("has_entrega") == "yes";
        const bool destinatario = l.at("dest_id") != "none";
        EXPECT_EQ(nf.Participantes.Count(), 2 + destinatario + retirada + entrega);
        EXPECT_EQ(nf.Participantes.TemPapel(PapelDestinatario), destinatario);
        EXPECT_EQ(nf.Participantes.TemPapel(PapelRetirada), retirada);
        EXPECT_EQ(nf.Participantes.TemPapel(PapelEntrega), entrega);
        EXPECT_EQ(nf.ChaveNfe.size(), 44u);
        EXPECT_EQ(nf.tpImp, l.at("tpImp"));
        EXPECT_EQ(nf.Modelo, l.at("mod"));
        // SeqItem is the file's own nItem, whatever numbering the file uses.
        for (int i = 0; i < nf.ItensNF.Count(); ++i) EXPECT_GT(nf.ItensNF[i].SeqItem, 0);
        if (r.MsgErro.empty()) {
            ++lidasInteiras;
            EXPECT_FALSE(nf.ProtocoloNfe.empty());
        }
    }
    EXPECT_GE(lidasInteiras, 30);
}

TEST(AmostrasNFe, ForeignRecipientsAreNamedByTheirForeignId) {
    Mudo mudo;
    NotificadorInstalado instalado(&mudo);
    for (const char* nome : {"v400-exportacao-estrangeiro-1dup.xml", "v400-importacao-estrangeiro-ii.xml"}) {
        TNotaFiscal nf;
        TXmlNFe leitor;
        leitor.NotaFiscal = &nf;
        ResultadoCarga r = CarregarArquivoNFe(leitor, Pasta + "/" + nome);
        EXPECT_EQ(r.MsgErro, "") << nome;
        ASSERT_NE(nf.Participantes.BuscarCnpj(nf.Cnpj), nullptr) << nome;
        EXPECT_FALSE(nf.Participantes.BuscarCnpj(nf.Cnpj)->Razao.empty()) << nome;
    }
}
