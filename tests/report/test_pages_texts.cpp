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
    EXPECT_EQ(LSTexto(27), TextoNoIdioma(primeiro, 27));
}

TEST(LanguageTable, PreviewCaptionAndOtherListedTexts) {
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Portugues, 27), "Pré-visualização");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Ingles, 27), "Preview");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Espanhol, 27), "Ver");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Portugues, 2), "Preparando o relatório...");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Portugues, 9), "Erro durante a preparação do relatório");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Portugues, 13), "File already exists. Overwrite?");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Portugues, 18), "Não encontrado");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Portugues, 91), "Relatório \"%s\"");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Portugues, 92),
              "Você também pode aumentar ou reduzir o zoom do relatório\r\npressionando \"Ctrl\" e usando a "
              "rolagem do mouse.");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Espanhol, 92), "");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Ingles, 90),
              "Separate page numbers or page intervals with \";\". i.e.: 1;3;5-12;4");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Espanhol, 113), "Automatic two-sided printing");
}

TEST(LanguageTable, EveryNumberHasAnEnglishTextAndOutOfRangeIsEmpty) {
    for (int n = 0; n < QuantidadeTextos; ++n) {
        // Texts 92 and 94 are empty in Spanish only.
        EXPECT_FALSE(TextoNoIdioma(TRLIdioma::Ingles, n).empty()) << n;
        EXPECT_FALSE(TextoNoIdioma(TRLIdioma::Portugues, n).empty()) << n;
    }
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Ingles, -1), "");
    EXPECT_EQ(TextoNoIdioma(TRLIdioma::Ingles, QuantidadeTextos), "");
}

}  // namespace
