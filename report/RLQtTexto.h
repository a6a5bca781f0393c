#pragma once
// Texts of the model and the engine are UTF-8 in std::string; these are the one way to and from
// Qt's strings.
#include <QString>

#include <string>
#include <string_view>

namespace luvenor {

inline QString ParaQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ParaUtf8(const QString& texto) {
    const QByteArray b = texto.toUtf8();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

}  // namespace luvenor
