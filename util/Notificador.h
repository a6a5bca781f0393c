#pragma once
// Messages that helpers "show" (a beep and a message box in the windows, a line on stderr in the
// command-line tool, a captured list in tests) go through one notifier that the program installs.
#include <exception>
#include <string>

namespace luvenor {

// What a message is: something that went wrong and stopped what the user asked (the windows show
// it with the warning icon), or information the user asked for.
enum class Gravidade { Aviso, Informacao };

class Notificador {
public:
    virtual ~Notificador() = default;
    // Shows one message to the user; `bipe` asks for the system beep before it.
    virtual void Mostrar(const std::string& mensagem, bool bipe) = 0;
    // The same with its kind; a notifier that shows every kind alike leaves this one alone.
    virtual void MostrarComo(const std::string& mensagem, bool bipe, Gravidade) { Mostrar(mensagem, bipe); }
};

// Installs the program's notifier (nullptr restores the default, which writes to stderr) and
// returns the previous one.
Notificador* InstalarNotificador(Notificador* notificador);

// Shows a message through the installed notifier: a warning, as nearly all messages are.
void Notificar(const std::string& mensagem, bool bipe = false);
// Shows information the user asked for (a detail, a find that found nothing).
void Informar(const std::string& mensagem);

// Ends the current user operation without a further message; no layer reports it.
class AbortoSilencioso : public std::exception {
public:
    const char* what() const noexcept override { return "operação interrompida"; }
};

// RAII installer: tests and commands install a notifier for a scope.
class NotificadorInstalado {
public:
    explicit NotificadorInstalado(Notificador* n) : anterior_(InstalarNotificador(n)) {}
    ~NotificadorInstalado() { InstalarNotificador(anterior_); }
    NotificadorInstalado(const NotificadorInstalado&) = delete;
    NotificadorInstalado& operator=(const NotificadorInstalado&) = delete;

private:
    Notificador* anterior_;
};

}  // namespace luvenor
