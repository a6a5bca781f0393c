#pragma once
// Messages that helpers "show" (a beep and a message box in the windows, a line on stderr in the
// command-line tool, a captured list in tests) go through one notifier that the program installs.
#include <exception>
#include <string>

namespace luvenor {

class Notificador {
public:
    virtual ~Notificador() = default;
    // Shows one message to the user; `bipe` asks for the system beep before it.
    virtual void Mostrar(const std::string& mensagem, bool bipe) = 0;
};

// Installs the program's notifier (nullptr restores the default, which writes to stderr) and
// returns the previous one.
Notificador* InstalarNotificador(Notificador* notificador);

// Shows a message through the installed notifier.
void Notificar(const std::string& mensagem, bool bipe = false);

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
