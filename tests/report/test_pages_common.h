#pragma once
// Shared by the page tests: a Qt application for the tests that measure or draw text, and a page
// holding one object of every kind.
#include "report/RLAplicacao.h"
#include "report/RLFonts.h"
#include "report/RLGraphics.h"

#include <QGuiApplication>
#include <QImage>

#include <string>

namespace luvenor::teste {

// The fonts need an application. It is never destroyed: tearing it down among the static
// destructors at exit would crash inside Qt.
inline void GarantirAplicacao() {
    IniciarAplicacaoGrafica("test_pages");
}

inline QImage ImagemDeTeste() {
    QImage img(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) img.setPixel(x, y, qRgb(40 * x, 80 * y, 200));
    return img;
}

// A page with one object of each of the twelve kinds, texts with and without Windows-1252
// characters, two fonts, page macros and distinct group numbers.
inline TRLGraphicSurface PaginaCompleta(int numero = 1) {
    TRLGraphicSurface p(794, 1123);
    p.Macros().Set("PageNo", std::to_string(numero));
    p.Macros().Set("CompositeIndex", "0");
    p.SetGroupId(1);
    p.SetPixel(3, 4, qRgb(1, 2, 3));
    p.Pen = TRLPen{qRgb(10, 20, 30), PenModeCopy, TRLPenStyle::psDashDot, 2};
    p.Brush = TRLBrush{qRgb(200, 210, 220), TRLBrushStyle::bsCross};
    p.Line(10, 20, 300, 20);
    p.SetGroupId(2);
    p.Rectangle({30, 40, 130, 90});
    p.Font.Name = "Times New Roman";
    p.Font.Height = -9;
    p.Font.Size = PontosDaAltura(-9);
    p.Font.Style = pfsBold | pfsUnderline;
    p.Font.Color = qRgb(0, 0, 128);
    p.Brush = TRLBrush{qRgb(255, 255, 255), TRLBrushStyle::bsClear};
    p.TextRect({30, 100, 230, 112}, 33, 100,
               "NOTA FISCAL Nº " + std::to_string(numero) + " – {LastPageNumber}", TRLPageAlignment::Right,
               TRLPageLayout::Center, tfUnbreakable);
    p.Font.Name = "Arial";
    p.Font.Style = 0;
    p.TextOut({30, 120, 230, 132}, 33, 120, "Ação ção €", tfUnbreakable | tfUnclipped);
    p.TextOut({30, 140, 230, 152}, 33, 140, "CNPJ ✓ 中文", tfUnbreakable);
    p.SetGroupId(3);
    p.Brush = TRLBrush{qRgb(250, 0, 0), TRLBrushStyle::bsSolid};
    p.FillRect({400, 400, 420, 410});
    p.Ellipse({500, 500, 540, 530});
    p.Polygon({{10, 10}, {50, 10}, {50, 60}, {10, 60}});
    p.Polyline({{0, 0}, {5, 7}, {9, 2}});
    p.StretchDraw({600, 600, 650, 630}, ImagemDeTeste());
    p.SetClipRect({100, 100, 200, 200});
    p.Arc({110, 110, 150, 150});
    p.ResetClipRect();
    return p;
}

}  // namespace luvenor::teste
