// The two entry points COM calls to create objects and to unload the DLL.
#include <windows.h>
#include <objbase.h>

#include "automation/com/ClassFactory.h"
#include "automation/com/Module.h"

STDAPI DllCanUnloadNow() { return tarnix::com::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  return tarnix::com::GetClassFactory(clsid, iid, out);
}
