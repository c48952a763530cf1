#include <fuzzer/FuzzedDataProvider.h>
#include <pybind11/embed.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "Bindings.hpp"
#include "Check.hpp"

// Random Python values, nested, shared, cyclic, deep or odd (lone surrogates, ints of any size,
// special decimals, dates), handed to Array, to an array's elements, to the members of late-bound
// objects, to a record's fields and to the module's functions. Each use gives a value or raises
// quarvelvarodav.Error; anything else, or a crash, is a finding.
namespace py = pybind11;

PYBIND11_EMBEDDED_MODULE(quarvelvarodav, module) { qvdpy::defineModule(module); }

namespace {

struct Fixture {
  py::module_ qvd;
  py::object error, member, decimal, datetime, date, bytesType, gc;
  std::vector<py::object> objects;  // a facade, a lot collection, a record, an operation log: new for each input
};

Fixture* fixture = nullptr;

const char* const kDecimals[] = {"NaN",  "sNaN",        "Infinity", "-Infinity",           "1e999999",
                                 "1e-999999", "922337203685477.5807", "-922337203685477.5808", "9.99995",
                                 "123456789012345678901234567890", "-0", "1E+15"};
const char* const kNames[] = {"Add", "Count", "Item", "iAno", "sTpDoc", "iSerie", "lNumDoc", "ErroNum",
                              "CF_DocGenInserir", "VT_Ordens_TrocaSequencia", "HaStockDoArtigo", "UltimoErro",
                              "LinAdd", "NoSuchMember", "UsaLogOstrel", "ErroNumero", "DataAccess"};
const char* const kClasses[] = {"QuarvelVaroDav.colLotes", "QuarvelVaroDav.KeyDocumNext", "QuarvelVaroDav.BAL_Next",
                                "KeyDocumNext", "NextError", "ErpApiNextPlus.Artigos", "No.Such"};

// Code points from all of Unicode, lone surrogates among them.
py::object text(FuzzedDataProvider& in) {
  std::vector<Py_UCS4> points(in.ConsumeIntegralInRange<std::size_t>(0, 12));
  for (Py_UCS4& p : points)
    p = in.ConsumeBool() ? in.ConsumeIntegralInRange<Py_UCS4>(0x20, 0x7e) : in.ConsumeIntegralInRange<Py_UCS4>(0, 0x10FFFF);
  return py::reinterpret_steal<py::object>(
      PyUnicode_FromKindAndData(PyUnicode_4BYTE_KIND, points.data(), static_cast<Py_ssize_t>(points.size())));
}

py::object name(FuzzedDataProvider& in) {
  if (in.ConsumeIntegralInRange(0, 3) == 0) return text(in);
  return py::str(kNames[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)]);
}

py::object value(FuzzedDataProvider& in, std::vector<py::object>& made, int depth);

py::list children(FuzzedDataProvider& in, std::vector<py::object>& made, int depth) {
  py::list items;
  std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, depth > 4 ? 1 : 5);
  for (std::size_t i = 0; i < count; ++i) items.append(value(in, made, depth + 1));
  return items;
}

// What the generator itself cannot build (an invalid date, a refused Array) is None.
template <class Make>
py::object orNone(Make&& make) {
  try {
    return make();
  } catch (py::error_already_set&) {
    return py::none();
  }
}

py::object value(FuzzedDataProvider& in, std::vector<py::object>& made, int depth) {
  Fixture& f = *fixture;
  py::object v;
  switch (in.ConsumeIntegralInRange(0, 17)) {
    case 0: v = py::none(); break;
    case 1: v = py::bool_(in.ConsumeBool()); break;
    case 2: v = py::int_(in.ConsumeIntegral<int64_t>()); break;
    case 3: {  // any size, either sign
      std::string bytes = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(0, 24));
      v = py::module_::import("builtins").attr("int").attr("from_bytes")(py::bytes(bytes), "little",
                                                                           py::arg("signed") = true);
      break;
    }
    case 4: v = py::float_(in.ConsumeFloatingPoint<double>()); break;
    case 5: v = text(in); break;
    case 6: v = f.bytesType(py::bytes(in.ConsumeRandomLengthString(8))); break;
    case 7: v = py::dict(); break;
    case 8: v = f.decimal(kDecimals[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kDecimals) - 1)]); break;
    case 9: {
      int year = in.ConsumeIntegralInRange(1, 9999), month = in.ConsumeIntegralInRange(1, 12);
      int day = in.ConsumeIntegralInRange(1, 31), hour = in.ConsumeIntegralInRange(0, 23);
      v = orNone([&] { return in.ConsumeBool() ? f.date(year, month, day) : f.datetime(year, month, day, hour); });
      break;
    }
    case 10: v = children(in, made, depth); break;
    case 11: v = py::tuple(children(in, made, depth)); break;
    case 12: v = made.empty() ? py::none() : made[in.ConsumeIntegralInRange<std::size_t>(0, made.size() - 1)]; break;
    case 13: {  // a list that holds itself, at once or further down
      py::list outer = children(in, made, depth);
      py::list inner = in.ConsumeBool() ? outer : py::list();
      if (!inner.is(outer)) outer.append(inner);
      inner.append(outer);
      v = outer;
      break;
    }
    case 14: {  // lists nested deeper than any limit
      py::object chain = py::list();
      for (int n = in.ConsumeIntegralInRange(1, 300); n > 0; --n) chain = py::list(py::make_tuple(chain));
      v = chain;
      break;
    }
    case 15: {
      py::list items = children(in, made, depth);
      int64_t lower = in.ConsumeBool() ? in.ConsumeIntegralInRange<int64_t>(-3, 3) : in.ConsumeIntegral<int64_t>();
      v = orNone([&] { return f.qvd.attr("Array")(items, lower); });
      break;
    }
    case 16: v = f.objects[in.ConsumeIntegralInRange<std::size_t>(0, f.objects.size() - 1)]; break;
    default: {  // arrays nested deeper than any limit, one Array in the next
      py::object chain = f.qvd.attr("Array")();
      for (int n = in.ConsumeIntegralInRange(1, 3000); n > 0; --n) chain = f.qvd.attr("Array")(py::make_tuple(chain));
      v = chain;
      break;
    }
  }
  made.push_back(v);
  return v;
}

py::tuple arguments(FuzzedDataProvider& in, std::vector<py::object>& made) {
  py::list args;
  for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 26); n > 0; --n) args.append(value(in, made, 0));
  return py::tuple(args);
}

void use(FuzzedDataProvider& in, std::vector<py::object>& made) {
  Fixture& f = *fixture;
  py::object target = f.objects[in.ConsumeIntegralInRange<std::size_t>(0, f.objects.size() - 1)];
  switch (in.ConsumeIntegralInRange(0, 8)) {
    case 0:
      f.qvd.attr("Array")(value(in, made, 0),
                          in.ConsumeBool() ? py::object(py::int_(in.ConsumeIntegral<int32_t>())) : value(in, made, 0));
      break;
    case 1: {
      py::object array = f.qvd.attr("Array")(children(in, made, 0), in.ConsumeIntegralInRange(-2, 2));
      made.push_back(array);
      py::object at = in.ConsumeBool() ? py::object(py::int_(in.ConsumeIntegralInRange(-3, 6))) : value(in, made, 0);
      array.attr("__setitem__")(at, value(in, made, 0));
      break;
    }
    case 2: {
      py::object member = py::getattr(target, name(in));
      if (py::isinstance(member, f.member)) member(*arguments(in, made));
      break;
    }
    case 3: py::setattr(target, name(in), value(in, made, 0)); break;
    case 4:
      f.qvd.attr("CreateObject")(in.ConsumeBool() ? py::object(py::str(kClasses[in.ConsumeIntegralInRange<std::size_t>(
                                                        0, std::size(kClasses) - 1)]))
                                                  : value(in, made, 0));
      break;
    case 5: {
      py::dict fields;
      fields[name(in)] = value(in, made, 0);
      f.qvd.attr("Record")(in.ConsumeBool() ? py::object(py::str("KeyDocumNext")) : value(in, made, 0), **fields);
      break;
    }
    case 6: {  // the arrays made so far, shown, listed and compared
      for (const py::object& v : made) {
        if (!py::isinstance(v, f.qvd.attr("Array"))) continue;
        py::repr(v);
        v.attr("tolist")();
        std::ignore = v.equal(made.front());
      }
      break;
    }
    case 7: {
      py::dict named;
      named[name(in)] = value(in, made, 0);
      py::object member = py::getattr(target, name(in));
      if (py::isinstance(member, f.member)) member(*arguments(in, made), **named);
      break;
    }
    default: py::getattr(target, name(in)); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Python's objects through malloc, where the sanitizer sees them.
  setenv("PYTHONMALLOC", "malloc", 1);
  py::initialize_interpreter();
  fixture = new Fixture;
  Fixture& f = *fixture;
  f.qvd = py::module_::import("quarvelvarodav");
  f.error = f.qvd.attr("Error");
  f.member = f.qvd.attr("Member");
  f.decimal = py::module_::import("decimal").attr("Decimal");
  f.datetime = py::module_::import("datetime").attr("datetime");
  f.date = py::module_::import("datetime").attr("date");
  f.bytesType = py::module_::import("builtins").attr("bytearray");
  f.gc = py::module_::import("gc");
  f.qvd.attr("RegisterErp")();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Fixture& f = *fixture;
  f.objects = {f.qvd.attr("CreateObject")("QuarvelVaroDav.BAL_Next"), f.qvd.attr("CreateObject")("QuarvelVaroDav.colLotes"),
               f.qvd.attr("Record")("KeyDocumNext"), f.qvd.attr("CreateObject")("QuarvelVaroDav.LogErrosApi")};
  {
    std::vector<py::object> made;
    while (in.remaining_bytes() > 0) {
      try {
        use(in, made);
      } catch (py::error_already_set& e) {
        // AttributeError is Python's answer for a missing __name__ or a read-only attribute.
        if (!e.matches(f.error) && !e.matches(PyExc_AttributeError)) {
          std::fprintf(stderr, "raised: %s\n", e.what());
          require(false, "a use raised something other than quarvelvarodav.Error");
        }
      }
    }
  }
  // The cycles built above are garbage now; collected, they are no leak.
  f.objects.clear();
  f.gc.attr("collect")();
  return 0;
}
