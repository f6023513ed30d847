// The _File member table, bound to the members of a core File.
#include "automation/native/FileObject.h"

#include <span>
#include <utility>

#include "automation/native/BoundArguments.h"
#include "automation/native/PropertyBindings.h"

namespace tarnix::automation {
namespace {

using Arguments = const BoundArguments&;
constexpr MemberKind kGet = MemberKind::kGet;
constexpr MemberKind kPut = MemberKind::kPut;
constexpr MemberKind kMethod = MemberKind::kMethod;

File& EntryOf(Object& self) { return *static_cast<FileObject&>(self).Entry(); }

// In the interface's slot order.
std::span<const Member> FileMembers() {
  static const Member members[] = {
      {u"Name", kGet, kDefaultMemberId, Type::kText, {}, GetText<EntryOf, &File::Name>},
      {u"Name", kPut, kDefaultMemberId, Type::kNone, {{u"", Type::kText}}, PutText<EntryOf, &File::Name>},
      {u"Attributes", kGet, MemberId(0x40030000), Type::kLong, {}, GetLong<EntryOf, &File::Attributes>},
      {u"Attributes", kPut, MemberId(0x40030000), Type::kNone, {{u"", Type::kLong}},
       PutLong<EntryOf, &File::Attributes>},
      {u"Size", kGet, MemberId(0x40030001), Type::kLong, {}, GetLong<EntryOf, &File::Size>},
      {u"Size", kPut, MemberId(0x40030001), Type::kNone, {{u"", Type::kLong}}, PutLong<EntryOf, &File::Size>},
      {u"Modified", kGet, MemberId(0x40030002), Type::kText, {}, GetText<EntryOf, &File::Modified>},
      {u"Modified", kPut, MemberId(0x40030002), Type::kNone, {{u"", Type::kText}},
       PutText<EntryOf, &File::Modified>},
      {u"Path", kGet, MemberId(0x40030003), Type::kText, {}, GetText<EntryOf, &File::Path>},
      {u"Path", kPut, MemberId(0x40030003), Type::kNone, {{u"", Type::kText}}, PutText<EntryOf, &File::Path>},
      {u"LastError", kGet, MemberId(0x40030004), Type::kText, {}, GetText<EntryOf, &File::LastError>},
      {u"LastError", kPut, MemberId(0x40030004), Type::kNone, {{u"", Type::kText}},
       PutText<EntryOf, &File::LastError>},
      {u"Copy", kMethod, MemberId(0x60030000), Type::kBoolean, {{u"ToName", Type::kText}},
       [](Object& self, Arguments args) { return BooleanResult(EntryOf(self).Copy(args.TextAt(0))); }},
      {u"KillFile", kMethod, MemberId(0x60030001), Type::kBoolean, {},
       [](Object& self, Arguments) { return BooleanResult(EntryOf(self).KillFile()); }},
      {u"Rename", kMethod, MemberId(0x60030002), Type::kBoolean, {{u"ToName", Type::kText}},
       [](Object& self, Arguments args) { return BooleanResult(EntryOf(self).Rename(args.TextAt(0))); }},
  };
  return members;
}

}  // namespace

FileObject::FileObject(std::shared_ptr<File> entry) : Object(FileMembers()), entry_(std::move(entry)) {}

Result FileResult(std::shared_ptr<File> entry) {
  return ObjectRef(std::make_shared<FileObject>(std::move(entry)));
}

}  // namespace tarnix::automation
