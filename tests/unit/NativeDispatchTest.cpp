// The objects as a script sees them on Linux, through the native dispatch layer:
// the member tables against the contract, and IDispatch's rules for names,
// invoke kinds, argument counts, argument conversions and results.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "automation/native/FileObject.h"
#include "automation/native/FilesObject.h"
#include "automation/native/NativeDispatch.h"
#include "contract/ExpectedContract.h"

namespace tarnix::automation {
namespace {

// The call must fail with the dispatch error `error`, with its text.
#define EXPECT_DISPATCH_FAILURE(call, error)                                        \
  do {                                                                              \
    ::tarnix::Failure caught_ = ::tarnix::test::FailureOf([&] { (void)(call); });   \
    ::tarnix::Failure wanted_ = ::tarnix::automation::DispatchFailure(error);       \
    EXPECT_EQ(caught_.Number(), wanted_.Number()) << ToUtf8(caught_.Description()); \
    EXPECT_EQ(caught_.Description(), wanted_.Description());                        \
  } while (false)

// A script reading a property or calling a member for its result.
Result Get(const ObjectRef& object, TextView name, std::vector<Argument> arguments = {}) {
  return object->Call(name, kMethod | kPropertyGet, std::move(arguments));
}
void Put(const ObjectRef& object, TextView name, Argument value) {
  object->Call(name, kPropertyPut, {std::move(value)});
}

// A result as its kind and value together, e.g. "Long 3" or "Text a.txt".
std::string Shown(const Result& result) {
  if (result.IsNothing()) return "nothing";
  if (result.IsObject()) {
    if (std::dynamic_pointer_cast<FileObject>(result.AsObject())) return "File";
    if (std::dynamic_pointer_cast<Enumerator>(result.AsObject())) return "Enumerator";
    return "object";
  }
  const Value& value = result.AsValue();
  switch (value.GetKind()) {
    case Value::Kind::Boolean: return "Boolean " + ToUtf8(value.ToText());
    case Value::Kind::Integer: return "Long " + ToUtf8(value.ToText());
    case Value::Kind::Text: return "Text " + ToUtf8(value.ToText());
    default: return "other";
  }
}

Text NameOf(const Result& result) { return Get(result.AsObject(), u"Name").AsValue().ToText(); }

contract::Kind InContract(MemberKind kind) {
  switch (kind) {
    case MemberKind::kMethod: return contract::Kind::kMethod;
    case MemberKind::kGet: return contract::Kind::kGet;
    case MemberKind::kPut: return contract::Kind::kPut;
  }
  return contract::Kind::kMethod;
}

contract::Type InContract(Type type) {
  switch (type) {
    case Type::kNone: return contract::Type::kNone;
    case Type::kText: return contract::Type::kText;
    case Type::kBoolean: return contract::Type::kBoolean;
    case Type::kLong: return contract::Type::kLong;
    case Type::kVariant: return contract::Type::kVariant;
    case Type::kFile: return contract::Type::kFile;
    case Type::kUnknown: return contract::Type::kUnknown;
  }
  return contract::Type::kNone;
}

char16_t UpperCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

Text UpperCase(TextView name) {
  Text upper(name);
  for (char16_t& c : upper) c = UpperCase(c);
  return upper;
}

// "nEwEnUm": every other letter changed.
Text MixedCase(TextView name) {
  Text mixed = LowerCase(name);
  for (std::size_t i = 1; i < mixed.size(); i += 2) mixed[i] = UpperCase(mixed[i]);
  return mixed;
}

TEST(NativeDispatchTables, HoldEveryContractMemberInSlotOrderAndNothingElse) {
  for (const contract::Interface* interface : {&contract::kFilesInterface, &contract::kFileInterface}) {
    SCOPED_TRACE(ToUtf8(interface->name));
    const ObjectRef object = CreateObject(interface->progId);
    const std::span<const Member> members = object->Members();
    ASSERT_EQ(members.size(), static_cast<std::size_t>(interface->memberCount));
    for (std::size_t slot = 0; slot < members.size(); ++slot) {
      const contract::Member& expected = interface->members[slot];
      const Member& member = members[slot];
      SCOPED_TRACE(testing::Message() << "slot " << expected.slot << ", " << ToUtf8(expected.name));
      EXPECT_EQ(Text(member.name), expected.name);
      EXPECT_EQ(InContract(member.kind), expected.kind);
      EXPECT_EQ(member.id, expected.id);
      EXPECT_EQ(InContract(member.result), expected.result);
      EXPECT_EQ(member.hidden, expected.hidden);
      ASSERT_EQ(member.parameters.size(), static_cast<std::size_t>(expected.parameterCount));
      for (std::size_t i = 0; i < member.parameters.size(); ++i) {
        const contract::Parameter& parameter = expected.parameters[i];
        if (*parameter.name != u'\0') {
          EXPECT_EQ(Text(member.parameters[i].name), parameter.name);
        }
        EXPECT_EQ(InContract(member.parameters[i].type), parameter.type) << "parameter " << i;
        EXPECT_EQ(member.parameters[i].optional, parameter.optional) << "parameter " << i;
      }
      const Text name = expected.name;
      for (const Text& spelling : {UpperCase(name), LowerCase(name), MixedCase(name)}) {
        EXPECT_EQ(object->GetIdOfName(spelling), expected.id) << ToUtf8(spelling);
      }
    }
  }
}

TEST(NativeDispatchNames, ThatNoMemberHasFail) {
  const ObjectRef files = CreateObject(u"Tarnix.Files");
  const ObjectRef file = CreateObject(u"Tarnix.File");
  for (const char16_t* name : {u"", u"Count ", u"NewEnu", u"_NewEnum", u"Name", u"Size", u"Items"}) {
    EXPECT_DISPATCH_FAILURE(files->GetIdOfName(name), DispatchError::UnknownName);
    EXPECT_DISPATCH_FAILURE(files->Call(name, kMethod | kPropertyGet), DispatchError::UnknownName);
  }
  for (const char16_t* name : {u"Item", u"Count", u"Sort", u"Names"}) {
    EXPECT_DISPATCH_FAILURE(file->GetIdOfName(name), DispatchError::UnknownName);
  }
}

TEST(NativeDispatchCreation, KnowsBothProgIdsInAnyLetterCaseAndNoOther) {
  EXPECT_TRUE(std::dynamic_pointer_cast<FilesObject>(CreateObject(u"TARNIX.FILES")));
  EXPECT_TRUE(std::dynamic_pointer_cast<FileObject>(CreateObject(u"tarnix.file")));
  for (const char16_t* progId : {u"", u"Tarnix", u"Tarnix.Files.1", u"Scripting.FileSystemObject", u" Tarnix.File",
                                 u"Tarnix.F\u0130le", u"Tarnix.F\u0130les"}) {
    EXPECT_DISPATCH_FAILURE(CreateObject(progId), DispatchError::InvalidClassString);
  }
}

TEST(NativeDispatchCreation, GivesAFileWithEveryPropertyEmptyOrZero) {
  const ObjectRef file = CreateObject(u"Tarnix.File");
  EXPECT_EQ(Shown(Get(file, u"Name")), "Text ");
  EXPECT_EQ(Shown(Get(file, u"Attributes")), "Long 0");
  EXPECT_EQ(Shown(Get(file, u"Size")), "Long 0");
  EXPECT_EQ(Shown(Get(file, u"Modified")), "Text ");
  EXPECT_EQ(Shown(Get(file, u"Path")), "Text ");
  EXPECT_EQ(Shown(Get(file, u"LastError")), "Text ");
}

// A Files object holding a.txt (30 bytes), B.txt (10) and c.txt (20), added in that order.
class NativeDispatchOnFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    Get(files, u"Add", {u"C:\\data\\", u"a.txt", 32, 30});
    Get(files, u"Add", {u"C:\\data\\", u"B.txt", 32, 10});
    Get(files, u"Add", {u"C:\\data\\", u"c.txt", 32, 20});
  }
  std::vector<Text> NamesInItemOrder() const {
    std::vector<Text> names;
    for (int place = 1; place <= Get(files, u"Count").AsValue().ToInt32(); ++place) {
      names.push_back(NameOf(Get(files, u"Item", {place})));
    }
    return names;
  }
  Files& Core() const { return static_cast<FilesObject&>(*files).Core(); }

  const ObjectRef files = CreateObject(u"Tarnix.Files");
};

TEST_F(NativeDispatchOnFiles, AnswersOnlyTheInvokeKindsAMemberHas) {
  struct Case {
    const char16_t* name;
    InvokeFlags flags;
    std::vector<Argument> arguments;
    std::string shown;  // empty: fails with DISP_E_MEMBERNOTFOUND
  } cases[] = {
      {u"Count", kPropertyGet, {}, "Long 3"},
      {u"Count", kMethod | kPropertyGet, {}, "Long 3"},
      {u"Count", kMethod, {}, "Long 3"},  // JScript calls properties as methods
      {u"Count", kPropertyPut, {5}, ""},  // a property without a setter
      {u"Count", 0, {}, ""},
      {u"Mask", kPropertyPut, {u"*.txt"}, "nothing"},
      {u"Mask", kPropertyGet | kMethod, {}, "Text *.txt"},
      {u"Sort", kMethod, {}, "Boolean True"},
      {u"Sort", kPropertyGet, {}, ""},
      {u"ClearFileList", kPropertyPut, {Value::Boolean(true)}, ""},
      {u"NewEnum", kPropertyGet, {}, "Enumerator"},
      {u"NewEnum", kMethod, {}, "Enumerator"},  // as JScript's Enumerator asks for it
      {u"Item", kMethod, {2}, "File"},          // as JScript calls files.Item(2)
      {u"NewEnum", kPropertyPut, {1}, ""},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.name) + " with flags " + std::to_string(c.flags));
    const std::int32_t id = files->GetIdOfName(c.name);
    if (c.shown.empty()) {
      EXPECT_DISPATCH_FAILURE(files->Invoke(id, c.flags, c.arguments), DispatchError::MemberNotFound);
    } else {
      EXPECT_EQ(Shown(files->Invoke(id, c.flags, c.arguments)), c.shown);
    }
  }
  // Identifiers of no member here, one of them _File's KillFile.
  for (std::int32_t id : {MemberId(0x60030001), 1, -1, -5, MemberId(0x40030005)}) {
    EXPECT_DISPATCH_FAILURE(files->Invoke(id, kMethod | kPropertyGet | kPropertyPut),
                            DispatchError::MemberNotFound);
  }
  EXPECT_EQ(Core().Count(), 3);
}

TEST_F(NativeDispatchOnFiles, DefaultMemberIsItemAndNeedsItsIndex) {
  EXPECT_EQ(NameOf(files->Invoke(kDefaultMemberId, kPropertyGet, {2})), u"B.txt");
  EXPECT_EQ(NameOf(files->Invoke(kDefaultMemberId, kMethod | kPropertyGet, {u"C.TXT"})), u"c.txt");
  EXPECT_EQ(NameOf(files->Invoke(kDefaultMemberId, kPropertyGet, {Value(1.5)})), u"B.txt");
  EXPECT_DISPATCH_FAILURE(files->Invoke(kDefaultMemberId, kPropertyGet), DispatchError::BadParameterCount);
  EXPECT_DISPATCH_FAILURE(files->Invoke(kDefaultMemberId, kPropertyPut, {1, u"x"}),
                          DispatchError::MemberNotFound);
}

TEST(NativeDispatchOnFile, DefaultMemberIsNameToReadAndToWrite) {
  const ObjectRef file = CreateObject(u"Tarnix.File");
  EXPECT_EQ(Shown(file->Invoke(kDefaultMemberId, kPropertyPut, {u"x.txt"})), "nothing");
  EXPECT_EQ(Shown(file->Invoke(kDefaultMemberId, kPropertyGet)), "Text x.txt");
  EXPECT_EQ(Shown(Get(file, u"name")), "Text x.txt");
  EXPECT_EQ(Shown(file->Invoke(kDefaultMemberId, kMethod)), "Text x.txt");
}

TEST_F(NativeDispatchOnFiles, RefusesACountOfArgumentsTheMemberCannotTake) {
  const ObjectRef file = Get(files, u"Item", {1}).AsObject();
  struct Case {
    ObjectRef object;
    const char16_t* name;
    InvokeFlags flags;
    int argumentCount;
  } cases[] = {
      {files, u"Count", kPropertyGet, 1},    {files, u"Item", kPropertyGet, 0},
      {files, u"Item", kPropertyGet, 2},     {files, u"Remove", kMethod, 0},
      {files, u"Add", kMethod, 1},           {files, u"Add", kMethod, 6},
      {files, u"Sort", kMethod, 3},          {files, u"GetFileList", kMethod, 2},
      {files, u"Rename", kMethod, 1},        {files, u"ClearFileList", kMethod, 1},
      {files, u"Mask", kPropertyPut, 0},     {files, u"Mask", kPropertyPut, 2},
      {file, u"Copy", kMethod, 0},           {file, u"KillFile", kMethod, 1},
      {file, u"Size", kPropertyPut, 2},      {file, u"Name", kPropertyGet, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.name) + " with " + std::to_string(c.argumentCount) + " arguments");
    std::vector<Argument> arguments(static_cast<std::size_t>(c.argumentCount), Argument(u"1"));
    EXPECT_DISPATCH_FAILURE(c.object->Call(c.name, c.flags, arguments), DispatchError::BadParameterCount);
  }
  EXPECT_EQ(Core().Count(), 3);
  EXPECT_EQ(Core().LastError, u"");
}

TEST_F(NativeDispatchOnFiles, OmittedOptionalArgumentsTakeTheirDefaults) {
  struct Case {
    std::vector<Argument> arguments;
    std::vector<Text> order;
  } cases[] = {
      {{}, {u"a.txt", u"B.txt", u"c.txt"}},  // by name, ascending
      {{u"size"}, {u"B.txt", u"c.txt", u"a.txt"}},
      {{u"size", Value::Missing()}, {u"B.txt", u"c.txt", u"a.txt"}},
      {{Value::Missing(), u"descending"}, {u"c.txt", u"B.txt", u"a.txt"}},
  };
  for (Case& c : cases) {
    EXPECT_EQ(Shown(Get(files, u"Sort", c.arguments)), "Boolean True");
    EXPECT_EQ(NamesInItemOrder(), c.order);
  }

  // Add's optional typed parameters count as 0, 0 and "" when left out.
  const ObjectRef bare = Get(files, u"Add", {u"D:\\", u"bare"}).AsObject();
  const ObjectRef sized = Get(files, u"Add", {u"D:\\", u"sized", Value::Missing(), 5}).AsObject();
  EXPECT_EQ(Shown(Get(bare, u"Attributes")), "Long 0");
  EXPECT_EQ(Shown(Get(bare, u"Size")), "Long 0");
  EXPECT_EQ(Shown(Get(bare, u"Modified")), "Text ");
  EXPECT_EQ(Shown(Get(sized, u"Attributes")), "Long 0");
  EXPECT_EQ(Shown(Get(sized, u"Size")), "Long 5");
  // Required parameters cannot be left out, even by passing Missing.
  EXPECT_DISPATCH_FAILURE(Get(files, u"Add", {Value::Missing(), u"x"}), DispatchError::TypeMismatch);
  EXPECT_EQ(Core().Count(), 5);
}

TEST(NativeDispatchConversions, TypedParametersConvertAsVariantChangeTypeDoes) {
  const ObjectRef file = CreateObject(u"Tarnix.File");
  const ObjectRef files = CreateObject(u"Tarnix.Files");
  struct Case {
    ObjectRef object;
    const char16_t* property;
    Argument value;
    std::string shown;  // what the property reads afterwards
    std::optional<DispatchError> error;
  } cases[] = {
      {file, u"Size", u" 42 ", "Long 42", {}},
      {file, u"Size", Value(2.5), "Long 2", {}},  // halves round to even
      {file, u"Size", Value(3.5), "Long 4", {}},
      {file, u"Size", Value(-2.5), "Long -2", {}},
      {file, u"Size", u"1e3", "Long 1000", {}},
      {file, u"Size", Value::Boolean(true), "Long -1", {}},
      {file, u"Size", Value::Empty(), "Long 0", {}},
      {file, u"Size", Value(std::int64_t{-2147483648}), "Long -2147483648", {}},
      {file, u"Size", Value(std::int64_t{2147483648}), "", DispatchError::Overflow},
      {file, u"Size", Value(-2147483648.6), "", DispatchError::Overflow},
      {file, u"Size", u"3000000000", "", DispatchError::Overflow},
      {file, u"Size", u"1e400", "", DispatchError::Overflow},
      {file, u"Size", u"12abc", "", DispatchError::TypeMismatch},
      {file, u"Size", u"", "", DispatchError::TypeMismatch},
      {file, u"Size", Value::Null(), "", DispatchError::TypeMismatch},
      {file, u"Size", Value::Missing(), "", DispatchError::TypeMismatch},
      {file, u"Name", 12, "Text 12", {}},
      {file, u"Name", Value(0.1), "Text 0.1", {}},
      {file, u"Name", Value(1e20), "Text 1E+20", {}},
      {file, u"Name", Value::Boolean(true), "Text -1", {}},  // a number, not "True"
      {file, u"Name", Value::Boolean(false), "Text 0", {}},
      {file, u"Name", Value::Empty(), "Text ", {}},
      {file, u"Name", Value::Null(), "", DispatchError::TypeMismatch},
      {files, u"Sorted", u"tRUE", "Boolean True", {}},
      {files, u"Sorted", u"False", "Boolean False", {}},
      {files, u"Sorted", u" -1 ", "Boolean True", {}},
      {files, u"Sorted", u"0", "Boolean False", {}},
      {files, u"Sorted", Value(0.5), "Boolean True", {}},
      {files, u"Sorted", 2, "Boolean True", {}},
      {files, u"Sorted", u"yes", "", DispatchError::TypeMismatch},
      {files, u"Sorted", Value::Null(), "", DispatchError::TypeMismatch},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    Case& c = cases[i];
    SCOPED_TRACE(testing::Message() << "case " << i << ": " << ToUtf8(c.property));
    const Argument before = Text(c.property) == u"Sorted" ? Argument(Value::Boolean(true)) : Argument(7);
    Put(c.object, c.property, before);
    const std::string shownBefore = Shown(Get(c.object, c.property));
    if (c.error) {
      EXPECT_DISPATCH_FAILURE(Put(c.object, c.property, c.value), *c.error);
      EXPECT_EQ(Shown(Get(c.object, c.property)), shownBefore);  // left as it was
    } else {
      Put(c.object, c.property, c.value);
      EXPECT_EQ(Shown(Get(c.object, c.property)), c.shown);
    }
  }
}

TEST_F(NativeDispatchOnFiles, VariantParametersReachTheCoreUnchanged) {
  Core().LastError = u"earlier";
  // Item does not trap: its conversion failures leave LastError alone.
  EXPECT_CLASSIC_FAILURE(Get(files, u"Item", {Value::Null()}), Classic::InvalidUseOfNull);
  EXPECT_CLASSIC_FAILURE(Get(files, u"Item", {Value::Missing()}), Classic::TypeMismatch);
  EXPECT_CLASSIC_FAILURE(Get(files, u"Item", {u"2"}), Classic::InvalidProcedureCall);  // text is a key
  EXPECT_EQ(Core().LastError, u"earlier");
  // Sort converts inside its trap: the classic failure reaches LastError.
  EXPECT_CLASSIC_FAILURE(Get(files, u"Sort", {Value::Null()}), Classic::InvalidUseOfNull);
  EXPECT_EQ(Core().LastError, u"Invalid use of Null");
  const Failure failure = test::FailureOf([&] { Get(files, u"Sort", {Value(2.5)}); });
  EXPECT_EQ(failure.Number(), kInvalidSortField);
  EXPECT_EQ(failure.Description(), u"2.5 is not a valid fieldname.");
}

TEST_F(NativeDispatchOnFiles, AnObjectArgumentStandsForItsDefaultValue) {
  const ObjectRef named = CreateObject(u"Tarnix.File");
  Put(named, u"Name", u"2");
  const ObjectRef enumerator = Get(files, u"NewEnum").AsObject();

  // Typed parameters convert the default value; an object without one cannot convert.
  const ObjectRef file = CreateObject(u"Tarnix.File");
  Put(file, u"Size", named);
  EXPECT_EQ(Shown(Get(file, u"Size")), "Long 2");
  EXPECT_DISPATCH_FAILURE(Put(file, u"Name", files), DispatchError::TypeMismatch);
  EXPECT_DISPATCH_FAILURE(Put(file, u"Size", enumerator), DispatchError::TypeMismatch);

  // Variant parameters hand the core a value it reads when it converts.
  EXPECT_EQ(NameOf(Get(files, u"Item", {named})), u"B.txt");  // not text, so a position
  Put(named, u"Name", u"SIZE");
  EXPECT_EQ(Shown(Get(files, u"Sort", {named})), "Boolean True");
  EXPECT_EQ(NamesInItemOrder(), (std::vector<Text>{u"B.txt", u"c.txt", u"a.txt"}));
  EXPECT_CLASSIC_FAILURE(Get(files, u"Sort", {files}), Classic::TypeMismatch);
  EXPECT_CLASSIC_FAILURE(Get(files, u"Sort", {u"name", enumerator}), Classic::TypeMismatch);
  EXPECT_EQ(Core().LastError, u"Type mismatch");
}

TEST_F(NativeDispatchOnFiles, NothingAsAnArgumentIsATypeMismatch) {
  const ObjectRef nothing;
  const ObjectRef file = CreateObject(u"Tarnix.File");
  Core().LastError = u"earlier";
  // Typed parameters refuse it before the member runs: LastError stays.
  EXPECT_DISPATCH_FAILURE(Get(files, u"RemoveDir", {nothing}), DispatchError::TypeMismatch);
  EXPECT_DISPATCH_FAILURE(Get(files, u"Copy", {u"a.txt", nothing}), DispatchError::TypeMismatch);
  EXPECT_DISPATCH_FAILURE(Put(file, u"Size", nothing), DispatchError::TypeMismatch);
  EXPECT_DISPATCH_FAILURE(Put(files, u"Path", nothing), DispatchError::TypeMismatch);
  EXPECT_EQ(Core().LastError, u"earlier");
  // Variant parameters fail where the member converts them, inside its trap
  // for those that have one.
  EXPECT_CLASSIC_FAILURE(Get(files, u"Item", {nothing}), Classic::TypeMismatch);
  EXPECT_CLASSIC_FAILURE(Get(files, u"Remove", {nothing}), Classic::TypeMismatch);
  EXPECT_EQ(Core().LastError, u"earlier");
  for (const char16_t* member : {u"Exists", u"GetFileList", u"Sort"}) {
    Core().LastError = u"earlier";
    EXPECT_CLASSIC_FAILURE(Get(files, member, {nothing}), Classic::TypeMismatch);
    EXPECT_EQ(Core().LastError, u"Type mismatch") << ToUtf8(member);
  }
  EXPECT_EQ(Core().Count(), 3);
}

TEST_F(NativeDispatchOnFiles, EveryPropertyGetDeliversItsDeclaredType) {
  const ObjectRef file = Get(files, u"Item", {1}).AsObject();
  for (const ObjectRef& object : {files, file}) {
    for (const Member& member : object->Members()) {
      if (member.kind != MemberKind::kGet || !member.parameters.empty()) continue;
      SCOPED_TRACE(ToUtf8(member.name));
      const std::string shown = Shown(object->Invoke(member.id, kPropertyGet));
      const std::string kind = shown.substr(0, shown.find(' '));
      switch (member.result) {
        case Type::kText: EXPECT_EQ(kind, "Text"); break;
        case Type::kLong: EXPECT_EQ(kind, "Long"); break;
        case Type::kBoolean: EXPECT_EQ(kind, "Boolean"); break;
        case Type::kUnknown: EXPECT_EQ(kind, "Enumerator"); break;
        default: ADD_FAILURE() << "a property of type " << static_cast<int>(member.result);
      }
    }
  }
  EXPECT_EQ(Shown(Get(files, u"Item", {u"a.txt"})), "File");
  EXPECT_EQ(Shown(Get(files, u"Add", {u"", u"d.txt"})), "File");
  EXPECT_EQ(Shown(files->Call(u"Remove", kMethod, {u"d.txt"})), "nothing");
  EXPECT_EQ(Shown(Get(files, u"ClearFileList")), "Boolean True");
}

TEST(NativeDispatchProperties, EachPutReachesItsOwnCoreProperty) {
  const ObjectRef files = CreateObject(u"Tarnix.Files");
  Put(files, u"Mask", u"*.txt");
  Put(files, u"LastError", u"oops");
  Put(files, u"Attributes", 16);
  Put(files, u"Sorted", Value::Boolean(true));
  Put(files, u"Path", u"  C:\\data ");
  const Files& core = static_cast<FilesObject&>(*files).Core();
  EXPECT_EQ(core.Mask, u"*.txt");
  EXPECT_EQ(core.LastError, u"oops");
  EXPECT_EQ(core.Attributes, u"16");
  EXPECT_TRUE(core.Sorted);
  EXPECT_EQ(core.GetPath(), u"C:\\data\\");  // the core's setter ran
  EXPECT_EQ(Shown(Get(files, u"Path")), "Text C:\\data\\");
  EXPECT_EQ(Shown(Get(files, u"Attributes")), "Text 16");

  const ObjectRef file = CreateObject(u"Tarnix.File");
  Put(file, u"Name", u"n.txt");
  Put(file, u"Attributes", 33);
  Put(file, u"Size", 7);
  Put(file, u"Modified", u"1/2/2003 4:5:6");
  Put(file, u"Path", u"D:\\");
  Put(file, u"LastError", u"bad");
  const File& entry = *static_cast<FileObject&>(*file).Entry();
  EXPECT_EQ(entry.Name, u"n.txt");
  EXPECT_EQ(entry.Attributes, 33);
  EXPECT_EQ(entry.Size, 7);
  EXPECT_EQ(entry.Modified, u"1/2/2003 4:5:6");
  EXPECT_EQ(entry.Path, u"D:\\");
  EXPECT_EQ(entry.LastError, u"bad");
  EXPECT_EQ(Shown(Get(file, u"Modified")), "Text 1/2/2003 4:5:6");
}

TEST(NativeDispatchLifetime, AnEntryIsSharedByEveryReferenceAndOutlivesItsFilesObject) {
  ObjectRef files = CreateObject(u"Tarnix.Files");
  const ObjectRef added = Get(files, u"Add", {u"C:\\", u"kept.txt", 1, 2, u"3"}).AsObject();
  const ObjectRef item = Get(files, u"Item", {1}).AsObject();
  auto enumerator = std::dynamic_pointer_cast<Enumerator>(Get(files, u"NewEnum").AsObject());
  ASSERT_TRUE(enumerator);
  const ObjectRef enumerated = enumerator->Next(1).at(0);

  Put(item, u"Size", 99);
  Put(enumerated, u"Name", u"renamed.txt");
  for (const ObjectRef& reference : {added, item, enumerated}) {
    EXPECT_EQ(Shown(Get(reference, u"Size")), "Long 99");
    EXPECT_EQ(Shown(Get(reference, u"Name")), "Text renamed.txt");
  }
  files.reset();
  enumerator.reset();
  EXPECT_EQ(Shown(Get(item, u"Name")), "Text renamed.txt");
  EXPECT_EQ(Shown(Get(added, u"Modified")), "Text 3");
  Put(added, u"Path", u"E:\\");
  EXPECT_EQ(Shown(Get(item, u"Path")), "Text E:\\");
}

TEST_F(NativeDispatchOnFiles, EnumeratorWalksTheEntriesOfItsMomentInInsertionOrder) {
  Get(files, u"Sort", {u"name", u"descending"});  // Item order is now c, B, a
  auto walk = std::dynamic_pointer_cast<Enumerator>(files->Invoke(kNewEnumId, kMethod).AsObject());
  ASSERT_TRUE(walk);
  files->Call(u"Remove", kMethod, {u"a.txt"});  // after the enumerator was made
  auto names = [](const std::vector<ObjectRef>& objects) {
    std::vector<Text> result;
    for (const ObjectRef& object : objects) result.push_back(Get(object, u"Name").AsValue().ToText());
    return result;
  };

  EXPECT_EQ(names(walk->Next(0)), std::vector<Text>{});
  EXPECT_EQ(names(walk->Next(2)), (std::vector<Text>{u"a.txt", u"B.txt"}));
  const std::shared_ptr<Enumerator> clone = walk->Clone();
  EXPECT_EQ(names(walk->Next(5)), (std::vector<Text>{u"c.txt"}));
  EXPECT_EQ(names(walk->Next(1)), std::vector<Text>{});
  EXPECT_EQ(names(clone->Next(1)), (std::vector<Text>{u"c.txt"}));  // its own place

  walk->Reset();
  EXPECT_TRUE(walk->Skip(0));
  EXPECT_TRUE(walk->Skip(2));
  EXPECT_EQ(names(walk->Next(1)), (std::vector<Text>{u"c.txt"}));
  walk->Reset();
  EXPECT_FALSE(walk->Skip(4));  // only three to skip
  EXPECT_EQ(names(walk->Next(1)), std::vector<Text>{});
  EXPECT_FALSE(walk->Skip(1));

  // The enumerator offers no dispatch members of its own.
  EXPECT_DISPATCH_FAILURE(walk->GetIdOfName(u"Next"), DispatchError::UnknownName);
  EXPECT_DISPATCH_FAILURE(walk->Invoke(kDefaultMemberId, kMethod | kPropertyGet),
                          DispatchError::MemberNotFound);
}

}  // namespace
}  // namespace tarnix::automation
