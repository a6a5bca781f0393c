// libFuzzer target: any bytes through the load-and-read path of an NF-e file, as the main window
// and luvenor-cli read take it. The reader must never crash, hang or leak, whatever it gets.
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "util/Notificador.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// The helpers' warnings about values that are not numbers would flood the output.
class NotificadorMudo : public luvenor::Notificador {
public:
    void Mostrar(const std::string&, bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static NotificadorMudo mudo;
    static luvenor::NotificadorInstalado instalado(&mudo);

    luvenor::TNotaFiscal nf;
    luvenor::TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    luvenor::ResultadoCarga resultado = luvenor::CarregarTextoNFe(leitor, texto, "fuzz.xml");
    // A second read into the same record must clear what the first one left.
    if (resultado.Carregado()) luvenor::CarregarTextoNFe(leitor, texto, "fuzz.xml", false);
    return 0;
}
