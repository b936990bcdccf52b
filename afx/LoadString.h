#pragma once

#include <windows.h>

#include <string>

// String resource nID of the program's module, in the ANSI code page; empty
// when there is none.
std::string AfxLoadString(UINT nID);
