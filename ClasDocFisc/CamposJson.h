#pragma once
// The JSON form of the model, derived from the field tables: every property under its own
// name, in table order. Texts are strings, integers, reals and dates (day counts) numbers,
// booleans true/false, collections arrays of objects, the picture null or "imagem".
#include "ClasDocFisc/Campos.h"
#include "ClasDocFisc/EscritorJson.h"

namespace luvenor {

template <class C>
void EscreverRegistro(TEscritorJson& json, const C& registro) {
    json.IniciarObjeto();
    for (const TCampo<C>& campo : TabelaCampos<C>()) {
        json.Chave(campo.Nome);
        std::visit(TVisitante{
                       [&](std::string C::*m) { json.Texto(registro.*m); },
                       [&](int32_t C::*m) { json.Inteiro(registro.*m); },
                       [&](double C::*m) { json.Real(registro.*m); },
                       [&](bool C::*m) { json.Logico(registro.*m); },
                       [&](const QImage* C::*m) {
                           if (registro.*m)
                               json.Texto("imagem");
                           else
                               json.Nulo();
                       },
                       [&](std::string (C::*f)() const) { json.Texto((registro.*f)()); },
                       [&](double (C::*f)() const) { json.Real((registro.*f)()); },
                       [&](const TAcessoColecao<C>& a) { a.Escrever(json, registro); },
                   },
                   campo.Membro);
    }
    json.FecharObjeto();
}

template <class Colecao>
void EscreverColecao(TEscritorJson& json, const Colecao& colecao) {
    json.IniciarLista();
    for (int i = 0; i < colecao.Count(); ++i) EscreverRegistro(json, colecao[i]);
    json.FecharLista();
}

// The table row of an owned collection of the record `Registro`.
#define LUVENOR_LINHA_COLECAO(TipoColecao, Nome)                             \
    ::luvenor::TCampo<Registro>{                                             \
        #Nome, ::luvenor::TipoCampo::Colecao,                                \
        ::luvenor::TAcessoColecao<Registro>{                                 \
            [](Registro& r) { r.Nome.Clear(); },                             \
            [](Registro& d, const Registro& f) { d.Nome.CopiarDe(f.Nome); }, \
            [](::luvenor::TEscritorJson& j, const Registro& r) { ::luvenor::EscreverColecao(j, r.Nome); }}},

}  // namespace luvenor
