#include "automation/com/ClassFactory.h"

#include <new>

#include "automation/com/Classes.h"
#include "automation/com/Module.h"
#include "automation/com/SingleInterfaceObject.h"

namespace tarnix::com {
namespace {

class ClassFactory final : public SingleInterfaceObject<IClassFactory> {
 public:
  explicit ClassFactory(CreateFunction create) : create_(create) {}

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return create_(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      AddModuleReference();
    } else {
      ReleaseModuleReference();
    }
    return S_OK;
  }

 private:
  CreateFunction create_;
};

}  // namespace

HRESULT GetClassFactory(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  for (const CreatableClass& creatable : kCreatableClasses) {
    if (*creatable.clsid != clsid) continue;
    auto* factory = new (std::nothrow) ClassFactory(creatable.create);
    if (factory == nullptr) return E_OUTOFMEMORY;
    HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace tarnix::com
