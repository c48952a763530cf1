// The module's exception classes and the translation of automation errors into them.
#include "Errors.hpp"

#include <pybind11/eval.h>

#include <string>

#include "platform/AutomationError.hpp"

namespace qvdpy {
namespace py = pybind11;
namespace {

constexpr const char* kClasses = R"py(
class Error(Exception):
    """A run-time error of a late-bound call: the number, source and description it was raised with."""

    def __init__(self, number, source, description):
        super().__init__(number, source, description)
        self.number = number
        self.source = source
        self.description = description

    def __str__(self):
        where = f"{self.source}: " if self.source else ""
        return f"{where}{self.description} (error {self.number})"


class UnknownMember(Error, AttributeError):
    """Error 438: the object has no member of that name."""
)py";

// Held for the life of the process, as the translator may run until the interpreter ends.
PyObject* errorType = nullptr;
PyObject* unknownMemberType = nullptr;

void setError(int32_t number, const std::string& source, const std::string& description) {
  PyObject* type = number == automation::errnum::MemberNotSupported ? unknownMemberType : errorType;
  py::object error = py::reinterpret_borrow<py::object>(type)(number, source, description);
  PyErr_SetObject(type, error.ptr());
}

}  // namespace

void bindErrors(py::module_& module) {
  py::exec(kClasses, module.attr("__dict__"));
  errorType = py::object(module.attr("Error")).release().ptr();
  unknownMemberType = py::object(module.attr("UnknownMember")).release().ptr();
  py::register_exception_translator([](std::exception_ptr thrown) {
    try {
      if (thrown) std::rethrow_exception(thrown);
    } catch (const automation::AutomationError& e) {
      setError(e.number(), e.source(), e.description());
    }
  });
}

void raiseUnknownMember(const std::string& className, const std::string& member) {
  throw automation::AutomationError(automation::errnum::MemberNotSupported, className,
                                    automation::standardDescription(automation::errnum::MemberNotSupported) + ": " + className + " has no member '" +
                                        member + "' (dir() lists those it has)");
}

}  // namespace qvdpy
