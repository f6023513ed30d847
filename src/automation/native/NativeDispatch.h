#pragma once
// The native dispatch layer: scripts' view of the Tarnix objects where there
// is no COM. It binds the member tables of the _Files and _File interfaces to
// the core and knows nothing of file systems; the core knows nothing of it.

#include "automation/native/Argument.h"
#include "automation/native/DispatchFailure.h"
#include "automation/native/Enumerator.h"
#include "automation/native/Object.h"
#include "automation/native/Result.h"
#include "platform/Text.h"

namespace tarnix::automation {

// A new object for the ProgID "Tarnix.Files" or "Tarnix.File", in any letter
// case; any other fails with CO_E_CLASSSTRING, as CLSIDFromProgID does.
ObjectRef CreateObject(TextView progId);

}  // namespace tarnix::automation
