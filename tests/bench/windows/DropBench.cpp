// Time inside the main dialog's drop handler for a drop of 99 paths onto a
// path box that already shows 99 others:
//   drop_bench RUNS
// prints "drop paths=99 runs=... median_ms=... p10_ms=... p90_ms=...".
// Each drop arrives on its own turn of the dialog's loop, so the box has
// painted the one before, as it would between two drops of a user.
#include "afx/WinApp.h"
#include "app/PathListDlg.h"
#include "app/SystemUnicodeCase.h"
#include "pathlist/CrtCodePage.h"
#include "tests/support/DropFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// 99 paths in code page 932, as a user's documents would be named.
std::vector<std::string> MakePaths(const char* pszExtension)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 99; ++i) {
        // C:\Users\Taro\Documents\資料\報告書_NN.ext
        paths.push_back("C:\\Users\\Taro\\Documents\\\x8e\x91\x97\xbf\\\x95\xf1\x8d\x90\x8f\x91_" +
                        std::to_string(i) + pszExtension);
    }
    return paths;
}

struct CBench
{
    CPathListDlg& dlg;
    int nRuns;
    std::vector<std::string> paths[2];
    bool bFilled = false;
    std::vector<double> times;
};
CBench* g_pBench = nullptr;

double Milliseconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// One drop per tick; the first only fills the box.
void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    CBench& bench = *g_pBench;
    const HWND hDlg = bench.dlg.m_hWnd;
    if (!hDlg)
        return;
    const int nDrop = static_cast<int>(bench.times.size()) + 1;
    const HDROP hDrop = MakeDrop(bench.paths[nDrop % 2]);
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    ::SendMessageA(hDlg, WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
    ::QueryPerformanceCounter(&end);
    if (bench.bFilled)
        bench.times.push_back(Milliseconds(start, end));
    bench.bFilled = true;
    if (static_cast<int>(bench.times.size()) == bench.nRuns)
        ::EndDialog(hDlg, IDOK);
}
} // namespace

int main(int argc, char* argv[])
{
    const int nRuns = argc > 1 ? std::atoi(argv[1]) : 101;
    CCrtCodePage codePage;
    CSystemUnicodeCase unicodeCase;
    CPathListDlg dlg(codePage, unicodeCase);
    AfxGetApp()->m_pMainWnd = &dlg;
    CBench bench{dlg, nRuns, {MakePaths(".xlsx"), MakePaths(".docx")}, false, {}};
    g_pBench = &bench;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 10, OnTick);
    dlg.DoModal();
    ::KillTimer(NULL, nTimer);

    std::vector<double>& times = bench.times;
    if (static_cast<int>(times.size()) != nRuns) {
        std::fprintf(stderr, "drop_bench: the dialog ended after %zu drops\n", times.size());
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("drop paths=99 runs=%d median_ms=%.2f p10_ms=%.2f p90_ms=%.2f\n", nRuns,
                times[times.size() / 2], times[times.size() / 10], times[times.size() * 9 / 10]);
    return 0;
}
