#pragma once
// Shared by the preparation and control tests: a Qt application with the fonts, small reports
// built in code, and readers of the prepared pages' objects.
#include "report/RLDataTable.h"
#include "report/RLFonts.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "report/RLReport.h"
#include "util/Notificador.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace luvenor::teste {

// Every test binary that includes this gets the application before its first test. It is
// destroyed when the tests end, before static destruction, where Qt's font cache is already gone.
class AmbienteQt : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QCoreApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        RegistrarFontes();
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char nome_[13] = "test_prepare";
    char* argv_[2] = {nome_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
inline ::testing::Environment* const ambienteQt = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

inline TRLFont FonteTimes(int altura = 9, bool negrito = false) {
    TRLFont f;
    f.Name = "Times New Roman";
    f.Height = -altura;
    f.Charset = 0;
    f.Style = negrito ? fsBold : 0u;
    return f;
}

// Captures what the engine shows to the user.
class NotificadorDeTeste : public Notificador {
public:
    void Mostrar(const std::string& mensagem, bool) override { mensagens.push_back(mensagem); }
    std::vector<std::string> mensagens;
};

// A text drawn on a page, as the tests compare them.
struct TextoNaPagina {
    std::string texto;
    TRLPageRect caixa;
    TRLPagePoint origem;
    uint16_t flags;
};

inline std::vector<TextoNaPagina> TextosDa(const TRLGraphicSurface& pagina) {
    std::vector<TextoNaPagina> r;
    for (const TRLGraphicObject& o : pagina.Objects())
        if (const auto* t = o.As<TRLTextObject>())
            r.push_back({t->Text, o.BoundsRect, t->Origin, t->TextFlags});
    return r;
}

inline std::vector<std::string> SoTextos(const TRLGraphicSurface& pagina) {
    std::vector<std::string> r;
    for (const auto& t : TextosDa(pagina)) r.push_back(t.texto);
    return r;
}

// Top of the first text equal to `texto` on the page, or -1.
inline int TopoDe(const TRLGraphicSurface& pagina, const std::string& texto) {
    for (const auto& t : TextosDa(pagina))
        if (t.texto == texto) return t.caixa.Top;
    return -1;
}

// A fixed-size label that marks a band on the page with its own name.
inline TRLLabel& Marcador(TRLCustomControl& banda, const std::string& texto, int top = 0) {
    auto& l = banda.Criar<TRLLabel>("lab" + banda.Name() + std::to_string(banda.Children().size()));
    l.AutoSize = false;
    l.SetFont(FonteTimes(7));
    l.SetBounds(0, top, 100, 8);
    l.SetCaption(texto);
    return l;
}

// A band with a marker label.
inline TRLBand& Banda(TRLCustomControl& dono, const std::string& nome, TRLBandType tipo, int top,
                      int altura) {
    auto& b = dono.Criar<TRLBand>(nome);
    b.BandType = tipo;
    b.SetBounds(dono.Parent() ? 0 : 30, top, 734, altura);
    Marcador(b, nome);
    return b;
}

// A report with 8 mm margins on A4 portrait over a one-record master table, and an item table of
// `itens` rows walked by a sub-detail, as the invoice forms are built.
struct RelatorioDeTeste {
    explicit RelatorioDeTeste(int itens = 0) {
        mestre.AddField("ID", TRLFieldType::ftInteger);
        mestre.Append();
        mestre.SetInteger("ID", 1);
        mestre.Post();
        linhas.AddField("ITEM", TRLFieldType::ftInteger);
        linhas.SetIndexFieldNames({"ITEM"});
        for (int i = 1; i <= itens; ++i) {
            linhas.Append();
            linhas.SetInteger("ITEM", i);
            linhas.Post();
        }
        relatorio.Margins = TRLMargins{8.0, 8.0, 8.0, 8.0};
        relatorio.ShowProgress = false;
        relatorio.DataSource = &mestre;
    }

    TRLSubDetail& SubDetalhe(int top, int altura = 100) {
        auto& s = relatorio.Criar<TRLSubDetail>("RLSubDetail1");
        s.SetBounds(30, top, 734, altura);
        s.DataSource = &linhas;
        return s;
    }

    std::shared_ptr<const TRLGraphicSurface> Pagina(int n) const { return relatorio.Pages().Page(n); }
    int Paginas() const { return relatorio.Pages().Count(); }

    TRLDataTable mestre{"CdsTempor"};
    TRLDataTable linhas{"CdsItens"};
    TRLReport relatorio{"RLReport1"};
};

}  // namespace luvenor::teste
