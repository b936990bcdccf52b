#include "tests/support/LimitedProcess.h"

#include <string>

namespace {
// The limited half of the caller's split token, as a primary token; NULL when
// the caller's token has no linked one (UAC off, or already limited).
HANDLE DuplicateLinkedToken()
{
    HANDLE hOwn = NULL;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &hOwn))
        return NULL;
    TOKEN_LINKED_TOKEN linked = {};
    DWORD cbLinked = 0;
    const BOOL bLinked =
        ::GetTokenInformation(hOwn, TokenLinkedToken, &linked, sizeof linked, &cbLinked);
    ::CloseHandle(hOwn);
    if (!bLinked)
        return NULL;
    HANDLE hPrimary = NULL;
    if (!::DuplicateTokenEx(linked.LinkedToken, TOKEN_ALL_ACCESS, NULL, SecurityImpersonation,
                            TokenPrimary, &hPrimary))
        hPrimary = NULL;
    ::CloseHandle(linked.LinkedToken);
    return hPrimary;
}
} // namespace

HANDLE StartProgram(LPCWSTR lpszCommandLine, bool bLimited, LPCWSTR lpszCurrentFolder)
{
    std::wstring strCommand = lpszCommandLine; // CreateProcess writes to it
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL bStarted = FALSE;
    if (bLimited) {
        const HANDLE hToken = DuplicateLinkedToken();
        if (!hToken)
            return NULL;
        bStarted = ::CreateProcessAsUserW(hToken, NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL,
                                          lpszCurrentFolder, &startup, &process);
        ::CloseHandle(hToken);
    } else {
        bStarted = ::CreateProcessW(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL,
                                    lpszCurrentFolder, &startup, &process);
    }
    if (!bStarted)
        return NULL;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}
