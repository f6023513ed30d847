// A libFuzzer target over the native dispatch layer: every input is a short
// program of member calls (Program.h) on a Files object and the entries it
// hands out, run in a sandbox folder laid out anew for each program, with the
// rules scripts rely on (Invariants.h) checked after every call. A call that
// would name a path outside the sandbox is not made.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <memory>
#include <vector>

#include "Invariants.h"
#include "Program.h"
#include "Sandbox.h"
#include "automation/native/BoundArguments.h"
#include "automation/native/NativeDispatch.h"
#include "listing/PathRules.h"

namespace tarnix::fuzz {
namespace {

using automation::Argument;
using automation::FileObject;
using automation::FilesObject;
using automation::Member;
using automation::ObjectRef;

constexpr int kMostSteps = 32;
constexpr std::size_t kMostHeldEntries = 6;

// The member that a call with `flags` reaches: the first of the id's members
// that answers them, as the dispatch layer picks.
const Member* Answering(const automation::Object& object, const Member& chosen, automation::InvokeFlags flags) {
  for (const Member& member : object.Members()) {
    if (member.id != chosen.id) continue;
    const bool answers = member.kind == automation::MemberKind::kPut
                             ? (flags & automation::kPropertyPut) != 0
                             : member.kind == automation::MemberKind::kGet
                                   ? (flags & (automation::kPropertyGet | automation::kMethod)) != 0
                                   : (flags & automation::kMethod) != 0;
    if (answers) return &member;
  }
  return nullptr;
}

// Whether every path the call would act on lies in the sandbox. The texts
// are the member's arguments as the dispatch layer binds them, resolved as
// the members resolve them; a call whose arguments do not bind or convert
// fails before it touches the file system, so it may run.
bool StaysInSandbox(const Sandbox& sandbox, const ObjectRef& target, const Member& member,
                    const std::vector<Argument>& arguments) {
  const TextView name = member.name;
  const bool lists = name == u"GetFileList" || name == u"Exists";
  const bool acts = name == u"RemoveDir" || name == u"MakeDir" || name == u"Rename" || name == u"KillFile" ||
                    name == u"Copy";
  if (member.kind != automation::MemberKind::kMethod || (!lists && !acts)) return true;
  try {
    const automation::BoundArguments bound = automation::BindArguments(member.parameters, arguments);
    if (auto* files = dynamic_cast<FilesObject*>(target.get())) {
      const Files& core = files->Core();
      if (lists) {
        const Value& pattern = bound.VariantAt(0);
        return sandbox.Holds(pattern.IsMissing() ? DefaultSearchPattern(core.GetPath(), core.Mask) : pattern.ToText(),
                             false);
      }
      for (std::size_t i = 0; i < member.parameters.size(); ++i) {
        if (!sandbox.Holds(ResolveName(core.GetPath(), bound.TextAt(i)), true)) return false;
      }
      return true;
    }
    const File& entry = *static_cast<FileObject&>(*target).Entry();
    if (!sandbox.Holds(ResolveName(entry.Path, entry.Name), true)) return false;
    return member.parameters.empty() || sandbox.Holds(ResolveName(entry.Path, bound.TextAt(0)), true);
  } catch (const Failure&) {
    return true;
  }
}

class Session {
 public:
  explicit Session(const Sandbox& sandbox)
      : sandbox_(sandbox),
        root_(FromUtf8(sandbox.Root())),
        files_(automation::CreateObject(u"Tarnix.Files")),
        invariants_(static_cast<FilesObject&>(*files_), sandbox) {
    objects_.push_back(files_);
    objects_.push_back(automation::CreateObject(u"Tarnix.File"));
  }

  void Step(ProgramReader& reader) {
    Call call = ReadCall(reader, objects_, root_);
    const ObjectRef target = objects_[call.target];
    const Member& chosen = target->Members()[call.member];
    const Member* member = Answering(*target, chosen, call.flags);
    if (member != nullptr && !StaysInSandbox(sandbox_, target, *member, call.arguments)) return;

    invariants_.Before(objects_);
    if (Tracing()) Trace(*target, member != nullptr ? *member : chosen, call);
    Outcome outcome;
    try {
      // Only Sort's arguments are read again afterwards, to check the order.
      const bool keep = member != nullptr && TextView(member->name) == u"Sort";
      outcome.result = target->Invoke(chosen.id, call.flags, keep ? call.arguments : std::move(call.arguments));
    } catch (const Failure& failure) {
      outcome.failure = failure;
    }
    if (member == nullptr) {
      if (!outcome.failure) invariants_.Broken("an invoke kind the member lacks is refused", chosen, outcome);
      member = &chosen;
    }
    if (Tracing() && outcome.failure) std::fprintf(stderr, "  failed: %s\n", ToUtf8(outcome.failure->Description()).c_str());
    invariants_.After(objects_, call, *member, outcome);
    if (outcome.result && outcome.result->IsObject()) Hold(outcome.result->AsObject(), *member, outcome);
  }

 private:
  // TARNIX_FUZZ_TRACE=1 prints every call a program makes, for reading what
  // an input does (run the fuzzer on that one file).
  static bool Tracing() {
    static const bool tracing = std::getenv("TARNIX_FUZZ_TRACE") != nullptr;
    return tracing;
  }

  static void Trace(const automation::Object& target, const Member& member, const Call& call) {
    std::string line = std::string(dynamic_cast<const FilesObject*>(&target) ? "files." : "entry.") +
                       ToUtf8(member.name) + "(";
    for (const Argument& argument : call.arguments) {
      if (argument.IsObject()) {
        line += argument.AsObject() ? "<object>" : "Nothing";
      } else if (argument.AsValue().GetKind() == Value::Kind::Text) {
        line += "\"" + ToUtf8(argument.AsValue().ToText().substr(0, 40)) + "\"";
      } else {
        try {
          line += ToUtf8(argument.AsValue().ToText());
        } catch (const Failure&) {
          line += "<" + std::to_string(static_cast<int>(argument.AsValue().GetKind())) + ">";
        }
      }
      line += ", ";
    }
    line += ")";
    std::fprintf(stderr, "%s\n", line.c_str());
  }

  void Hold(const ObjectRef& object, const Member& member, const Outcome& outcome) {
    if (auto* enumerator = dynamic_cast<automation::Enumerator*>(object.get())) {
      const auto count = static_cast<std::uint32_t>(static_cast<FilesObject&>(*files_).Core().Count());
      const std::vector<ObjectRef> walked = enumerator->Next(count + 1);
      if (walked.size() != count) invariants_.Broken("the enumerator walks Count entries", member, outcome);
      for (const ObjectRef& entry : walked) Hold(entry, member, outcome);
      return;
    }
    if (dynamic_cast<FileObject*>(object.get()) == nullptr) return;
    if (objects_.size() < 1 + kMostHeldEntries) {
      objects_.push_back(object);
    } else {
      objects_[1 + next_++ % kMostHeldEntries] = object;
    }
  }

  const Sandbox& sandbox_;
  const Text root_;
  ObjectRef files_;
  Invariants invariants_;
  std::vector<ObjectRef> objects_;  // the Files object first, then held entries
  std::size_t next_ = 0;
};

}  // namespace
}  // namespace tarnix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnix::fuzz;
  const Sandbox& sandbox = Sandbox::Instance();
  sandbox.Enter();
  {
    ProgramReader reader(data, size);
    Session session(sandbox);
    for (int step = 0; step < kMostSteps && !reader.AtEnd(); ++step) session.Step(reader);
  }
  sandbox.Leave();
  return 0;
}
