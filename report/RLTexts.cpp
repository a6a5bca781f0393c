#include "report/RLTexts.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdlib>

namespace luvenor {
namespace {

struct LinhaTexto {
    TextoRL texto;
    const char* ingles;
    const char* portugues;
    const char* espanhol;
};

// One row per text, in number order (checked below).
constexpr std::array<LinhaTexto, QuantidadeTextos> tabela = {{
    {TextoRL::ImprimindoRelatorio, "Printing in progress...", "Imprimindo o relatório...",
     "Impresión en marcha..."},
    {TextoRL::SalvandoRelatorio, "Saving report...", "Salvando o relatório...", "Guardando el informe..."},
    {TextoRL::PreparandoRelatorio, "Preparing report...", "Preparando o relatório...",
     "Preparación del informe..."},
    {TextoRL::ConfigurarPagina, "Page setup", "Configurar página", "Configurar página"},
    {TextoRL::TamanhoDoPapel, "Paper size", "Tamanho do papel", "Tamaño del papel"},
    {TextoRL::Orientacao, "Orientation", "Orientação", "Orientación"},
    {TextoRL::Retrato, "Portrait", "Retrato", "Vertical"},
    {TextoRL::Paisagem, "Landscape", "Paisagem", "Horizontal"},
    {TextoRL::Pagina, "Page", "Página", "Página"},
    {TextoRL::ErroAoPreparar, "Error while preparing report", "Erro durante a preparação do relatório",
     "Un error ocurrió mientras se preparaba el informe"},
    {TextoRL::ErroAoImprimir, "Error while printing report", "Erro durante a impressão do relatório",
     "Un error ocurrió mientras se imprimía el informe"},
    {TextoRL::ErroAoSalvar, "Error while saving report", "Erro ao salvar o relatório",
     "Un error ocurrió mientras se guardaba el informe"},
    {TextoRL::ErroAoCarregar, "Error while loading report", "Erro ao carregar o relatório",
     "Un error ocurrió mientras se cargaba el informe"},
    {TextoRL::ArquivoJaExiste, "File already exists. Overwrite?", "File already exists. Overwrite?",
     "File already exists. Overwrite?"},
    {TextoRL::ArquivoDeRelatorio, "Report file", "Arquivo de relatório", "Archivo de informe"},
    {TextoRL::NomeDoArquivo, "File Name", "Nome do arquivo", "Nombre del Archivo"},
    {TextoRL::SalvarComo, "Save as", "Salvar como", "Guardar como"},
    {TextoRL::Abrir, "Open", "Abrir", "Abrir"},
    {TextoRL::NaoEncontrado, "Not found", "Não encontrado", "No encontrado"},
    {TextoRL::Aguarde, "Wait...", "Aguarde...", "Espera..."},
    {TextoRL::Sim, "Yes", "Sim", "Sí"},
    {TextoRL::Cancelar, "Cancel", "Cancelar", "Cancelar"},
    {TextoRL::Fechar, "Close", "Fechar", "Cerrar"},
    {TextoRL::Salvar, "Save", "Salvar", "Guardar"},
    {TextoRL::Enviar, "Send", "Enviar", "Enviar"},
    {TextoRL::Imprimir, "Print", "Imprimir", "Imprimir"},
    {TextoRL::ConfigurarImpressora, "Printer setup", "Configurar impressora", "Configurar impresora"},
    {TextoRL::PreVisualizacao, "Preview", "Pré-visualização", "Ver"},
    {TextoRL::DeTotal, "of", "de", "de"},
    {TextoRL::IrParaPagina, "Go to page", "Ir para a página", "Ir a la página"},
    {TextoRL::PrimeiraPagina, "First page", "Primeira página", "Primera página"},
    {TextoRL::PaginaAnterior, "Prior page", "Página anterior", "Página anterior"},
    {TextoRL::ProximaPagina, "Next page", "Próxima página", "Página siguiente"},
    {TextoRL::UltimaPagina, "Last page", "Última página", "Última página"},
    {TextoRL::PaginaInteira, "Entire page", "Página inteira", "Página entera"},
    {TextoRL::LarguraDaPagina, "Entire width", "Largura da página", "Ancho completo"},
    {TextoRL::VariasPaginas, "Multiple pages", "Várias páginas", "Varias páginas"},
    {TextoRL::Zoom, "Zoom", "Zoom", "Zoom"},
    {TextoRL::SalvarEmDisco, "Save to file", "Salvar em disco", "Guardar en un archivo"},
    {TextoRL::EnviarPara, "Send to", "Enviar para", "Envíar a"},
    {TextoRL::Impressora, "Printer", "Impressora", "Impresora"},
    {TextoRL::Nome, "Name", "Nome", "Nombre"},
    {TextoRL::ImprimirEmArquivo, "Print to file", "Imprimir em arquivo", "Imprimir a un archivo"},
    {TextoRL::Situacao, "Status", "Situação", "Estado"},
    {TextoRL::Tipo, "Type", "Tipo", "Tipo"},
    {TextoRL::Local, "Where", "Local", "Ubicación"},
    {TextoRL::IntervaloDePaginas, "Page range", "Intervalo de páginas", "Intervalo de páginas"},
    {TextoRL::CopiarComoBitmap, "Copy as Bitmap", "Copiar como Bitmap", "Copiar como imagen"},
    {TextoRL::CopiarComoMetafile, "Copy as Metafile", "Copiar como Metafile", "Copy as Metafile"},
    {TextoRL::DaPagina, "from", "de", "de"},
    {TextoRL::AtePagina, "to", "até", "a"},
    {TextoRL::Tudo, "All", "Tudo", "Todas"},
    {TextoRL::Paginas, "Pages", "Páginas", "Páginas"},
    {TextoRL::Selecao, "Selection", "Seleção", "Selección"},
    {TextoRL::Copias, "Copies", "Cópias", "Copias"},
    {TextoRL::NumeroDeCopias, "Number of copies", "Número de cópias", "Número de copias"},
    {TextoRL::Ok, "OK", "OK", "OK"},
    {TextoRL::DividirTela, "Divide the screen", "Dividir a tela", "Dividir la pantalla"},
    {TextoRL::EnviarPorEmail, "Send by e-mail", "Enviar por e-mail", "Enviar por correo"},
    {TextoRL::Opcoes, "Options", "Opções", "Opciones"},
    {TextoRL::UsarFiltro, "Use filter", "Usar Filtro", "Usar Filtro"},
    {TextoRL::Filtro, "Filter", "Filtro", "Filtro"},
    {TextoRL::Formato, "Format", "Formato", "Formato"},
    {TextoRL::Filtros, "Filters", "Filtros", "Filtros"},
    {TextoRL::ArquivoTexto, "Text file", "Arquivo texto", "Archivo de texto"},
    {TextoRL::ArquivoDeImagem, "Image file", "Arquivo de imagem", "Archivo de imagen"},
    {TextoRL::DocumentoPdf, "PDF document", "Documento PDF", "Documento PDF"},
    {TextoRL::PaginaDaWeb, "Web page", "Página da web", "Página web"},
    {TextoRL::Padrao, "Default", "Padrão", "Estándar"},
    {TextoRL::NenhumFiltro, "No filter", "Nenhum filtro", "Ningún filtro"},
    {TextoRL::ImprimindoPagina, "Printing page", "Imprimindo página", "Imprimiendo página"},
    {TextoRL::SalvandoPagina, "Saving page", "Salvando página", "Guardando página"},
    {TextoRL::Editar, "Edit", "Editar", "Editar"},
    {TextoRL::Procurar, "Find", "Procurar", "Buscar"},
    {TextoRL::Texto, "Te&xt", "Te&xto", "Te&xto"},
    {TextoRL::ProcurarProxima, "Find &Next", "&Próxima", "&Siguiente"},
    {TextoRL::PalavrasInteiras, "&Whole words only", "Palavras &inteiras", "Palabras &completas sólamente"},
    {TextoRL::DiferenciarMaiusculas, "&Match Case", "Diferenciar &maiúsculas de minúsculas",
     "Diferenciar &mayúsculas y minúsculas"},
    {TextoRL::Acima, "&Up", "A&cima", "En&cima"},
    {TextoRL::Abaixo, "&Down", "A&baixo", "&Abajo"},
    {TextoRL::Direcao, "Direction", "Direção", "Dirección"},
    {TextoRL::Informacao, "Information", "Informação", "Información"},
    {TextoRL::Versao, "Version", "Versão", "Versión"},
    {TextoRL::PaginasImpressas, "Pages printed", "Páginas impressas", "Páginas impresas"},
    {TextoRL::Impares, "Odd", "Ímpares", "Impares"},
    {TextoRL::Pares, "Even", "Pares", "Pares"},
    {TextoRL::SomenteImpares, "Odd pages only", "Somente Ímpares", "Sólo Impares"},
    {TextoRL::SomentePares, "Even pages only", "Somente Pares", "Sólo Pares"},
    {TextoRL::Todas, "All", "Todas", "Todas"},
    {TextoRL::ProblemasNoDialogoDaImpressora, "Problems with print dialog",
     "Problemas com o diálogo da impressora", "Problemas con el diálogo de la impresora"},
    {TextoRL::DicaDaSelecao, "Separate page numbers or page intervals with \";\". i.e.: 1;3;5-12;4",
     "Separe com ponto-e-vírgula os números ou intervalos de páginas a imprimir. Ex.: 1;3;5-12;4",
     "Separar con \";\" los números o rangos de páginas para imprimir. Ex.: 1;3;5-12;4"},
    {TextoRL::RelatorioDoPrograma, "Report \"%s\"", "Relatório \"%s\"", "Impresión \"%s\""},
    {TextoRL::DicaDoZoom, "Change zoom level",
     "Você também pode aumentar ou reduzir o zoom do relatório\r\npressionando \"Ctrl\" e usando a "
     "rolagem do mouse.",
     ""},
    {TextoRL::PaginasPreparadas, "Prepared pages", "Páginas preparadas", "Páginas preparadas"},
    {TextoRL::Propriedades, "Settings", "Propriedades", ""},
    {TextoRL::IntercalarCopias, "Collate copies", "Intercalar cópias", "Intercalar copias"},
    {TextoRL::OrdemInversa, "Reverse order", "Ordem inversa", "Orden inverso"},
    {TextoRL::Margens, "Margins", "Margens", "Márgenes"},
    {TextoRL::Esquerda, "Left", "Esquerda", "Izquierda"},
    {TextoRL::Superior, "Top", "Superior", "Superior"},
    {TextoRL::Direita, "Right", "Direita", "Derecha"},
    {TextoRL::Inferior, "Bottom", "Inferior", "Inferior"},
    {TextoRL::Milimetros, "Millimetres", "Milímetros", "Milímetros"},
    {TextoRL::OrigemDoPapel, "Paper source", "Origem do papel", "Origen del papel"},
    {TextoRL::ImpressoraNaoPronta, "Printer not ready", "A impressora não está pronta",
     "La impresora no está lista"},
    {TextoRL::NenhumaImpressora, "No printer installed", "Nenhuma impressora instalada",
     "Ninguna impresora instalada"},
    {TextoRL::CanceladoPeloUsuario, "Cancelled by the user", "Cancelado pelo usuário",
     "Cancelado por el usuario"},
    {TextoRL::IntervaloInvalido, "Invalid page range", "Intervalo de páginas inválido",
     "Intervalo de páginas no válido"},
    {TextoRL::NomeDeArquivoInvalido, "Invalid file name", "Nome de arquivo inválido",
     "Nombre de archivo no válido"},
    {TextoRL::NaoFoiPossivelCriar, "Cannot create file", "Não foi possível criar o arquivo",
     "No se puede crear el archivo"},
    {TextoRL::NaoFoiPossivelAbrir, "Cannot open file", "Não foi possível abrir o arquivo",
     "No se puede abrir el archivo"},
    {TextoRL::ArquivoDanificado, "Damaged file", "Arquivo danificado", "Archivo dañado"},
    {TextoRL::FormatoDesconhecido, "Unknown file format", "Formato de arquivo desconhecido",
     "Formato de archivo desconocido"},
    {TextoRL::FrenteEVerso, "Automatic two-sided printing", "Impressão frente e verso",
     "Automatic two-sided printing"},
    {TextoRL::BordaLonga, "Long edge", "Borda longa", "Borde largo"},
    {TextoRL::BordaCurta, "Short edge", "Borda curta", "Borde corto"},
    {TextoRL::Encadernacao, "Binding", "Encadernação", "Encuadernación"},
    {TextoRL::AjustarAPagina, "Fit to page", "Ajustar à página", "Ajustar a la página"},
    {TextoRL::BuscaContinuouDoInicio, "End of the pages reached: continued from the first page.",
     "Fim das páginas: a busca continuou da primeira página.",
     "Fin de las páginas: la búsqueda continuó desde la primera página."},
    {TextoRL::BuscaContinuouDoFim, "Start of the pages reached: continued from the last page.",
     "Início das páginas: a busca continuou da última página.",
     "Inicio de las páginas: la búsqueda continuó desde la última página."},
    {TextoRL::ArquivoPdf, "PDF file", "Arquivo PDF", "Archivo PDF"},
    {TextoRL::ImpressaoNaoIniciadaNaImpressora, "The print job could not be started on the printer %s.",
     "A impressão não pôde ser iniciada na impressora %s.",
     "La impresión no se pudo iniciar en la impresora %s."},
    {TextoRL::ImpressaoNaoIniciadaNoArquivo,
     "The print job could not be started: the file %s cannot be written.",
     "A impressão não pôde ser iniciada: não foi possível gravar o arquivo %s.",
     "La impresión no se pudo iniciar: no se puede escribir el archivo %s."},
    {TextoRL::ImpressaoInterrompidaNaImpressora, "Printing stopped on the printer %s",
     "A impressão foi interrompida na impressora %s", "La impresión se interrumpió en la impresora %s"},
    {TextoRL::ImpressaoInterrompidaNoArquivo, "Printing stopped while writing the file %s",
     "A impressão foi interrompida ao gravar o arquivo %s",
     "La impresión se interrumpió al escribir el archivo %s"},
    {TextoRL::PastaInexistente, "The folder %s does not exist or cannot be written to.",
     "A pasta %s não existe ou não permite gravar.", "La carpeta %s no existe o no permite escribir."},
}};

constexpr bool EmOrdemDeNumero() {
    for (size_t i = 0; i < tabela.size(); ++i)
        if (static_cast<size_t>(tabela[i].texto) != i) return false;
    return true;
}
static_assert(EmOrdemDeNumero(), "each row of the language table sits at its text's number");

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

const std::string& TextoNoIdioma(TRLIdioma idioma, TextoRL texto) {
    static const std::string vazio;
    const int n = static_cast<int>(texto);
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

const std::string& LSTexto(TextoRL texto) {
    return TextoNoIdioma(IdiomaEscolhido(), texto);
}

std::string LSTextoCom(TextoRL texto, const std::string& valor) {
    std::string t = LSTexto(texto);
    const auto pos = t.find("%s");
    if (pos != std::string::npos) t.replace(pos, 2, valor);
    return t;
}

}  // namespace luvenor
