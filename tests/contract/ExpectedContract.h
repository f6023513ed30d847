#pragma once
// The automation contract every build must keep: for both interfaces, every
// member with its vtable slot, name, invoke kind, member identifier, result and
// parameters. Scripts and compiled clients depend on each of these.
//
// The native dispatch tests hold the Linux member tables against it; the Wine
// client holds the type library inside Tarnix.dll against it. Written out by
// hand, on purpose: it must not be derived from either implementation.

#include <cstdint>

namespace tarnix::contract {

enum class Kind { kMethod, kGet, kPut };
enum class Type { kNone, kText, kBoolean, kLong, kVariant, kFile, kUnknown };

struct Parameter {
  const char16_t* name;  // empty: the name is not part of the contract
  Type type;
  bool optional;
};

struct Member {
  int slot;  // in the vtable, counting IUnknown's and IDispatch's 7 slots
  const char16_t* name;
  Kind kind;
  std::int32_t id;
  Type result;  // delivered through a last [out, retval] parameter
  bool hidden;
  int parameterCount;
  Parameter parameters[5];
};

struct Interface {
  const char16_t* name;
  const char* iid;  // {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}
  const char16_t* coclass;
  const char* clsid;
  const char16_t* progId;
  const Member* members;
  int memberCount;
};

constexpr std::int32_t Id(std::uint32_t id) { return static_cast<std::int32_t>(id); }

inline constexpr Member kFilesMembers[] = {
    {7, u"Mask", Kind::kGet, Id(0x40030002), Type::kText, false, 0, {}},
    {8, u"Mask", Kind::kPut, Id(0x40030002), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {9, u"LastError", Kind::kGet, Id(0x40030003), Type::kText, false, 0, {}},
    {10, u"LastError", Kind::kPut, Id(0x40030003), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {11, u"Attributes", Kind::kGet, Id(0x40030004), Type::kText, false, 0, {}},
    {12, u"Attributes", Kind::kPut, Id(0x40030004), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {13, u"Sorted", Kind::kGet, Id(0x40030006), Type::kBoolean, false, 0, {}},
    {14, u"Sorted", Kind::kPut, Id(0x40030006), Type::kNone, false, 1, {{u"", Type::kBoolean, false}}},
    {15, u"Path", Kind::kPut, Id(0x68030001), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {16, u"Path", Kind::kGet, Id(0x68030001), Type::kText, false, 0, {}},
    {17, u"RemoveDir", Kind::kMethod, Id(0x60030002), Type::kBoolean, false, 1, {{u"DirName", Type::kText, false}}},
    {18, u"MakeDir", Kind::kMethod, Id(0x60030003), Type::kBoolean, false, 1, {{u"DirName", Type::kText, false}}},
    {19, u"Rename", Kind::kMethod, Id(0x60030004), Type::kBoolean, false, 2,
     {{u"FromName", Type::kText, false}, {u"ToName", Type::kText, false}}},
    {20, u"KillFile", Kind::kMethod, Id(0x60030005), Type::kBoolean, false, 1, {{u"FileName", Type::kText, false}}},
    {21, u"Copy", Kind::kMethod, Id(0x60030006), Type::kBoolean, false, 2,
     {{u"FromName", Type::kText, false}, {u"ToName", Type::kText, false}}},
    {22, u"ClearFileList", Kind::kMethod, Id(0x60030007), Type::kBoolean, false, 0, {}},
    {23, u"Exists", Kind::kMethod, Id(0x60030008), Type::kBoolean, false, 1, {{u"NewPath", Type::kVariant, true}}},
    {24, u"GetFileList", Kind::kMethod, Id(0x60030009), Type::kBoolean, false, 1,
     {{u"NewPath", Type::kVariant, true}}},
    {25, u"Sort", Kind::kMethod, Id(0x6003000A), Type::kBoolean, false, 2,
     {{u"Field", Type::kVariant, true}, {u"Order", Type::kVariant, true}}},
    {26, u"Add", Kind::kMethod, Id(0x6003000D), Type::kFile, false, 5,
     {{u"FPath", Type::kText, false},
      {u"Name", Type::kText, false},
      {u"Attributes", Type::kLong, true},
      {u"Size", Type::kLong, true},
      {u"Modified", Type::kText, true}}},
    {27, u"Item", Kind::kGet, Id(0), Type::kFile, false, 1, {{u"vntIndexKey", Type::kVariant, false}}},
    {28, u"Count", Kind::kGet, Id(0x68030000), Type::kLong, false, 0, {}},
    {29, u"Remove", Kind::kMethod, Id(0x6003000E), Type::kNone, false, 1, {{u"vntIndexKey", Type::kVariant, false}}},
    {30, u"NewEnum", Kind::kGet, Id(0xFFFFFFFC), Type::kUnknown, true, 0, {}},
};

inline constexpr Member kFileMembers[] = {
    {7, u"Name", Kind::kGet, Id(0), Type::kText, false, 0, {}},
    {8, u"Name", Kind::kPut, Id(0), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {9, u"Attributes", Kind::kGet, Id(0x40030000), Type::kLong, false, 0, {}},
    {10, u"Attributes", Kind::kPut, Id(0x40030000), Type::kNone, false, 1, {{u"", Type::kLong, false}}},
    {11, u"Size", Kind::kGet, Id(0x40030001), Type::kLong, false, 0, {}},
    {12, u"Size", Kind::kPut, Id(0x40030001), Type::kNone, false, 1, {{u"", Type::kLong, false}}},
    {13, u"Modified", Kind::kGet, Id(0x40030002), Type::kText, false, 0, {}},
    {14, u"Modified", Kind::kPut, Id(0x40030002), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {15, u"Path", Kind::kGet, Id(0x40030003), Type::kText, false, 0, {}},
    {16, u"Path", Kind::kPut, Id(0x40030003), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {17, u"LastError", Kind::kGet, Id(0x40030004), Type::kText, false, 0, {}},
    {18, u"LastError", Kind::kPut, Id(0x40030004), Type::kNone, false, 1, {{u"", Type::kText, false}}},
    {19, u"Copy", Kind::kMethod, Id(0x60030000), Type::kBoolean, false, 1, {{u"ToName", Type::kText, false}}},
    {20, u"KillFile", Kind::kMethod, Id(0x60030001), Type::kBoolean, false, 0, {}},
    {21, u"Rename", Kind::kMethod, Id(0x60030002), Type::kBoolean, false, 1, {{u"ToName", Type::kText, false}}},
};

inline constexpr Interface kFilesInterface = {
    u"_Files", "{7E5A9501-758F-11D1-AF4E-000000000000}", u"Files", "{7E5A9502-758F-11D1-AF4E-000000000000}",
    u"Tarnix.Files", kFilesMembers, static_cast<int>(sizeof kFilesMembers / sizeof kFilesMembers[0])};

inline constexpr Interface kFileInterface = {
    u"_File", "{7E5A94FF-758F-11D1-AF4E-000000000000}", u"File", "{7E5A9500-758F-11D1-AF4E-000000000000}",
    u"Tarnix.File", kFileMembers, static_cast<int>(sizeof kFileMembers / sizeof kFileMembers[0])};

inline constexpr const char* kTypeLibraryId = "{7E5A9503-758F-11D1-AF4E-000000000000}";

}  // namespace tarnix::contract
