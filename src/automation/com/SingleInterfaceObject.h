#pragma once
// Reference counting and QueryInterface for an object that implements one
// interface besides IUnknown (the class factory, the enumerator).

#include <unknwn.h>

#include <atomic>

namespace tarnix::com {

template <class Interface>
class SingleInterfaceObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid != IID_IUnknown && iid != __uuidof(Interface)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<Interface*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  SingleInterfaceObject() = default;
  virtual ~SingleInterfaceObject() = default;

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace tarnix::com
