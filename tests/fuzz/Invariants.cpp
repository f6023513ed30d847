#include "Invariants.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Sandbox.h"
#include "automation/native/BoundArguments.h"

namespace tarnix::fuzz {
namespace {

using automation::FileObject;
using automation::FilesObject;
using automation::Member;
using automation::ObjectRef;

bool Named(const Member& member, TextView name) { return TextView(member.name) == name; }

// The members that arm a trap: on a failure of their own they write LastError.
bool Traps(const automation::Object& object, const Member& member) {
  static const TextView kFilesTraps[] = {u"Add",    u"ClearFileList", u"Exists",   u"GetFileList", u"Sort",
                                         u"RemoveDir", u"MakeDir",    u"Rename",   u"KillFile",    u"Copy"};
  static const TextView kFileTraps[] = {u"Copy", u"KillFile", u"Rename"};
  const bool isFiles = dynamic_cast<const FilesObject*>(&object) != nullptr;
  const auto& traps = isFiles ? std::span<const TextView>(kFilesTraps) : std::span<const TextView>(kFileTraps);
  return member.kind == automation::MemberKind::kMethod &&
         std::any_of(traps.begin(), traps.end(), [&](TextView name) { return Named(member, name); });
}

// A failure of the dispatch layer itself (FACILITY_DISPATCH): the member never ran.
bool BeforeTheMember(const Failure& failure) {
  return (static_cast<std::uint32_t>(failure.Number()) & 0xFFFF0000u) == 0x80020000u;
}

// The object's LastError: where it is kept (two held objects may stand for
// one entry and share it) and what it holds.
const void* LastErrorSlot(const ObjectRef& object) {
  if (auto* files = dynamic_cast<FilesObject*>(object.get())) return &files->Core().LastError;
  return &static_cast<FileObject&>(*object).Entry()->LastError;
}

Text LastErrorOf(const ObjectRef& object) {
  if (auto* files = dynamic_cast<FilesObject*>(object.get())) return files->Core().LastError;
  return static_cast<FileObject&>(*object).Entry()->LastError;
}

std::string Shown(TextView text) {
  std::string shown = ToUtf8(text.substr(0, 200));
  for (char& c : shown) {
    if (c == '\0') c = '0';
  }
  return shown;
}

// The key Sort orders by, as a text or a number.
struct Key {
  Text text;
  std::int64_t number = 0;
  bool operator<(const Key& other) const { return text != other.text ? text < other.text : number < other.number; }
};

Key KeyOf(const File& entry, const Text& field) {
  const Text name = entry.Name;
  if (field == u"name") return {LowerCase(Text(entry.Path) + name)};
  if (field == u"path") return {LowerCase(entry.Path)};
  if (field == u"modified") return {entry.Modified.ToText()};
  if (field == u"size") return {Text(), entry.Size};
  if (field == u"attributes") return {Text(), entry.Attributes};
  const std::size_t dot = name.rfind(u'.');
  return {dot == Text::npos ? Text() : LowerCase(TextView(name).substr(dot + 1))};
}

}  // namespace

void Invariants::Broken(const std::string& rule, const Member& member, const Outcome& outcome) const {
  std::fprintf(stderr, "tarnix fuzz: broken: %s\n  after the call of %s", rule.c_str(), Shown(member.name).c_str());
  if (outcome.failure) {
    std::fprintf(stderr, ", which failed with %d \"%s\"", outcome.failure->Number(),
                 Shown(outcome.failure->Description()).c_str());
  }
  std::fprintf(stderr, "\n");
  std::abort();
}

namespace {

std::pair<std::size_t, std::size_t> Fingerprint(const Text& text) { return {std::hash<Text>()(text), text.size()}; }

}  // namespace

void Invariants::Before(const std::vector<ObjectRef>& objects) {
  lastErrors_.clear();
  for (const ObjectRef& object : objects) lastErrors_.push_back(Fingerprint(LastErrorOf(object)));
}

std::vector<const File*> Invariants::Enumerated() const {
  std::vector<const File*> entries;
  for (const auto& entry : files_.Core().NewEnum()) entries.push_back(entry.get());
  return entries;
}

void Invariants::After(const std::vector<ObjectRef>& objects, const Call& call, const Member& member,
                       const Outcome& outcome) {
  CheckList(member, outcome);
  CheckSortOrder(call, member, outcome);
  CheckLastErrors(objects, call, member, outcome);
}

void Invariants::CheckList(const Member& member, const Outcome& outcome) {
  Files& core = files_.Core();
  const std::vector<const File*> now = Enumerated();
  if (core.Count() < 0 || static_cast<std::size_t>(core.Count()) != now.size()) {
    Broken("Count matches the enumerator", member, outcome);
  }
  if (Named(member, u"GetFileList")) {
    // Appends only, and every new entry names a file that exists.
    if (now.size() < added_.size() || !std::equal(added_.begin(), added_.end(), now.begin())) {
      Broken("a listing only appends", member, outcome);
    }
    for (std::size_t i = added_.size(); i < now.size(); ++i) {
      std::string path = ToUtf8(Text(now[i]->Path) + Text(now[i]->Name));
      for (char& c : path) {
        if (c == '\\') c = '/';
      }
      struct stat status;
      if (::lstat(path.c_str(), &status) != 0) {
        Broken("a listed entry's Path & Name names an existing file: " + Shown(now[i]->Path) + " & " +
                   Shown(now[i]->Name),
               member, outcome);
      }
    }
  } else if (Named(member, u"Add") && outcome.result) {
    if (now.size() != added_.size() + 1 || !std::equal(added_.begin(), added_.end(), now.begin())) {
      Broken("Add appends one entry", member, outcome);
    }
  } else if (Named(member, u"Remove") && outcome.result) {
    const auto gone = std::mismatch(now.begin(), now.end(), added_.begin()).second;
    if (now.size() + 1 != added_.size() || !std::equal(gone + 1, added_.end(), now.begin() + (gone - added_.begin()))) {
      Broken("Remove takes out one entry and keeps the others' order", member, outcome);
    }
  } else if (Named(member, u"ClearFileList") && outcome.result) {
    if (!now.empty()) Broken("ClearFileList empties the list", member, outcome);
  } else if (now != added_) {
    Broken("the list changes only by Add, Remove, ClearFileList and GetFileList", member, outcome);
  }
  added_ = now;

  if (!core.Sorted) {
    for (std::size_t i = 0; i < added_.size(); ++i) {
      if (core.Item(Value(static_cast<std::int64_t>(i + 1))).get() != added_[i]) {
        Broken("while unsorted, Item(i) is the i-th entry added", member, outcome);
      }
    }
  }
}

void Invariants::CheckSortOrder(const Call& call, const Member& member, const Outcome& outcome) const {
  if (!Named(member, u"Sort") || !outcome.result) return;
  Files& core = files_.Core();
  if (!core.Sorted) Broken("a successful Sort leaves the list sorted", member, outcome);
  // The words the member read: its arguments as bound, lower-cased.
  const automation::BoundArguments bound = automation::BindArguments(member.parameters, call.arguments);
  const Value& fieldWord = bound.VariantAt(0);
  const Value& orderWord = bound.VariantAt(1);
  const Text field = fieldWord.IsMissing() ? Text(u"name") : LowerCase(fieldWord.ToText());
  const bool descending = !orderWord.IsMissing() && LowerCase(orderWord.ToText()) == u"descending";

  std::vector<const File*> order;
  for (std::int32_t i = 1; i <= core.Count(); ++i) order.push_back(core.Item(Value(std::int64_t{i})).get());
  std::vector<const File*> sortedAdded = added_;
  std::vector<const File*> sortedOrder = order;
  std::sort(sortedAdded.begin(), sortedAdded.end());
  std::sort(sortedOrder.begin(), sortedOrder.end());
  if (sortedAdded != sortedOrder) Broken("a sorted list is a permutation of the entries", member, outcome);
  for (std::size_t i = 1; i < order.size(); ++i) {
    const Key before = KeyOf(*order[i - 1], field);
    const Key after = KeyOf(*order[i], field);
    if (descending ? before < after : after < before) {
      Broken("a sorted list is in key order (" + ToUtf8(field) + ")", member, outcome);
    }
  }
}

void Invariants::CheckLastErrors(const std::vector<ObjectRef>& objects, const Call& call, const Member& member,
                                 const Outcome& outcome) const {
  for (std::size_t i = 0; i < objects.size() && i < lastErrors_.size(); ++i) {
    const Text now = LastErrorOf(objects[i]);
    const bool target = LastErrorSlot(objects[i]) == LastErrorSlot(objects[call.target]);
    if (target && Named(member, u"LastError") && member.kind == automation::MemberKind::kPut) continue;
    const bool writes = target && outcome.failure && Traps(*objects[call.target], member) &&
                        !BeforeTheMember(*outcome.failure);
    if (writes ? now != outcome.failure->Description() : Fingerprint(now) != lastErrors_[i]) {
      Broken(writes ? "LastError holds the failure's description, here \"" + Shown(outcome.failure->Description()) +
                          "\", not \"" + Shown(now) + "\""
                    : "LastError stays as it was, not \"" + Shown(now) + "\"",
             member, outcome);
    }
  }
}

}  // namespace tarnix::fuzz
