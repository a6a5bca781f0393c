#include "report/RLTexts.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdlib>

namespace luvenor {
namespace {

struct LinhaTexto {
    const char* ingles;
    const char* portugues;
    const char* espanhol;
};

// One row per text number, 0 to 117.
constexpr std::array<LinhaTexto, QuantidadeTextos> tabela = {{
    /* 0 */ {"Printing in progress...", "Imprimindo o relatório...", "Impresión en marcha..."},
    /* 1 */ {"Saving report...", "Salvando o relatório...", "Guardando el informe..."},
    /* 2 */ {"Preparing report...", "Preparando o relatório...", "Preparación del informe..."},
    /* 3 */ {"Page setup", "Configurar página", "Configurar página"},
    /* 4 */ {"Paper size", "Tamanho do papel", "Tamaño del papel"},
    /* 5 */ {"Orientation", "Orientação", "Orientación"},
    /* 6 */ {"Portrait", "Retrato", "Vertical"},
    /* 7 */ {"Landscape", "Paisagem", "Horizontal"},
    /* 8 */ {"Page", "Página", "Página"},
    /* 9 */
    {"Error while preparing report", "Erro durante a preparação do relatório",
     "Un error ocurrió mientras se preparaba el informe"},
    /* 10 */
    {"Error while printing report", "Erro durante a impressão do relatório",
     "Un error ocurrió mientras se imprimía el informe"},
    /* 11 */
    {"Error while saving report", "Erro ao salvar o relatório",
     "Un error ocurrió mientras se guardaba el informe"},
    /* 12 */
    {"Error while loading report", "Erro ao carregar o relatório",
     "Un error ocurrió mientras se cargaba el informe"},
    /* 13 */
    {"File already exists. Overwrite?", "File already exists. Overwrite?", "File already exists. Overwrite?"},
    /* 14 */ {"Report file", "Arquivo de relatório", "Archivo de informe"},
    /* 15 */ {"File Name", "Nome do arquivo", "Nombre del Archivo"},
    /* 16 */ {"Save as", "Salvar como", "Guardar como"},
    /* 17 */ {"Open", "Abrir", "Abrir"},
    /* 18 */ {"Not found", "Não encontrado", "No encontrado"},
    /* 19 */ {"Wait...", "Aguarde...", "Espera..."},
    /* 20 */ {"Yes", "Sim", "Sí"},
    /* 21 */ {"Cancel", "Cancelar", "Cancelar"},
    /* 22 */ {"Close", "Fechar", "Cerrar"},
    /* 23 */ {"Save", "Salvar", "Guardar"},
    /* 24 */ {"Send", "Enviar", "Enviar"},
    /* 25 */ {"Print", "Imprimir", "Imprimir"},
    /* 26 */ {"Printer setup", "Configurar impressora", "Configurar impresora"},
    /* 27 */ {"Preview", "Pré-visualização", "Ver"},
    /* 28 */ {"of", "de", "de"},
    /* 29 */ {"Go to page", "Ir para a página", "Ir a la página"},
    /* 30 */ {"First page", "Primeira página", "Primera página"},
    /* 31 */ {"Prior page", "Página anterior", "Página anterior"},
    /* 32 */ {"Next page", "Próxima página", "Página siguiente"},
    /* 33 */ {"Last page", "Última página", "Última página"},
    /* 34 */ {"Entire page", "Página inteira", "Página entera"},
    /* 35 */ {"Entire width", "Largura da página", "Ancho completo"},
    /* 36 */ {"Multiple pages", "Várias páginas", "Varias páginas"},
    /* 37 */ {"Zoom", "Zoom", "Zoom"},
    /* 38 */ {"Save to file", "Salvar em disco", "Guardar en un archivo"},
    /* 39 */ {"Send to", "Enviar para", "Envíar a"},
    /* 40 */ {"Printer", "Impressora", "Impresora"},
    /* 41 */ {"Name", "Nome", "Nombre"},
    /* 42 */ {"Print to file", "Imprimir em arquivo", "Imprimir a un archivo"},
    /* 43 */ {"Status", "Situação", "Estado"},
    /* 44 */ {"Type", "Tipo", "Tipo"},
    /* 45 */ {"Where", "Local", "Ubicación"},
    /* 46 */ {"Page range", "Intervalo de páginas", "Intervalo de páginas"},
    /* 47 */ {"Copy as Bitmap", "Copiar como Bitmap", "Copiar como imagen"},
    /* 48 */ {"Copy as Metafile", "Copiar como Metafile", "Copy as Metafile"},
    /* 49 */ {"from", "de", "de"},
    /* 50 */ {"to", "até", "a"},
    /* 51 */ {"All", "Tudo", "Todas"},
    /* 52 */ {"Pages", "Páginas", "Páginas"},
    /* 53 */ {"Selection", "Seleção", "Selección"},
    /* 54 */ {"Copies", "Cópias", "Copias"},
    /* 55 */ {"Number of copies", "Número de cópias", "Número de copias"},
    /* 56 */ {"OK", "OK", "OK"},
    /* 57 */ {"Divide the screen", "Dividir a tela", "Dividir la pantalla"},
    /* 58 */ {"Send by e-mail", "Enviar por e-mail", "Enviar por correo"},
    /* 59 */ {"Options", "Opções", "Opciones"},
    /* 60 */ {"Use filter", "Usar Filtro", "Usar Filtro"},
    /* 61 */ {"Filter", "Filtro", "Filtro"},
    /* 62 */ {"Format", "Formato", "Formato"},
    /* 63 */ {"Filters", "Filtros", "Filtros"},
    /* 64 */ {"Text file", "Arquivo texto", "Archivo de texto"},
    /* 65 */ {"Image file", "Arquivo de imagem", "Archivo de imagen"},
    /* 66 */ {"PDF document", "Documento PDF", "Documento PDF"},
    /* 67 */ {"Web page", "Página da web", "Página web"},
    /* 68 */ {"Default", "Padrão", "Estándar"},
    /* 69 */ {"No filter", "Nenhum filtro", "Ningún filtro"},
    /* 70 */ {"Printing page", "Imprimindo página", "Imprimiendo página"},
    /* 71 */ {"Saving page", "Salvando página", "Guardando página"},
    /* 72 */ {"Edit", "Editar", "Editar"},
    /* 73 */ {"Find", "Procurar", "Buscar"},
    /* 74 */ {"Te&xt", "Te&xto", "Te&xto"},
    /* 75 */ {"Find &Next", "&Próxima", "&Siguiente"},
    /* 76 */ {"&Whole words only", "Palavras &inteiras", "Palabras &completas sólamente"},
    /* 77 */ {"&Match Case", "Diferenciar &maiúsculas de minúsculas", "Diferenciar &mayúsculas y minúsculas"},
    /* 78 */ {"&Up", "A&cima", "En&cima"},
    /* 79 */ {"&Down", "A&baixo", "&Abajo"},
    /* 80 */ {"Direction", "Direção", "Dirección"},
    /* 81 */ {"Information", "Informação", "Información"},
    /* 82 */ {"Version", "Versão", "Versión"},
    /* 83 */ {"Pages printed", "Páginas impressas", "Páginas impresas"},
    /* 84 */ {"Odd", "Ímpares", "Impares"},
    /* 85 */ {"Even", "Pares", "Pares"},
    /* 86 */ {"Odd pages only", "Somente Ímpares", "Sólo Impares"},
    /* 87 */ {"Even pages only", "Somente Pares", "Sólo Pares"},
    /* 88 */ {"All", "Todas", "Todas"},
    /* 89 */
    {"Problems with print dialog", "Problemas com o diálogo da impressora",
     "Problemas con el diálogo de la impresora"},
    /* 90 */
    {"Separate page numbers or page intervals with \";\". i.e.: 1;3;5-12;4",
     "Separe com ponto-e-vírgula os números ou intervalos de páginas a imprimir. Ex.: 1;3;5-12;4",
     "Separar con \";\" los números o rangos de páginas para imprimir. Ex.: 1;3;5-12;4"},
    /* 91 */ {"Report \"%s\"", "Relatório \"%s\"", "Impresión \"%s\""},
    /* 92 */
    {"Change zoom level",
     "Você também pode aumentar ou reduzir o zoom do relatório\r\npressionando \"Ctrl\" e usando a "
     "rolagem do mouse.",
     ""},
    /* 93 */ {"Prepared pages", "Páginas preparadas", "Páginas preparadas"},
    /* 94 */ {"Settings", "Propriedades", ""},
    /* 95 */ {"Collate copies", "Intercalar cópias", "Intercalar copias"},
    /* 96 */ {"Reverse order", "Ordem inversa", "Orden inverso"},
    /* 97 */ {"Margins", "Margens", "Márgenes"},
    /* 98 */ {"Left", "Esquerda", "Izquierda"},
    /* 99 */ {"Top", "Superior", "Superior"},
    /* 100 */ {"Right", "Direita", "Derecha"},
    /* 101 */ {"Bottom", "Inferior", "Inferior"},
    /* 102 */ {"Millimetres", "Milímetros", "Milímetros"},
    /* 103 */ {"Paper source", "Origem do papel", "Origen del papel"},
    /* 104 */ {"Printer not ready", "A impressora não está pronta", "La impresora no está lista"},
    /* 105 */ {"No printer installed", "Nenhuma impressora instalada", "Ninguna impresora instalada"},
    /* 106 */ {"Cancelled by the user", "Cancelado pelo usuário", "Cancelado por el usuario"},
    /* 107 */ {"Invalid page range", "Intervalo de páginas inválido", "Intervalo de páginas no válido"},
    /* 108 */ {"Invalid file name", "Nome de arquivo inválido", "Nombre de archivo no válido"},
    /* 109 */ {"Cannot create file", "Não foi possível criar o arquivo", "No se puede crear el archivo"},
    /* 110 */ {"Cannot open file", "Não foi possível abrir o arquivo", "No se puede abrir el archivo"},
    /* 111 */ {"Damaged file", "Arquivo danificado", "Archivo dañado"},
    /* 112 */ {"Unknown file format", "Formato de arquivo desconhecido", "Formato de archivo desconocido"},
    /* 113 */ {"Automatic two-sided printing", "Impressão frente e verso", "Automatic two-sided printing"},
    /* 114 */ {"Long edge", "Borda longa", "Borde largo"},
    /* 115 */ {"Short edge", "Borda curta", "Borde corto"},
    /* 116 */ {"Binding", "Encadernação", "Encuadernación"},
    /* 117 */ {"Fit to page", "Ajustar à página", "Ajustar a la página"},
}};

// The strings are built once per language so callers can keep references.
const std::array<std::string, QuantidadeTextos>& Coluna(TRLIdioma idioma) {
    auto montar = [](auto escolher) {
        std::array<std::string, QuantidadeTextos> c;
        for (int i = 0; i < QuantidadeTextos; ++i)
            c[static_cast<size_t>(i)] = escolher(tabela[static_cast<size_t>(i)]);
        return c;
    };
    static const auto ingles = montar([](const LinhaTexto& l) { return l.ingles; });
    static const auto portugues = montar([](const LinhaTexto& l) { return l.portugues; });
    static const auto espanhol = montar([](const LinhaTexto& l) { return l.espanhol; });
    switch (idioma) {
        case TRLIdioma::Portugues:
            return portugues;
        case TRLIdioma::Espanhol:
            return espanhol;
        case TRLIdioma::Ingles:
            break;
    }
    return ingles;
}

std::string_view VariavelDeLocal() {
    for (const char* nome : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valor = std::getenv(nome);
        if (valor && *valor) return valor;
    }
    return {};
}

}  // namespace

const std::string& TextoNoIdioma(TRLIdioma idioma, int n) {
    static const std::string vazio;
    if (n < 0 || n >= QuantidadeTextos) return vazio;
    return Coluna(idioma)[static_cast<size_t>(n)];
}

TRLIdioma IdiomaDoLocal(std::string_view localeName) {
    // "pt_BR.UTF-8@euro" -> "pt": the language is what comes before '_', '-', '.' or '@'.
    const std::string_view lingua = localeName.substr(0, localeName.find_first_of("_-.@"));
    auto igual = [&](std::string_view codigo) {
        if (lingua.size() != codigo.size()) return false;
        for (size_t i = 0; i < codigo.size(); ++i) {
            const char c = lingua[i];
            if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != codigo[i]) return false;
        }
        return true;
    };
    if (igual("pt")) return TRLIdioma::Portugues;
    if (igual("es")) return TRLIdioma::Espanhol;
    return TRLIdioma::Ingles;
}

TRLIdioma IdiomaDoUsuario() {
    const std::string_view variavel = VariavelDeLocal();
    if (!variavel.empty()) return IdiomaDoLocal(variavel);
    const QByteArray nome = QLocale::system().name().toUtf8();
    return IdiomaDoLocal(std::string_view(nome.constData(), static_cast<size_t>(nome.size())));
}

TRLIdioma IdiomaEscolhido() {
    static const TRLIdioma escolhido = IdiomaDoUsuario();
    return escolhido;
}

const std::string& LSTexto(int n) {
    return TextoNoIdioma(IdiomaEscolhido(), n);
}

}  // namespace luvenor
