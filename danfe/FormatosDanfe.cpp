#include "danfe/FormatosDanfe.h"

#include "util/UMascara.h"
#include "util/UNumber.h"
#include "util/UString.h"
#include "util/Utf8.h"

namespace luvenor {

// Wide enough for every integer place MSC has and a sign: a narrower width cuts the leading digits
// and the sign of a large or negative amount, or gives "****".
constexpr int larguraNumero = 25;

std::string Valor(double x) {
    return TirarEspacos(MSC(larguraNumero, 2, x));
}

std::string Aliquota(double x) {
    return TirarEspacos(MSC(5, 2, x));
}

std::string Quantidade(double x) {
    return TirarEspacos(MSC(larguraNumero, CasasDecimais(3, 2, x), x));
}

std::string ValorUnitario(double x) {
    return TirarEspacos(MSC(larguraNumero, CasasDecimais(6, 2, x), x));
}

std::string Peso(double x) {
    return MSC(14, 3, x);
}

std::string TextoQueODanfeMostra(const std::string& texto) {
    if (texto.size() <= MaximoCaracteresTextoDanfe) return texto;
    return texto.substr(0, OffsetDoCaractere(texto, static_cast<int>(MaximoCaracteresTextoDanfe)));
}

std::string LinhaRua(const TParticipante& p) {
    return MontarEndereco(p.Endereco, p.Numero, p.Complemento, "", "", "", "", "");
}

std::string LinhaLocalidade(const TParticipante& p) {
    return MontarEndereco("", "", "", p.Bairro, p.Cidade, p.Estado, p.Cep, "");
}

std::string FoneFax(const TParticipante& p) {
    std::string texto = TirarEspacos(p.Fone);
    if (!Vazio(p.Fax)) texto += "/" + TirarEspacos(p.Fax);
    return texto;
}

const TParticipante& ParticipanteOuVazio(const TColeParticipante& partes, std::string_view papel,
                                         std::string_view cnpj) {
    static const TParticipante vazio;
    const TParticipante* p = partes.BuscarPapel(papel, cnpj);
    return p ? *p : vazio;
}

}  // namespace luvenor
