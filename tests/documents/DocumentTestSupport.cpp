#include "documents/DocumentTestSupport.hpp"

#include <map>
#include <regex>

#include "erpserver/Journal.hpp"

namespace testing_support {

using erpserver::AccessKind;
using erpserver::Journal;
using erpserver::JournalEntry;

std::shared_ptr<qvd::cDocLotes> oneLot(int32_t linha, const std::string& artigo, const std::string& lote,
                                       double quantidade, const std::string& vossoLote) {
  auto lotes = std::make_shared<qvd::cDocLotes>();
  auto daLinha = std::make_shared<qvd::colLotes>();
  daLinha->Add(artigo, quantidade, lote, vossoLote);
  lotes->SetLotesDaLinha(linha, daLinha);
  return lotes;
}

std::vector<std::string> normalizedJournal() {
  static const std::regex objectNumber(R"(#(\d+))");
  static const std::regex seconds(R"("\d\d:\d\d:\d\d")");
  static const std::regex minutes(R"("\d\d:\d\d")");
  std::map<std::string, int> numbers;
  std::vector<std::string> out;
  for (const std::string& line : Journal::lines()) {
    std::string renumbered;
    auto last = line.cbegin();
    for (std::sregex_iterator it(line.begin(), line.end(), objectNumber), end; it != end; ++it) {
      renumbered.append(last, (*it)[0].first);
      auto [slot, added] = numbers.try_emplace((*it)[1].str(), static_cast<int>(numbers.size()) + 1);
      renumbered += "#" + std::to_string(slot->second);
      last = (*it)[0].second;
    }
    renumbered.append(last, line.cend());
    renumbered = std::regex_replace(renumbered, seconds, "\"hh:mm:ss\"");
    out.push_back(std::regex_replace(renumbered, minutes, "\"hh:nn\""));
  }
  return out;
}

std::vector<std::string> headerSequence() {
  std::vector<std::string> sequence;
  for (const JournalEntry& e : Journal::entries()) {
    if (e.className == "DocumentosGcLin") break;
    if (e.className == "CabecDoc" && e.kind == AccessKind::Put) sequence.push_back(e.member);
    if (e.className == "DocumentoComercial" && e.kind != AccessKind::Get) sequence.push_back("D." + e.member);
  }
  return sequence;
}

namespace {

std::vector<std::string> putsOn(const std::string& className, const std::string& member) {
  std::vector<std::string> values;
  for (const JournalEntry& e : Journal::entries())
    if (e.className == className && e.kind == AccessKind::Put && e.member == member)
      values.push_back(e.args.front().toString());
  return values;
}

}  // namespace

std::vector<std::string> linePuts(const std::string& member) { return putsOn("DocumentosGcLin", member); }

std::vector<std::string> headerPuts(const std::string& member) { return putsOn("CabecDoc", member); }

}  // namespace testing_support
