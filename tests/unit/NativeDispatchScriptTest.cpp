// Scripts against real folders, written as an ASP page would write them and
// run through the native dispatch layer: the typical request, the operations,
// and the failures a script sees with their numbers, texts and LastError.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestSupport.h"
#include "automation/native/NativeDispatch.h"

namespace tarnix::automation {
namespace {

using test::TempFolder;

// A script reading a property or calling a member for its result.
Result Get(const ObjectRef& object, TextView name, std::vector<Argument> arguments = {}) {
  return object->Call(name, kMethod | kPropertyGet, std::move(arguments));
}
void Put(const ObjectRef& object, TextView name, Argument value) {
  object->Call(name, kPropertyPut, {std::move(value)});
}
Text TextOf(const Result& result) { return result.AsValue().ToText(); }

// A folder holding big.txt (300 bytes), mid.log (20), small.txt (1) and the
// folder sub, each with its own write time.
class NativeDispatchScript : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write(u"big.txt", std::string(300, 'b'));
    folder.Write(u"mid.log", std::string(20, 'm'));
    folder.Write(u"small.txt", "s");
    folder.MakeFolder(u"sub");
    folder.Write(u"sub\\inner.txt", "inner");
    folder.SetWriteTime(u"big.txt", 2021, 3, 4, 5, 6, 7);
    folder.SetWriteTime(u"mid.log", 1999, 12, 31, 23, 59, 58);
    folder.SetWriteTime(u"small.txt", 2000, 1, 7, 9, 5, 3);
    folder.SetWriteTime(u"sub", 2010, 10, 10, 10, 10, 10);
  }

  TempFolder folder;
  const ObjectRef files = CreateObject(u"Tarnix.Files");
};

TEST_F(NativeDispatchScript, TypicalRequestListsSortsAndReadsEveryEntry) {
  // Set fs = Server.CreateObject("Tarnix.Files"): fs.path = ...: fs.getFileList
  Put(files, u"path", folder.Path());
  EXPECT_EQ(TextOf(Get(files, u"getFileList")), u"True");
  const int count = Get(files, u"COUNT").AsValue().ToInt32();
  ASSERT_EQ(count, 4);
  std::vector<Text> listed;
  for (int i = 1; i <= count; ++i) {
    listed.push_back(TextOf(Get(Get(files, u"Item", {i}).AsObject(), u"Name")));
  }

  EXPECT_EQ(TextOf(Get(files, u"Sort", {u"size", u"descending"})), u"True");
  EXPECT_EQ(TextOf(Get(files, u"Sorted")), u"True");
  struct Row {
    Text name;
    std::int32_t size;
    Text modified;
    std::int32_t attributes;
  } expected[] = {
      {u"big.txt", 300, u"3/4/2021 5:6:7", 32},
      {u"mid.log", 20, u"12/31/1999 23:59:58", 32},
      {u"small.txt", 1, u"1/7/2000 9:5:3", 32},
      {u"sub", 0, u"10/10/2010 10:10:10", 16},
  };
  for (int i = 1; i <= count; ++i) {
    const Row& row = expected[i - 1];
    const ObjectRef entry = Get(files, u"item", {i}).AsObject();
    EXPECT_EQ(TextOf(Get(entry, u"Name")), row.name);
    EXPECT_EQ(Get(entry, u"Size").AsValue().ToInt32(), row.size) << ToUtf8(row.name);
    EXPECT_EQ(TextOf(Get(entry, u"Modified")), row.modified);
    EXPECT_EQ(Get(entry, u"Attributes").AsValue().ToInt32(), row.attributes) << ToUtf8(row.name);
    EXPECT_EQ(TextOf(Get(entry, u"Path")), folder.Path());
  }

  // For Each entry In fs: the listing's own order, not the sorted one.
  const Result forEach = files->Invoke(kNewEnumId, kMethod | kPropertyGet);
  auto walk = std::dynamic_pointer_cast<Enumerator>(forEach.AsObject());
  ASSERT_TRUE(walk);
  std::vector<Text> walked;
  for (const ObjectRef& entry : walk->Next(10)) walked.push_back(TextOf(Get(entry, u"Name")));
  EXPECT_EQ(walked, listed);
}

TEST_F(NativeDispatchScript, LeftOutPatternMeansPathFollowedByMask) {
  Put(files, u"Path", folder.Path());
  Put(files, u"Mask", u"*.log");
  EXPECT_EQ(TextOf(Get(files, u"Exists")), u"True");
  EXPECT_EQ(TextOf(Get(files, u"GetFileList", {Value::Missing()})), u"True");
  EXPECT_EQ(Get(files, u"Count").AsValue().ToInt32(), 1);
  EXPECT_EQ(TextOf(Get(Get(files, u"Item", {1}).AsObject(), u"Name")), u"mid.log");

  Put(files, u"Mask", u"*.none");
  EXPECT_EQ(TextOf(Get(files, u"Exists")), u"False");
  EXPECT_EQ(TextOf(Get(files, u"Exists", {folder / u"*.TXT"})), u"True");  // an explicit pattern wins
  EXPECT_EQ(TextOf(Get(files, u"GetFileList", {folder / u"sub\\*.*"})), u"True");
  EXPECT_EQ(TextOf(Get(Get(files, u"Item", {u"inner.txt"}).AsObject(), u"Path")), folder / u"sub\\");
}

TEST_F(NativeDispatchScript, OperationsActOnTheNamesTheyAreGiven) {
  Put(files, u"Path", folder.Path());
  EXPECT_EQ(TextOf(Get(files, u"MakeDir", {u"made"})), u"True");
  EXPECT_TRUE(folder.Holds(u"made"));
  EXPECT_EQ(TextOf(Get(files, u"Rename", {u"made", u"moved"})), u"True");
  EXPECT_TRUE(folder.Holds(u"moved"));
  EXPECT_EQ(TextOf(Get(files, u"RemoveDir", {u"moved"})), u"True");
  EXPECT_FALSE(folder.Holds(u"moved"));
  EXPECT_EQ(TextOf(Get(files, u"Copy", {u"small.txt", u"copy.txt"})), u"True");
  EXPECT_EQ(folder.Read(u"copy.txt"), "s");
  EXPECT_EQ(TextOf(Get(files, u"KillFile", {u"copy.txt"})), u"True");
  EXPECT_FALSE(folder.Holds(u"copy.txt"));

  // An entry's own operations name the file the entry names.
  Get(files, u"GetFileList", {folder / u"big.txt"});
  const ObjectRef entry = Get(files, u"Item", {u"big.txt"}).AsObject();
  EXPECT_EQ(TextOf(Get(entry, u"Copy", {u"twin.txt"})), u"True");
  EXPECT_EQ(folder.Read(u"twin.txt"), std::string(300, 'b'));
  EXPECT_EQ(TextOf(Get(entry, u"Rename", {u"renamed.txt"})), u"True");
  EXPECT_TRUE(folder.Holds(u"renamed.txt"));
  EXPECT_EQ(TextOf(Get(entry, u"Name")), u"big.txt");  // the entry keeps its name
  Put(entry, u"Name", u"twin.txt");
  EXPECT_EQ(TextOf(Get(entry, u"KillFile")), u"True");
  EXPECT_FALSE(folder.Holds(u"twin.txt"));
}

TEST_F(NativeDispatchScript, CoreFailuresReachTheScriptWithNumberTextAndLastError) {
  Put(files, u"Path", folder.Path());
  Get(files, u"GetFileList");
  struct Case {
    const char16_t* member;
    std::vector<Argument> arguments;
    std::int32_t number;
    Text description;
  } cases[] = {
      {u"Sort", {u"Colour"}, -2147220838, u"Colour is not a valid fieldname."},
      {u"Sort", {u"size", u"sideways"}, -2147220837, u"sideways is not a valid sortorder."},
      {u"Copy", {u"missing.txt", u"x.txt"}, -2147220836, u"Error copying file"},
      {u"Add", {folder.Path(), u"BIG.TXT"}, ClassicNumber(Classic::DuplicateKey),
       u"This key is already associated with an element of this collection"},
      {u"GetFileList", {}, ClassicNumber(Classic::DuplicateKey),
       u"This key is already associated with an element of this collection"},
      {u"MakeDir", {u"sub"}, ClassicNumber(Classic::FileAlreadyExists), u"File already exists"},
      {u"RemoveDir", {u"sub"}, ClassicNumber(Classic::PathFileAccessError), u"Path/File access error"},
      {u"KillFile", {u"nothing.txt"}, ClassicNumber(Classic::FileNotFound), u"File not found"},
      {u"Rename", {u"nothing.txt", u"x.txt"}, ClassicNumber(Classic::FileNotFound), u"File not found"},
      {u"Exists", {Value::Null()}, ClassicNumber(Classic::InvalidUseOfNull), u"Invalid use of Null"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.member));
    Put(files, u"LastError", u"");
    const Failure failure = test::FailureOf([&] { Get(files, c.member, c.arguments); });
    EXPECT_EQ(failure.Number(), c.number);
    EXPECT_EQ(failure.Description(), c.description);
    EXPECT_EQ(failure.Source(), u"Tarnix");
    EXPECT_EQ(TextOf(Get(files, u"LastError")), c.description);
  }
  EXPECT_EQ(Get(files, u"Count").AsValue().ToInt32(), 4);
  EXPECT_FALSE(folder.Holds(u"x.txt"));

  // An entry writes its own LastError.
  const ObjectRef entry = Get(files, u"Item", {u"small.txt"}).AsObject();
  Put(entry, u"Name", u"gone.txt");
  EXPECT_CLASSIC_FAILURE(Get(entry, u"KillFile"), Classic::FileNotFound);
  EXPECT_EQ(TextOf(Get(entry, u"LastError")), u"File not found");
  EXPECT_EQ(TextOf(Get(entry, u"Copy", {u"x.txt"})), u"False");  // Copy fails quietly
}

TEST_F(NativeDispatchScript, FailuresOutsideTheTrapsLeaveLastErrorAlone) {
  Put(files, u"Path", folder.Path());
  Get(files, u"GetFileList");
  Put(files, u"LastError", u"earlier");
  struct Case {
    const char16_t* member;
    InvokeFlags flags;
    std::vector<Argument> arguments;
    std::int32_t number;
  } cases[] = {
      {u"Item", kPropertyGet, {99}, ClassicNumber(Classic::SubscriptOutOfRange)},
      {u"Item", kPropertyGet, {u"nothing"}, ClassicNumber(Classic::InvalidProcedureCall)},
      {u"Remove", kMethod, {0}, ClassicNumber(Classic::SubscriptOutOfRange)},
      {u"Remove", kMethod, {u"nothing"}, ClassicNumber(Classic::InvalidProcedureCall)},
      // The dispatch layer refuses these before any member runs.
      {u"MakeDir", kMethod, {Value::Null()}, DispatchNumber(DispatchError::TypeMismatch)},
      {u"MakeDir", kMethod, {}, DispatchNumber(DispatchError::BadParameterCount)},
      {u"Sort", kMethod, {u"name", u"ascending", u"again"}, DispatchNumber(DispatchError::BadParameterCount)},
      {u"Count", kPropertyPut, {1}, DispatchNumber(DispatchError::MemberNotFound)},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.member));
    EXPECT_EQ(test::FailureOf([&] { files->Call(c.member, c.flags, c.arguments); }).Number(), c.number);
  }
  EXPECT_EQ(TextOf(Get(files, u"LastError")), u"earlier");
  EXPECT_EQ(Get(files, u"Count").AsValue().ToInt32(), 4);
}

}  // namespace
}  // namespace tarnix::automation
