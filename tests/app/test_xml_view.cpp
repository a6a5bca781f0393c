// The XML view: its folds worked out from the laid-out text, the colours of names, attributes and
// values, folding from the margin and the find bar, headless.
#include "reportui/JanelasTeste.h"

#include "app/BuscaXml.h"
#include "app/RealceXml.h"
#include "app/VisualizadorXml.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

struct CasoDobra {
    const char* nome;
    std::vector<const char*> linhas;
    std::vector<TDobraXml> dobras;
};

class Dobras : public ::testing::TestWithParam<CasoDobra> {};

TEST_P(Dobras, ElementsOfMoreThanOneLineFold) {
    QStringList linhas;
    for (const char* l : GetParam().linhas) linhas.append(QString::fromUtf8(l));
    EXPECT_EQ(DobrasDoXml(linhas), GetParam().dobras);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, Dobras,
    ::testing::Values(
        CasoDobra{"NestedInOpeningOrder",
                  {"<?xml version=\"1.0\"?>", "<a x=\"1\">", "  <b>", "    <c>texto</c>", "    <d/>",
                   "  </b>", "</a>"},
                  {{1, 6}, {2, 5}}},
        CasoDobra{"OneLineElementsDoNotFold", {"<a>1</a>", "<b/>", "<!-- <c> -->"}, {}},
        CasoDobra{"PrefixedNames", {"<p:a xmlns:p=\"u\">", "  <p:b>1</p:b>", "</p:a>"}, {{0, 2}}},
        CasoDobra{"TextOverLinesFoldsWithItsElement", {"<obs>", "linha 1", "linha 2", "</obs>"}, {{0, 3}}},
        CasoDobra{"AnUnclosedChildIsDroppedWithItsParentsEnd", {"<a>", "  <b>", "</a>"}, {{0, 2}}},
        CasoDobra{"AnEndTagWithoutStartIsIgnored", {"</x>", "<a>", "</a>"}, {{1, 2}}}),
    [](const ::testing::TestParamInfo<CasoDobra>& i) { return std::string(i.param.nome); });

class Vista : public ::testing::Test {
protected:
    void SetUp() override {
        teste::GarantirAplicacaoComJanelas();
        ASSERT_TRUE(pasta.isValid());
        const QString arquivo = pasta.filePath(QStringLiteral("n.xml"));
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "<nfeProc versao=\"4.00\"><!-- nota --><NFe><infNFe Id=\"NFe1\"><emit><xNome>Aurora</xNome>"
            "</emit><dest><xNome>Horizonte Azul</xNome></dest></infNFe></NFe></nfeProc>");
        f.close();
        vista = std::make_unique<TVisualizadorXml>();
        vista->resize(600, 400);
        vista->show();
        vista->Navigate(QStringLiteral("file:///") + arquivo);
        busca = new TBuscaXml(vista.get(), vista.get());
    }
    int Linha(const QString& trecho) const {
        for (QTextBlock b = vista->document()->begin(); b.isValid(); b = b.next())
            if (b.text().contains(trecho)) return b.blockNumber();
        return -1;
    }
    // The format the highlighter gave the character at `coluna` of line `linha`.
    QTextCharFormat FormatoEm(int linha, int coluna) const {
        const QTextBlock b = vista->document()->findBlockByNumber(linha);
        for (const QTextLayout::FormatRange& r : b.layout()->formats())
            if (coluna >= r.start && coluna < r.start + r.length) return r.format;
        return {};
    }

    QTemporaryDir pasta;
    std::unique_ptr<TVisualizadorXml> vista;
    TBuscaXml* busca = nullptr;
};

TEST_F(Vista, NamesAttributesValuesAndCommentsHaveTheirColours) {
    const int raiz = Linha(QStringLiteral("<nfeProc"));
    const QString texto = vista->document()->findBlockByNumber(raiz).text();
    const auto cor = [&](const QString& trecho) {
        return FormatoEm(raiz, static_cast<int>(texto.indexOf(trecho))).foreground().color();
    };
    EXPECT_EQ(cor(QStringLiteral("nfeProc")), TRealceXml::FormatoElemento().foreground().color());
    EXPECT_EQ(cor(QStringLiteral("versao")), TRealceXml::FormatoAtributo().foreground().color());
    EXPECT_EQ(cor(QStringLiteral("\"4.00\"")), TRealceXml::FormatoValor().foreground().color());
    const int comentario = Linha(QStringLiteral("<!--"));
    EXPECT_TRUE(
        FormatoEm(comentario,
                  vista->document()->findBlockByNumber(comentario).text().indexOf(QStringLiteral("nota")))
            .fontItalic());
    const int nome = Linha(QStringLiteral("Aurora"));
    const int coluna =
        static_cast<int>(vista->document()->findBlockByNumber(nome).text().indexOf(QStringLiteral("Aurora")));
    EXPECT_FALSE(FormatoEm(nome, coluna).hasProperty(QTextFormat::ForegroundBrush))
        << "text keeps the plain colour";
}

TEST_F(Vista, FoldingHidesTheElementsLinesAndNeverChangesTheText) {
    const QString texto = vista->toPlainText();
    const int emitente = Linha(QStringLiteral("<emit>"));
    const int nome = Linha(QStringLiteral("Aurora"));
    vista->AlternarDobra(emitente);
    EXPECT_TRUE(vista->Dobrada(emitente));
    EXPECT_FALSE(vista->document()->findBlockByNumber(nome).isVisible());
    EXPECT_TRUE(vista->document()->findBlockByNumber(emitente).isVisible());
    EXPECT_TRUE(vista->document()->findBlockByNumber(Linha(QStringLiteral("</emit>")) + 1).isVisible());
    vista->MostrarLinha(nome);
    EXPECT_FALSE(vista->Dobrada(emitente));
    EXPECT_TRUE(vista->document()->findBlockByNumber(nome).isVisible());
    vista->RecolherTodas();
    EXPECT_TRUE(vista->document()->findBlockByNumber(Linha(QStringLiteral("<NFe>"))).isVisible())
        << "the root stays open";
    EXPECT_FALSE(vista->document()->findBlockByNumber(nome).isVisible());
    vista->ExpandirTodas();
    EXPECT_TRUE(vista->document()->findBlockByNumber(nome).isVisible());
    EXPECT_EQ(vista->toPlainText(), texto);
    EXPECT_TRUE(vista->isReadOnly());
}

TEST_F(Vista, FindGoesOnFromTheStartUnfoldsTheMatchAndSaysWhenNothingIsThere) {
    vista->RecolherTodas();
    busca->Campo()->setText(QStringLiteral("xnome"));
    ASSERT_TRUE(busca->Procurar());
    EXPECT_EQ(vista->textCursor().blockNumber(), Linha(QStringLiteral("Aurora")));
    EXPECT_TRUE(vista->textCursor().block().isVisible()) << "the match was folded away";
    ASSERT_TRUE(busca->Procurar());
    ASSERT_TRUE(busca->Procurar());  // the closing tag of the first, then the second name
    EXPECT_EQ(vista->textCursor().blockNumber(), Linha(QStringLiteral("Horizonte")));
    EXPECT_TRUE(busca->Situacao()->text().isEmpty());
    busca->Procurar();
    ASSERT_TRUE(busca->Procurar());  // past the last match: from the start again, saying so
    EXPECT_EQ(vista->textCursor().blockNumber(), Linha(QStringLiteral("Aurora")));
    EXPECT_EQ(busca->Situacao()->text(), QStringLiteral("Fim do XML: a busca continuou do início."));
    ASSERT_TRUE(busca->Procurar(true));
    EXPECT_EQ(busca->Situacao()->text(), QStringLiteral("Início do XML: a busca continuou do fim."));
    busca->CaixaMaiusculas()->setChecked(true);
    EXPECT_FALSE(busca->Procurar()) << "xnome is not xNome with case";
    EXPECT_EQ(busca->Situacao()->text(), QStringLiteral("Não encontrado"));
}

}  // namespace
