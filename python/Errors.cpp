// The module's exception classes and the translation of automation errors into them.
#include "Errors.hpp"

#include <pybind11/eval.h>

#include <new>
#include <string>

#include "platform/AutomationError.hpp"

namespace qvdpy {
namespace py = pybind11;
namespace {

constexpr const char* kClasses = R"py(
class Error(Exception):
    """A run-time error of a late-bound call: the number, source and description it was raised with,
    and the position (from 1) of the argument at fault, or None."""

    def __init__(self, number, source, description, argument=None):
        super().__init__(number, source, description)
        self.number = number
        self.source = source
        self.description = description
        self.argument = argument

    def __str__(self):
        where = f"{self.source}: " if self.source else ""
        return f"{where}{self.description} (error {self.number})"


class UnknownMember(Error, AttributeError):
    """Error 438: the object has no member of that name."""
)py";

// Held for the life of the process, as the translator may run until the interpreter ends.
PyObject* errorType = nullptr;
PyObject* unknownMemberType = nullptr;

void setError(const automation::AutomationError& e) {
  PyObject* type = e.number() == automation::errnum::MemberNotSupported ? unknownMemberType : errorType;
  py::object argument = e.argument() ? py::object(py::int_(e.argument())) : py::object(py::none());
  // Text that is not UTF-8 shows as U+FFFD rather than failing the raise.
  auto text = [](const std::string& s) {
    return py::reinterpret_steal<py::object>(
        PyUnicode_DecodeUTF8(s.data(), static_cast<Py_ssize_t>(s.size()), "replace"));
  };
  py::object error =
      py::reinterpret_borrow<py::object>(type)(e.number(), text(e.source()), text(e.description()), argument);
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
      setError(e);
    } catch (const std::bad_alloc&) {
      setError(automation::AutomationError(automation::errnum::OutOfMemory, "quarvelvarodav",
                                           automation::standardDescription(automation::errnum::OutOfMemory)));
    }
  });
}

void raiseUnknownMember(const std::string& className, const std::string& member) {
  try {
    automation::raiseUnknownMember(className, member);
  } catch (const automation::AutomationError& e) {
    throw automation::AutomationError(e.number(), e.source(), e.description() + " (dir() lists those it has)");
  }
}

}  // namespace qvdpy
