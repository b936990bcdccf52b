#pragma once

#include <windows.h>

// Starts lpszCommandLine (its program first) with the caller's linked, limited token
// (GetTokenInformation(TokenLinkedToken), DuplicateTokenEx to a primary token,
// CreateProcessAsUserW): the way Explorer starts a program under UAC. bLimited false:
// CreateProcessW with the caller's own (under Wine, elevated) token. Returns the process handle
// (the caller closes it; the thread handle is closed), NULL on failure.
HANDLE StartProgram(LPCWSTR lpszCommandLine, bool bLimited, LPCWSTR lpszCurrentFolder = NULL);
