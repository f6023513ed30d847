#pragma once
// The type library embedded in this DLL (TYPELIB resource 1).

#include <oaidl.h>

#include "automation/com/ComPtr.h"

namespace tarnix::com {

HRESULT LoadOwnTypeLibrary(ComPtr<ITypeLib>& library);
HRESULT LoadOwnTypeInfo(REFIID interfaceId, ComPtr<ITypeInfo>& typeInfo);

}  // namespace tarnix::com
