#pragma once
// The files the user opened lately, kept in the user's settings ("Luvenor"/"Luvenor"), most recent
// first, and the folder the file dialog starts in.
#include <QString>
#include <QStringList>

class QSettings;

namespace luvenor {

class TArquivosRecentes {
public:
    static constexpr int Maximo = 10;

    explicit TArquivosRecentes(QSettings& settings) : settings_(settings) {}

    // The files still on disk, most recent first.
    QStringList Lista() const;
    // Puts `caminho` (made absolute) first, once, and keeps at most Maximo; its folder becomes the
    // file dialog's.
    void Adicionar(const QString& caminho);
    void Remover(const QString& caminho);
    void Limpar();
    // The folder of the last file opened, or empty before any.
    QString UltimaPasta() const;

private:
    QStringList Guardados() const;
    void Guardar(const QStringList& lista);

    QSettings& settings_;
};

}  // namespace luvenor
