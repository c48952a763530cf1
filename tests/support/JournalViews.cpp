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
