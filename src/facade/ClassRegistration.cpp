// Registers the library's creatable classes under their class names.
#include "facade/ClassRegistration.hpp"

#include <memory>
#include <string>

#include "documents/NxDocComercial.hpp"
#include "facade/BAL_Next.hpp"
#include "foundation/cDocLotes.hpp"
#include "foundation/cDocPendente.hpp"
#include "foundation/cLote.hpp"
#include "foundation/coDoclPendentes.hpp"
#include "foundation/colLotes.hpp"
#include "oplog/LogErrosApi.hpp"
#include "platform/ComponentRegistry.hpp"

namespace qvd {
namespace {

template <class T>
automation::ObjectRef make() {
  return std::make_shared<T>();
}

constexpr automation::CreatableClass kCreatable[] = {
    {"BAL_Next", &make<BAL_Next>},         {"NxDocComercial", &make<NxDocComercial>},
    {"LogErrosApi", &make<LogErrosApi>},   {"cLote", &make<cLote>},
    {"colLotes", &make<colLotes>},         {"cDocLotes", &make<cDocLotes>},
    {"cDocPendente", &make<cDocPendente>}, {"coDoclPendentes", &make<coDoclPendentes>},
};

}  // namespace

std::span<const automation::CreatableClass> creatableClasses() { return kCreatable; }

void registerClasses() {
  for (const auto &c : kCreatable)
    automation::ComponentRegistry::instance().add(std::string("QuarvelVaroDav.") + c.name, c.factory);
}

void unregisterClasses() {
  for (const auto &c : kCreatable)
    automation::ComponentRegistry::instance().remove(std::string("QuarvelVaroDav.") + c.name);
}

}  // namespace qvd
