#pragma once
// Shared by the reader's tests: the complete fictitious base invoice, edits of it, and a read
// that captures the helpers' warnings.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "util/Notificador.h"
#include "util/UDatas.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace luvenor::teste {

inline const std::string Credito = "DANFE gerado pelo visualizador de NF-e Luvenor";

class NotificadorCaptura : public Notificador {
public:
    void Mostrar(const std::string& mensagem, bool) override { mensagens.push_back(mensagem); }
    std::vector<std::string> mensagens;
};

inline std::string LerArquivo(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::stringstream conteudo;
    conteudo << arquivo.rdbuf();
    return conteudo.str();
}

inline std::string Base() {
    return LerArquivo(LUVENOR_FIXTURES_DIR "/nfe/base-v400.xml");
}

// Replaces the first occurrence of `de`; a fixture edit that finds nothing is a broken test.
inline std::string Trocar(std::string xml, std::string_view de, std::string_view para) {
    size_t pos = xml.find(de);
    if (pos == std::string::npos) {
        ADD_FAILURE() << "not in the fixture: " << de;
        return xml;
    }
    return xml.replace(pos, de.size(), para);
}

// Removes the element that starts with `abertura` up to and including its closing tag.
inline std::string Remover(std::string xml, std::string_view abertura, std::string_view fechamento) {
    size_t de = xml.find(abertura);
    size_t ate = de == std::string::npos ? de : xml.find(fechamento, de);
    if (ate == std::string::npos) {
        ADD_FAILURE() << "not in the fixture: " << abertura;
        return xml;
    }
    return xml.erase(de, ate + fechamento.size() - de);
}

struct Leitura {
    TNotaFiscal nf;
    ResultadoCarga resultado;
    NotificadorCaptura avisos;
};

inline std::unique_ptr<Leitura> Ler(const std::string& xml, bool credito = true) {
    auto leitura = std::make_unique<Leitura>();
    NotificadorInstalado instalado(&leitura->avisos);
    TXmlNFe leitor;
    leitor.NotaFiscal = &leitura->nf;
    leitura->resultado = CarregarTextoNFe(leitor, xml, "teste.xml", credito);
    EXPECT_TRUE(leitura->resultado.Carregado()) << leitura->resultado.ErroCarga;
    return leitura;
}

inline double Data(int ano, int mes, int dia) {
    return CodificarData(ano, mes, dia);
}

}  // namespace luvenor::teste
