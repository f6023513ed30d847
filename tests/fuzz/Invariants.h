#pragma once
// What a script relies on, checked after every call of a fuzzed program.
// A broken rule ends the run with the rule and the call that broke it.

#include <optional>
#include <string>
#include <vector>

#include "Program.h"
#include "automation/native/FileObject.h"
#include "automation/native/FilesObject.h"
#include "automation/native/Result.h"
#include "platform/Failure.h"

namespace tarnix::fuzz {

class Sandbox;

// How one call ended: its result, or the failure it raised.
struct Outcome {
  std::optional<automation::Result> result;
  std::optional<Failure> failure;
};

class Invariants {
 public:
  Invariants(automation::FilesObject& files, const Sandbox& sandbox) : files_(files), sandbox_(sandbox) {}

  // Before a call: what it must leave alone.
  void Before(const std::vector<automation::ObjectRef>& objects);

  // After `call` on `member` of `objects[call.target]`:
  // - Count is never negative and matches what the enumerator walks;
  // - the list changes only as the member may change it, and while unsorted
  //   Item(i) is the i-th entry added;
  // - after a successful Sort, Item follows a permutation of the entries in
  //   key order;
  // - a trapping member that fails stores exactly the raised description in
  //   its object's LastError, and nothing else writes any LastError;
  // - every entry a listing adds names, by Path & Name, an existing file.
  void After(const std::vector<automation::ObjectRef>& objects, const Call& call,
             const automation::Member& member, const Outcome& outcome);

  // Reports `rule` as broken by the call of `member` and ends the run.
  [[noreturn]] void Broken(const std::string& rule, const automation::Member& member,
                           const Outcome& outcome) const;

 private:
  std::vector<const File*> Enumerated() const;
  void CheckList(const automation::Member& member, const Outcome& outcome);
  void CheckSortOrder(const Call& call, const automation::Member& member, const Outcome& outcome) const;
  void CheckLastErrors(const std::vector<automation::ObjectRef>& objects, const Call& call,
                       const automation::Member& member, const Outcome& outcome) const;

  automation::FilesObject& files_;
  const Sandbox& sandbox_;
  std::vector<const File*> added_;  // the entries, in the order they were added
  // Of the held objects, before the call: a hash and the length, which
  // spares copying texts of 70,000 characters at every step.
  std::vector<std::pair<std::size_t, std::size_t>> lastErrors_;
};

}  // namespace tarnix::fuzz
