#pragma once
// The engine's language table: 118 numbered texts (0 to 117), chosen once from the user's locale.
// Portuguese, Spanish and English tables are held; every other language uses the English one.
#include <string>
#include <string_view>

namespace luvenor {

enum class TRLIdioma { Ingles, Portugues, Espanhol };

constexpr int QuantidadeTextos = 118;

// Text n of the table chosen for this run (empty for n outside 0..117).
const std::string& LSTexto(int n);
// Text n of a given table.
const std::string& TextoNoIdioma(TRLIdioma idioma, int n);

// The table a locale name chooses ("pt_BR.UTF-8", "pt", "es_ES", "C", ...), by its language part.
TRLIdioma IdiomaDoLocal(std::string_view localeName);
// The user's locale: LC_ALL, then LC_MESSAGES, then LANG (the first set and non-empty), else the
// system locale Qt reports.
TRLIdioma IdiomaDoUsuario();
// The table used by LSTexto: IdiomaDoUsuario() at the first call, fixed for the run.
TRLIdioma IdiomaEscolhido();

}  // namespace luvenor
