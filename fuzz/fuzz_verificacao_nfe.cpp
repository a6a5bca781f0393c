// libFuzzer target: any bytes through the verification of an NF-e (signature, protocol, key), as
// the main window and luvenor-cli verify run it after the safe parse. Whatever the signature
// declares (sizes, depths, algorithms, references), the check must end with a result: no crash,
// no hang, no leak, no output, and nothing opened outside the document.
#include "ClasNFe/AnaliseXml.h"
#include "ClasNFe/VerificacaoNFe.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    luvenor::AnaliseXml analise = luvenor::AnalisarXml(texto, "fuzz.xml");
    if (!analise.documento) return 0;
    const luvenor::VerificacaoNFe primeira = luvenor::VerificarDocumentoNFe(analise.documento.get());
    // A second check of the same document (its Id already registered) must say the same.
    const luvenor::VerificacaoNFe segunda = luvenor::VerificarDocumentoNFe(analise.documento.get());
    if (luvenor::LinhaVerificacao(primeira) != luvenor::LinhaVerificacao(segunda)) std::abort();
    luvenor::DetalhesVerificacao(primeira);
    return 0;
}
