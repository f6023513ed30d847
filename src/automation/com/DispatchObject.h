#pragma once
// The common part of every automation object: reference counting, IDispatch
// driven by the type library, error information, and the guard that turns a
// member's Failure into a failed HRESULT with that information.

#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <new>
#include <optional>

#include "automation/com/ComPtr.h"
#include "automation/com/ErrorInfo.h"
#include "automation/com/Module.h"
#include "platform/Failure.h"

namespace tarnix::com {

template <class Interface>
class DispatchObject : public Interface, public ISupportErrorInfo {
 public:
  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface)) {
      *out = static_cast<Interface*>(this);
    } else if (iid == IID_ISupportErrorInfo) {
      *out = static_cast<ISupportErrorInfo*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo) override {
    if (typeInfo == nullptr) return E_POINTER;
    *typeInfo = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *typeInfo = ComPtr<ITypeInfo>::Share(typeInfo_.Get()).Detach();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argumentError) override {
    pending_.reset();
    HRESULT outcome = InvokeMember(id, flags, parameters, result, exception, argumentError);
    if (outcome == DISP_E_MEMBERNOTFOUND && flags == DISPATCH_METHOD) {
      // JScript calls a property with arguments (Item) and asks for the
      // enumerator as methods: DispInvoke refuses both, so read them instead.
      outcome = InvokeMember(id, DISPATCH_PROPERTYGET, parameters, result, exception, argumentError);
    }
    if (pending_) {
      FillExceptionInfo(exception, *pending_);
      pending_.reset();
      return DISP_E_EXCEPTION;
    }
    return outcome;
  }

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return iid == __uuidof(Interface) ? S_OK : S_FALSE;
  }

 protected:
  explicit DispatchObject(ComPtr<ITypeInfo> typeInfo) : typeInfo_(std::move(typeInfo)) {}
  virtual ~DispatchObject() = default;

  // Lets DispInvoke call the member through the interface's vtable.
  virtual HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                               EXCEPINFO* exception, UINT* argumentError) {
    return DispInvoke(static_cast<Interface*>(this), typeInfo_.Get(), id, flags, parameters, result, exception,
                      argumentError);
  }

  // Runs a member's body; a failure becomes its HRESULT, with the thread's
  // error information set and kept for Invoke's EXCEPINFO.
  template <class Body>
  HRESULT Guard(Body&& body) {
    try {
      body();
      return S_OK;
    } catch (const Failure& failure) {
      return Report(failure);
    } catch (const std::bad_alloc&) {
      return Report(ClassicFailure(Classic::OutOfMemory));
    } catch (...) {
      return Report(Failure(static_cast<std::int32_t>(E_UNEXPECTED), u"Unexpected failure"));
    }
  }

 private:
  HRESULT Report(const Failure& failure) {
    pending_ = failure;
    return ReportFailure(failure, __uuidof(Interface));
  }

  ModuleReference module_;
  std::atomic<ULONG> references_{1};
  ComPtr<ITypeInfo> typeInfo_;
  std::optional<Failure> pending_;
};

}  // namespace tarnix::com
