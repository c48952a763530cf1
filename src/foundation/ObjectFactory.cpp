#include "foundation/ObjectFactory.hpp"

#include <string>

#include "foundation/ErpClasses.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/MessageBox.hpp"

namespace qvd {
namespace {

// Create-by-name with the error read and cleared: the error number, 0 on success. The class may
// live in this process or, on Windows, in a component server registered with the system. The
// first name tried is usually not there, so that case answers without raising.
int32_t tryCreate(const std::string& progId, automation::ObjectRef& out) {
  int32_t error = automation::ignoreError([&] { out = automation::tryCreateObject(progId); });
  if (error != 0) return error;
  return out ? 0 : automation::errnum::CannotCreateObject;
}

}  // namespace

automation::ObjectRef NxtObjectoCriar(std::string_view sClasse) {
  std::size_t dot = sClasse.find('.');
  if (dot == std::string_view::npos) return nullptr;
  std::string classPart(sClasse.substr(dot + 1));

  automation::ObjectRef object;
  if (tryCreate(std::string(erpclass::PrimaryPrefix) + "." + classPart, object) == 0) return object;
  if (tryCreate(std::string(erpclass::FallbackPrefix) + "." + classPart, object) == 0) return object;
  automation::ignoreError([] { automation::messageBox("Erro não conseguiu carregar nenhuma DLL da ERPAPI"); });
  return nullptr;
}

}  // namespace qvd
