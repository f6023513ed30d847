#include "automation/com/TypeLibrary.h"

#include "automation/com/Module.h"

namespace tarnix::com {

HRESULT LoadOwnTypeLibrary(ComPtr<ITypeLib>& library) {
  return LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library.Receive());
}

HRESULT LoadOwnTypeInfo(REFIID interfaceId, ComPtr<ITypeInfo>& typeInfo) {
  ComPtr<ITypeLib> library;
  HRESULT result = LoadOwnTypeLibrary(library);
  if (FAILED(result)) return result;
  return library->GetTypeInfoOfGuid(interfaceId, typeInfo.Receive());
}

}  // namespace tarnix::com
