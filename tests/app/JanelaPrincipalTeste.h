#pragma once
// The main window's test fixture: a window over a temporary folder, its DANFE shown to a probe,
// its message boxes captured.
#include "reportui/JanelasTeste.h"

#include "app/FrmVisuXmlNfe.h"
#include "danfe/TFrtDanfe.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace luvenor::teste {

inline const std::string Exemplo = LUVENOR_SOURCE_DIR "/samples/nfe-exemplo.xml";

inline std::string Trocar(std::string texto, const std::string& de, const std::string& para) {
    const size_t pos = texto.find(de);
    EXPECT_NE(pos, std::string::npos) << de;
    return pos == std::string::npos ? texto : texto.replace(pos, de.size(), para);
}

inline std::string Ler(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

class JanelaPrincipal : public ::testing::Test {
protected:
    void SetUp() override {
        teste::GarantirAplicacaoComJanelas();
        ASSERT_TRUE(pasta.isValid());
        janela = std::make_unique<TFrmVisuXmlNfe>([this](TFrtDanfe& f) {
            ++previas;
            tituloDaTarefa = f.RLReport1().JobTitle;
            ASSERT_TRUE(f.RLReport1().PreparePages());
            paginas = f.RLReport1().Pages().Count();
            paisagem = f.Paisagem();
        });
        janela->show();
        QApplication::setActiveWindow(janela.get());
    }

    std::string Gravar(const std::string& nome, const std::string& conteudo) {
        const std::string caminho = pasta.filePath(QString::fromStdString(nome)).toStdString();
        std::ofstream(caminho, std::ios::binary) << conteudo;
        return caminho;
    }

    void Carregar(const std::string& caminho) { janela->Abrir(QString::fromStdString(caminho)); }

    std::vector<std::string> Campos() const {
        std::vector<std::string> v;
        for (QLineEdit* e :
             {janela->EdNumNota, janela->EdDataEmissao, janela->EdChaveNfe, janela->EdProtocolo,
              janela->EdCnpjEmit, janela->EdNomeEmit, janela->EdCnpjDest, janela->EdNomeDest})
            v.push_back(e->text().toStdString());
        return v;
    }

    QTemporaryDir pasta;
    MensagensCapturadas mensagens;
    std::unique_ptr<TFrmVisuXmlNfe> janela;
    int previas = 0;
    std::string tituloDaTarefa;
    int paginas = 0;
    bool paisagem = false;
};

}  // namespace luvenor::teste
