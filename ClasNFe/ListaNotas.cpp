#include "ClasNFe/ListaNotas.h"

#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "ClasNFe/DadosPrincipais.h"
#include "ClasNFe/LeitorEventos.h"
#include "util/UNumber.h"
#include "util/UString.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

namespace fs = std::filesystem;

namespace luvenor {
namespace {

#define LUVENOR_COLUNA_TEXTO(campo) [](const LinhaNota& l) { return l.campo; }

constexpr ColunaLista colunas[] = {
    {"numero", "Número", LUVENOR_COLUNA_TEXTO(Numero)},
    {"serie", "Série", LUVENOR_COLUNA_TEXTO(Serie)},
    {"emissao", "Emissão", LUVENOR_COLUNA_TEXTO(DataEmissao)},
    {"cnpjEmitente", "CNPJ/CPF do emitente", LUVENOR_COLUNA_TEXTO(CnpjEmit)},
    {"emitente", "Emitente", LUVENOR_COLUNA_TEXTO(NomeEmit)},
    {"cnpjDestinatario", "CNPJ/CPF do destinatário", LUVENOR_COLUNA_TEXTO(CnpjDest)},
    {"destinatario", "Destinatário", LUVENOR_COLUNA_TEXTO(NomeDest)},
    {"valor", "Valor total", [](const LinhaNota& l) { return ValorBrasileiro(l.Valor); }, true},
    {"situacao", "Situação", LUVENOR_COLUNA_TEXTO(Situacao)},
    {"motivo", "Motivo", LUVENOR_COLUNA_TEXTO(Motivo)},
    {"layout", "Layout", LUVENOR_COLUNA_TEXTO(Layout)},
    {"chave", "Chave de acesso", LUVENOR_COLUNA_TEXTO(ChaveNfe)},
    {"arquivo", "Arquivo", LUVENOR_COLUNA_TEXTO(Arquivo)},
};

#undef LUVENOR_COLUNA_TEXTO

bool ExtensaoXml(const fs::path& nome) {
    std::string extensao = nome.extension().string();
    for (char& c : extensao)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extensao == ".xml";
}

// The event files of each folder by every access key their names hold, as the main window finds
// them by listing the folder; built once for the whole folder instead of once per invoice.
class IndiceEventos {
public:
    void Adicionar(const fs::path& caminho) {
        const std::string nome = caminho.filename().string();
        const std::string pasta = caminho.parent_path().string();
        size_t corrida = 0;  // digits in a row ending at i
        for (size_t i = 0; i < nome.size(); ++i) {
            corrida = (nome[i] >= '0' && nome[i] <= '9') ? corrida + 1 : 0;
            if (corrida >= 44) porChave_[pasta + '\n' + nome.substr(i - 43, 44)].push_back(caminho.string());
        }
    }
    void Ordenar() {
        for (auto& [chave, arquivos] : porChave_) std::sort(arquivos.begin(), arquivos.end());
    }
    std::vector<std::string> Procurar(const std::string& caminhoNota, const std::string& chave) const {
        const fs::path nota(caminhoNota);
        auto achado = porChave_.find(nota.parent_path().string() + '\n' + chave);
        if (achado == porChave_.end()) return {};
        std::vector<std::string> arquivos;
        for (const std::string& a : achado->second)
            if (a != caminhoNota) arquivos.push_back(a);
        return arquivos;
    }

private:
    std::map<std::string, std::vector<std::string>> porChave_;
};

std::string LayoutDaNota(const TNotaFiscal& nf) {
    if (EhNfce(nf)) return "Bobina";
    return EhPaisagem(nf) ? "Paisagem" : "Retrato";
}

void PreencherDaNota(LinhaNota& linha, const TNotaFiscal& nf, const std::string& msgErro) {
    const DadosPrincipais dados = MontarDadosPrincipais(nf);
    linha.EhNFe = true;
    linha.Numero = dados.NumNota;
    linha.Serie = TirarEspacos(nf.SerieNum);
    linha.DataEmissao = TirarEspacos(dados.DataEmissao);
    linha.ChaveNfe = TirarEspacos(nf.ChaveNfe);
    linha.CnpjEmit = dados.CnpjEmit;
    linha.NomeEmit = dados.NomeEmit;
    linha.CnpjDest = dados.CnpjDest;
    linha.NomeDest = dados.NomeDest;
    linha.Valor = nf.TotNota;
    linha.Layout = LayoutDaNota(nf);
    // A read that stopped at the missing protocol is an invoice not yet authorised, not a damaged one.
    linha.Situacao = msgErro.empty() || nf.SemProtocolo ? SituacaoNFe(nf) : SituacaoInterrompida;
    linha.Motivo = msgErro;
}

// The row of one file; false for an event document, which is no invoice of its own.
bool LerLinha(const fs::path& caminho, const fs::path& pasta, const IndiceEventos& indice, LinhaNota& linha) {
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const ProcurarEventos procurar = [&indice](const std::string& c, const std::string& chave) {
        return indice.Procurar(c, chave);
    };
    const ResultadoCarga resultado = CarregarArquivoNFe(leitor, caminho.string(), procurar);
    if (resultado.DocumentoEvento) return false;
    linha.Arquivo = caminho.lexically_relative(pasta).generic_string();
    if (!resultado.Carregado()) {
        linha.Situacao = SituacaoNaoNFe;
        linha.Motivo = resultado.ErroCarga;
        return true;
    }
    PreencherDaNota(linha, nf, resultado.MsgErro);
    return true;
}

std::vector<fs::path> ArquivosXml(const fs::path& pasta, bool recursivo, std::error_code& erro) {
    std::vector<fs::path> arquivos;
    auto considerar = [&arquivos](const fs::directory_entry& entrada) {
        std::error_code tipo;
        if (ExtensaoXml(entrada.path()) && entrada.is_regular_file(tipo)) arquivos.push_back(entrada.path());
    };
    if (recursivo) {
        const auto opcoes = fs::directory_options::skip_permission_denied;
        for (fs::recursive_directory_iterator it(pasta, opcoes, erro), fim; !erro && it != fim;
             it.increment(erro))
            considerar(*it);
    } else {
        for (fs::directory_iterator it(pasta, erro), fim; !erro && it != fim; it.increment(erro))
            considerar(*it);
    }
    std::sort(arquivos.begin(), arquivos.end());
    return arquivos;
}

}  // namespace

std::span<const ColunaLista> ColunasLista() {
    return colunas;
}

std::string ValorBrasileiro(double valor) {
    return TirarEspacos(MSC(18, 2, valor));
}

std::string ListarPasta(const std::string& pasta, const OpcoesLista& opcoes,
                        const std::function<void(LinhaNota&&)>& entregar) {
    std::error_code erro;
    if (Vazio(pasta)) return "Informe a pasta.";
    if (!fs::is_directory(pasta, erro)) return "Pasta não encontrada: " + pasta;
    const fs::path raiz(pasta);
    const std::vector<fs::path> arquivos = ArquivosXml(raiz, opcoes.Recursivo, erro);
    if (erro) return "Não foi possível listar a pasta " + pasta + ": " + erro.message();
    if (opcoes.AoContar) opcoes.AoContar(arquivos.size());
    IndiceEventos indice;
    for (const fs::path& a : arquivos) indice.Adicionar(a);
    indice.Ordenar();

    std::atomic<size_t> proximo{0};
    std::mutex entrega;
    auto trabalhar = [&] {
        for (size_t i = proximo++; i < arquivos.size(); i = proximo++) {
            if (opcoes.Cancelar && opcoes.Cancelar->load()) return;
            LinhaNota linha;
            if (!LerLinha(arquivos[i], raiz, indice, linha)) continue;
            std::lock_guard trava(entrega);
            entregar(std::move(linha));
        }
    };
    const int nucleos = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int tarefas = std::clamp(opcoes.Tarefas > 0 ? opcoes.Tarefas : nucleos, 1, 64);
    std::vector<std::jthread> trabalhadores;
    for (int t = 1; t < tarefas; ++t) trabalhadores.emplace_back(trabalhar);
    trabalhar();
    return {};
}

std::vector<LinhaNota> ListarPastaOrdenada(const std::string& pasta, bool recursivo, std::string& erro) {
    std::vector<LinhaNota> linhas;
    OpcoesLista opcoes;
    opcoes.Recursivo = recursivo;
    erro = ListarPasta(pasta, opcoes, [&linhas](LinhaNota&& l) { linhas.push_back(std::move(l)); });
    std::sort(linhas.begin(), linhas.end(),
              [](const LinhaNota& a, const LinhaNota& b) { return a.Arquivo < b.Arquivo; });
    return linhas;
}

}  // namespace luvenor
