#include "app/RealceXml.h"

#include <QColor>
#include <QStringList>

namespace luvenor {
namespace {

enum Estado { Texto = 0, EmComentario = 1 };

QTextCharFormat Formato(QColor cor, bool negrito = false, bool italico = false) {
    QTextCharFormat f;
    f.setForeground(cor);
    if (negrito) f.setFontWeight(QFont::Bold);
    f.setFontItalic(italico);
    return f;
}

bool CaractereDeNome(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char(':') || c == QLatin1Char('_') || c == QLatin1Char('-') ||
           c == QLatin1Char('.');
}

// The name of the tag on a line laid out one element per line, and whether it opens, closes or both.
struct Marca {
    QString nome;
    bool abre = false;
    bool fecha = false;
};

Marca LerMarca(const QString& linha) {
    Marca m;
    const QString t = linha.trimmed();
    if (!t.startsWith(QLatin1Char('<')) || t.startsWith(QStringLiteral("<?")) ||
        t.startsWith(QStringLiteral("<!")))
        return m;
    const bool fim = t.startsWith(QStringLiteral("</"));
    qsizetype i = fim ? 2 : 1;
    while (i < t.size() && CaractereDeNome(t[i])) m.nome += t[i++];
    if (m.nome.isEmpty()) return m;
    if (fim) {
        m.fecha = true;
        return m;
    }
    m.abre = true;
    m.fecha =
        t.endsWith(QStringLiteral("/>")) || t.contains(QStringLiteral("</") + m.nome + QLatin1Char('>'));
    return m;
}

}  // namespace

TRealceXml::TRealceXml(QTextDocument* documento) : QSyntaxHighlighter(documento) {}

QTextCharFormat TRealceXml::FormatoElemento() {
    return Formato(QColor(0x1a, 0x3d, 0x9a), true);
}
QTextCharFormat TRealceXml::FormatoAtributo() {
    return Formato(QColor(0x8a, 0x2a, 0x0e));
}
QTextCharFormat TRealceXml::FormatoValor() {
    return Formato(QColor(0x1b, 0x6e, 0x20));
}
QTextCharFormat TRealceXml::FormatoComentario() {
    return Formato(QColor(0x70, 0x70, 0x70), false, true);
}
QTextCharFormat TRealceXml::FormatoDeclaracao() {
    return Formato(QColor(0x7a, 0x2e, 0x8c));
}

void TRealceXml::highlightBlock(const QString& texto) {
    qsizetype i = 0;
    if (previousBlockState() == EmComentario) {
        const qsizetype fim = texto.indexOf(QStringLiteral("-->"));
        const qsizetype ate = fim < 0 ? texto.size() : fim + 3;
        setFormat(0, static_cast<int>(ate), FormatoComentario());
        if (fim < 0) {
            setCurrentBlockState(EmComentario);
            return;
        }
        i = ate;
    }
    setCurrentBlockState(Texto);
    while (i < texto.size()) {
        const qsizetype abre = texto.indexOf(QLatin1Char('<'), i);
        if (abre < 0) return;
        if (texto.mid(abre, 4) == QStringLiteral("<!--")) {
            const qsizetype fim = texto.indexOf(QStringLiteral("-->"), abre + 4);
            const qsizetype ate = fim < 0 ? texto.size() : fim + 3;
            setFormat(static_cast<int>(abre), static_cast<int>(ate - abre), FormatoComentario());
            if (fim < 0) setCurrentBlockState(EmComentario);
            i = ate;
        } else if (abre + 1 < texto.size() &&
                   (texto[abre + 1] == QLatin1Char('?') || texto[abre + 1] == QLatin1Char('!'))) {
            const qsizetype fim = texto.indexOf(QLatin1Char('>'), abre);
            const qsizetype ate = fim < 0 ? texto.size() : fim + 1;
            setFormat(static_cast<int>(abre), static_cast<int>(ate - abre), FormatoDeclaracao());
            i = ate;
        } else {
            i = RealcarMarca(texto, abre + 1);
        }
    }
}

qsizetype TRealceXml::RealcarMarca(const QString& texto, qsizetype i) {
    const qsizetype inicio = i - 1;
    if (i < texto.size() && texto[i] == QLatin1Char('/')) ++i;
    while (i < texto.size() && CaractereDeNome(texto[i])) ++i;
    setFormat(static_cast<int>(inicio), static_cast<int>(i - inicio), FormatoElemento());
    while (i < texto.size() && texto[i] != QLatin1Char('>')) {
        const QChar c = texto[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype fim = texto.indexOf(c, i + 1);
            const qsizetype ate = fim < 0 ? texto.size() : fim + 1;
            setFormat(static_cast<int>(i), static_cast<int>(ate - i), FormatoValor());
            i = ate;
        } else if (CaractereDeNome(c)) {
            const qsizetype nome = i;
            while (i < texto.size() && CaractereDeNome(texto[i])) ++i;
            setFormat(static_cast<int>(nome), static_cast<int>(i - nome), FormatoAtributo());
        } else {
            if (c == QLatin1Char('/')) setFormat(static_cast<int>(i), 1, FormatoElemento());
            ++i;
        }
    }
    if (i < texto.size()) {
        setFormat(static_cast<int>(i), 1, FormatoElemento());
        ++i;
    }
    return i;
}

std::vector<TDobraXml> DobrasDoXml(const QStringList& linhas) {
    std::vector<TDobraXml> dobras;
    struct Aberto {
        QString nome;
        int linha;
        size_t indice;  // its place in `dobras`, so they stay in opening order
    };
    std::vector<Aberto> abertos;
    for (int n = 0; n < static_cast<int>(linhas.size()); ++n) {
        const Marca m = LerMarca(linhas[n]);
        if (m.abre && !m.fecha) {
            abertos.push_back({m.nome, n, dobras.size()});
            dobras.push_back({n, -1});
        } else if (m.fecha && !m.abre) {
            for (auto a = abertos.rbegin(); a != abertos.rend(); ++a) {
                if (a->nome != m.nome) continue;
                dobras[a->indice].Fim = n;
                abertos.erase(std::next(a).base(), abertos.end());
                break;
            }
        }
    }
    std::erase_if(dobras, [](const TDobraXml& d) { return d.Fim <= d.Inicio; });
    return dobras;
}

}  // namespace luvenor
