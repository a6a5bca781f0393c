// luvenor-cli verify: whether NF-e files are the ones their issuers signed and the tax authority
// authorised, one line per file, for scripts.
#include "ClasNFe/VerificacaoNFe.h"
#include "cli/Comandos.h"

#include <cstdio>
#include <string>
#include <vector>

namespace luvenor::cli {
namespace {

constexpr const char* ajudaVerificar = R"(usage: luvenor-cli verify [--detalhes] FILE.xml...

Checks, offline, that each NF-e distribution file is the one its issuer signed and
the tax authority authorised, and prints one line per file ("FILE: result"):
  - the signature over infNFe verifies with the certificate the file carries;
  - the protocol's digVal equals the signature's digest (and the protocol is this
    key's and authorises its use);
  - the access key's check digit is right and the key agrees with the invoice's
    state, year and month, issuer CNPJ/CPF, model, series, number, emission type
    and numeric code.
The certificate's chain up to the Brazilian root authority is not verified: that
needs the network. Nothing is ever fetched.

  --detalhes   also print, under each file, the digests, the protocol and the
               certificate's holder and validity
  --help       show this help

Exit codes: 0 every file is signed, unchanged, authorised and has a correct key;
5 otherwise (a file that cannot be loaded is not verified either); 1 wrong usage.
)";

struct Opcoes {
    std::vector<std::string> arquivos;
    bool detalhes = false;
    bool ajuda = false;
    std::string erro;
};

Opcoes LerOpcoes(int argc, char** argv) {
    Opcoes o;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h")
            o.ajuda = true;
        else if (arg == "--detalhes")
            o.detalhes = true;
        else if (arg.size() > 1 && arg[0] == '-')
            o.erro = "luvenor-cli verify: unknown option '" + arg + "'";
        else
            o.arquivos.push_back(arg);
    }
    if (o.erro.empty() && o.arquivos.empty()) o.erro = "luvenor-cli verify: no file given";
    return o;
}

}  // namespace

int ComandoVerificar(int argc, char** argv) {
    const Opcoes o = LerOpcoes(argc, argv);
    if (o.ajuda) {
        std::fputs(ajudaVerificar, stdout);
        return SaidaOk;
    }
    if (!o.erro.empty()) {
        std::fprintf(stderr, "%s\n\n%s", o.erro.c_str(), ajudaVerificar);
        return SaidaUso;
    }
    bool todas = true;
    for (const std::string& arquivo : o.arquivos) {
        const VerificacaoNFe v = VerificarArquivoNFe(arquivo);
        todas = todas && v.Autentica();
        std::printf("%s: %s\n", arquivo.c_str(), LinhaVerificacao(v).c_str());
        if (o.detalhes && v.Erro.empty())
            for (const std::string& linha : DetalhesVerificacao(v)) std::printf("  %s\n", linha.c_str());
    }
    return todas ? SaidaOk : SaidaNaoVerificada;
}

}  // namespace luvenor::cli
