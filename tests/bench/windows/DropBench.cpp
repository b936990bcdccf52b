// Time inside the main dialog's drop handler for a drop of 99 paths onto a
// path box that already shows 99 others:
//   drop_bench RUNS [CHARACTERS]
// prints "drop paths=99 runs=... median_ms=... p10_ms=... p90_ms=...", and
// with CHARACTERS, paths of exactly that many characters each, "chars=..."
// and the median per character of the drop, "median_ns_per_char=...".
// Without it the paths are a user's documents' names, of 37 and 38.
// Each drop arrives on its own turn of the dialog's loop, so the box has
// painted the one before, as it would between two drops of a user.
#include "res/resource.h"
#include "tests/support/DropFiles.h"
#include "tests/support/MainDlg.h"

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

// The same 99 names made exactly nChars characters long by folders between
// the documents folder and the name:
// C:\Users\Taro\Documents\資料\フォルダ\フォルダ\...\xx報告書_NN.ext
std::vector<std::string> MakeLongPaths(const char* pszExtension, size_t nChars)
{
    // In characters: 27 before the folders, 11 after them (a two-digit number).
    const std::string strHead = "C:\\Users\\Taro\\Documents\\\x8e\x91\x97\xbf\\";
    const size_t nHead = 27, nTail = 11;
    const size_t nFill = nChars > nHead + nTail ? nChars - nHead - nTail : 0;
    std::string strFill;
    size_t nFilled = 0;
    for (; nFilled + 5 <= nFill; nFilled += 5)
        strFill += "\x83\x74\x83\x48\x83\x8b\x83\x5f\\"; // フォルダ\ (5 characters)
    strFill.append(nFill - nFilled, 'x');
    std::vector<std::string> paths;
    for (int i = 0; i < 99; ++i) {
        const char szNumber[3] = {static_cast<char>('0' + i / 10), static_cast<char>('0' + i % 10)};
        paths.push_back(strHead + strFill + "\x95\xf1\x8d\x90\x8f\x91_" + szNumber + pszExtension);
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
    // The characters the box shows after the last drop.
    int nShown = 0;
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
    if (static_cast<int>(bench.times.size()) == bench.nRuns) {
        bench.nShown = ::GetWindowTextLengthW(::GetDlgItem(hDlg, IDC_PATHS));
        ::EndDialog(hDlg, IDOK);
    }
}
} // namespace

int main(int argc, char* argv[])
{
    const int nRuns = argc > 1 ? std::atoi(argv[1]) : 101;
    const size_t nChars = argc > 2 ? static_cast<size_t>(std::atol(argv[2])) : 0;
    CMainDlg dlg;
    CBench bench{dlg, nRuns, {}, false, {}, 0};
    if (nChars) {
        bench.paths[0] = MakeLongPaths(".xlsx", nChars);
        bench.paths[1] = MakeLongPaths(".docx", nChars);
    } else {
        bench.paths[0] = MakePaths(".xlsx");
        bench.paths[1] = MakePaths(".docx");
    }
    g_pBench = &bench;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 10, OnTick);
    dlg.DoModal();
    ::KillTimer(NULL, nTimer);

    std::vector<double>& times = bench.times;
    if (static_cast<int>(times.size()) != nRuns) {
        std::fprintf(stderr, "drop_bench: the dialog ended after %zu drops\n", times.size());
        return 1;
    }
    // A box that took less than the drop would time less than the handler's work.
    const size_t nExpected = 99 * nChars + 98 * 2;
    if (nChars && static_cast<size_t>(bench.nShown) != nExpected) {
        std::fprintf(stderr, "drop_bench: the box shows %d characters of %zu\n", bench.nShown,
                     nExpected);
        return 1;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("drop paths=99 runs=%d median_ms=%.2f p10_ms=%.2f p90_ms=%.2f", nRuns, median,
                times[times.size() / 10], times[times.size() * 9 / 10]);
    if (nChars)
        std::printf(" chars=%zu median_ns_per_char=%.2f", nChars, median * 1e6 / (99.0 * nChars));
    std::printf("\n");
    return 0;
}
