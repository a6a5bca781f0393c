#pragma once
// How the DANFE writes numbers and party lines, in Brazilian format whatever the machine's locale.
#include "ClasDocFisc/TParticipante.h"

#include <string>

namespace luvenor {

std::string Valor(double x);          // amount: 2 decimals, thousands grouped
std::string Aliquota(double x);       // rate: 2 decimals
std::string Quantidade(double x);     // 2 to 3 decimals, as many as the value needs
std::string ValorUnitario(double x);  // 2 to 6 decimals, as many as the value needs
std::string Peso(double x);           // 3 decimals, right-aligned in 14 characters (not trimmed)

// How much of a text or a list the DANFE prints: far more than any valid invoice has (its layout
// allows 5,000 characters of complementary information and 120 instalments), little enough that a
// hostile file of megabytes still gives a DANFE of a few sheets at once. ImprimirDanfe tells the
// user when something is left out.
inline constexpr size_t MaximoCaracteresTextoDanfe = 20000;
inline constexpr int MaximoParcelasDanfe = 1000;
// The first MaximoCaracteresTextoDanfe characters of the text.
std::string TextoQueODanfeMostra(const std::string& texto);

// Street, number and complement of a party.
std::string LinhaRua(const TParticipante& p);
// District, city, state and CEP of a party.
std::string LinhaLocalidade(const TParticipante& p);
// Phone, and "/" and the fax when there is one.
std::string FoneFax(const TParticipante& p);

// The party of that role with `cnpj` among the invoice's parties (BuscarPapel), or an empty party
// when none matches.
const TParticipante& ParticipanteOuVazio(const TColeParticipante& partes, std::string_view papel,
                                         std::string_view cnpj);

}  // namespace luvenor
