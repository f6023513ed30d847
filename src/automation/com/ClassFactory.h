#pragma once
// One class factory for every creatable class, fed by a table of
// (class identifier, create function).

#include <unknwn.h>

namespace tarnix::com {

using CreateFunction = HRESULT (*)(REFIID iid, void** out);

struct CreatableClass {
  const CLSID* clsid;
  CreateFunction create;
};

// The factory of `clsid`, queried for `iid`; CLASS_E_CLASSNOTAVAILABLE for a
// class this DLL does not serve.
HRESULT GetClassFactory(REFCLSID clsid, REFIID iid, void** out);

}  // namespace tarnix::com
