#pragma once
// Shared by the preview's tests: a store of five pages, events sent as the user makes them, a
// preview window over the store, and the start of a test program in Portuguese.
#include "reportui/JanelasTeste.h"
#include "reportui/RLPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace luvenor::teste {

// Five A4 pages: "Página n" on each, "Total" on pages 2 and 4, and a framed label on page 1 whose
// box and text share one control print.
inline void PreencherPaginas(TRLGraphicStorage& store, int quantidade = 5) {
    for (int n = 1; n <= quantidade; ++n) {
        TRLGraphicSurface s(794, 1123);
        s.SetGroupId(n * 10);
        s.TextOut({40, 40, 300, 60}, 40, 40, "Página " + std::to_string(n), 0);
        if (n % 2 == 0) s.TextOut({40, 400, 300, 420}, 40, 400, "Total geral", 0);
        if (n == 1) {
            s.SetGroupId(99);
            s.Rectangle({100, 600, 300, 640});
            s.TextOut({120, 610, 280, 630}, 120, 610, "Emitente", 0);
        }
        store.Add(std::move(s));
    }
    store.Macros().Set("Title", "Nota: 1/2");
    store.Macros().Set("Orientation", "1");
}

inline void Tecla(QWidget* alvo, int tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, tecla, mod);
    QApplication::sendEvent(alvo, &e);
}

inline void Roda(TRLPreviewPage* painel, int graus, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    const QPointF p(50, 50);
    QWheelEvent e(p, painel->viewport()->mapToGlobal(p), QPoint(), QPoint(0, graus), Qt::NoButton, mod,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(painel->viewport(), &e);
}

inline void Mouse(TRLPreviewPage* painel, QEvent::Type tipo, QPoint p,
                  Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QMouseEvent e(tipo, QPointF(p), painel->viewport()->mapToGlobal(QPointF(p)), Qt::LeftButton,
                  tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, mod);
    QApplication::sendEvent(painel->viewport(), &e);
}

// A point inside the first box's page, in viewport coordinates.
inline QPoint NaPrimeiraCaixa(TRLPreviewPage* painel, int dx = 20, int dy = 20) {
    const TRLCaixaPagina c = painel->Layout().Caixas.at(0);
    return QPoint(c.X + dx - painel->horizontalScrollBar()->value(),
                  c.Y + dy - painel->verticalScrollBar()->value());
}

class Previa : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pasta.isValid());
        PreencherPaginas(store);
        janela = std::make_unique<TRLPreviewWindow>(store);
        janela->resize(1000, 700);
        janela->show();
        painel = janela->PainelAtivo();
    }
    const TRLPreviewPane& Estado() const { return painel->Estado(); }
    QString CampoZoom() const { return janela->ListaZoom()->currentText(); }

    QTemporaryDir pasta;
    MensagensCapturadas mensagens;
    TRLGraphicStorage store;
    std::unique_ptr<TRLPreviewWindow> janela;
    TRLPreviewPage* painel = nullptr;
};

// The Portuguese table is chosen before any text is read. The application is made only when tests
// run, not when they are listed: its font caches would otherwise show as leaks to the listing.
class AplicacaoPortuguesa : public ::testing::Environment {
public:
    void SetUp() override { GarantirAplicacaoComJanelas(); }
};

inline int ExecutarEmPortugues(int argc, char** argv) {
    setenv("LC_ALL", "pt_BR.UTF-8", 1);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new AplicacaoPortuguesa);
    return RUN_ALL_TESTS();
}

}  // namespace luvenor::teste
