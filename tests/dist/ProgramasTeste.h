#pragma once
// Runs the built programs as a user does, from the tests of what gets installed.
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace luvenor::teste {

struct Execucao {
    int codigo = -1;  // -1: it crashed or did not finish in time
    QString saida;
    QString erros;
};

// `ambiente`: variables to set ("NAME", "value") or, with a null value, to remove.
inline Execucao Executar(const QString& programa, const QStringList& argumentos,
                         const std::vector<std::pair<QString, QString>>& ambiente = {},
                         const QString& pasta = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [nome, valor] : ambiente) {
        if (valor.isNull())
            env.remove(nome);
        else
            env.insert(nome, valor);
    }
    QProcess p;
    p.setProcessEnvironment(env);
    if (!pasta.isEmpty()) p.setWorkingDirectory(pasta);
    p.start(programa, argumentos);
    Execucao e;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return e;
    }
    if (p.exitStatus() == QProcess::NormalExit) e.codigo = p.exitCode();
    e.saida = QString::fromUtf8(p.readAllStandardOutput());
    e.erros = QString::fromUtf8(p.readAllStandardError());
    return e;
}

}  // namespace luvenor::teste
