#pragma once
// Failures going out to COM clients: as a failed HRESULT with the thread's
// error information (number, source, description), and as EXCEPINFO for
// late-bound callers.

#include <windows.h>
#include <oaidl.h>

#include "platform/Failure.h"

namespace tarnix::com {

// Sets the thread's error information for `failure` and returns its number.
HRESULT ReportFailure(const Failure& failure, REFIID interfaceId);

// Fills an EXCEPINFO with the failure, releasing what it held before.
void FillExceptionInfo(EXCEPINFO* info, const Failure& failure);

}  // namespace tarnix::com
