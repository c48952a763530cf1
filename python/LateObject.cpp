// Late-bound objects for Python: attributes are property gets and puts, methods are calls by name.
#include "LateObject.hpp"

#include <pybind11/stl.h>

#include <algorithm>
#include <memory>

#include "Errors.hpp"
#include "Bindings.hpp"
#include "Values.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Members.hpp"
#include "platform/Record.hpp"

namespace qvdpy {
namespace {

using automation::MemberInfo;
using automation::ParamKind;
using automation::Variant;

BoundMember boundMember(const LateObject& self, const std::string& name, const MemberInfo* info) {
  return BoundMember{self.object, name, info && info->kind == automation::MemberKind::Property, info};
}

// A property without required arguments is read at once; methods and indexed properties come
// back as members to call. Objects that describe none of their members have every name called.
py::object getAttribute(const LateObject& self, py::handle attribute) {
  std::string name = textOf(attribute);
  if (name.starts_with("__")) throw py::attribute_error(name);
  const MemberInfo* info = self.object->describe(name);
  if (!info) {
    if (self.object->memberNames().empty()) return py::cast(boundMember(self, name, nullptr));
    raiseUnknownMember(self.object->className(), name);
  }
  bool needsArguments = std::any_of(info->params.begin(), info->params.end(),
                                    [](ParamKind kind) { return kind != ParamKind::Optional; });
  if (info->kind == automation::MemberKind::Method || needsArguments) return py::cast(boundMember(self, name, info));
  return fromVariant(self.object->get(name, {}));
}

void setAttribute(const LateObject& self, py::handle attribute, py::handle value) {
  std::string name = textOf(attribute);
  if (self.object->describe(name) == nullptr && !self.object->memberNames().empty())
    raiseUnknownMember(self.object->className(), name);
  self.object->put(name, takingArgument(self.object->className(), name, 0, [&] { return toVariant(value); }));
}

// Arguments by position, then by parameter name (letter case ignored). A call with by-reference
// arguments gives (result, their new values in order).
py::object callMember(const BoundMember& member, const py::args& args, const py::kwargs& named) {
  std::string className = member.object->className();
  std::vector<Variant> values;
  values.reserve(args.size());
  int32_t position = 0;
  for (py::handle arg : args)
    values.push_back(takingArgument(className, member.name, ++position, [&] { return toVariant(arg); }));
  if (named.size() != 0) {
    std::vector<std::pair<std::size_t, Variant>> placed;
    for (auto item : named) {
      std::size_t at = automation::parameterPosition(member.info, className, member.name, textOf(item.first));
      placed.emplace_back(at, takingArgument(className, member.name, static_cast<int32_t>(at) + 1,
                                             [&] { return toVariant(item.second); }));
    }
    values = automation::placeArguments(std::move(values), placed, className, member.name, member.info);
  }
  Variant result = member.property ? member.object->get(member.name, values) : member.object->call(member.name, values);
  static const std::vector<ParamKind> undescribed;
  const std::vector<ParamKind>& kinds = member.info ? member.info->params : undescribed;
  if (std::none_of(kinds.begin(), kinds.end(), [](ParamKind k) { return k == ParamKind::ByRef; }))
    return fromVariant(result);
  py::list out;
  out.append(fromVariant(result));
  for (std::size_t i = 0; i < kinds.size() && i < values.size(); ++i)
    if (kinds[i] == ParamKind::ByRef) out.append(fromVariant(values[i]));
  return py::tuple(out);
}

// "Add(Armazem, Artigo, PrecoUnitario, Quantidade, [Linha])", then how to call it.
std::string describeMember(const BoundMember& member) {
  const MemberInfo* info = member.info;
  std::string text = member.name + "(";
  std::string byRef;
  for (std::size_t i = 0; info && i < info->params.size(); ++i) {
    std::string name = i < info->paramNames.size() ? info->paramNames[i] : "a" + std::to_string(i + 1);
    if (i > 0) text += ", ";
    text += info->params[i] == ParamKind::Optional ? "[" + name + "]" : name;
    if (info->params[i] == ParamKind::ByRef) byRef += (byRef.empty() ? "" : ", ") + name;
  }
  bool named = info && !info->paramNames.empty();
  text += ")\n\n" + std::string(member.property ? "A property" : "A method") + " of " +
          member.object->className() + ", called with its arguments by position" + (named ? " or by name." : ".");
  if (!byRef.empty()) text += " The call gives (result, " + byRef + "): the new values of what it takes by reference.";
  return text;
}

std::string describeObject(const LateObject& self) {
  auto record = std::dynamic_pointer_cast<automation::Record>(self.object);
  if (!record) return "<quarvelvarodav.Object " + self.object->className() + ">";
  std::string text = record->typeName() + "(";
  const char* separator = "";
  for (const auto& [name, value] : record->fields()) {
    text += separator + name + "=" + py::repr(fromVariant(value)).cast<std::string>();
    separator = ", ";
  }
  return text + ")";
}

// Collections: the items from 1 to Count, through Item.
py::iterator iterate(const LateObject& self) {
  int32_t count = automation::propGet(self.object, "Count").toLong();
  py::list items;
  for (int32_t i = 1; i <= count; ++i) items.append(fromVariant(automation::propGet(self.object, "Item", Variant(i))));
  return py::iter(items);
}

}  // namespace

void bindObjects(py::module_& module) {
  py::class_<BoundMember>(module, "Member", "A member of a late-bound object, called by name with its arguments.")
      .def("__call__", &callMember)
      .def_property_readonly("__doc__", &describeMember)
      .def("__repr__", [](const BoundMember& m) {
        return "<quarvelvarodav.Member " + m.object->className() + "." + m.name + ">";
      });
  py::class_<LateObject>(module, "Object",
                         "An automation object: its properties are attributes and its methods are called by name.")
      .def("__getattr__", &getAttribute)
      .def("__setattr__", &setAttribute)
      .def("__dir__", [](const LateObject& self) { return self.object->memberNames(); })
      .def("__repr__", &describeObject)
      .def("__iter__", &iterate)
      .def(
          "__eq__", [](const LateObject& a, const LateObject& b) { return a.object == b.object; }, py::is_operator())
      .def("__hash__", [](const LateObject& self) { return std::hash<automation::ObjectRef>()(self.object); })
      .def_property_readonly("_class_name", [](const LateObject& self) { return self.object->className(); });
}

}  // namespace qvdpy
