#include <map>
#include <regex>
#include <sstream>

#include "erpserver/testhooks/Journal.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {

using erpserver::AccessKind;
using erpserver::Journal;
using erpserver::JournalEntry;

void startJournal() {
  Journal::clear();
  Journal::enable(true);
}

std::vector<std::string> journalMembers() {
  std::vector<std::string> members;
  for (const JournalEntry& e : Journal::entries()) members.push_back(e.className + "." + e.member);
  return members;
}

std::string journalText() {
  std::ostringstream out;
  for (const std::string& line : Journal::lines()) out << line << "\n";
  return out.str();
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

std::vector<std::string> accessesOn(const std::string& className) {
  std::vector<std::string> members;
  for (const JournalEntry& e : Journal::entries())
    if (e.className == className) members.push_back(e.member);
  return members;
}

std::vector<std::string> putsOn(const std::string& className) {
  std::vector<std::string> members;
  for (const JournalEntry& e : Journal::entries())
    if ((className.empty() || e.className == className) && e.kind == AccessKind::Put) members.push_back(e.member);
  return members;
}

std::vector<std::string> putValues(const std::string& className, const std::string& member) {
  std::vector<std::string> values;
  for (const JournalEntry& e : Journal::entries())
    if (e.className == className && e.kind == AccessKind::Put && e.member == member)
      values.push_back(e.args.front().toString());
  return values;
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

}  // namespace testing_support
