#include "documents/NxDocComercial.hpp"

#include <utility>

#include "core/ErpResult.hpp"
#include "core/ErpValues.hpp"
#include "documents/ErpDocument.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd {

using automation::ObjectRef;
using automation::propGet;
using automation::propPut;
using automation::Variant;

namespace {

template <class Body>
decltype(auto) trap(const char* operation, Body&& body) {
  return automation::withSource(std::string("NxDocComercial::") + operation, std::forward<Body>(body));
}

}  // namespace

void NxDocComercial::UltimoErro(int32_t& lNumErro, std::string& sTextoErro) const {
  lNumErro = lUltimoErro;
  sTextoErro = this->sTextoErro;
}

void NxDocComercial::pErroReset() {
  lUltimoErro = -1;
  sTextoErro.clear();
}

void NxDocComercial::pErroDe(const ObjectRef& D) {
  NextError erro;
  erpresult::copiarErro(D, erro);
  lUltimoErro = erro.lUltimoErro;
  sTextoErro = erro.sTextoErro;
}

bool NxDocComercial::Ler(const std::string& Tipodoc, int32_t Numdoc, int16_t Serie, int16_t Ano) {
  return trap("Ler", [&] {
    pErroReset();
    ObjectRef D = NxtObjectoCriar(erpclass::DocumentoComercial);
    int32_t r = erpdoc::ler(D, Tipodoc, Numdoc, Serie, Ano);
    if (r != 0) {
      pErroDe(D);
    } else {
      pCabecalhoLoad(D);
      pLinhasLoad(D);
    }
    return r == 0;
  });
}

bool NxDocComercial::Inserir() {
  return trap("Inserir", [&] {
    pErroReset();
    ObjectRef D = NxtObjectoCriar(erpclass::DocumentoComercial);
    pCabecalhoSet(D);
    pLinhasSet(D);
    int32_t r = erpresult::chamar(D, "Validar");
    if (r == 0) r = erpresult::chamar(D, "Inserir");
    // Year and series stay as the caller set them; only the number is the ERP's.
    if (r == 0)
      cab_->NossoNumeroDocumento = propGet(erpdoc::cab(D), "NossoNoDocumento").toLong();
    else
      pErroDe(D);
    return r == 0;
  });
}

bool NxDocComercial::Remover() {
  return trap("Remover", [&] {
    pErroReset();
    ObjectRef D = NxtObjectoCriar(erpclass::DocumentoComercial);
    int32_t r = erpdoc::ler(D, cab_->TipoDocumento, cab_->NossoNumeroDocumento, cab_->Serie, cab_->Ano);
    if (r == 0) r = erpresult::chamar(D, "Remover");
    if (r != 0) {
      pErroDe(D);
    } else {
      cab_ = std::make_shared<NxDocComercialCab>();
      linhas_ = std::make_shared<NxDocComercialLinhas>();
    }
    return r == 0;
  });
}

void NxDocComercial::pCabecalhoLoad(const ObjectRef& D) {
  trap("pCabecalhoLoad", [&] {
    auto cab = std::make_shared<NxDocComercialCab>();
    auto campo = [&](const char* nome) { return propGet(erpdoc::cab(D), nome); };
    cab->Ano = campo("Ano").toInteger();
    cab->ComissaoVendedor = campo("ComissaoVendedor").toCurrency();
    cab->Data = campo("Data").toString();
    cab->DataAprovacao = campo("DataAprovacao").toString();
    cab->DataCarga = campo("DataCarga").toString();
    cab->DataDescarga = campo("DataDescarga").toString();
    cab->DataVencimento = campo("DataVencimento").toString();
    cab->DescontoCabecalho = campo("DescontoCabecalho").toCurrency();
    cab->DescontoCabValor = campo("DescontoCabValor").toCurrency();
    cab->HoraCarga = campo("HoraCarga").toString();
    cab->HoraDescarga = campo("HoraDescarga").toString();
    cab->LocalCarga = campo("LocalCarga").toString();
    cab->LocalDescarga = campo("LocalDescarga").toString();
    cab->Moeda = campo("Moeda").toString();
    cab->NossoNumeroDocumento = campo("NossoNoDocumento").toLong();
    cab->NumeroContribuinte = campo("NumeroContribuinte").toString();
    cab->Observacoes = campo("Observacoes").toString();
    cab->Processo = campo("Processo").toString();
    cab->Sector = campo("Sector").toString();
    cab->Serie = campo("Serie").toInteger();
    cab->Terceiro = campo("Terceiro").toString();
    cab->TipoDocumento = campo("TipoDocumento").toString();
    cab->TipoPreco = campo("TipoPreco").toInteger();
    cab->Vendedor = campo("Vendedor").toString();
    cab->VossoNoDocumento = campo("VossoNoDocumento").toString();
    cab->IvaIncluido = isTrue(campo("IvaIncluido"));
    cab_ = std::move(cab);
  });
}

void NxDocComercial::pLinhasLoad(const ObjectRef& D) {
  trap("pLinhasLoad", [&] {
    auto linhas = std::make_shared<NxDocComercialLinhas>();
    int32_t n = erpdoc::numeroDeLinhas(D);
    for (int32_t i = 1; i <= n; ++i) {
      ObjectRef E = erpdoc::linha(D, i);
      auto campo = [&](const char* nome) { return propGet(E, nome); };
      auto linha = linhas->Add(campo("Armazem").toString(), campo("Artigo").toString(),
                               campo("PrecoUnitario").toCurrency(), campo("Quantidade").toCurrency(),
                               campo("NumeroDaLinha").toInteger());
      linha->DescontoValor = campo("DescontoValor").toCurrency();
      linha->Descricao = campo("Descricao").toString();
      linha->DescricaoRTF = campo("DescricaoRTF").toString();
      linha->Descritor = campo("Descritor").toString();
      linha->Factor = campo("Factor").toCurrency();
      linha->IvaLinhas = campo("IvaLinhas").toLong();
      linha->LinhaAnulada = campo("LinhaAnulada").toInteger();
      linha->NumeroSerie = campo("NumeroSerie").toString();
      linha->TaxaDesconto = campo("TaxaDesconto").toCurrency();
      linha->TaxaIVA = campo("TaxaIVA").toCurrency();
      linha->TipoDeLinha = campo("TipoDeLinha").toInteger();
      linha->Unidade = campo("Unidade").toString();
      linha->VossoLote = campo("VossoLote").toString();
    }
    linhas_ = std::move(linhas);
  });
}

void NxDocComercial::pCabecalhoSet(const ObjectRef& D) {
  trap("pCabecalhoSet", [&] {
    // Every field is put, empty texts and zeros included; the salesperson's commission is not.
    auto por = [&](const char* nome, const Variant& valor) { propPut(erpdoc::cab(D), nome, valor); };
    por("Ano", cab_->Ano);
    por("Data", cab_->Data);
    por("DataAprovacao", cab_->DataAprovacao);
    por("DataCarga", cab_->DataCarga);
    por("DataDescarga", cab_->DataDescarga);
    por("DataVencimento", cab_->DataVencimento);
    por("DescontoCabecalho", cab_->DescontoCabecalho);
    por("DescontoCabValor", cab_->DescontoCabValor);
    por("HoraCarga", cab_->HoraCarga);
    por("HoraDescarga", cab_->HoraDescarga);
    por("LocalCarga", cab_->LocalCarga);
    por("LocalDescarga", cab_->LocalDescarga);
    por("Moeda", cab_->Moeda);
    por("NossoNoDocumento", cab_->NossoNumeroDocumento);
    por("NumeroContribuinte", cab_->NumeroContribuinte);
    por("Observacoes", cab_->Observacoes);
    por("Processo", cab_->Processo);
    por("Sector", cab_->Sector);
    por("Serie", cab_->Serie);
    por("Terceiro", cab_->Terceiro);
    por("TipoDocumento", cab_->TipoDocumento);
    por("TipoPreco", cab_->TipoPreco);
    por("Vendedor", cab_->Vendedor);
    por("VossoNoDocumento", cab_->VossoNoDocumento);
    por("IvaIncluido", static_cast<int16_t>(cab_->IvaIncluido ? -1 : 0));
    propPut(D, "Origem", static_cast<int32_t>(cab_->Origem));
  });
}

void NxDocComercial::pLinhasSet(const ObjectRef& D) {
  trap("pLinhasSet", [&] {
    // The lines go to the ERP exactly as held: no suggestion is asked for.
    for (const auto& X : *linhas_) {
      ObjectRef L = NxtObjectoCriar(erpclass::DocumentosGcLin);
      propPut(L, "Armazem", X->Armazem);
      propPut(L, "Artigo", X->Artigo);
      propPut(L, "PrecoUnitario", X->PrecoUnitario);
      propPut(L, "Quantidade", X->Quantidade);
      propPut(L, "NumeroDaLinha", X->NumeroDaLinha);
      propPut(L, "DescontoValor", X->DescontoValor);
      propPut(L, "Descricao", X->Descricao);
      propPut(L, "DescricaoRTF", X->DescricaoRTF);
      propPut(L, "Descritor", X->Descritor);
      propPut(L, "Factor", X->Factor);
      propPut(L, "IvaLinhas", X->IvaLinhas);
      propPut(L, "LinhaAnulada", X->LinhaAnulada);
      propPut(L, "NumeroSerie", X->NumeroSerie);
      propPut(L, "TaxaDesconto", X->TaxaDesconto);
      propPut(L, "TaxaIVA", X->TaxaIVA);
      propPut(L, "TipoDeLinha", X->TipoDeLinha);
      propPut(L, "Unidade", X->Unidade);
      propPut(L, "VossoLote", X->VossoLote);
      Variant linha[] = {Variant(L)};
      automation::invokeRef(D, "AdicionaLinha", linha);
    }
  });
}

}  // namespace qvd
