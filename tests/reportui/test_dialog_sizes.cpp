// Every caption of the engine's windows fits its control, in Portuguese and (run again by CTest
// with LUVENOR_TESTE_INGLES set) in English: "from:" showed as "fron" and "Imprimir" lost its ends
// when widths were fixed for one language.
#include "reportui/PreviaTeste.h"

#include "reportui/RLFindWindow.h"
#include "reportui/RLPrintDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace luvenor;
using namespace luvenor::teste;

namespace {

std::string Nome(const QWidget* w) {
    QString texto;
    if (const auto* r = qobject_cast<const QLabel*>(w)) texto = r->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) texto = b->text();
    return (QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" \"") + texto +
            QStringLiteral("\""))
        .toStdString();
}

// The width a caption needs: a push button's size hint has the style's minimum width in it, so its
// text is measured instead (with a little room for the frame).
int LarguraNecessaria(const QWidget* w) {
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        QString texto = b->text();
        texto.remove(QLatin1Char('&'));
        return b->fontMetrics().horizontalAdvance(texto) + 8;
    }
    return w->sizeHint().width();
}

bool TemLegenda(const QWidget* w) {
    if (const auto* r = qobject_cast<const QLabel*>(w)) return !r->wordWrap() && !r->text().isEmpty();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return !b->text().isEmpty();
    return false;
}

// Checks one container: each captioned control at least as wide as its text needs, and no two
// controls side by side over each other. Group boxes are checked inside as containers too.
void ConfereLegendas(const QWidget* pai) {
    std::vector<const QWidget*> filhos;
    for (QObject* o : pai->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && !w->isHidden()) filhos.push_back(w);
    for (const QWidget* w : filhos) {
        if (TemLegenda(w)) {
            EXPECT_GE(w->width(), LarguraNecessaria(w)) << Nome(w) << " cuts its caption";
        }
        if (qobject_cast<const QGroupBox*>(w)) ConfereLegendas(w);
    }
    for (size_t i = 0; i < filhos.size(); ++i)
        for (size_t j = i + 1; j < filhos.size(); ++j)
            EXPECT_FALSE(filhos[i]->geometry().intersects(filhos[j]->geometry()))
                << Nome(filhos[i]) << " and " << Nome(filhos[j]) << " overlap";
}

TEST(Legendas, ThePrintDialogsCaptionsFitTheirControls) {
    TRLPrintDialog dialogo(12);
    ConfereLegendas(&dialogo);
}

TEST(Legendas, TheSaveDialogsCaptionsFitTheirControls) {
    TRLSaveDialog dialogo(12, QString());
    ConfereLegendas(&dialogo);
}

TEST(Legendas, TheToolBarsCaptionsFitTheirButtons) {
    TRLGraphicStorage paginas;
    PreencherPaginas(paginas, 1);
    TRLPreviewWindow janela(paginas);
    janela.show();
    const QWidget* barra = janela.Botao("imprimir")->parentWidget();
    ConfereLegendas(barra);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("LUVENOR_TESTE_INGLES")) {
        setenv("LC_ALL", "C.UTF-8", 1);
        ::testing::InitGoogleTest(&argc, argv);
        GarantirAplicacaoComJanelas();
        return RUN_ALL_TESTS();
    }
    return ExecutarEmPortugues(argc, argv);
}
