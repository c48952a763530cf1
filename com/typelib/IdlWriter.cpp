// Writes the IDL of the type library QuarvelVaroDav from the public classes' member tables, the
// records' fields and the enumerations' members.
#include "typelib/IdlWriter.hpp"

#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "Identities.hpp"
#include "documents/NxDocComercialCab.hpp"
#include "documents/NxDocComercialLin.hpp"
#include "documents/NxDocComercialLinhas.hpp"
#include "facade/ClassRegistration.hpp"
#include "foundation/Enumerations.hpp"
#include "foundation/RecordVariants.hpp"
#include "masterdata/NxArtigo.hpp"
#include "platform/Members.hpp"
#include "platform/Record.hpp"

namespace qvdcom {
namespace {

// The automation types the interfaces use. The IDL compiler knows them by name and writes them as
// the automation types they are; the system's own IDL files are not part of the toolchain, so
// they are declared here, with IUnknown and IDispatch as local interfaces of the system's IIDs.
constexpr const char* kBaseTypes = R"(typedef long HRESULT;
typedef unsigned short* BSTR;
typedef short VARIANT_BOOL;
typedef struct tagVARIANT { double placeholder[3]; } VARIANT;
typedef struct _GUID { long Data1; short Data2; short Data3; char Data4[8]; } GUID;
[object, local, uuid(00000000-0000-0000-C000-000000000046)]
interface IUnknown {
    HRESULT QueryInterface([in] GUID* riid, [out] void** object);
    unsigned long AddRef();
    unsigned long Release();
}
[object, local, uuid(00020400-0000-0000-C000-000000000046)]
interface IDispatch : IUnknown {
    HRESULT GetTypeInfoCount([out] unsigned int* count);
    HRESULT GetTypeInfo([in] unsigned int index, [in] unsigned long lcid, [out] void** info);
    HRESULT GetIDsOfNames([in] GUID* riid, [in] void* names, [in] unsigned int count, [in] unsigned long lcid,
                          [out] long* ids);
    HRESULT Invoke([in] long member, [in] GUID* riid, [in] unsigned long lcid, [in] unsigned short flags,
                   [in] void* params, [out] VARIANT* result, [out] void* exception, [out] unsigned int* argError);
}

)";

std::string text(const Guid& g) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", static_cast<unsigned long>(g.Data1),
                g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
                g.Data4[7]);
  return buf;
}

const Guid& identityOf(std::span<const Identity> table, const char* name) {
  for (const Identity& id : table)
    if (std::strcmp(id.name, name) == 0) return id.guid;
  throw std::logic_error(std::string("no identity recorded for ") + name);
}

// An object of each public class, to read its member table; Enum_Next has no members.
std::vector<std::pair<std::string, automation::ObjectRef>> publicObjects() {
  std::vector<std::pair<std::string, automation::ObjectRef>> out;
  for (const auto& c : qvd::creatableClasses()) out.emplace_back(c.name, c.factory());
  out.emplace_back("NxArtigo", std::make_shared<qvd::NxArtigo>());
  out.emplace_back("NxDocComercialCab", std::make_shared<qvd::NxDocComercialCab>());
  out.emplace_back("NxDocComercialLin", std::make_shared<qvd::NxDocComercialLin>());
  out.emplace_back("NxDocComercialLinhas", std::make_shared<qvd::NxDocComercialLinhas>());
  out.emplace_back("Enum_Next", nullptr);
  return out;
}

const char* fieldType(const automation::Variant& v) {
  switch (v.type()) {
    case automation::VarType::Integer: return "short";
    case automation::VarType::Long: return "long";
    case automation::VarType::Double: return "double";
    case automation::VarType::Boolean: return "VARIANT_BOOL";
    default: return "BSTR";
  }
}

void writeRecord(std::ostream& out, const char* name) {
  out << "    typedef [uuid(" << text(identityOf(kLibraryTypes, name)) << ")] struct " << name << " {\n";
  auto record = qvd::newRecord(name);
  for (const auto& [field, value] : record->fields()) {
    auto nested = value.isObject() ? std::dynamic_pointer_cast<automation::Record>(value.toObject()) : nullptr;
    out << "        " << (nested ? nested->typeName().c_str() : fieldType(value)) << " " << field << ";\n";
  }
  out << "    } " << name << ";\n\n";
}

void writeEnumerations(std::ostream& out) {
  const char* open = nullptr;
  for (const auto& m : qvd::kEnumerationMembers) {
    if (!open || std::strcmp(open, m.enumeration) != 0) {
      if (open) out << "\n    } " << open << ";\n\n";
      open = m.enumeration;
      out << "    typedef [uuid(" << text(identityOf(kLibraryTypes, open)) << ")] enum " << open << " {\n";
    } else {
      out << ",\n";
    }
    out << "        " << m.name << " = " << m.value;
  }
  out << "\n    } " << open << ";\n\n";
}

// Every member has the DISPID of its place in the table, from 1, as the IDispatch layer gives it.
// Values are VARIANTs: the member tables convert them as late binding does. Parameters carry the
// names the tables give them, which callers may name their arguments by.
void writeInterface(std::ostream& out, const std::string& name, const automation::ObjectRef& object) {
  out << "    [uuid(" << text(identityOf(kLibraryInterfaces, name.c_str())) << "), dual, oleautomation]\n"
      << "    interface _" << name << " : IDispatch {\n";
  std::vector<std::string> names = object ? object->memberNames() : std::vector<std::string>();
  for (std::size_t i = 0; i < names.size(); ++i) {
    const automation::MemberInfo* info = object->describe(names[i]);
    std::string params;
    for (std::size_t p = 0; p < info->params.size(); ++p) {
      const std::string& arg = info->paramNames.at(p);
      switch (info->params[p]) {
        case automation::ParamKind::ByValue: params += "[in] VARIANT " + arg; break;
        case automation::ParamKind::ByRef: params += "[in, out] VARIANT* " + arg; break;
        case automation::ParamKind::Optional: params += "[in, optional] VARIANT " + arg; break;
      }
      params += ", ";
    }
    bool property = info->kind == automation::MemberKind::Property;
    out << "        [id(" << i + 1 << ")" << (property ? ", propget" : "") << "] HRESULT " << info->name << "(" << params
        << "[out, retval] VARIANT* result);\n";
    if (property && info->writable) {
      out << "        [id(" << i + 1 << "), propput] HRESULT " << info->name << "([in] VARIANT value);\n";
      out << "        [id(" << i + 1 << "), propputref] HRESULT " << info->name << "([in] VARIANT value);\n";
    }
  }
  out << "    };\n\n";
}

}  // namespace

void writeIdl(std::ostream& out) {
  auto objects = publicObjects();
  out << "// The type library QuarvelVaroDav, written by qvd_idl from the member tables: do not edit.\n"
      << kBaseTypes << "[uuid(" << text(kLibraryId) << "), version(3.3), helpstring(\"QuarvelVaroDav\")]\n"
      << "library QuarvelVaroDav\n{\n";
  writeEnumerations(out);
  for (const char* record : {"KeyDocumNext", "NextError", "TipificacaoArmazem", "TipificacaoTransf"})
    writeRecord(out, record);
  for (const auto& [name, object] : objects) writeInterface(out, name, object);
  for (const auto& [name, object] : objects) {
    bool creatable = false;
    for (const auto& c : qvd::creatableClasses()) creatable = creatable || name == c.name;
    out << "    [uuid(" << text(identityOf(kLibraryClasses, name.c_str())) << ")" << (creatable ? "" : ", noncreatable")
        << "]\n    coclass " << name << " {\n        [default] interface _" << name << ";\n    };\n\n";
  }
  out << "};\n";
}

}  // namespace qvdcom
