// The main window's load flow, fields, layout and DANFE button, driven headless through its
// event operations, with message boxes captured.
#include "app/JanelaPrincipalTeste.h"

#include "app/FrmVisuXmlNfe.h"
#include "app/VisualizadorXml.h"
#include "danfe/TFrtDanfe.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace luvenor;
using luvenor::teste::MensagensCapturadas;

namespace {

using namespace luvenor::teste;

TEST_F(JanelaPrincipal, OpensWithEmptyFieldsTheXmlViewHiddenAndTheShortHeight) {
    EXPECT_EQ(Campos(), std::vector<std::string>(8));
    EXPECT_FALSE(janela->ckVerXml->isChecked());
    EXPECT_FALSE(janela->Panel2->isVisible());
    EXPECT_EQ(janela->height(), 310);
    for (QLineEdit* e : {janela->EdNumNota, janela->EdNomeDest}) EXPECT_TRUE(e->isReadOnly());
    EXPECT_FALSE(janela->EdNomeArquivo->isReadOnly());
}

TEST_F(JanelaPrincipal, LoadingTheSampleFillsEveryFieldFromTheRecord) {
    Carregar(Exemplo);
    EXPECT_TRUE(mensagens.mensagens.empty()) << mensagens.mensagens.front();
    const std::vector<std::string> esperados = {"4321",
                                                "15/01/2025",  // the issue date, not the exit date (16/01)
                                                "35250112345678000195550010000043211876543211",
                                                "135250000123456",
                                                "12.345.678/0001-95",
                                                "FERRAGENS AURORA INDÚSTRIA E COMÉRCIO LTDA",
                                                "98.765.432/0001-98",
                                                "CONSTRUTORA HORIZONTE AZUL LTDA"};
    EXPECT_EQ(Campos(), esperados);
    EXPECT_EQ(janela->WebBrowser1->Endereco().toStdString(), "file:///" + Exemplo);
    EXPECT_TRUE(janela->WebBrowser1->toPlainText().contains(QStringLiteral("<nfeProc")));
    EXPECT_TRUE(janela->Panel1->isEnabled());
}

TEST_F(JanelaPrincipal, PathChecksShowTheirMessageAndKeepEverything) {
    Carregar(Exemplo);
    const auto antes = Campos();
    struct Caso {
        std::string caminho;
        std::string mensagem;
    };
    const std::string semNfeProc = Gravar("nfe.xml", "<NFe xmlns=\"http://www.portalfiscal.inf.br/nfe\"/>");
    const std::string quebrado = Gravar("quebrado.xml", "<nfeProc><NFe>");
    const Caso casos[] = {
        {"", "Informe o arquivo XML."},
        {"   ", "Informe o arquivo XML."},
        {pasta.filePath(QStringLiteral("nao-existe.xml")).toStdString(), "Arquivo XML não encontrado."},
        {semNfeProc,
         "Arquivo não está no formado de distribuição. Tag <nfeProc> ou <Rps> não encontrada. - "},
    };
    for (const Caso& c : casos) {
        mensagens.mensagens.clear();
        Carregar(c.caminho);
        ASSERT_EQ(mensagens.mensagens.size(), 1u) << c.caminho;
        EXPECT_EQ(mensagens.mensagens[0], c.mensagem) << c.caminho;
        EXPECT_EQ(Campos(), antes) << c.caminho;
        EXPECT_TRUE(janela->EdNomeArquivo->hasFocus()) << c.caminho;
        EXPECT_TRUE(janela->Panel1->isEnabled());
    }
    mensagens.mensagens.clear();
    Carregar(quebrado);
    ASSERT_EQ(mensagens.mensagens.size(), 1u);
    EXPECT_EQ(mensagens.mensagens[0].rfind("Erro ao abrir arquivo " + quebrado + " - ", 0), 0u)
        << mensagens.mensagens[0];
    EXPECT_EQ(Campos(), antes);
    EXPECT_EQ(janela->NotaFiscal().NumLcto, 4321) << "the previous record is kept";
}

TEST_F(JanelaPrincipal, TheXmlViewToggleChangesOnlyTheHeightAndNeverReloads) {
    Carregar(Exemplo);
    janela->resize(900, janela->height());
    const QString conteudo = janela->WebBrowser1->toPlainText();
    janela->ckVerXml->click();
    EXPECT_TRUE(janela->Panel2->isVisible());
    EXPECT_EQ(janela->height(), 690);
    EXPECT_EQ(janela->width(), 900);
    janela->ckVerXml->click();
    EXPECT_FALSE(janela->Panel2->isVisible());
    EXPECT_EQ(janela->height(), 310);
    EXPECT_EQ(janela->width(), 900);
    EXPECT_EQ(janela->WebBrowser1->toPlainText(), conteudo);
    EXPECT_TRUE(mensagens.mensagens.empty());
}

// The recipient is read before the issuer, so its entry is the first one with the number.
TEST_F(JanelaPrincipal, SameTaxNumberForIssuerAndRecipientShowsEachPartysOwnName) {
    std::string xml = Ler(Exemplo);
    const std::string dest = "<CNPJ>98765432000198</CNPJ>";
    ASSERT_NE(xml.find(dest), std::string::npos);
    xml.replace(xml.find(dest), dest.size(), "<CNPJ>12345678000195</CNPJ>");
    Carregar(Gravar("mesmo.xml", xml));
    EXPECT_EQ(janela->EdNomeEmit->text().toStdString(), "FERRAGENS AURORA INDÚSTRIA E COMÉRCIO LTDA");
    EXPECT_EQ(janela->EdNomeDest->text().toStdString(), "CONSTRUTORA HORIZONTE AZUL LTDA");
}

TEST_F(JanelaPrincipal, AReadThatStopsEarlyShowsWhatWasReadAndTellsWhere) {
    std::string xml = Ler(Exemplo);
    const size_t inicio = xml.find("<protNFe");
    const size_t fim = xml.find("</protNFe>");
    ASSERT_NE(inicio, std::string::npos);
    xml.erase(inicio, fim + std::string("</protNFe>").size() - inicio);
    Carregar(Gravar("semprot.xml", xml));
    ASSERT_EQ(mensagens.mensagens.size(), 1u);
    EXPECT_NE(mensagens.mensagens[0].find("protNFe"), std::string::npos) << mensagens.mensagens[0];
    EXPECT_EQ(janela->EdNumNota->text(), QStringLiteral("4321"));
    EXPECT_EQ(janela->WebBrowser1->Endereco().toStdString(), "file:///" + Gravar("semprot.xml", xml));
}

TEST_F(JanelaPrincipal, TheVerificationLineTellsASignedFileFromAnAlteredOne) {
    EXPECT_EQ(janela->LabAutenticidade->text(), QString());
    EXPECT_FALSE(janela->BtnDetalhes->isEnabled()) << "nothing to detail before a load";

    Carregar(Exemplo);
    EXPECT_EQ(janela->LabAutenticidade->text().toStdString(),
              "Assinatura válida \u00b7 Protocolo confere \u00b7 Chave correta");
    EXPECT_NE(janela->LabAutenticidade->palette().color(QPalette::WindowText), TFrmVisuXmlNfe::CorAviso());
    EXPECT_TRUE(janela->LabAutenticidade->toolTip().contains(QStringLiteral("Cadeia não verificada")));
    EXPECT_TRUE(janela->LabAutenticidade->isVisible());

    Carregar(Gravar("alterada.xml", Trocar(Ler(Exemplo), "<vNF>", "<vNF>1")));
    EXPECT_TRUE(mensagens.mensagens.empty()) << "an altered file still loads and prints";
    EXPECT_EQ(janela->LabAutenticidade->text().toStdString().rfind(
                  "Assinatura inválida: conteúdo alterado após a assinatura", 0),
              0u)
        << janela->LabAutenticidade->text().toStdString();
    EXPECT_EQ(janela->LabAutenticidade->palette().color(QPalette::WindowText), TFrmVisuXmlNfe::CorAviso());
    EXPECT_TRUE(janela->LabAutenticidade->toolTip().contains(QStringLiteral("Digest do conteúdo atual")));

    janela->BtnDetalhes->click();
    ASSERT_EQ(mensagens.mensagens.size(), 1u);
    EXPECT_NE(mensagens.mensagens[0].find("Certificado: FERRAGENS AURORA INDUSTRIA E COMERCIO LTDA"),
              std::string::npos)
        << mensagens.mensagens[0];
    EXPECT_NE(mensagens.mensagens[0].find("Validade: 01/01/2024 a 31/12/2030"), std::string::npos);
    EXPECT_TRUE(janela->Panel1->isEnabled());

    // A file that cannot be loaded leaves the line of the invoice still shown.
    mensagens.mensagens.clear();
    Carregar(Gravar("quebrado.xml", "<nfeProc>"));
    EXPECT_EQ(janela->NotaFiscal().NumLcto, 4321);
    EXPECT_EQ(janela->Verificacao().Assinatura.Estado, EstadoAssinatura::ConteudoAlterado);
}

TEST_F(JanelaPrincipal, DanfeButtonAsksForAFileFirstThenShowsTheInvoicesLayout) {
    janela->BitBtn2Click();
    ASSERT_EQ(mensagens.mensagens.size(), 1u);
    EXPECT_EQ(mensagens.mensagens[0], "Carregue o arquivo XML.");
    EXPECT_TRUE(janela->EdNomeArquivo->hasFocus());
    EXPECT_EQ(previas, 0);

    mensagens.mensagens.clear();
    Carregar(Exemplo);
    janela->BitBtn2Click();
    EXPECT_TRUE(mensagens.mensagens.empty());
    EXPECT_EQ(previas, 1);
    EXPECT_EQ(paginas, 1);
    EXPECT_FALSE(paisagem);
    EXPECT_TRUE(janela->Panel1->isEnabled());
}

TEST(VisualizadorXml, IndentsElementsAndKeepsTextThatIsNotXml) {
    const QString indentado =
        XmlIndentado(QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a><b>S\xe3o</b></a>"));
    EXPECT_TRUE(indentado.contains(QStringLiteral("<a>\n  <b>São</b>\n</a>"))) << indentado.toStdString();
    const QString comEspaco =
        XmlIndentado(QByteArray("<p:a xmlns:p=\"urn:x\" xmlns=\"urn:y\"><b c=\"1\"/></p:a>"));
    EXPECT_TRUE(comEspaco.contains(QStringLiteral("<p:a xmlns:p=\"urn:x\" xmlns=\"urn:y\">")))
        << "names and namespaces as the file has them: " << comEspaco.toStdString();
    EXPECT_EQ(XmlIndentado(QByteArray("<a><b>")).toStdString(), "<a><b>");
}

}  // namespace
