#include "demo/StockSnapshot.hpp"

#include <set>

#include "cli/Format.hpp"

namespace qvdtool {

StockSnapshot StockSnapshot::take(CompanySession& session) {
  StockSnapshot snapshot;
  auto articles = session.query("SELECT ARTIGO, ARMAZEM, EXISTENC FROM ARTARM");
  for (; !articles->Eof(); articles->MoveNext())
    snapshot.quantities_[articles->value("ARTIGO").toString() + " in " + articles->value("ARMAZEM").toString()] =
        articles->value("EXISTENC").toDouble();
  auto lots = session.query("SELECT ARTIGO, CODLOTE, ARMAZEM, QTDENT - QTDSID AS STOCK FROM ARTLOT");
  for (; !lots->Eof(); lots->MoveNext())
    snapshot.quantities_[lots->value("ARTIGO").toString() + " lot " + lots->value("CODLOTE").toString() + " in " +
                         lots->value("ARMAZEM").toString()] = lots->value("STOCK").toDouble();
  return snapshot;
}

bool StockSnapshot::printChangesSince(const StockSnapshot& before, std::ostream& out) const {
  std::set<std::string> names;
  for (const auto& [name, quantity] : quantities_) names.insert(name);
  for (const auto& [name, quantity] : before.quantities_) names.insert(name);
  bool any = false;
  for (const std::string& name : names) {
    auto was = before.quantities_.find(name), is = quantities_.find(name);
    double from = was == before.quantities_.end() ? 0 : was->second;
    double to = is == quantities_.end() ? 0 : is->second;
    if (format::quantity(from) == format::quantity(to)) continue;
    out << "  " << name << ": " << format::quantity(from) << " -> " << format::quantity(to) << " ("
        << (to > from ? "+" : "") << format::quantity(to - from) << ")\n";
    any = true;
  }
  return any;
}

}  // namespace qvdtool
