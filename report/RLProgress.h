#pragma once
// How preparation and printing report their progress and learn of a cancel. The engine only calls
// this interface (it never processes window messages itself); the preview's window implements it
// later, the command-line tool may write to a terminal, and the default does nothing.
#include "report/RLTexts.h"

#include <string>

namespace luvenor {

class TRLProgress {
public:
    virtual ~TRLProgress() = default;
    // Shows the progress at once with its caption (text 0 while preparing, text 1 while
    // printing); the step line starts as text 19 and the bar at 0 of 100.
    virtual void Abrir(const std::string& caption) = 0;
    virtual void DefinirPasso(const std::string& stepLine) = 0;
    virtual void DefinirMaximo(int maximum) = 0;  // the bar restarts at 0
    virtual void Avancar() = 0;                   // one step; a window lets pending messages run
    virtual void Fechar() = 0;
    // Whether the user asked to cancel since the last Abrir.
    virtual bool Cancelado() const = 0;
};

// Shows nothing and is never cancelled.
class TRLProgressoNulo final : public TRLProgress {
public:
    void Abrir(const std::string&) override {}
    void DefinirPasso(const std::string&) override {}
    void DefinirMaximo(int) override {}
    void Avancar() override {}
    void Fechar() override {}
    bool Cancelado() const override { return false; }
};

// Opens a progress with its caption (and its step count, when it is known already: a negative
// count leaves the bar at 0 of 100 for the caller to set later), and closes it however the work
// ends. The one way the engine opens a progress.
class TRLProgressoAberto {
public:
    TRLProgressoAberto(TRLProgress& progresso, const std::string& caption, int passos = -1) : p_(progresso) {
        p_.Abrir(caption);
        if (passos >= 0) p_.DefinirMaximo(passos);
    }
    ~TRLProgressoAberto() { p_.Fechar(); }
    TRLProgressoAberto(const TRLProgressoAberto&) = delete;
    TRLProgressoAberto& operator=(const TRLProgressoAberto&) = delete;

private:
    TRLProgress& p_;
};

// The step line while page `numero` is made, drawn or written: "Página 3".
inline std::string PassoDaPagina(int numero) {
    return LSTexto(TextoRL::Pagina) + " " + std::to_string(numero);
}

// The shared do-nothing instance, the default wherever no observer is given.
inline TRLProgress& ProgressoNulo() {
    static TRLProgressoNulo nulo;
    return nulo;
}

}  // namespace luvenor
