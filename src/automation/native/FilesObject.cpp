// The _Files member table, bound to the members of a core Files.
#include "automation/native/FilesObject.h"

#include <memory>
#include <span>

#include "automation/native/BoundArguments.h"
#include "automation/native/PropertyBindings.h"
#include "automation/native/Enumerator.h"
#include "automation/native/FileObject.h"

namespace tarnix::automation {
namespace {

using Arguments = const BoundArguments&;
constexpr MemberKind kGet = MemberKind::kGet;
constexpr MemberKind kPut = MemberKind::kPut;
constexpr MemberKind kMethod = MemberKind::kMethod;

Files& FilesOf(Object& self) { return static_cast<FilesObject&>(self).Core(); }

// In the interface's slot order.
std::span<const Member> FilesMembers() {
  static const Member members[] = {
      {u"Mask", kGet, MemberId(0x40030002), Type::kText, {}, GetText<FilesOf, &Files::Mask>},
      {u"Mask", kPut, MemberId(0x40030002), Type::kNone, {{u"", Type::kText}},
       PutText<FilesOf, &Files::Mask>},
      {u"LastError", kGet, MemberId(0x40030003), Type::kText, {}, GetText<FilesOf, &Files::LastError>},
      {u"LastError", kPut, MemberId(0x40030003), Type::kNone, {{u"", Type::kText}},
       PutText<FilesOf, &Files::LastError>},
      {u"Attributes", kGet, MemberId(0x40030004), Type::kText, {}, GetText<FilesOf, &Files::Attributes>},
      {u"Attributes", kPut, MemberId(0x40030004), Type::kNone, {{u"", Type::kText}},
       PutText<FilesOf, &Files::Attributes>},
      {u"Sorted", kGet, MemberId(0x40030006), Type::kBoolean, {}, GetBoolean<FilesOf, &Files::Sorted>},
      {u"Sorted", kPut, MemberId(0x40030006), Type::kNone, {{u"", Type::kBoolean}},
       PutBoolean<FilesOf, &Files::Sorted>},
      {u"Path", kPut, MemberId(0x68030001), Type::kNone, {{u"", Type::kText}},
       [](Object& self, Arguments args) {
         FilesOf(self).SetPath(args.TextAt(0));
         return Result();
       }},
      {u"Path", kGet, MemberId(0x68030001), Type::kText, {},
       [](Object& self, Arguments) { return TextResult(FilesOf(self).GetPath()); }},
      {u"RemoveDir", kMethod, MemberId(0x60030002), Type::kBoolean, {{u"DirName", Type::kText}},
       [](Object& self, Arguments args) { return BooleanResult(FilesOf(self).RemoveDir(args.TextAt(0))); }},
      {u"MakeDir", kMethod, MemberId(0x60030003), Type::kBoolean, {{u"DirName", Type::kText}},
       [](Object& self, Arguments args) { return BooleanResult(FilesOf(self).MakeDir(args.TextAt(0))); }},
      {u"Rename", kMethod, MemberId(0x60030004), Type::kBoolean,
       {{u"FromName", Type::kText}, {u"ToName", Type::kText}},
       [](Object& self, Arguments args) {
         return BooleanResult(FilesOf(self).Rename(args.TextAt(0), args.TextAt(1)));
       }},
      {u"KillFile", kMethod, MemberId(0x60030005), Type::kBoolean, {{u"FileName", Type::kText}},
       [](Object& self, Arguments args) { return BooleanResult(FilesOf(self).KillFile(args.TextAt(0))); }},
      {u"Copy", kMethod, MemberId(0x60030006), Type::kBoolean,
       {{u"FromName", Type::kText}, {u"ToName", Type::kText}},
       [](Object& self, Arguments args) {
         return BooleanResult(FilesOf(self).Copy(args.TextAt(0), args.TextAt(1)));
       }},
      {u"ClearFileList", kMethod, MemberId(0x60030007), Type::kBoolean, {},
       [](Object& self, Arguments) { return BooleanResult(FilesOf(self).ClearFileList()); }},
      {u"Exists", kMethod, MemberId(0x60030008), Type::kBoolean, {{u"NewPath", Type::kVariant, true}},
       [](Object& self, Arguments args) { return BooleanResult(FilesOf(self).Exists(args.VariantAt(0))); }},
      {u"GetFileList", kMethod, MemberId(0x60030009), Type::kBoolean, {{u"NewPath", Type::kVariant, true}},
       [](Object& self, Arguments args) {
         return BooleanResult(FilesOf(self).GetFileList(args.VariantAt(0)));
       }},
      {u"Sort", kMethod, MemberId(0x6003000A), Type::kBoolean,
       {{u"Field", Type::kVariant, true}, {u"Order", Type::kVariant, true}},
       [](Object& self, Arguments args) {
         return BooleanResult(FilesOf(self).Sort(args.VariantAt(0), args.VariantAt(1)));
       }},
      {u"Add", kMethod, MemberId(0x6003000D), Type::kFile,
       {{u"FPath", Type::kText},
        {u"Name", Type::kText},
        {u"Attributes", Type::kLong, true},
        {u"Size", Type::kLong, true},
        {u"Modified", Type::kText, true}},
       [](Object& self, Arguments args) {
         return FileResult(FilesOf(self).Add(args.TextAt(0), args.TextAt(1), args.LongAt(2),
                                             args.LongAt(3), args.TextAt(4)));
       }},
      {u"Item", kGet, kDefaultMemberId, Type::kFile, {{u"vntIndexKey", Type::kVariant}},
       [](Object& self, Arguments args) { return FileResult(FilesOf(self).Item(args.VariantAt(0))); }},
      {u"Count", kGet, MemberId(0x68030000), Type::kLong, {},
       [](Object& self, Arguments) { return LongResult(FilesOf(self).Count()); }},
      {u"Remove", kMethod, MemberId(0x6003000E), Type::kNone, {{u"vntIndexKey", Type::kVariant}},
       [](Object& self, Arguments args) {
         FilesOf(self).Remove(args.VariantAt(0));
         return Result();
       }},
      {u"NewEnum", kGet, kNewEnumId, Type::kUnknown, {},
       [](Object& self, Arguments) { return Result(std::make_shared<Enumerator>(FilesOf(self).NewEnum())); },
       /*hidden=*/true},
  };
  return members;
}

}  // namespace

FilesObject::FilesObject() : Object(FilesMembers()) {}

}  // namespace tarnix::automation
