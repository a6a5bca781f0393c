#include "cli/PreparoDanfe.h"

#include "ClasDocFisc/TNotaFiscal.h"
#include "ClasNFe/ArquivosEvento.h"
#include "ClasNFe/CarregarNFe.h"
#include "ClasNFe/VerificacaoNFe.h"
#include "danfe/ImprimirDanfe.h"
#include "danfe/MarcadorDanfe.h"
#include "danfe/TFrtDacce.h"
#include "danfe/TFrtDanfe.h"

#include <chrono>
#include <cstdio>

namespace luvenor::cli {

bool LerOpcaoDanfe(int argc, char** argv, int& i, OpcoesDanfe& o, std::string& erro) {
    const std::string arg = argv[i];
    if (arg == "--logo") {
        if (i + 1 >= argc)
            erro = arg + " needs a value";
        else
            o.logo = argv[++i];
    } else if (arg == "--sem-credito") {
        o.semCredito = true;
    } else if (arg == "--parcial") {
        o.parcial = true;
    } else if (arg == "--exigir-assinatura") {
        o.exigirAssinatura = true;
    } else if (arg == "--verbose") {
        o.verbose = true;
    } else if (arg == "--evento") {
        if (i + 1 >= argc)
            erro = arg + " needs a file";
        else
            o.eventos.emplace_back(argv[++i]);
    } else if (arg == "--bobina") {
        const std::string largura = i + 1 < argc ? argv[++i] : "";
        if (largura == "80")
            o.formatoNfce = FormatoNfce::Bobina80;
        else if (largura == "58")
            o.formatoNfce = FormatoNfce::Bobina58;
        else
            erro = "--bobina must be 80 or 58 (the roll's width in mm), not '" + largura + "'";
    } else if (arg == "--a4") {
        o.formatoNfce = FormatoNfce::A4;
    } else {
        return false;
    }
    return true;
}

bool CarregarLogo(const char* comando, const OpcoesDanfe& o, QImage& logo) {
    if (o.logo.empty() || logo.load(QString::fromStdString(o.logo))) return true;
    std::fprintf(stderr, "luvenor-cli %s: %s: not a picture that can be read (JPEG or PNG)\n", comando,
                 o.logo.c_str());
    return false;
}

namespace {

// How the pages are laid out, for --verbose.
const char* Disposicao(const TFrtDanfe& formulario) {
    if (formulario.RLReport1().ContinuousPaper) return "roll";
    return formulario.Paisagem() ? "landscape" : "portrait";
}

// Prepares the loaded invoice's DANFE and hands it on; the exit code of that part.
int Preparar(const char* comando, const EntradaDanfe& entrada, TNotaFiscal& nf, const OpcoesDanfe& o,
             const UsarDanfe& usar) {
    const std::string& arquivo = entrada.arquivo;
    if (entrada.marcador) *entrada.marcador = MarcadorDoDanfe(nf);
    int codigo = SaidaNaoGravada;
    ImprimirDanfe(
        nf, o.logo.empty(),
        [&](TFrtDanfe& formulario) {
            TRLReport& relatorio = formulario.RLReport1();
            relatorio.ShowProgress = false;
            if (!relatorio.PreparePages()) return;  // the engine has shown its message on stderr
            if (usar(Disposicao(formulario), relatorio.Pages())) codigo = SaidaOk;
        },
        o.formatoNfce);
    if (nf.NumLcto < 1)
        std::fprintf(stderr, "luvenor-cli %s: %s: the invoice has no number; no DANFE made\n", comando,
                     arquivo.c_str());
    return codigo;
}

// The DACCe of an event file's correction letter.
int PrepararDacce(const char* comando, const EntradaDanfe& entrada, const TNotaFiscal& nf,
                  const UsarDanfe& usar) {
    const TEventoNF* carta = UltimaCartaCorrecao(nf);
    if (!carta) {
        std::fprintf(stderr, "luvenor-cli %s: %s: nenhuma carta de correção registrada para imprimir\n",
                     comando, entrada.arquivo.c_str());
        return SaidaNaoGravada;
    }
    if (entrada.marcador) *entrada.marcador = MarcadorDoDacce(nf, *carta);
    int codigo = SaidaNaoGravada;
    ImprimirDacce(nf, *carta, [&](TFrtDacce& formulario) {
        TRLReport& relatorio = formulario.RLReport1();
        relatorio.ShowProgress = false;
        if (relatorio.PreparePages() && usar("portrait", relatorio.Pages())) codigo = SaidaOk;
    });
    return codigo;
}

}  // namespace

int PrepararDanfe(const char* comando, const EntradaDanfe& entrada, const OpcoesDanfe& o, const QImage& logo,
                  const UsarDanfe& usar) {
    const auto inicio = std::chrono::steady_clock::now();
    TNotaFiscal nf;
    TXmlNFe leitor;
    leitor.NotaFiscal = &nf;
    VerificacaoNFe verificacao;
    const ResultadoCarga carga = CarregarArquivoNFe(leitor, entrada.arquivo, !o.semCredito,
                                                    o.exigirAssinatura ? &verificacao : nullptr);
    if (!carga.Carregado()) {
        // One call per line: lines written by other threads never land inside it.
        if (entrada.nomear)
            std::fprintf(stderr, "%s: %s\n", entrada.arquivo.c_str(), carga.ErroCarga.c_str());
        else
            std::fprintf(stderr, "%s\n", carga.ErroCarga.c_str());
        return SaidaNaoCarregada;
    }
    ResultadoCarga comEventos = carga;
    for (const std::string& evento : o.eventos) AdicionarArquivoEvento(nf, evento, comEventos.Avisos);
    if (o.verbose)
        for (const std::string& aviso : comEventos.Avisos)
            std::fprintf(stderr, "%s: %s\n", entrada.arquivo.c_str(), aviso.c_str());
    if (carga.DocumentoEvento) return PrepararDacce(comando, entrada, nf, usar);
    if (o.exigirAssinatura && !verificacao.Autentica()) {
        std::fprintf(stderr, "%s: DANFE não gerado: %s\n", entrada.arquivo.c_str(),
                     LinhaVerificacao(verificacao).c_str());
        return SaidaNaoVerificada;
    }
    if (entrada.verbose)
        std::fprintf(
            stderr, "%s: read in %.1f ms\n", entrada.arquivo.c_str(),
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count());
    if (!carga.MsgErro.empty()) {
        std::fprintf(stderr, "%s: %s\n", entrada.arquivo.c_str(), carga.MsgErro.c_str());
        if (!o.parcial) return SaidaLeituraInterrompida;
    }
    if (!logo.isNull()) nf.Logo = &logo;
    const int codigo = Preparar(comando, entrada, nf, o, usar);
    nf.Logo = nullptr;
    // Pages made from part of a file still tell that the read stopped early.
    return carga.MsgErro.empty() ? codigo : SaidaLeituraInterrompida;
}

}  // namespace luvenor::cli
