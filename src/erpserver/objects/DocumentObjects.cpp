#include "erpserver/objects/Document.hpp"
#include "erpserver/objects/ServerClasses.hpp"
#include "platform/AutomationError.hpp"

// The header, line, lot and line-collection objects of a commercial document.
namespace erpserver {
namespace {

const ClassInfo& headerInfo() {
  static const ClassInfo info("CabecDoc", kHeaderFields, {});
  return info;
}

const ClassInfo& lineInfo() {
  static const ClassInfo info("DocumentosGcLin", kLineFields, {});
  return info;
}

const ClassInfo& lotDataInfo() {
  static const ClassInfo info("CamposLote", kLotDataFields, {});
  return info;
}

const ClassInfo& lotInfo() {
  static constexpr MethodSpec methods[] = {computed<&LoteLinha::camposObject>("Campos")};
  static const ClassInfo info("LotesLinha", kLotFields, methods);
  return info;
}

const ClassInfo& linesInfo() {
  static constexpr MethodSpec methods[] = {computed<&LinhasDoc::count>("Count"), method<&LinhasDoc::item>("Item", 1)};
  static const ClassInfo info("LinhasDoc", {}, methods);
  return info;
}

}  // namespace

CabecDoc::CabecDoc() : ServerObject(headerInfo()) {}

LinhaDoc::LinhaDoc() : ServerObject(lineInfo()) {}

std::shared_ptr<LinhaDoc> LinhaDoc::clone() const {
  auto copy = std::make_shared<LinhaDoc>();
  copy->copyFieldsFrom(*this);
  return copy;
}

CamposLote::CamposLote() : ServerObject(lotDataInfo()) {}

LoteLinha::LoteLinha() : ServerObject(lotInfo()), campos_(std::make_shared<CamposLote>()) {}

std::shared_ptr<LoteLinha> LoteLinha::clone() const {
  auto copy = std::make_shared<LoteLinha>();
  copy->copyFieldsFrom(*this);
  copy->campos_->copyFieldsFrom(*campos_);
  return copy;
}

Variant LoteLinha::camposObject(std::span<Variant>) { return Variant(campos_); }

LinhasDoc::LinhasDoc() : ServerObject(linesInfo()) {}

Variant LinhasDoc::count(std::span<Variant>) { return Variant(static_cast<int32_t>(lines_.size())); }

Variant LinhasDoc::item(std::span<Variant> args) {
  int32_t position = args[0].toLong();
  if (position < 1 || static_cast<std::size_t>(position) > lines_.size())
    automation::raise(automation::errnum::SubscriptOutOfRange);
  return Variant(lines_[static_cast<std::size_t>(position - 1)]);
}

automation::ObjectRef newDocumentosGcLin() { return std::make_shared<LinhaDoc>(); }
automation::ObjectRef newLotesLinha() { return std::make_shared<LoteLinha>(); }

}  // namespace erpserver
