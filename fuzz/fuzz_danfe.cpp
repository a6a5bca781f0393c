// libFuzzer target from XML to DANFE: any bytes that load as an NF-e are read, their DANFE is
// prepared as luvenor-cli danfe prepares it (a read that stopped early too, as --parcial does)
// and every page is drawn on a small image. Nothing may crash, hang or leak.
#include "fuzz/FuzzGrafico.h"
#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/CarregarNFe.h"
#include "danfe/ImprimirDanfe.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLPagePainter.h"
#include "util/Notificador.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace luvenor;

namespace {

class NotificadorMudo : public Notificador {
public:
    void Mostrar(const std::string&, bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    IniciarFuzzGrafico("fuzz_danfe");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static NotificadorMudo mudo;
    static NotificadorInstalado instalado(&mudo);
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    const std::string_view texto(reinterpret_cast<const char*>(data), size);
    if (!CarregarTextoNFe(leitor, texto, "fuzz.xml").Carregado()) return 0;
    try {
        ImprimirDanfe(nf, true, [](TFrtDanfe& formulario) {
            if (!formulario.RLReport1().PreparePages()) return;
            const TRLGraphicStorage& paginas = formulario.RLReport1().Pages();
            QImage imagem(60, 85, QImage::Format_RGB32);
            QPainter painter(&imagem);
            TRLPagePainter desenhista;
            for (int i = 0; i < paginas.Count(); ++i)
                desenhista.Desenhar(*paginas.Page(i), paginas.Macros(), painter, QRectF(0, 0, 60, 85));
        });
    } catch (const AbortoSilencioso&) {
        // a helper refused a value and said so
    }
    return 0;
}
