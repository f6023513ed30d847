#pragma once
// The classes this DLL serves, with what registration writes for each.

#include "automation/com/ClassFactory.h"

namespace tarnix::com {

struct ClassRegistration {
  CreatableClass creatable;
  const wchar_t* progId;
  const wchar_t* description;
};

extern const CreatableClass kCreatableClasses[2];
extern const ClassRegistration kClassRegistrations[2];
extern const GUID kTypeLibraryId;

}  // namespace tarnix::com
