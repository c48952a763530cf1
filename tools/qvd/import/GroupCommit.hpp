#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "import/DocumentStream.hpp"

namespace qvdtool {

// Commits the documents of an import in groups: one database transaction for a few dozen or
// hundred documents instead of one each, which is most of what writing a document costs. Each
// document stays whole or absent on its own. A group first runs without a savepoint per document
// (erpserver::GroupUndo::WholeGroup); when a document fails, the server undoes the whole group,
// and its documents run again, each undone alone when it fails. What a document
// reports (counts, messages, failure log, keys) waits for the commit of its group, so that a
// document is reported once, and only when kept. A group is committed once it holds `size`
// documents or has been open for `longest`, so that another writer never waits long and a kill
// loses little: at most the open group, which a re-run creates.
class GroupCommit {
 public:
  // Imports one document in the group open on the server and returns what to report once the
  // group is committed.
  using Import = std::function<std::function<void()>(const InputDocument&)>;

  GroupCommit(long size, std::chrono::milliseconds longest, Import import);
  // Commits the open group and reports its documents; a failing commit is left to the error
  // already on its way.
  ~GroupCommit();
  GroupCommit(const GroupCommit&) = delete;
  GroupCommit& operator=(const GroupCommit&) = delete;

  // Imports the document in the open group (opening one, waiting for another writer if need be),
  // then commits the group when it is full or old enough.
  void add(const InputDocument& document);
  // Commits the open group, if any, and reports its documents. Raises a CommandError that says
  // how many documents the company did not keep when the database refuses the commit.
  void commit();

 private:
  void begin(bool eachAlone);
  // The group went back whole: its documents run again in a group that undoes each alone.
  void redoEachAlone();

  long size_;
  std::chrono::milliseconds longest_;
  Import import_;
  std::vector<InputDocument> documents_;  // of the open group
  std::vector<std::function<void()>> reports_;
  bool open_ = false;
  std::chrono::steady_clock::time_point opened_;
};

}  // namespace qvdtool
