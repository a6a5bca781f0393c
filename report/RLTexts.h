#pragma once
// The engine's language table: 118 numbered texts (0 to 117), chosen once from the user's locale.
// Portuguese, Spanish and English tables are held; every other language uses the English one.
// Callers name a text (LSTexto(TextoRL::Imprimir)); the numbers are fixed, and saved tables and
// tests rely on them.
#include <string>
#include <string_view>

namespace luvenor {

enum class TRLIdioma { Ingles, Portugues, Espanhol };

// Texts 0 to 117 are the engine's numbered table; the viewer's own texts follow them.
constexpr int QuantidadeTextos = 126;

// Each text by name, with its number in the table.
enum class TextoRL : int {
    ImprimindoRelatorio = 0,
    SalvandoRelatorio = 1,
    PreparandoRelatorio = 2,
    ConfigurarPagina = 3,
    TamanhoDoPapel = 4,
    Orientacao = 5,
    Retrato = 6,
    Paisagem = 7,
    Pagina = 8,
    ErroAoPreparar = 9,
    ErroAoImprimir = 10,
    ErroAoSalvar = 11,
    ErroAoCarregar = 12,
    ArquivoJaExiste = 13,
    ArquivoDeRelatorio = 14,
    NomeDoArquivo = 15,
    SalvarComo = 16,
    Abrir = 17,
    NaoEncontrado = 18,
    Aguarde = 19,
    Sim = 20,
    Cancelar = 21,
    Fechar = 22,
    Salvar = 23,
    Enviar = 24,
    Imprimir = 25,
    ConfigurarImpressora = 26,
    PreVisualizacao = 27,
    DeTotal = 28,
    IrParaPagina = 29,
    PrimeiraPagina = 30,
    PaginaAnterior = 31,
    ProximaPagina = 32,
    UltimaPagina = 33,
    PaginaInteira = 34,
    LarguraDaPagina = 35,
    VariasPaginas = 36,
    Zoom = 37,
    SalvarEmDisco = 38,
    EnviarPara = 39,
    Impressora = 40,
    Nome = 41,
    ImprimirEmArquivo = 42,
    Situacao = 43,
    Tipo = 44,
    Local = 45,
    IntervaloDePaginas = 46,
    CopiarComoBitmap = 47,
    CopiarComoMetafile = 48,
    DaPagina = 49,
    AtePagina = 50,
    Tudo = 51,
    Paginas = 52,
    Selecao = 53,
    Copias = 54,
    NumeroDeCopias = 55,
    Ok = 56,
    DividirTela = 57,
    EnviarPorEmail = 58,
    Opcoes = 59,
    UsarFiltro = 60,
    Filtro = 61,
    Formato = 62,
    Filtros = 63,
    ArquivoTexto = 64,
    ArquivoDeImagem = 65,
    DocumentoPdf = 66,
    PaginaDaWeb = 67,
    Padrao = 68,
    NenhumFiltro = 69,
    ImprimindoPagina = 70,
    SalvandoPagina = 71,
    Editar = 72,
    Procurar = 73,
    Texto = 74,
    ProcurarProxima = 75,
    PalavrasInteiras = 76,
    DiferenciarMaiusculas = 77,
    Acima = 78,
    Abaixo = 79,
    Direcao = 80,
    Informacao = 81,
    Versao = 82,
    PaginasImpressas = 83,
    Impares = 84,
    Pares = 85,
    SomenteImpares = 86,
    SomentePares = 87,
    Todas = 88,
    ProblemasNoDialogoDaImpressora = 89,
    DicaDaSelecao = 90,
    RelatorioDoPrograma = 91,
    DicaDoZoom = 92,
    PaginasPreparadas = 93,
    Propriedades = 94,
    IntercalarCopias = 95,
    OrdemInversa = 96,
    Margens = 97,
    Esquerda = 98,
    Superior = 99,
    Direita = 100,
    Inferior = 101,
    Milimetros = 102,
    OrigemDoPapel = 103,
    ImpressoraNaoPronta = 104,
    NenhumaImpressora = 105,
    CanceladoPeloUsuario = 106,
    IntervaloInvalido = 107,
    NomeDeArquivoInvalido = 108,
    NaoFoiPossivelCriar = 109,
    NaoFoiPossivelAbrir = 110,
    ArquivoDanificado = 111,
    FormatoDesconhecido = 112,
    FrenteEVerso = 113,
    BordaLonga = 114,
    BordaCurta = 115,
    Encadernacao = 116,
    AjustarAPagina = 117,
    BuscaContinuouDoInicio = 118,
    BuscaContinuouDoFim = 119,
    ArquivoPdf = 120,
    ImpressaoNaoIniciadaNaImpressora = 121,
    ImpressaoNaoIniciadaNoArquivo = 122,
    ImpressaoInterrompidaNaImpressora = 123,
    ImpressaoInterrompidaNoArquivo = 124,
    PastaInexistente = 125,
};

// A text of the table with its "%s" replaced by `valor`.
std::string LSTextoCom(TextoRL texto, const std::string& valor);

// The text of the table chosen for this run (empty for a number outside 0..117).
const std::string& LSTexto(TextoRL texto);
// The text of a given table.
const std::string& TextoNoIdioma(TRLIdioma idioma, TextoRL texto);

// The table a locale name chooses ("pt_BR.UTF-8", "pt", "es_ES", "C", ...), by its language part.
TRLIdioma IdiomaDoLocal(std::string_view localeName);
// The user's locale: LC_ALL, then LC_MESSAGES, then LANG (the first set and non-empty), else the
// system locale Qt reports.
TRLIdioma IdiomaDoUsuario();
// The table used by LSTexto: IdiomaDoUsuario() at the first call, fixed for the run.
TRLIdioma IdiomaEscolhido();

}  // namespace luvenor
