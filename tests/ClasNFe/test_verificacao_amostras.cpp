// The real sample invoices through the verification: exactly the five whose signature still holds
// are authentic, run after run, and no other file, edited or broken as it may be, passes.
#include "ClasNFe/VerificacaoNFe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace luvenor;
namespace fs = std::filesystem;

namespace {

const std::set<std::string> Autenticas = {
    "v200-36dup-3nfref-icms60-homologacao.xml",
    "v200-sn500-issqn-homologacao.xml",
    "v310-11itens-icms60-5dup-2vol.xml",
    "v400-5dup-entrega-icms20-ipitrib.xml",
    "v400-sn101-homologacao.xml",
};

std::vector<fs::path> Amostras() {
    std::vector<fs::path> arquivos;
    for (const auto& entrada : fs::directory_iterator(LUVENOR_SAMPLES_DIR))
        if (entrada.path().extension() == ".xml") arquivos.push_back(entrada.path());
    std::sort(arquivos.begin(), arquivos.end());
    return arquivos;
}

TEST(VerificacaoAmostras, OnlyTheFiveUneditedSamplesAreAuthenticAndTheResultIsStable) {
    const std::vector<fs::path> arquivos = Amostras();
    ASSERT_EQ(arquivos.size(), 50u) << "the samples folder: " << LUVENOR_SAMPLES_DIR;
    std::map<std::string, std::string> primeira;
    for (int passada = 0; passada < 2; ++passada) {
        std::set<std::string> autenticas;
        std::set<std::string> assinaturasValidas;
        for (const fs::path& arquivo : arquivos) {
            const VerificacaoNFe v = VerificarArquivoNFe(arquivo.string());
            const std::string nome = arquivo.filename().string();
            if (v.Autentica()) autenticas.insert(nome);
            if (v.Assinatura.Estado == EstadoAssinatura::Valida) assinaturasValidas.insert(nome);
            const std::string linha = LinhaVerificacao(v);
            EXPECT_FALSE(linha.empty()) << nome;
            if (passada == 0)
                primeira[nome] = linha;
            else
                EXPECT_EQ(linha, primeira[nome]) << nome;
        }
        EXPECT_EQ(autenticas, Autenticas);
        EXPECT_EQ(assinaturasValidas, Autenticas)
            << "a valid signature and nothing else wrong, in these files";
    }
}

TEST(VerificacaoAmostras, EverySampleThatLoadsIsChecked) {
    for (const fs::path& arquivo : Amostras()) {
        const VerificacaoNFe v = VerificarArquivoNFe(arquivo.string());
        // Only the sample that is not well-formed XML cannot be checked at all.
        if (arquivo.filename() == "v200-malformado-semprot.xml")
            EXPECT_EQ(v.Erro.rfind("Erro ao abrir arquivo ", 0), 0u) << v.Erro;
        else
            EXPECT_EQ(v.Erro, "") << arquivo.filename();
    }
}

}  // namespace
