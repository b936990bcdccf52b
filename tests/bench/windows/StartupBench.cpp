// Time from process start to a dialog shown and waiting for input, for
// programs started in turn, one run of each after the other, each started
// both the ordinary way (under Wine, elevated) and as Explorer starts it under
// UAC, with the limited token (where Vexlo.exe registers its OLE drop target):
//   startup_bench RUNS PROGRAM...
// prints, for each program and way, "startup PROGRAM median_ms=... min_ms=... max_ms=..."
// and "startup-limited PROGRAM median_ms=...".
#include "tests/support/LimitedProcess.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct CShownDialog
{
    DWORD nProcessId;
    HWND hWnd;
};

BOOL CALLBACK FindShownDialog(HWND hWnd, LPARAM lParam)
{
    auto& found = *reinterpret_cast<CShownDialog*>(lParam);
    DWORD nProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &nProcessId);
    char szClass[8] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (nProcessId != found.nProcessId || !::IsWindowVisible(hWnd) ||
        std::string(szClass) != "#32770")
        return TRUE;
    found.hWnd = hWnd;
    return FALSE;
}

double Seconds(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// Starts the program, waits until its dialog is visible and the program idle
// in its loop, closes it, and returns the seconds until it was shown; a
// negative number if it never was.
double TimeStartUp(const std::string& strProgram, bool bLimited)
{
    std::wstring strCommand(strProgram.size() + 2, L'"');
    strCommand.resize(::MultiByteToWideChar(CP_ACP, 0, strProgram.c_str(), -1, &strCommand[1],
                                            strCommand.size() - 1));
    strCommand += L'"';
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    const HANDLE hProcess = StartProgram(strCommand.c_str(), bLimited);
    if (!hProcess)
        return -1;
    ::WaitForInputIdle(hProcess, 10000);
    CShownDialog shown = {::GetProcessId(hProcess), NULL};
    while (::EnumWindows(FindShownDialog, reinterpret_cast<LPARAM>(&shown)) && Seconds(start) < 10)
        ::Sleep(1);
    const double seconds = shown.hWnd ? Seconds(start) : -1;
    if (shown.hWnd)
        ::PostMessageA(shown.hWnd, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(hProcess, 1);
    ::CloseHandle(hProcess);
    return seconds;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM...\n");
        return 2;
    }
    const int nRuns = std::atoi(argv[1]);
    const std::vector<std::string> programs(argv + 2, argv + argc);
    // Each program the ordinary way, then limited.
    std::vector<std::vector<double>> times(programs.size() * 2);
    // One run of each first, unmeasured: the first start of a program loads
    // its files from disk into the cache.
    for (int nRun = -1; nRun < nRuns; ++nRun) {
        for (size_t i = 0; i < times.size(); ++i) {
            const std::string& strProgram = programs[i % programs.size()];
            const double seconds = TimeStartUp(strProgram, i >= programs.size());
            if (seconds < 0) {
                std::fprintf(stderr, "startup_bench: %s showed no dialog\n", strProgram.c_str());
                return 1;
            }
            if (nRun >= 0)
                times[i].push_back(seconds * 1000);
        }
    }
    for (size_t i = 0; i < times.size(); ++i) {
        std::sort(times[i].begin(), times[i].end());
        std::printf("%s %s median_ms=%.1f min_ms=%.1f max_ms=%.1f\n",
                    i < programs.size() ? "startup" : "startup-limited",
                    programs[i % programs.size()].c_str(), times[i][times[i].size() / 2],
                    times[i].front(), times[i].back());
    }
    return 0;
}
