// Conversions of the public records to and from records inside variants.
#include "foundation/RecordVariants.hpp"

#include "platform/AutomationError.hpp"

namespace qvd {
namespace {

using automation::Record;
using automation::Variant;

std::shared_ptr<Record> recordOf(const Variant &v, std::string_view typeName) {
  if (v.isEmpty()) return nullptr;
  auto r = v.toObjectOf<Record>();
  if (!r || r->typeName() != typeName) automation::raise(automation::errnum::TypeMismatch);
  return r;
}

Variant armazem(const TipificacaoArmazem &r) {
  return Variant(std::make_shared<Record>(
      "TipificacaoArmazem",
      std::vector<std::pair<std::string, Variant>>{{"Armazem", r.Armazem},
                                                   {"Sector", r.Sector},
                                                   {"DocTransf", r.DocTransf},
                                                   {"SerieTransf", r.SerieTransf},
                                                   {"DocSaidaCons", r.DocSaidaCons},
                                                   {"SerieSaidaCons", r.SerieSaidaCons},
                                                   {"DocEntProd", r.DocEntProd},
                                                   {"SerieEntProd", r.SerieEntProd},
                                                   {"DocGuiaEntFornecedor", r.DocGuiaEntFornecedor},
                                                   {"SerieGuiaEntFornecedor", r.SerieGuiaEntFornecedor},
                                                   {"DocGuiaRemessa", r.DocGuiaRemessa},
                                                   {"SerieGuiaRemessa", r.SerieGuiaRemessa},
                                                   {"DocDevolConsumo", r.DocDevolConsumo},
                                                   {"SerieDevolConsumo", r.SerieDevolConsumo}}));
}

}  // namespace

std::shared_ptr<Record> newRecord(std::string_view typeName) {
  Variant v;
  if (typeName == "KeyDocumNext")
    v = toVariant(KeyDocumNext{});
  else if (typeName == "NextError")
    v = toVariant(NextError{});
  else if (typeName == "TipificacaoArmazem")
    v = toVariant(TipificacaoArmazem{});
  else if (typeName == "TipificacaoTransf")
    v = toVariant(TipificacaoTransf{});
  else
    automation::raise(automation::errnum::TypeMismatch, "There is no record type '" + std::string(typeName) +
                                                            "': use KeyDocumNext, NextError, TipificacaoArmazem "
                                                            "or TipificacaoTransf");
  return v.toObjectOf<Record>();
}

Variant toVariant(const KeyDocumNext &r) {
  return Variant(std::make_shared<Record>(
      "KeyDocumNext", std::vector<std::pair<std::string, Variant>>{
                          {"iAno", r.iAno}, {"sTpDoc", r.sTpDoc}, {"iSerie", r.iSerie}, {"lNumDoc", r.lNumDoc}}));
}

Variant toVariant(const NextError &r) {
  return Variant(std::make_shared<Record>(
      "NextError",
      std::vector<std::pair<std::string, Variant>>{{"lUltimoErro", r.lUltimoErro}, {"sTextoErro", r.sTextoErro}}));
}

Variant toVariant(const TipificacaoArmazem &r) { return armazem(r); }

Variant toVariant(const TipificacaoTransf &r) {
  return Variant(std::make_shared<Record>(
      "TipificacaoTransf",
      std::vector<std::pair<std::string, Variant>>{{"ArmMatPrima", armazem(r.ArmMatPrima)},
                                                   {"ArmFabrico", armazem(r.ArmFabrico)},
                                                   {"ArmAcabados", armazem(r.ArmAcabados)},
                                                   {"Data", r.Data},
                                                   {"Ano", r.Ano},
                                                   {"Moeda", r.Moeda},
                                                   {"TipoPreco", r.TipoPreco},
                                                   {"CriaTransf", static_cast<int32_t>(r.CriaTransf)}}));
}

void fromVariant(const Variant &v, KeyDocumNext &r) {
  auto rec = recordOf(v, "KeyDocumNext");
  if (!rec) return;
  r.iAno = rec->field("iAno").toInteger();
  r.sTpDoc = rec->field("sTpDoc").toString();
  r.iSerie = rec->field("iSerie").toInteger();
  r.lNumDoc = rec->field("lNumDoc").toLong();
}

void fromVariant(const Variant &v, NextError &r) {
  auto rec = recordOf(v, "NextError");
  if (!rec) return;
  r.lUltimoErro = rec->field("lUltimoErro").toLong();
  r.sTextoErro = rec->field("sTextoErro").toString();
}

void fromVariant(const Variant &v, TipificacaoArmazem &r) {
  auto rec = recordOf(v, "TipificacaoArmazem");
  if (!rec) return;
  r.Armazem = rec->field("Armazem").toString();
  r.Sector = rec->field("Sector").toString();
  r.DocTransf = rec->field("DocTransf").toString();
  r.SerieTransf = rec->field("SerieTransf").toInteger();
  r.DocSaidaCons = rec->field("DocSaidaCons").toString();
  r.SerieSaidaCons = rec->field("SerieSaidaCons").toInteger();
  r.DocEntProd = rec->field("DocEntProd").toString();
  r.SerieEntProd = rec->field("SerieEntProd").toInteger();
  r.DocGuiaEntFornecedor = rec->field("DocGuiaEntFornecedor").toString();
  r.SerieGuiaEntFornecedor = rec->field("SerieGuiaEntFornecedor").toInteger();
  r.DocGuiaRemessa = rec->field("DocGuiaRemessa").toString();
  r.SerieGuiaRemessa = rec->field("SerieGuiaRemessa").toInteger();
  r.DocDevolConsumo = rec->field("DocDevolConsumo").toString();
  r.SerieDevolConsumo = rec->field("SerieDevolConsumo").toInteger();
}

void fromVariant(const Variant &v, TipificacaoTransf &r) {
  auto rec = recordOf(v, "TipificacaoTransf");
  if (!rec) return;
  fromVariant(rec->field("ArmMatPrima"), r.ArmMatPrima);
  fromVariant(rec->field("ArmFabrico"), r.ArmFabrico);
  fromVariant(rec->field("ArmAcabados"), r.ArmAcabados);
  r.Data = rec->field("Data").toString();
  r.Ano = rec->field("Ano").toInteger();
  r.Moeda = rec->field("Moeda").toString();
  r.TipoPreco = rec->field("TipoPreco").toInteger();
  r.CriaTransf = static_cast<QuandoCriaTransferencia>(rec->field("CriaTransf").toLong());
}

}  // namespace qvd
