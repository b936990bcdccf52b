#pragma once

#include <windows.h>

#include <string>

// String resource nID of the program's module, as the resource holds it
// (UTF-16); empty when there is none.
std::wstring AfxLoadString(UINT nID);
