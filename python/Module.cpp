// The Python module quarvelvarodav: the library, the reference ERP and the SQLite data-access
// object, reached by name from scripts. Its functions take any Python value and convert it
// themselves, so that a wrong one is an automation error that names the argument.
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
constexpr const char* kModule = "quarvelvarodav";

std::string text(py::handle value, const char* function, int32_t position) {
  return takingArgument(kModule, function, position, [&] { return textOf(value); });
}

std::string companyFile(const std::string& folder, const std::string& company) {
  return (std::filesystem::path(folder) / (company + ".db")).string();
}

std::string createCompany(py::handle folderArgument, py::handle companyArgument, py::handle replaceArgument) {
  std::string folder = text(folderArgument, "CreateCompany", 1);
  std::string company = text(companyArgument, "CreateCompany", 2);
  bool replace = takingArgument(kModule, "CreateCompany", 3, [&] { return toVariant(replaceArgument).toBool(); });
  std::filesystem::create_directories(folder);
  try {
    erpserver::createDemoCompany(folder, company,
                                 replace ? erpserver::ExistingCompany::Replace : erpserver::ExistingCompany::Refuse);
  } catch (const erpserver::CompanyExists& e) {
    throw automation::AutomationError(kFileAlreadyExists, automation::memberSource(kModule, "CreateCompany"),
                                      std::string(e.what()) + "; open it with OpenCompany, or pass replace=True");
  }
  return companyFile(folder, company);
}

std::string openCompany(py::handle folderArgument, py::handle companyArgument) {
  std::string folder = text(folderArgument, "OpenCompany", 1);
  std::string file = companyFile(folder, text(companyArgument, "OpenCompany", 2));
  if (!std::filesystem::exists(file)) createCompany(folderArgument, companyArgument, py::bool_(false));
  return file;
}

LateObject record(py::handle typeName, const py::kwargs& fields) {
  auto made = qvd::newRecord(text(typeName, "Record", 1));
  for (auto item : fields) {
    py::handle value = item.second;
    std::string field = textOf(item.first);
    made->put(field, takingArgument(made->typeName(), field, 0, [&] { return toVariant(value); }));
  }
  return LateObject{made};
}

}  // namespace

void defineModule(py::module_& module) {
  module.doc() = "QuarvelVaroDav from Python: objects created by class name and called late-bound.";
  bindErrors(module);
  bindArray(module);
  bindObjects(module);
  bindEnumerations(module);
  qvd::registerClasses();

  module.def(
      "CreateObject",
      [](py::handle name) { return LateObject{automation::createObject(text(name, "CreateObject", 1))}; },
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
      "OpenSqlite",
      [](py::handle file) { return LateObject{dataaccess::SqliteDataAccess::open(text(file, "OpenSqlite", 1))}; },
      py::arg("file"), "The data-access object over a company's SQLite database file, for BAL_Next.DataAccess.");
}

}  // namespace qvdpy
