#include "danfe/ConstrutorDanfe.h"

#include "report/RLBarcode.h"
#include "danfe/QrCodeDanfe.h"
#include "report/RLDraw.h"
#include "report/RLImage.h"
#include "report/RLLabel.h"
#include "report/RLMemo.h"
#include "report/RLSystemInfo.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace luvenor {
namespace {

TRLBandType TipoDaBanda(TipoBandaDanfe tipo) {
    switch (tipo) {
        case TipoBandaDanfe::Cabecalho:
            return TRLBandType::btHeader;
        case TipoBandaDanfe::CabecalhoColuna:
            return TRLBandType::btColumnHeader;
        case TipoBandaDanfe::Resumo:
            return TRLBandType::btSummary;
        default:
            return TRLBandType::btDetail;
    }
}

void DefinirTexto(TRLCustomControl& c, const ControleDanfe& linha) {
    c.SetFont(FonteDoControle(linha.Fonte));
    c.Alignment = linha.Alinhamento;
    c.AutoSize = (linha.Flags & (flLarguraAuto | flAlturaAuto)) != 0;
}

bool EhMoldura(const ControleDanfe& linha) {
    return linha.Tipo == TipoControleDanfe::Retangulo || linha.Tipo == TipoControleDanfe::Linha;
}

TRLCustomControl& CriarMoldura(TRLCustomControl& banda, const ControleDanfe& linha, int& desenhos) {
    auto& d = banda.Criar<TRLDraw>("RLDraw" + std::to_string(++desenhos));
    d.DrawKind = linha.Tipo == TipoControleDanfe::Linha ? TRLDrawKind::dkLine : TRLDrawKind::dkRectangle;
    if (linha.Flags & flTracoPonto) d.Pen.Style = TRLPenStyle::psDashDot;
    // Nothing lies under a frame (frames are a band's first controls), so its white fill only
    // matters on white paper; unfilled, it leaves the canvas brush clear for the texts drawn
    // after it, which would otherwise record an opaque background and wipe the frame's lines.
    d.Brush = TRLBrush{clWhite, TRLBrushStyle::bsClear};
    if (linha.Flags & flAlturaTotal) d.Align = TRLControlAlign::faHeight;
    // The form's boxes abut (one ends at x, the next starts at x): they share that rule.
    d.SharedEdges = true;
    return d;
}

TRLCustomControl& CriarImagem(TRLCustomControl& banda, const ControleDanfe& linha) {
    auto& i = banda.Criar<TRLImage>(linha.Nome);
    i.AutoSize = false;
    if (linha.Flags & flCentralizada) {
        i.SetScaled(true);
        i.Center = true;
    }
    if (linha.Flags & flEsticada) i.SetStretch(true);
    return i;
}

// Every control but the frames: the pictures and the controls that print a text.
TRLCustomControl& CriarConteudo(TRLCustomControl& banda, const ControleDanfe& linha) {
    switch (linha.Tipo) {
        case TipoControleDanfe::Imagem:
            return CriarImagem(banda, linha);
        case TipoControleDanfe::Barras:
            return banda.Criar<TRLBarcode>(linha.Nome);
        case TipoControleDanfe::QrCode: {
            auto& q = banda.Criar<TQrCodeDanfe>(linha.Nome);
            q.Behavior = beSiteExpander;
            return q;
        }
        case TipoControleDanfe::Memo: {
            auto& m = banda.Criar<TRLMemo>(linha.Nome);
            DefinirTexto(m, linha);
            m.Behavior = (linha.Flags & flExpandeBanda) ? beSiteExpander : 0u;
            return m;
        }
        case TipoControleDanfe::RotuloVertical: {
            auto& a = banda.Criar<TRLAngleLabel>(linha.Nome);
            DefinirTexto(a, linha);
            a.Angle = 90.0;
            a.Layout = TRLTextLayout::tlBottom;
            return a;
        }
        case TipoControleDanfe::InfoSistema: {
            auto& s = banda.Criar<TRLSystemInfo>(linha.Nome);
            DefinirTexto(s, linha);
            s.Info =
                (linha.Flags & flUltimaPagina) ? TRLInfoType::itLastPageNumber : TRLInfoType::itPageNumber;
            s.Text = linha.Legenda;
            return s;
        }
        case TipoControleDanfe::Rotulo:
        default: {
            auto& l = banda.Criar<TRLLabel>(linha.Nome);
            DefinirTexto(l, linha);
            if (linha.Flags & flLarguraTotal) l.Align = TRLControlAlign::faTop;
            return l;
        }
    }
}

TRLCustomControl& CriarControle(TRLCustomControl& banda, const ControleDanfe& linha, int& desenhos) {
    TRLCustomControl& criado =
        EhMoldura(linha) ? CriarMoldura(banda, linha, desenhos) : CriarConteudo(banda, linha);
    const CaixaDanfe& cx = linha.Caixa;
    criado.SetBounds(cx.Left, cx.Top, cx.Width, cx.Height);
    return criado;
}

void Registrar(MapaControles& controles, TRLCustomControl& c) {
    if (!controles.emplace(c.Name(), &c).second)
        throw std::logic_error("DANFE layout: the name " + c.Name() + " is used twice");
}

// A band split between sheets repeats its captions, the rows above the text that grows it.
int CabecalhoAoPartir(const LayoutDanfe& layout, std::string_view banda) {
    int topo = -1;
    for (const ControleDanfe& linha : layout.Controles)
        if (banda == linha.Banda && (linha.Flags & flExpandeBanda))
            topo = topo < 0 ? linha.Caixa.Top : std::min(topo, linha.Caixa.Top);
    return std::max(0, topo);
}

void CriarControlesDaBanda(const LayoutDanfe& layout, TRLCustomControl& banda, MapaControles& controles,
                           int& desenhos) {
    // Rectangles first: they are drawn in creation order and their white fill must lie under the texts.
    for (int passo = 0; passo < 2; ++passo) {
        for (const ControleDanfe& linha : layout.Controles) {
            if (std::string_view(linha.Banda) != banda.Name() || EhMoldura(linha) != (passo == 0)) continue;
            TRLCustomControl& c = CriarControle(banda, linha, desenhos);
            if (!EhMoldura(linha)) Registrar(controles, c);
        }
    }
}

}  // namespace

TRLFont FonteDoControle(const FonteDanfe& fonte) {
    TRLFont f;
    f.Name = "Times New Roman";
    f.Height = -fonte.Altura;
    f.Style = fonte.Negrito ? fsBold : 0u;
    f.Color = clBlack;
    f.Charset = 0;
    return f;
}

std::unique_ptr<TRLReport> ConstruirRelatorio(const LayoutDanfe& layout, MapaControles& controles) {
    auto relatorio = std::make_unique<TRLReport>("RLReport1");
    relatorio->FormName = layout.Nome;
    relatorio->PageSetup.PaperSize = TRLPaperSize::fpA4;
    relatorio->PageSetup.Orientation =
        layout.Paisagem ? TRLPageOrientation::poLandscape : TRLPageOrientation::poPortrait;
    relatorio->Margins = {layout.MargemMm, layout.MargemMm, layout.MargemMm, layout.MargemMm};
    relatorio->ApplyPageSetup();
    Registrar(controles, *relatorio);

    const int margem = MilimetrosParaPixels(layout.MargemMm);
    const int largura = layout.LarguraPagina - 2 * margem;
    int topoRelatorio = margem;
    int topoSubDetalhe = 0;
    int desenhos = 0;
    for (const BandaDanfe& b : layout.Bandas) {
        auto pai = controles.find(b.Pai);
        if (pai == controles.end())
            throw std::logic_error(std::string("DANFE layout: band ") + b.Nome +
                                   " names an unknown container");
        const bool noRelatorio = pai->second == relatorio.get();
        int& topo = noRelatorio ? topoRelatorio : topoSubDetalhe;
        const int esquerda = noRelatorio ? margem : 0;
        TRLCustomControl* criado = nullptr;
        if (b.Tipo == TipoBandaDanfe::SubDetalhe) {
            topoSubDetalhe = 0;  // each sub-detail stacks its own bands from its top
            auto& sub = pai->second->Criar<TRLSubDetail>(b.Nome);
            sub.IntegralHeight = b.IntegralHeight;
            criado = &sub;
        } else {
            auto& banda = pai->second->Criar<TRLBand>(b.Nome);
            banda.BandType = TipoDaBanda(b.Tipo);
            banda.AlignToBottom = b.AlignToBottom;
            banda.IntegralHeight = b.IntegralHeight;
            banda.SplitHeading = CabecalhoAoPartir(layout, b.Nome);
            criado = &banda;
        }
        criado->Align = TRLControlAlign::faTop;
        criado->SetBounds(esquerda, topo, largura, b.Altura);
        topo += b.Altura;
        Registrar(controles, *criado);
        if (b.Tipo != TipoBandaDanfe::SubDetalhe) CriarControlesDaBanda(layout, *criado, controles, desenhos);
    }
    return relatorio;
}

}  // namespace luvenor
