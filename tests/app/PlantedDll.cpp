// A DLL planted beside the program under the name of a system DLL: as it is
// loaded, it appends its own file name, and a line end, to the file that
// VEXLO_PLANT_LOG names. It exports nothing: a process that loads it in place
// of the real one at least starts to, and the test reads who did.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason != DLL_PROCESS_ATTACH)
        return TRUE;
    WCHAR szLog[MAX_PATH], szSelf[MAX_PATH + 2];
    const DWORD nLog = ::GetEnvironmentVariableW(L"VEXLO_PLANT_LOG", szLog, MAX_PATH);
    DWORD nSelf = ::GetModuleFileNameW(hInstance, szSelf, MAX_PATH);
    if (!nLog || nLog >= MAX_PATH || !nSelf || nSelf >= MAX_PATH)
        return TRUE;
    szSelf[nSelf++] = L'\r';
    szSelf[nSelf++] = L'\n';
    const HANDLE hLog = ::CreateFileW(szLog, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hLog == INVALID_HANDLE_VALUE)
        return TRUE;
    DWORD nWritten;
    ::WriteFile(hLog, szSelf, nSelf * sizeof *szSelf, &nWritten, NULL);
    ::CloseHandle(hLog);
    return TRUE;
}
