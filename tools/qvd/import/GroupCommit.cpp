#include "import/GroupCommit.hpp"

#include <string>

#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "erpserver/Server.hpp"

namespace qvdtool {

GroupCommit::GroupCommit(long size, std::chrono::milliseconds longest) : size_(size), longest_(longest) {}

GroupCommit::~GroupCommit() {
  try {
    commit();
  } catch (...) {
  }
}

void GroupCommit::begin() {
  if (open_) return;
  erpserver::beginWriteGroup();
  open_ = true;
  documents_ = 0;
  opened_ = std::chrono::steady_clock::now();
}

void GroupCommit::done() {
  ++documents_;
  if (documents_ >= size_ || std::chrono::steady_clock::now() - opened_ >= longest_) commit();
}

void GroupCommit::commit() {
  if (!open_) return;
  open_ = false;
  try {
    erpserver::commitWriteGroup();
  } catch (const std::exception& e) {
    throw CommandError(exitcode::Unexpected,
                       std::string("the company could not keep what was written since the last commit, up to ") +
                           format::count(documents_, "document") + " (" + e.what() + "). Free the disk or fix the " +
                           "fault, then run the same command again: it creates what is missing and nothing twice.");
  }
}

}  // namespace qvdtool
