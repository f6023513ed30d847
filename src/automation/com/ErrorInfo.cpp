#include "automation/com/ErrorInfo.h"

#include "automation/com/Variants.h"

namespace tarnix::com {

HRESULT ReportFailure(const Failure& failure, REFIID interfaceId) {
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetGUID(interfaceId);
    Text source = failure.Source();
    Text description = failure.Description();
    create->SetSource(reinterpret_cast<LPOLESTR>(source.data()));
    create->SetDescription(reinterpret_cast<LPOLESTR>(description.data()));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return static_cast<HRESULT>(failure.Number());
}

void FillExceptionInfo(EXCEPINFO* info, const Failure& failure) {
  if (info == nullptr) return;
  SysFreeString(info->bstrSource);
  SysFreeString(info->bstrDescription);
  SysFreeString(info->bstrHelpFile);
  *info = EXCEPINFO{};
  info->bstrSource = BstrFromText(failure.Source());
  info->bstrDescription = BstrFromText(failure.Description());
  info->scode = static_cast<SCODE>(failure.Number());
}

}  // namespace tarnix::com
