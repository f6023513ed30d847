#pragma once
// The interfaces and class identities generated from Tarnix.idl. The
// generated header declares the coclasses Files and File at global scope; the
// core's classes live in namespace tarnix, and the COM classes are named
// FilesObject and FileObject.

#include <windows.h>
#include <oaidl.h>

#include "Tarnix_h.h"
