// The engine's language table and its choice from the user's locale.
#include "report/RLTexts.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace luvenor;

namespace {

struct CasoLocal {
    const char* nome;
    const char* local;
    TRLIdioma idioma;
};

class LocaleChoice : public testing::TestWithParam<CasoLocal> {};

TEST_P(LocaleChoice, ChoosesTheTableByLanguage) {
    EXPECT_EQ(IdiomaDoLocal(GetParam().local), GetParam().idioma);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleChoice,
    testing::Values(CasoLocal{"Brazilian", "pt_BR.UTF-8", TRLIdioma::Portugues},
                    CasoLocal{"EuropeanPortuguese", "pt_PT", TRLIdioma::Portugues},
                    CasoLocal{"LanguageOnly", "pt", TRLIdioma::Portugues},
                    CasoLocal{"QtStyleName", "pt-BR", TRLIdioma::Portugues},
                    CasoLocal{"Modifier", "es_ES@euro", TRLIdioma::Espanhol},
                    CasoLocal{"UpperCase", "PT_BR", TRLIdioma::Portugues},
                    CasoLocal{"English", "en_US.UTF-8", TRLIdioma::Ingles},
                    CasoLocal{"GermanFallsBackToEnglish", "de_DE.UTF-8", TRLIdioma::Ingles},
                    CasoLocal{"FrenchFallsBackToEnglish", "fr_FR", TRLIdioma::Ingles},
                    CasoLocal{"PosixLocale", "C", TRLIdioma::Ingles},
                    CasoLocal{"NotPortugueseJustStartingWithPt", "ptx", TRLIdioma::Ingles},
                    CasoLocal{"Empty", "", TRLIdioma::Ingles}),
    [](const testing::TestParamInfo<CasoLocal>& i) { return std::string(i.param.nome); });

class ScopedEnv {
public:
    ScopedEnv(const char* nome, const char* valor) : nome_(nome) {
        const char* antes = std::getenv(nome);
        tinha_ = antes != nullptr;
        if (antes) antes_ = antes;
        if (valor)
            ::setenv(nome, valor, 1);
        else
            ::unsetenv(nome);
    }
    ~ScopedEnv() {
        if (tinha_)
            ::setenv(nome_, antes_.c_str(), 1);
        else
            ::unsetenv(nome_);
    }

private:
    const char* nome_;
    bool tinha_ = false;
    std::string antes_;
};

TEST(UserLocale, LcAllOverridesLcMessagesWhichOverridesLang) {
    {
        ScopedEnv a("LC_ALL", nullptr), m("LC_MESSAGES", nullptr), l("LANG", "pt_BR.UTF-8");
        EXPECT_EQ(IdiomaDoUsuario(), TRLIdioma::Portugues);
    }
    {
        ScopedEnv a("LC_ALL", nullptr), m("LC_MESSAGES", "es_AR.UTF-8"), l("LANG", "pt_BR.UTF-8");
        EXPECT_EQ(IdiomaDoUsuario(), TRLIdioma::Espanhol);
    }
    {
        ScopedEnv a("LC_ALL", "en_GB"), m("LC_MESSAGES", "es_AR.UTF-8"), l("LANG", "pt_BR.UTF-8");
        EXPECT_EQ(IdiomaDoUsuario(), TRLIdioma::Ingles);
    }
    {
        ScopedEnv a("LC_ALL", ""), m("LC_MESSAGES", ""), l("LANG", "pt_BR");
        EXPECT_EQ(IdiomaDoUsuario(), TRLIdioma::Portugues) << "empty variables do not count";
    }
}

TEST(LanguageTable, ChoiceIsFixedForTheRun) {
    const TRLIdioma primeiro = IdiomaEscolhido();
    ScopedEnv a("LC_ALL", primeiro == TRLIdioma::Espanhol ? "pt_BR" : "es_ES");
    EXPECT_EQ(IdiomaEscolhido(), primeiro);
    EXPECT_EQ(LSTexto(TextoRL::PreVisualizacao), TextoNoIdioma(primeiro, TextoRL::PreVisualizacao));
}

// A named text keeps its number and its words: a name moved to another row shows here.
struct CasoTexto {
    const char* nome;
    TextoRL texto;
    int numero;
    TRLIdioma idioma;
    const char* palavras;
};

class NamedText : public testing::TestWithParam<CasoTexto> {};

TEST_P(NamedText, KeepsItsNumberAndWords) {
    const CasoTexto& c = GetParam();
    EXPECT_EQ(static_cast<int>(c.texto), c.numero);
    EXPECT_EQ(TextoNoIdioma(c.idioma, c.texto), c.palavras);
    EXPECT_EQ(TextoNoIdioma(c.idioma, TextoRL{c.numero}), c.palavras);
}

constexpr auto pt = TRLIdioma::Portugues;
INSTANTIATE_TEST_SUITE_P(
    Table, NamedText,
    testing::Values(
        CasoTexto{"PreviewCaption", TextoRL::PreVisualizacao, 27, pt, "Pré-visualização"},
        CasoTexto{"PreviewCaptionInEnglish", TextoRL::PreVisualizacao, 27, TRLIdioma::Ingles, "Preview"},
        CasoTexto{"PreviewCaptionInSpanish", TextoRL::PreVisualizacao, 27, TRLIdioma::Espanhol, "Ver"},
        CasoTexto{"Printing", TextoRL::ImprimindoRelatorio, 0, pt, "Imprimindo o relatório..."},
        CasoTexto{"Saving", TextoRL::SalvandoRelatorio, 1, pt, "Salvando o relatório..."},
        CasoTexto{"Preparing", TextoRL::PreparandoRelatorio, 2, pt, "Preparando o relatório..."},
        CasoTexto{"Page", TextoRL::Pagina, 8, pt, "Página"},
        CasoTexto{"PreparationError", TextoRL::ErroAoPreparar, 9, pt,
                  "Erro durante a preparação do relatório"},
        CasoTexto{"OverwriteStaysEnglish", TextoRL::ArquivoJaExiste, 13, pt,
                  "File already exists. Overwrite?"},
        CasoTexto{"FileName", TextoRL::NomeDoArquivo, 15, pt, "Nome do arquivo"},
        CasoTexto{"NotFound", TextoRL::NaoEncontrado, 18, pt, "Não encontrado"},
        CasoTexto{"Wait", TextoRL::Aguarde, 19, pt, "Aguarde..."},
        CasoTexto{"Cancel", TextoRL::Cancelar, 21, pt, "Cancelar"},
        CasoTexto{"Close", TextoRL::Fechar, 22, pt, "Fechar"},
        CasoTexto{"Save", TextoRL::Salvar, 23, pt, "Salvar"},
        CasoTexto{"Send", TextoRL::Enviar, 24, pt, "Enviar"},
        CasoTexto{"Print", TextoRL::Imprimir, 25, pt, "Imprimir"},
        CasoTexto{"Of", TextoRL::DeTotal, 28, pt, "de"},
        CasoTexto{"FirstPage", TextoRL::PrimeiraPagina, 30, pt, "Primeira página"},
        CasoTexto{"LastPage", TextoRL::UltimaPagina, 33, pt, "Última página"},
        CasoTexto{"EntirePage", TextoRL::PaginaInteira, 34, pt, "Página inteira"},
        CasoTexto{"PageWidth", TextoRL::LarguraDaPagina, 35, pt, "Largura da página"},
        CasoTexto{"MultiplePages", TextoRL::VariasPaginas, 36, pt, "Várias páginas"},
        CasoTexto{"SaveToDisk", TextoRL::SalvarEmDisco, 38, pt, "Salvar em disco"},
        CasoTexto{"CopyAsMetafile", TextoRL::CopiarComoMetafile, 48, pt, "Copiar como Metafile"},
        CasoTexto{"To", TextoRL::AtePagina, 50, pt, "até"},
        CasoTexto{"Selection", TextoRL::Selecao, 53, pt, "Seleção"},
        CasoTexto{"SplitScreen", TextoRL::DividirTela, 57, pt, "Dividir a tela"},
        CasoTexto{"Default", TextoRL::Padrao, 68, pt, "Padrão"},
        CasoTexto{"Find", TextoRL::Procurar, 73, pt, "Procurar"},
        CasoTexto{"FindNext", TextoRL::ProcurarProxima, 75, pt, "&Próxima"},
        CasoTexto{"Down", TextoRL::Abaixo, 79, pt, "A&baixo"},
        CasoTexto{"AllOfOddEven", TextoRL::Todas, 88, pt, "Todas"},
        CasoTexto{"PrintDialogProblems", TextoRL::ProblemasNoDialogoDaImpressora, 89, pt,
                  "Problemas com o diálogo da impressora"},
        CasoTexto{"SelectionHint", TextoRL::DicaDaSelecao, 90, TRLIdioma::Ingles,
                  "Separate page numbers or page intervals with \";\". i.e.: 1;3;5-12;4"},
        CasoTexto{"JobTitle", TextoRL::RelatorioDoPrograma, 91, pt, "Relatório \"%s\""},
        CasoTexto{"ZoomHint", TextoRL::DicaDoZoom, 92, pt,
                  "Você também pode aumentar ou reduzir o zoom do relatório\r\npressionando \"Ctrl\" e "
                  "usando a rolagem do mouse."},
        CasoTexto{"ZoomHintEmptyInSpanish", TextoRL::DicaDoZoom, 92, TRLIdioma::Espanhol, ""},
        CasoTexto{"Properties", TextoRL::Propriedades, 94, pt, "Propriedades"},
        CasoTexto{"CancelledByTheUser", TextoRL::CanceladoPeloUsuario, 106, pt, "Cancelado pelo usuário"},
        CasoTexto{"Duplex", TextoRL::FrenteEVerso, 113, pt, "Impressão frente e verso"},
        CasoTexto{"DuplexStaysEnglishInSpanish", TextoRL::FrenteEVerso, 113, TRLIdioma::Espanhol,
                  "Automatic two-sided printing"},
        CasoTexto{"LastText", TextoRL::AjustarAPagina, 117, pt, "Ajustar à página"}),
    [](const testing::TestParamInfo<CasoTexto>& i) { return std::string(i.param.nome); });

TEST(LanguageTable, EveryNumberHasAnEnglishTextAndOutOfRangeIsEmpty) {
    for (int n = 0; n < QuantidadeTextos; ++n) {
        // Texts 92 and 94 are empty in Spanish only.
        EXPECT_FALSE(TextoNoIdioma(TRLIdioma::Ingles, TextoRL{n}).empty()) << n;
        EXPECT_FALSE(TextoNoIdioma(TRLIdioma::Portugues, TextoRL{n}).empty()) << n;
    }
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Ingles, TextoRL{-1}), "");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Ingles, TextoRL{QuantidadeTextos}), "");
}

}  // namespace
