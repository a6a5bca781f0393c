#pragma once
// The invoices of a folder, one row each, as the folder window and `luvenor-cli list` show them:
// the files are read in worker threads with the same load as the main window, the event files
// lying beside them are matched by the key in their names, and rows are handed over as they come.
#include <atomic>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace luvenor {

struct LinhaNota {
    std::string Arquivo;  // the path relative to the listed folder, "/" between folders
    std::string Numero;
    std::string Serie;
    std::string DataEmissao;  // dd/mm/yyyy, the issue date
    std::string ChaveNfe;
    std::string CnpjEmit;  // masked as the DANFE prints it
    std::string NomeEmit;
    std::string CnpjDest;
    std::string NomeDest;
    double Valor = 0;
    std::string Situacao;  // AUTORIZADA, CANCELADA, DENEGADA, SEM PROTOCOLO, LEITURA INTERROMPIDA, NÃO É NF-e
    std::string Motivo;    // the read's step message or why the file is not an NF-e
    std::string Layout;    // Retrato, Paisagem or Bobina (NFC-e)
    bool EhNFe = false;
};

inline constexpr const char* SituacaoInterrompida = "LEITURA INTERROMPIDA";
inline constexpr const char* SituacaoNaoNFe = "NÃO É NF-e";

// One column of the listing: its name in JSON, its title for the user and its text in a row.
// A value column holds a number (right-aligned, summed, a JSON number).
struct ColunaLista {
    const char* Nome;
    const char* Titulo;
    std::string (*Texto)(const LinhaNota& linha);
    bool EhValor = false;
};

// Every column, in the order shown.
std::span<const ColunaLista> ColunasLista();

// The amount in Brazilian format: "1.234,56".
std::string ValorBrasileiro(double valor);

struct OpcoesLista {
    bool Recursivo = false;
    int Tarefas = 0;                              // worker threads; 0 means one per core
    const std::atomic<bool>* Cancelar = nullptr;  // set it to stop the reading soon
    std::function<void(size_t total)> AoContar;   // the number of files to read, before the first row
};

// Reads the NF-e files of `pasta` and hands each row to `entregar`, from one thread at a time, in
// no set order. Only .xml files are read; event documents give no row of their own. Returns the
// message the user sees when the folder cannot be listed (nothing is delivered then).
std::string ListarPasta(const std::string& pasta, const OpcoesLista& opcoes,
                        const std::function<void(LinhaNota&&)>& entregar);

// The rows of the whole folder ordered by file name, or the message in `erro`.
std::vector<LinhaNota> ListarPastaOrdenada(const std::string& pasta, bool recursivo, std::string& erro);

}  // namespace luvenor
