#pragma once

#include <chrono>

namespace qvdtool {

// Commits the documents of an import in groups: one database transaction for a few hundred
// documents instead of one each, which is most of what writing a document costs. Each document
// stays whole or absent on its own (the server makes it a savepoint of the group). A group is
// committed once it holds `size` documents or has been open for `longest`, so that another writer
// never waits long and a kill loses little: at most the open group, which a re-run creates.
class GroupCommit {
 public:
  GroupCommit(long size, std::chrono::milliseconds longest);
  // Commits the open group: the documents counted in it are whole and stay, even when the import
  // is stopped by an error; a failing commit is left to the error already on its way.
  ~GroupCommit();
  GroupCommit(const GroupCommit&) = delete;
  GroupCommit& operator=(const GroupCommit&) = delete;

  // Before a document: opens a group when none is open (waiting for another writer if need be).
  void begin();
  // After a document: commits the group when it is full or old enough.
  void done();
  // Commits the open group, if any. Raises a CommandError that says how many documents the
  // company did not keep when the database refuses the commit.
  void commit();

 private:
  long size_;
  std::chrono::milliseconds longest_;
  long documents_ = 0;  // in the open group
  bool open_ = false;
  std::chrono::steady_clock::time_point opened_;
};

}  // namespace qvdtool
