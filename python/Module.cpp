// The Python module quarvelvarodav: the library, the reference ERP and the SQLite data-access
// object, reached by name from scripts.
#include <pybind11/pybind11.h>

#include <filesystem>
#include <string>

#include "Bindings.hpp"
#include "Errors.hpp"
#include "LateObject.hpp"
#include "Values.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/Server.hpp"
#include "facade/ClassRegistration.hpp"
#include "foundation/RecordVariants.hpp"
#include "platform/ComponentRegistry.hpp"

namespace qvdpy {
namespace {

// 58 is the runtime's "File already exists".
constexpr int32_t kFileAlreadyExists = 58;

std::string companyFile(const std::string& folder, const std::string& company) {
  return (std::filesystem::path(folder) / (company + ".db")).string();
}

std::string createCompany(const std::string& folder, const std::string& company, bool replace) {
  std::filesystem::create_directories(folder);
  try {
    erpserver::createDemoCompany(folder, company,
                                 replace ? erpserver::ExistingCompany::Replace : erpserver::ExistingCompany::Refuse);
  } catch (const erpserver::CompanyExists& e) {
    throw automation::AutomationError(kFileAlreadyExists, "quarvelvarodav.CreateCompany",
                                      std::string(e.what()) + "; open it with OpenCompany, or pass replace=True");
  }
  return companyFile(folder, company);
}

std::string openCompany(const std::string& folder, const std::string& company) {
  std::string file = companyFile(folder, company);
  if (!std::filesystem::exists(file)) createCompany(folder, company, false);
  return file;
}

LateObject record(const std::string& typeName, const py::kwargs& fields) {
  auto made = qvd::newRecord(typeName);
  for (auto [name, value] : fields) made->set(py::str(name).cast<std::string>(), toVariant(value));
  return LateObject{made};
}

}  // namespace
}  // namespace qvdpy

PYBIND11_MODULE(quarvelvarodav, module) {
  using namespace qvdpy;
  namespace py = pybind11;
  module.doc() = "QuarvelVaroDav from Python: objects created by class name and called late-bound.";
  bindErrors(module);
  bindArray(module);
  bindObjects(module);
  bindEnumerations(module);
  qvd::registerClasses();

  module.def(
      "CreateObject", [](const std::string& name) { return LateObject{automation::createObject(name)}; },
      py::arg("name"),
      "A new object of the class registered as `name`, such as \"QuarvelVaroDav.BAL_Next\" or, once RegisterErp "
      "has run, \"ErpApiNextPlus.Artigos\".");
  module.def(
      "Record", &record, py::arg("type_name"),
      "A record of a public record type (\"KeyDocumNext\", \"NextError\", \"TipificacaoArmazem\", "
      "\"TipificacaoTransf\") with its zero values, then the fields given by keyword.");
  module.def(
      "RegisterErp", [] { erpserver::registerServer(); },
      "Registers the reference ERP server, in this process, under \"ErpApiNextPlus.<Class>\".");
  module.def("CreateCompany", &createCompany, py::arg("folder"), py::arg("company") = "DEMO", py::arg("replace") = false,
             "Creates the demo company `company` in `folder` (made when missing) and returns its database file. An "
             "existing company raises error 58 unless replace is true.");
  module.def("OpenCompany", &openCompany, py::arg("folder"), py::arg("company") = "DEMO",
             "The database file of the company `company` in `folder`, created with the demo data the first time.");
  module.def(
      "OpenSqlite", [](const std::string& file) { return LateObject{dataaccess::SqliteDataAccess::open(file)}; },
      py::arg("file"), "The data-access object over a company's SQLite database file, for BAL_Next.DataAccess.");
}
