#pragma once
// The prepared-page file (".rpf", version 3) and the stored form of one page, which the page
// store's temporary file uses too. Integers are little-endian. Texts are Windows-1252 when every
// character has a Windows-1252 byte; any other text is stored as EF BB BF followed by its UTF-8,
// so nothing is lost. Reading checks every length and count against the bytes it has and refuses
// a damaged file with an ERLPageFileError naming what is wrong and where.
#include "report/RLGraphics.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace luvenor {

class ERLPageFileError : public std::runtime_error {
public:
    explicit ERLPageFileError(const std::string& mensagem) : std::runtime_error(mensagem) {}
};

// "VIZodedadUvezaru3" + byte 26, and "RLGraphicSurface3" + byte 26.
constexpr std::string_view AssinaturaArquivoPaginas{"VIZodedadUvezaru3\x1A", 18};
constexpr std::string_view AssinaturaPagina{"RLGraphicSurface3\x1A", 18};

// Bounds that a real file is far within (a DANFE page holds about a thousand objects, a few short
// texts, two small pictures and no nested clip); a file beyond one is refused with an
// ERLPageFileError naming the bound, so that reading, drawing and previewing any file stay within
// bounded time and memory.
struct LimitesArquivoPaginas {
    static constexpr size_t Bytes = size_t{256} << 20;
    static constexpr size_t Paginas = 10000;
    static constexpr size_t ObjetosPorPagina = 200000;
    static constexpr size_t Macros = 1000;
    static constexpr size_t Fontes = 1000;
    static constexpr int RecortesAninhados = 64;
    static constexpr size_t BytesPorTexto = size_t{64} << 10;
    static constexpr int64_t PixelsPorFigura = int64_t{16} << 20;
    static constexpr int64_t PixelsDeFigurasPorPagina = int64_t{64} << 20;
};

// One page in its stored form (without the record's length prefix).
std::string EscreverPagina(const TRLGraphicSurface& page);
// Reads one stored page; `pageNumber` (1-based) only names the page in error messages.
TRLGraphicSurface LerPagina(std::string_view bytes, int pageNumber);

// Texts of the stored form: UTF-8 to stored bytes and back.
std::string TextoParaArquivo(std::string_view utf8);
std::string TextoDoArquivo(std::string_view stored);

// Writes the whole store (macros and every page) to `path`. Throws std::runtime_error when the
// file cannot be written or is one of `entradas`; an existing file is replaced only once the new
// one is complete.
void SalvarArquivoPaginas(const TRLGraphicStorage& store, const std::string& path,
                          const std::vector<std::string>& entradas = {});
// The same, into memory.
std::string GerarArquivoPaginas(const TRLGraphicStorage& store);

// Reads a prepared-page file's bytes: the store macros go to `macros`, every page to `porPagina`
// in page order. Throws ERLPageFileError.
void LerArquivoPaginas(std::string_view bytes, TRLMacros& macros,
                       const std::function<void(TRLGraphicSurface&&)>& porPagina);
// Reads into a store (emptied first; left empty when the file is refused).
void LerArquivoPaginas(std::string_view bytes, TRLGraphicStorage& store);
// Reads a file from disk; a file that cannot be opened is an ERLPageFileError too.
void CarregarArquivoPaginas(const std::string& path, TRLGraphicStorage& store);

}  // namespace luvenor
