#pragma once
// Shared by the DANFE tests: a Qt application with the report fonts, a fictitious invoice built
// in code, the preparation of its DANFE into plain page copies, and the texts of those pages.
#include "ClasDocFisc/TNotaFiscal.h"
#include "report/RLAplicacao.h"
#include "danfe/ImprimirDanfe.h"
#include "danfe/TFrtDanfe.h"
#include "report/RLFonts.h"
#include "report/RLGraphics.h"
#include "util/UDatas.h"

#include <QGuiApplication>

#include <string>
#include <vector>

namespace luvenor::teste {

inline void GarantirAplicacao() {
    IniciarAplicacaoGrafica("test_danfe");
}

inline TParticipante& NovaParte(TNotaFiscal& nf, const std::string& cnpj, const std::string& razao) {
    TParticipante& p = *nf.Participantes.Add();
    p.Cnpj = cnpj;
    p.Razao = razao;
    p.Endereco = "Rua das Palmeiras";
    p.Numero = "100";
    p.Bairro = "Centro";
    p.Cidade = "São Paulo";
    p.Estado = "SP";
    p.Cep = "01001000";
    p.Fone = "1133334444";
    p.InscrEst = "123456789";
    return p;
}

inline TItemNF& NovoItem(TNotaFiscal& nf, int seq, const std::string& codigo) {
    TItemNF& i = *nf.ItensNF.Add();
    i.SeqItem = seq;
    i.CodProd = codigo;
    i.DescrOrig = "PRODUTO " + codigo;
    i.UnidMed = "UN";
    i.Cfop = "5102";
    i.CodNcm = "84713012";
    i.OrigMerc = "0";
    i.CstIcms = "00";
    i.Qtde = 1;
    i.VlrUnit = 10;
    i.VlrItem = 10;
    return i;
}

// A small authorised invoice of fictitious companies with `itens` items numbered 1..n.
inline void PreencherNota(TNotaFiscal& nf, int itens = 1) {
    nf.NumLcto = 1234;
    nf.Serie = "1";
    nf.TipoLcto = "NE";
    nf.AnoLcto = 2024;
    nf.IncrLcto = 1;
    nf.tpNF = "1";
    nf.tpImp = "1";
    nf.tpAmb = "1";
    nf.ChaveNfe = "35240112345678000190550010000012341000012345";
    nf.DescrNatOper = "Venda de mercadoria";
    nf.DtDoc = CodificarData(2024, 1, 15);
    nf.DtEntSai = nf.DtDoc;
    nf.HrEntSai = "10:30:00";
    nf.ProtocoloNfe = "135240000000001";
    nf.DtProtocoloNfe = nf.DtDoc;
    nf.HrProtocoloNfe = "10:31:00";
    nf.CnpjFili = "12345678000190";
    nf.Cnpj = "98765432000110";
    NovaParte(nf, nf.CnpjFili, "Fábrica Exemplo Ltda").Email = "contato@exemplo.test";
    NovaParte(nf, nf.Cnpj, "Cliente Fictício S.A.");
    NovaParte(nf, "", "");
    nf.IndFrete = "9";
    for (int i = 1; i <= itens; ++i) NovoItem(nf, i, "P" + std::to_string(i));
    nf.TotItem = 10.0 * itens;
    nf.TotNota = nf.TotItem;
}

struct DanfePreparado {
    bool preparado = false;
    bool paisagem = false;
    std::vector<TRLGraphicSurface> paginas;
    std::string ultimaPagina;  // the store's LastPageNumber macro
};

inline DanfePreparado Preparar(TNotaFiscal& nf, bool logoPadrao = true) {
    GarantirAplicacao();
    DanfePreparado r;
    ImprimirDanfe(nf, logoPadrao, [&r](TFrtDanfe& f) {
        r.paisagem = f.Paisagem();
        r.preparado = f.RLReport1().PreparePages();
        const TRLGraphicStorage& store = f.RLReport1().Pages();
        r.ultimaPagina = store.Macros().Value("LastPageNumber");
        for (int i = 0; i < store.Count(); ++i) r.paginas.push_back(*store.Page(i));
    });
    return r;
}

inline std::vector<std::string> Textos(const TRLGraphicSurface& pagina) {
    std::vector<std::string> textos;
    for (const TRLGraphicObject& o : pagina.Objects())
        if (const auto* t = o.As<TRLTextObject>()) textos.push_back(t->Text);
    return textos;
}

inline bool TemTexto(const TRLGraphicSurface& pagina, const std::string& texto) {
    for (const std::string& t : Textos(pagina))
        if (t == texto) return true;
    return false;
}

inline bool TemTextoComecando(const TRLGraphicSurface& pagina, const std::string& inicio) {
    for (const std::string& t : Textos(pagina))
        if (t.rfind(inicio, 0) == 0) return true;
    return false;
}

inline int ContarTexto(const DanfePreparado& d, const std::string& texto) {
    int n = 0;
    for (const TRLGraphicSurface& p : d.paginas)
        for (const std::string& t : Textos(p)) n += t == texto;
    return n;
}

}  // namespace luvenor::teste
