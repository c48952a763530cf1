// Groups of documents in one database transaction, each document reported once its group is kept.
#include "import/GroupCommit.hpp"

#include <string>

#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "erpserver/Server.hpp"
#include "import/DocumentImport.hpp"
#include "platform/AutomationError.hpp"

namespace qvdtool {

GroupCommit::GroupCommit(long size, std::chrono::milliseconds longest, Import import)
    : size_(size), longest_(longest), import_(std::move(import)) {}

GroupCommit::~GroupCommit() {
  try {
    commit();
  } catch (...) {
  }
}

void GroupCommit::begin(bool eachAlone) {
  erpserver::beginWriteGroup(eachAlone ? erpserver::GroupUndo::EachAction : erpserver::GroupUndo::WholeGroup);
  open_ = true;
  documents_.clear();
  reports_.clear();
  opened_ = std::chrono::steady_clock::now();
}

void GroupCommit::add(const InputDocument& document) {
  if (!open_) begin(false);
  documents_.push_back(document);
  reports_.push_back(import_(document));
  if (erpserver::writeGroupLost()) redoEachAlone();
  else if (static_cast<long>(documents_.size()) >= size_ || std::chrono::steady_clock::now() - opened_ >= longest_)
    commit();
}

void GroupCommit::redoEachAlone() {
  std::vector<InputDocument> documents = std::move(documents_);
  begin(true);
  documents_ = std::move(documents);
  for (const InputDocument& document : documents_) reports_.push_back(import_(document));
  commit();
}

void GroupCommit::commit() {
  if (!open_) return;
  // A document whose writes failed on the server after it returned lost the group.
  erpserver::settleWriteGroup();
  if (erpserver::writeGroupLost()) {
    redoEachAlone();
    return;
  }
  open_ = false;
  try {
    erpserver::commitWriteGroup();
  } catch (const automation::AutomationError& e) {
    stopOnLostConnection(e.number(), e.description());
    std::string why = e.description();
    if (why.ends_with('.')) why.pop_back();
    throw CommandError(exitcode::Unexpected,
                       "the company could not keep what was written since the last commit, up to " +
                           format::count(static_cast<long>(documents_.size()), "document") + " (" + why +
                           "). Free the disk or fix the fault, then run the same command again: it creates what is " +
                           "missing and nothing twice.");
  }
  std::vector<std::function<void()>> reports = std::move(reports_);
  reports_.clear();
  for (const auto& report : reports) report();
}

}  // namespace qvdtool
