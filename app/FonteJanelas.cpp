#include "app/FonteJanelas.h"

#include <QStringList>

namespace luvenor {

QFont FonteDasJanelas() {
    const QString nome = QStringLiteral("MS Sans Serif");
    if (QFont::substitutes(nome).isEmpty())
        QFont::insertSubstitution(nome, QStringLiteral("Liberation Sans"));
    QFont fonte(nome);
    fonte.setPointSize(8);
    return fonte;
}

}  // namespace luvenor
