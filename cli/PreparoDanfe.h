#pragma once
// What the commands that make a DANFE (danfe, pages) share: the options that shape the DANFE and
// the road from an NF-e file to its prepared pages.
#include "cli/CodigosSaida.h"
#include "danfe/FormatoNfce.h"

#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace luvenor {
class TFrtDanfe;
class TRLGraphicStorage;
}  // namespace luvenor

namespace luvenor::cli {

struct OpcoesDanfe {
    std::string logo;  // a picture for the issuer box instead of the built-in logo
    bool semCredito = false;
    bool parcial = false;
    bool exigirAssinatura = false;     // no pages for a file that is not the signed, authorised one
    std::vector<std::string> eventos;  // --evento files added to the invoice
    bool verbose = false;              // progress, timing and left-out events on stderr
    FormatoNfce formatoNfce = FormatoNfce::Bobina80;  // the paper of a consumer invoice's DANFE
};

// When argv[i] is --logo, --sem-credito, --parcial, --exigir-assinatura, --evento, --verbose, --bobina
// or --a4, reads it (and the value it takes) into `o` and returns true; `erro` then holds a usage
// error or stays empty.
bool LerOpcaoDanfe(int argc, char** argv, int& i, OpcoesDanfe& o, std::string& erro);

// The --logo picture in `logo` (left null without --logo); false, with the message on stderr, when
// the file is not a picture that can be read.
bool CarregarLogo(const char* comando, const OpcoesDanfe& o, QImage& logo);

// Given how the pages are laid out ("portrait", "landscape" or "roll") and the prepared pages;
// returns false when it could not do its part (it has said why on stderr).
using UsarDanfe = std::function<bool(const char* disposicao, const TRLGraphicStorage& paginas)>;

struct EntradaDanfe {
    std::string arquivo;
    bool nomear = false;              // lead the load messages with the file's name (when several are read)
    bool verbose = false;             // the read's time on stderr
    std::string* marcador = nullptr;  // given the document's bookmark title before the pages are used
};

// Loads the file as the viewer does, with the --evento files, prepares its DANFE in the layout tpImp
// asks (or, for an event file, the DACCe of its correction letter) and hands the pages to `usar`. Returns the
// file's exit code: SaidaNaoCarregada (the message went to stderr), SaidaNaoVerificada when
// --exigir-assinatura refused it, SaidaLeituraInterrompida when the read stopped early (the pages are used
// only with --parcial), SaidaNaoGravada when no pages could be prepared or `usar` failed, SaidaOk otherwise.
int PrepararDanfe(const char* comando, const EntradaDanfe& entrada, const OpcoesDanfe& o, const QImage& logo,
                  const UsarDanfe& usar);

}  // namespace luvenor::cli
