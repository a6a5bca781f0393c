#pragma once
// Looking into the PDFs the engine writes: the sheet of every page, a page drawn back to pixels by
// pdftoppm, and pages with black squares in their corners to see where a page lands.
#include "report/RLGraphics.h"
#include "report/RLPagedOutput.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace luvenor::teste {

constexpr int ladoDoCanto = 12;  // the black squares at the page's corners, in design pixels

// A page with a black square in each corner and nothing else.
inline TRLGraphicSurface PaginaComCantos(int largura, int altura) {
    TRLGraphicSurface p(largura, altura);
    p.Brush = TRLBrush{qRgb(0, 0, 0), TRLBrushStyle::bsSolid};
    for (const int x : {0, largura - ladoDoCanto})
        for (const int y : {0, altura - ladoDoCanto}) p.FillRect({x, y, x + ladoDoCanto, y + ladoDoCanto});
    return p;
}

struct Caixa {
    double Largura;
    double Altura;
};

// The MediaBox of every page object, in file order (Qt writes the pages in order).
inline std::vector<Caixa> CaixasDoPdf(const QByteArray& pdf) {
    const std::string s(pdf.constData(), static_cast<size_t>(pdf.size()));
    const std::regex caixa(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
    std::vector<Caixa> r;
    for (auto i = std::sregex_iterator(s.begin(), s.end(), caixa); i != std::sregex_iterator(); ++i)
        r.push_back({std::stod((*i)[1]), std::stod((*i)[2])});
    return r;
}

// The pages of a PDF file; -1 when it cannot be read.
inline int PaginasNoPdf(const QString& arquivo) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(CaixasDoPdf(f.readAll()).size());
}

struct Marcador {
    std::string Titulo;  // UTF-8
    int Pagina;          // 1-based; 0 when the destination is no page of the file
};

// A PDF string's text: a literal "(...)" with its escapes, or "<FEFF...>" in UTF-16BE.
inline std::string TextoDoPdf(const std::string& s) {
    if (s.size() >= 2 && s.front() == '<') {
        std::u16string u;
        for (size_t i = 5; i + 4 <= s.size() - 1; i += 4)
            u += static_cast<char16_t>(std::stoi(s.substr(i, 4), nullptr, 16));
        return QString::fromStdU16String(u).toStdString();
    }
    std::string r;
    for (size_t i = 1; i + 1 < s.size(); ++i) r += s[i] == '\\' ? s[++i] : s[i];
    return r;
}

// The bookmarks of an uncompressed outline as cairo writes it, in file order, with the page each
// opens (read through the /Kids order of the page tree). poppler's tools do not list outlines.
inline std::vector<Marcador> MarcadoresDoPdf(const QByteArray& pdf) {
    const std::string s(pdf.constData(), static_cast<size_t>(pdf.size()));
    std::vector<int> paginas;
    std::smatch filhos;
    if (std::regex_search(s, filhos, std::regex(R"(/Type /Pages\s*/Kids \[([^\]]*)\])"))) {
        const std::string lista = filhos[1];
        const std::regex ref(R"((\d+) 0 R)");
        for (auto i = std::sregex_iterator(lista.begin(), lista.end(), ref); i != std::sregex_iterator(); ++i)
            paginas.push_back(std::stoi((*i)[1]));
    }
    std::vector<Marcador> r;
    const std::regex item(R"(/Title ((?:\((?:\\.|[^\\)])*\))|<[0-9A-Fa-f]*>)[^>]*?/Dest \[(\d+) 0 R)");
    for (auto i = std::sregex_iterator(s.begin(), s.end(), item); i != std::sregex_iterator(); ++i) {
        const auto achada = std::find(paginas.begin(), paginas.end(), std::stoi((*i)[2]));
        r.push_back({TextoDoPdf((*i)[1]),
                     achada == paginas.end() ? 0 : static_cast<int>(achada - paginas.begin()) + 1});
    }
    return r;
}

// What a shell command prints on stdout.
inline std::string SaidaDoComando(const std::string& comando) {
    std::string saida;
    FILE* p = ::popen(comando.c_str(), "r");
    if (!p) return saida;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) saida.append(buf, n);
    ::pclose(p);
    return saida;
}

// Every page of the store as a PDF in memory, by cairo or by Qt's own writer.
inline QByteArray PdfEmMemoria(const TRLGraphicStorage& store, bool porQt) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (porQt)
        GravarPdfQt(store, buffer, TodasAsPaginas(store), ProgressoNulo());
    else
        GravarPdf(store, buffer, TodasAsPaginas(store), ProgressoNulo());
    return bytes;
}

// What a poppler tool prints of a PDF held in memory, run on a temporary copy; pdftotext writes
// to stdout.
inline std::string Poppler(const QByteArray& pdf, const std::string& ferramenta) {
    QTemporaryDir pasta;
    const std::string arquivo = pasta.filePath(QStringLiteral("p.pdf")).toStdString();
    QFile f(QString::fromStdString(arquivo));
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size()) return {};
    f.close();
    const bool texto = ferramenta.rfind("pdftotext", 0) == 0;
    return SaidaDoComando(ferramenta + " '" + arquivo + "'" + (texto ? " -" : "") + " 2>/dev/null");
}

inline bool TemPdfToPpm() {
    return std::system("command -v pdftoppm >/dev/null 2>&1") == 0;
}

// Page `pagina` (1-based) of a PDF as pdftoppm draws it at 96 dpi, where a design pixel is a pixel.
inline QImage Rasterizar(const QByteArray& pdf, int pagina) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("p.pdf"));
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size()) return {};
    f.close();
    const std::string n = std::to_string(pagina);
    const std::string comando = "pdftoppm -r 96 -png -singlefile -f " + n + " -l " + n + " '" +
                                arquivo.toStdString() + "' '" +
                                pasta.filePath(QStringLiteral("p")).toStdString() + "' 2>/dev/null";
    if (std::system(comando.c_str()) != 0) return {};
    return QImage(pasta.filePath(QStringLiteral("p.png")));
}

// Share of pixels whose grey differs by more than a quarter of the scale: anti-aliased glyph edges
// differ a little between two PDF writers, a misplaced or missing shape differs a lot.
inline double PixelsDiferentes(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 1.0;
    long diferentes = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64) ++diferentes;
    return static_cast<double>(diferentes) / (static_cast<double>(a.width()) * a.height());
}

inline bool Preto(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 80;
}

// The four corner squares at the image's corners, and white paper just inside them.
inline void EsperarCantos(const QImage& img) {
    ASSERT_FALSE(img.isNull());
    const int w = img.width();
    const int h = img.height();
    for (const int x : {3, w - 4})
        for (const int y : {3, h - 4}) EXPECT_TRUE(Preto(img, x, y)) << "corner square at " << x << ", " << y;
    for (const int x : {ladoDoCanto + 6, w - ladoDoCanto - 7})
        for (const int y : {ladoDoCanto + 6, h - ladoDoCanto - 7})
            EXPECT_FALSE(Preto(img, x, y)) << "paper at " << x << ", " << y;
}

}  // namespace luvenor::teste
