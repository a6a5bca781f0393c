#include "app/ArquivosRecentes.h"

#include "app/AberturaArquivo.h"

#include <QFileInfo>
#include <QSettings>

namespace luvenor {
namespace {

const QString chaveLista = QStringLiteral("ArquivosRecentes");
const QString chavePasta = QStringLiteral("UltimaPasta");

}  // namespace

QStringList TArquivosRecentes::Guardados() const {
    return settings_.value(chaveLista).toStringList();
}

void TArquivosRecentes::Guardar(const QStringList& lista) {
    settings_.setValue(chaveLista, lista);
    settings_.sync();
}

QStringList TArquivosRecentes::Lista() const {
    QStringList r;
    for (const QString& c : Guardados())
        if (QFileInfo(c).isFile()) r.append(c);
    return r;
}

void TArquivosRecentes::Adicionar(const QString& caminho) {
    const QString absoluto = QFileInfo(caminho).absoluteFilePath();
    QStringList lista = Guardados();
    lista.removeIf([&](const QString& c) { return MesmoArquivo(c, absoluto); });
    lista.prepend(absoluto);
    while (lista.size() > Maximo) lista.removeLast();
    settings_.setValue(chavePasta, QFileInfo(absoluto).absolutePath());
    Guardar(lista);
}

void TArquivosRecentes::Remover(const QString& caminho) {
    QStringList lista = Guardados();
    lista.removeIf([&](const QString& c) { return MesmoArquivo(c, caminho); });
    Guardar(lista);
}

void TArquivosRecentes::Limpar() {
    Guardar({});
}

QString TArquivosRecentes::UltimaPasta() const {
    return settings_.value(chavePasta).toString();
}

}  // namespace luvenor
