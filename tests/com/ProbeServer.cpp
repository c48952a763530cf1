// A small component server whose one class, QvdTest.Probe, lets a script host exercise the
// platform's IDispatch layer: values both ways, by-reference arguments, arrays with their
// bounds, collections, foreign objects and raised errors.
#ifdef _WIN32
#include <memory>
#include <string>

#include "platform/AutomationError.hpp"
#include "platform/Collection.hpp"
#include "platform/Members.hpp"
#include "platform/com/ComModule.hpp"

namespace {

using automation::Variant;

class Probe : public automation::Object {
 public:
  std::string className() const override { return "Probe"; }

  Variant Echo(const Variant& v) { return v; }
  std::string TypeOf(const Variant& v) { return v.typeName(); }
  void Twice(int32_t& n) { n *= 2; }
  void Rename(std::string& s) { s = "<" + s + ">"; }
  std::string Bounds(const Variant& v) {
    auto a = v.toArray();
    return std::to_string(a->lbound()) + ".." + std::to_string(a->ubound());
  }
  automation::SafeArray<Variant> MakeArray(int32_t lower, int32_t upper) {
    automation::SafeArray<Variant> a(lower, upper);
    for (int32_t i = lower; i <= upper; ++i) a(i) = Variant(i * 10);
    return a;
  }
  void Fail(int32_t number, std::string text) { automation::raise(number, std::move(text), "Probe: Fail"); }
  int16_t Small(int16_t n) { return n; }
  std::shared_ptr<automation::Collection> NewCollection() { return std::make_shared<automation::Collection>(); }
  void Keep(automation::ObjectRef o) { kept_ = std::move(o); }
  automation::ObjectRef Kept() { return kept_; }
  // Calls a member of the kept object by name, as the library calls the ERP's objects.
  Variant Ask(std::string member) { return automation::invoke(kept_, member); }

 protected:
  const automation::MemberTable* memberTable() const override {
    using P = Probe;
    static const automation::MemberTable table(
        "Probe", {automation::method<&P::Echo>("Echo(v)"), automation::method<&P::TypeOf>("TypeOf(v)"),
                  automation::method<&P::Twice>("Twice(n)"), automation::method<&P::Rename>("Rename(s)"),
                  automation::method<&P::Bounds>("Bounds(v)"), automation::method<&P::MakeArray>("MakeArray(lower, upper)"),
                  automation::method<&P::Fail>("Fail(number, text)"), automation::method<&P::Small>("Small(n)"),
                  automation::method<&P::NewCollection>("NewCollection"), automation::method<&P::Keep>("Keep(o)"),
                  automation::property<&P::Kept, nullptr>("Kept"), automation::method<&P::Ask>("Ask(member)")});
    return &table;
  }

 private:
  automation::ObjectRef kept_;
};

automation::ObjectRef newProbe() { return std::make_shared<Probe>(); }

automation::com::ComServer& server() {
  // {3F0C2B9E-5A41-4C7D-8E26-91B4D7A0C513}
  static automation::com::ComServer s(
      {{{"QvdTest.Probe"}, {0x3f0c2b9e, 0x5a41, 0x4c7d, {0x8e, 0x26, 0x91, 0xb4, 0xd7, 0xa0, 0xc5, 0x13}}, &newProbe}},
      nullptr);
  return s;
}

}  // namespace

QVD_COM_MODULE(server)
#endif
