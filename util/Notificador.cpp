#include "util/Notificador.h"

#include <cstdio>

namespace luvenor {
namespace {

class NotificadorPadrao final : public Notificador {
public:
    void Mostrar(const std::string& mensagem, bool) override {
        std::fprintf(stderr, "%s\n", mensagem.c_str());
    }
};

NotificadorPadrao padrao;
Notificador* atual = &padrao;

}  // namespace

Notificador* InstalarNotificador(Notificador* notificador) {
    Notificador* anterior = atual;
    atual = notificador ? notificador : &padrao;
    return anterior;
}

void Notificar(const std::string& mensagem, bool bipe) {
    atual->MostrarComo(mensagem, bipe, Gravidade::Aviso);
}

void Informar(const std::string& mensagem) {
    atual->MostrarComo(mensagem, false, Gravidade::Informacao);
}

}  // namespace luvenor
