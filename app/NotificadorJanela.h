#pragma once
// The windows' notifier: every message the program shows becomes a message box with an OK button,
// over the active window, after a beep when one is asked for; a warning has the warning icon.
#include "util/Notificador.h"

namespace luvenor {

class TNotificadorJanela final : public Notificador {
public:
    void Mostrar(const std::string& mensagem, bool bipe) override;
    void MostrarComo(const std::string& mensagem, bool bipe, Gravidade gravidade) override;
};

}  // namespace luvenor
