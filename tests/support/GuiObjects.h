#pragma once

#include <windows.h>

// The process's GDI objects, and the USER objects a dialog can leak: the
// windows of this thread, their descendants included.
DWORD CountGdiObjects();
DWORD CountUserObjects();
