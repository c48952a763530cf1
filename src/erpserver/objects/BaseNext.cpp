#include "erpserver/rules/Refusal.hpp"
#include "erpserver/objects/ServerClasses.hpp"
#include "erpserver/store/Session.hpp"

namespace erpserver {
namespace {

constexpr FieldSpec kFields[] = {
    {"PercLOG", VarType::String}, {"PercIni", VarType::String},  {"Empresa", VarType::String},
    {"Login", VarType::String},   {"PassWord", VarType::String},
};

// The session object: Iniciar opens (or joins) the company "<PercIni>/<Empresa>.db" for Login and
// PassWord; Terminar leaves it. PercLOG is kept but the server writes no log there.
class BaseNext : public ServerObject {
 public:
  BaseNext() : ServerObject(info()) {}
  ~BaseNext() override = default;

  Variant iniciar(std::span<Variant>) {
    return act(*this, [&] {
      if (joined_) return;
      std::string message;
      int32_t code =
          Session::instance().join(text(kPercIni), text(kEmpresa), text(kLogin), text(kPassWord), message, login_);
      if (code != 0) refuseWith(code, message);
      joined_ = true;
    });
  }

  Variant terminar(std::span<Variant>) {
    return act(*this, [&] {
      if (joined_) Session::instance().leave(login_);
      joined_ = false;
    });
  }

  static const ClassInfo& info() {
    static constexpr MethodSpec methods[] = {method<&BaseNext::iniciar>("Iniciar"),
                                             method<&BaseNext::terminar>("Terminar")};
    static const ClassInfo info("BaseNext", kFields, methods);
    return info;
  }

 private:
  static constexpr int kPercIni = slotOf(kFields, "PercIni");
  static constexpr int kEmpresa = slotOf(kFields, "Empresa");
  static constexpr int kLogin = slotOf(kFields, "Login");
  static constexpr int kPassWord = slotOf(kFields, "PassWord");

  bool joined_ = false;
  std::weak_ptr<Login> login_;
};

}  // namespace

automation::ObjectRef newBaseNext() { return std::make_shared<BaseNext>(); }

}  // namespace erpserver
