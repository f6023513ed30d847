// The registered type library, read back through ITypeLib and ITypeInfo, must
// be the contract: identities, flags, member identifiers, invoke kinds, vtable
// slots, parameter flags and types.
#include <gtest/gtest.h>

#include <string>

#include "ClientSupport.h"
#include "contract/ExpectedContract.h"

namespace tarnix::client {
namespace {

using contract::Kind;
using contract::Type;

ITypeLib* RegisteredLibrary() {
  ITypeLib* library = nullptr;
  EXPECT_EQ(LoadRegTypeLib(GuidOf(contract::kTypeLibraryId), 1, 0, 0, &library), S_OK);
  return library;
}

std::wstring NameOf(ITypeInfo* info, MEMBERID id = MEMBERID_NIL) {
  BSTR name = nullptr;
  info->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
  std::wstring result = name != nullptr ? name : L"";
  SysFreeString(name);
  return result;
}

// The contract's type of a parameter or result, as a type description says it.
std::wstring Describe(ITypeInfo* info, const TYPEDESC& type) {
  switch (type.vt) {
    case VT_PTR: return L"*" + Describe(info, *type.lptdesc);
    case VT_BSTR: return L"text";
    case VT_BOOL: return L"Boolean";
    case VT_I4: return L"Long";
    case VT_VARIANT: return L"Variant";
    case VT_UNKNOWN: return L"IUnknown";
    case VT_USERDEFINED: {
      ITypeInfo* referenced = nullptr;
      if (FAILED(info->GetRefTypeInfo(type.hreftype, &referenced))) return L"?";
      std::wstring name = NameOf(referenced);
      referenced->Release();
      return name;
    }
    default: return L"vt" + std::to_wstring(type.vt);
  }
}

std::wstring Expected(Type type) {
  switch (type) {
    case Type::kText: return L"text";
    case Type::kBoolean: return L"Boolean";
    case Type::kLong: return L"Long";
    case Type::kVariant: return L"Variant";
    case Type::kFile: return L"*_File";
    case Type::kUnknown: return L"IUnknown";
    case Type::kNone: break;
  }
  return L"";
}

INVOKEKIND InvokeKindOf(Kind kind) {
  return kind == Kind::kGet ? INVOKE_PROPERTYGET : kind == Kind::kPut ? INVOKE_PROPERTYPUT : INVOKE_FUNC;
}

TEST(TypeLibrary, IsRegisteredWithItsIdentityAndFourTypesInOrder) {
  ITypeLib* library = RegisteredLibrary();
  ASSERT_NE(library, nullptr);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->guid, GuidOf(contract::kTypeLibraryId));
  EXPECT_EQ(attributes->lcid, 0u);
  EXPECT_EQ(attributes->wMajorVerNum, 1);
  EXPECT_EQ(attributes->wMinorVerNum, 0);
  EXPECT_EQ(attributes->wLibFlags & ~LIBFLAG_FHASDISKIMAGE, 0);  // the loader adds "has disk image"
#ifdef _WIN64
  EXPECT_EQ(attributes->syskind, SYS_WIN64);
#else
  EXPECT_EQ(attributes->syskind, SYS_WIN32);
#endif
  library->ReleaseTLibAttr(attributes);

  BSTR name = nullptr;
  library->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
  EXPECT_STREQ(name, L"Tarnix");
  SysFreeString(name);

  // widl places an interface right after the first interface that refers to
  // it, so _File follows _Files; clients find the types by identity or name.
  const wchar_t* order[] = {L"_Files", L"_File", L"Files", L"File"};
  ASSERT_EQ(library->GetTypeInfoCount(), 4u);
  for (UINT i = 0; i < 4; ++i) {
    ITypeInfo* info = nullptr;
    ASSERT_EQ(library->GetTypeInfo(i, &info), S_OK);
    EXPECT_EQ(NameOf(info), order[i]);
    info->Release();
  }
  library->Release();
}

class Interfaces : public ::testing::TestWithParam<const contract::Interface*> {};

TEST_P(Interfaces, AreDualHiddenNonextensibleWithTheContractsMembersAndSlots) {
  const contract::Interface& expected = *GetParam();
  ITypeLib* library = RegisteredLibrary();
  ASSERT_NE(library, nullptr);
  ITypeInfo* dispatch = nullptr;
  ASSERT_EQ(library->GetTypeInfoOfGuid(GuidOf(expected.iid), &dispatch), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(dispatch->GetTypeAttr(&attributes), S_OK);
  const WORD flags = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE;
  EXPECT_EQ(attributes->wTypeFlags & flags, flags);
  EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
  dispatch->ReleaseTypeAttr(attributes);
  EXPECT_EQ(NameOf(dispatch), Widen(expected.name));

  // The vtable half of the dual interface.
  HREFTYPE vtableHalf = 0;
  ASSERT_EQ(dispatch->GetRefTypeOfImplType(-1, &vtableHalf), S_OK);
  ITypeInfo* info = nullptr;
  ASSERT_EQ(dispatch->GetRefTypeInfo(vtableHalf, &info), S_OK);
  ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
  EXPECT_EQ(attributes->wTypeFlags & (flags | TYPEFLAG_FOLEAUTOMATION), flags | TYPEFLAG_FOLEAUTOMATION);
  ASSERT_EQ(attributes->cFuncs, expected.memberCount);
  info->ReleaseTypeAttr(attributes);

  for (int i = 0; i < expected.memberCount; ++i) {
    const contract::Member& member = expected.members[i];
    SCOPED_TRACE(testing::Message() << "slot " << member.slot);
    FUNCDESC* function = nullptr;
    ASSERT_EQ(info->GetFuncDesc(static_cast<UINT>(i), &function), S_OK);
    EXPECT_EQ(function->memid, member.id);
    EXPECT_EQ(function->invkind, InvokeKindOf(member.kind));
    EXPECT_EQ(function->oVft, static_cast<SHORT>(member.slot * sizeof(void*)));
    EXPECT_EQ(function->elemdescFunc.tdesc.vt, VT_HRESULT);
    EXPECT_EQ((function->wFuncFlags & FUNCFLAG_FHIDDEN) != 0, member.hidden);

    const bool hasResult = member.result != Type::kNone;
    ASSERT_EQ(function->cParams, member.parameterCount + (hasResult ? 1 : 0));
    BSTR names[8] = {};
    UINT nameCount = 0;
    info->GetNames(function->memid, names, 8, &nameCount);
    for (int p = 0; p < member.parameterCount; ++p) {
      const ELEMDESC& parameter = function->lprgelemdescParam[p];
      const contract::Parameter& want = member.parameters[p];
      EXPECT_EQ(Describe(info, parameter.tdesc), Expected(want.type)) << "parameter " << p;
      const USHORT paramFlags = parameter.paramdesc.wParamFlags;
      EXPECT_NE(paramFlags & PARAMFLAG_FIN, 0) << "parameter " << p;
      EXPECT_EQ((paramFlags & PARAMFLAG_FOPT) != 0, want.optional) << "parameter " << p;
      EXPECT_EQ(paramFlags & (PARAMFLAG_FOUT | PARAMFLAG_FRETVAL | PARAMFLAG_FHASDEFAULT), 0) << "parameter " << p;
    }
    if (hasResult) {
      const ELEMDESC& result = function->lprgelemdescParam[member.parameterCount];
      EXPECT_EQ(Describe(info, result.tdesc), L"*" + Expected(member.result));
      EXPECT_EQ(result.paramdesc.wParamFlags & (PARAMFLAG_FOUT | PARAMFLAG_FRETVAL),
                PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
    }
    // The member's name, then its parameters' names (a property put's own
    // parameter is nameless in the contract).
    ASSERT_GE(nameCount, 1u);
    EXPECT_EQ(std::wstring(names[0]), Widen(member.name));
    for (int p = 0; p < member.parameterCount && member.kind != Kind::kPut; ++p) {
      ASSERT_GT(nameCount, static_cast<UINT>(p + 1));
      EXPECT_EQ(std::wstring(names[p + 1]), Widen(member.parameters[p].name));
    }
    for (UINT n = 0; n < nameCount; ++n) SysFreeString(names[n]);
    info->ReleaseFuncDesc(function);
  }
  info->Release();
  dispatch->Release();
  library->Release();
}

INSTANTIATE_TEST_SUITE_P(BothInterfaces, Interfaces,
                         ::testing::Values(&contract::kFilesInterface, &contract::kFileInterface),
                         [](const auto& info) { return info.param == &contract::kFilesInterface ? "Files" : "File"; });

TEST(Coclasses, AreCreatableWithTheirInterfaceAsDefault) {
  ITypeLib* library = RegisteredLibrary();
  ASSERT_NE(library, nullptr);
  for (const contract::Interface* expected : {&contract::kFilesInterface, &contract::kFileInterface}) {
    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(library->GetTypeInfoOfGuid(GuidOf(expected->clsid), &coclass), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(coclass->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
    EXPECT_NE(attributes->wTypeFlags & TYPEFLAG_FCANCREATE, 0);
    EXPECT_EQ(attributes->cImplTypes, 1);
    coclass->ReleaseTypeAttr(attributes);
    EXPECT_EQ(NameOf(coclass), Widen(expected->coclass));
    INT implFlags = 0;
    EXPECT_EQ(coclass->GetImplTypeFlags(0, &implFlags), S_OK);
    EXPECT_NE(implFlags & IMPLTYPEFLAG_FDEFAULT, 0);
    HREFTYPE reference = 0;
    ASSERT_EQ(coclass->GetRefTypeOfImplType(0, &reference), S_OK);
    ITypeInfo* implemented = nullptr;
    ASSERT_EQ(coclass->GetRefTypeInfo(reference, &implemented), S_OK);
    EXPECT_EQ(NameOf(implemented), Widen(expected->name));
    implemented->Release();
    coclass->Release();

    CLSID fromProgId{};
    EXPECT_EQ(CLSIDFromProgID(Widen(expected->progId).c_str(), &fromProgId), S_OK);
    EXPECT_EQ(fromProgId, GuidOf(expected->clsid));
    LPOLESTR progId = nullptr;
    EXPECT_EQ(ProgIDFromCLSID(GuidOf(expected->clsid), &progId), S_OK);
    EXPECT_STREQ(progId, Widen(expected->progId).c_str());
    CoTaskMemFree(progId);
  }
  library->Release();
}

}  // namespace
}  // namespace tarnix::client
