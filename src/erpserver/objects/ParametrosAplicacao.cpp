#include "erpserver/rules/Refusal.hpp"
#include "erpserver/objects/ServerClasses.hpp"
#include "erpserver/store/Session.hpp"

namespace erpserver {
namespace {

// The company's application parameters, read from PARAMS on every get; without a session they
// read as empty values.
class ParametrosAplicacao : public ServerObject {
 public:
  ParametrosAplicacao() : ServerObject(info()) {}

  Variant ligacaoACtb(std::span<Variant>) { return Variant(column("LIGACAOCTB") == "-1"); }
  Variant regIvaNacional(std::span<Variant>) { return Variant(column("REGIVANAC")); }
  Variant moedaNacional(std::span<Variant>) { return Variant(column("MOEDANAC")); }

  static const ClassInfo& info() {
    static constexpr MethodSpec methods[] = {
        computed<&ParametrosAplicacao::ligacaoACtb>("LigacaoACtb"),
        computed<&ParametrosAplicacao::regIvaNacional>("RegIvaNacional"),
        computed<&ParametrosAplicacao::moedaNacional>("MoedaNacional"),
    };
    static const ClassInfo info("ParametrosAplicacao", {}, methods);
    return info;
  }

 private:
  std::string column(const std::string& name) {
    try {
      Session::Use session(link_);
      auto q = session.db().query("SELECT " + name + " FROM PARAMS WHERE ID = 1");
      return q->step() ? q->text(0) : std::string();
    } catch (const Refusal&) {
      return {};
    } catch (const sql::Error&) {
      return {};
    }
  }

  SessionLink link_;
};

}  // namespace

automation::ObjectRef newParametrosAplicacao() { return std::make_shared<ParametrosAplicacao>(); }

}  // namespace erpserver
