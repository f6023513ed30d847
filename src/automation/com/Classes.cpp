// Defines the GUIDs of the generated header here, once.
#include <initguid.h>

#include "automation/com/Classes.h"

#include "automation/com/FileObject.h"
#include "automation/com/FilesObject.h"

namespace tarnix::com {

const CreatableClass kCreatableClasses[2] = {
    {&CLSID_Files, &FilesObject::CreateInstance},
    {&CLSID_File, &FileObject::CreateInstance},
};

const ClassRegistration kClassRegistrations[2] = {
    {kCreatableClasses[0], L"Tarnix.Files", L"Files"},
    {kCreatableClasses[1], L"Tarnix.File", L"File"},
};

const GUID kTypeLibraryId = LIBID_Tarnix;

}  // namespace tarnix::com
