#include "ClasDocFisc/EscritorJson.h"
#include "ClasNFe/ListaNotas.h"
#include "cli/Comandos.h"
#include "util/UString.h"
#include "util/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace luvenor::cli {
namespace {

constexpr const char* ajudaListar =
    R"(usage: luvenor-cli list [--recursive] [--json|--csv] DIR

Lists the NF-e distribution files of DIR, one row per invoice, in file-name
order, as the folder window does: number, series, issue date, issuer and
recipient (masked CNPJ/CPF and name), total value, situation (AUTORIZADA,
CANCELADA, DENEGADA, SEM PROTOCOLO, LEITURA INTERROMPIDA with the step that
stopped, NÃO É NF-e for an .xml file that is not one), DANFE layout, access key
and file name. Event files beside an invoice whose names hold its key count for
it (a cancellation makes it CANCELADA) and are not listed.

  --recursive   also list the sub-folders
  --json        one JSON array of objects
  --csv         CSV for spreadsheets: UTF-8 with BOM, ";" between fields,
                amounts as 1.234,56
  --help        show this help

Exit codes: 0 listed; 2 DIR is missing or cannot be listed (message on
stderr); 1 wrong usage.
)";

// A CSV field: quoted when it holds the separator, a quote or a line break; quotes doubled.
std::string CampoCsv(const std::string& texto) {
    if (texto.find_first_of(";\"\r\n") == std::string::npos) return texto;
    std::string campo = "\"";
    for (char c : texto) {
        if (c == '"') campo += '"';
        campo += c;
    }
    return campo + '"';
}

void EscreverCsv(const std::vector<LinhaNota>& linhas) {
    std::string saida = "\xEF\xBB\xBF";
    auto linha = [&saida](auto texto) {
        bool primeiro = true;
        for (const ColunaLista& c : ColunasLista()) {
            if (!primeiro) saida += ';';
            primeiro = false;
            saida += CampoCsv(texto(c));
        }
        saida += "\r\n";
    };
    linha([](const ColunaLista& c) { return std::string(c.Titulo); });
    for (const LinhaNota& l : linhas) linha([&l](const ColunaLista& c) { return c.Texto(l); });
    std::fwrite(saida.data(), 1, saida.size(), stdout);
}

void EscreverJson(const std::vector<LinhaNota>& linhas) {
    TEscritorJson json;
    json.IniciarLista();
    for (const LinhaNota& l : linhas) {
        json.IniciarObjeto();
        for (const ColunaLista& c : ColunasLista()) {
            json.Chave(c.Nome);
            if (c.EhValor && l.EhNFe)
                json.Real(l.Valor);
            else
                json.Texto(c.Texto(l));
        }
        json.FecharObjeto();
    }
    json.FecharLista();
    std::printf("%s\n", json.Resultado().c_str());
}

// The plain table: the columns a reader scans, padded by characters so accented names line up.
void EscreverTexto(const std::vector<LinhaNota>& linhas) {
    static const char* const mostradas[] = {"numero", "serie",    "emissao", "emitente", "destinatario",
                                            "valor",  "situacao", "layout",  "arquivo"};
    std::vector<const ColunaLista*> cols;
    for (const char* nome : mostradas)
        for (const ColunaLista& c : ColunasLista())
            if (std::strcmp(c.Nome, nome) == 0) cols.push_back(&c);
    std::vector<int> larguras;
    for (const ColunaLista* c : cols) {
        int largura = ContarCaracteres(c->Titulo);
        for (const LinhaNota& l : linhas) largura = std::max(largura, ContarCaracteres(c->Texto(l)));
        larguras.push_back(std::min(largura, 40));
    }
    auto imprimir = [&](auto texto) {
        std::string linha;
        for (size_t i = 0; i < cols.size(); ++i) {
            const std::string t = texto(*cols[i]);
            linha += cols[i]->EhValor ? CompletarEsquerda(t, larguras[i]) : CompletarDireita(t, larguras[i]);
            if (i + 1 < cols.size()) linha += "  ";
        }
        linha.erase(linha.find_last_not_of(' ') + 1);
        std::printf("%s\n", linha.c_str());
    };
    imprimir([](const ColunaLista& c) { return std::string(c.Titulo); });
    for (const LinhaNota& l : linhas) imprimir([&l](const ColunaLista& c) { return c.Texto(l); });
}

}  // namespace

int ComandoListar(int argc, char** argv) {
    bool recursivo = false, json = false, csv = false;
    std::string pasta, erro;
    for (int i = 0; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(ajudaListar, stdout);
            return SaidaOk;
        }
        if (std::strcmp(arg, "--recursive") == 0 || std::strcmp(arg, "-r") == 0)
            recursivo = true;
        else if (std::strcmp(arg, "--json") == 0)
            json = true;
        else if (std::strcmp(arg, "--csv") == 0)
            csv = true;
        else if (arg[0] == '-' && arg[1] != '\0')
            erro = std::string("luvenor-cli list: unknown option '") + arg + "'";
        else if (pasta.empty())
            pasta = arg;
        else
            erro = "luvenor-cli list: only one folder is listed at a time";
    }
    if (erro.empty() && pasta.empty()) erro = "luvenor-cli list: no folder given";
    if (erro.empty() && json && csv) erro = "luvenor-cli list: --json and --csv exclude each other";
    if (!erro.empty()) {
        std::fprintf(stderr, "%s\n\n%s", erro.c_str(), ajudaListar);
        return SaidaUso;
    }
    std::vector<LinhaNota> linhas = ListarPastaOrdenada(pasta, recursivo, erro);
    if (!erro.empty()) {
        std::fprintf(stderr, "%s\n", erro.c_str());
        return SaidaNaoCarregada;
    }
    if (json)
        EscreverJson(linhas);
    else if (csv)
        EscreverCsv(linhas);
    else
        EscreverTexto(linhas);
    return SaidaOk;
}

}  // namespace luvenor::cli
