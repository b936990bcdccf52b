// The copy of every file beneath a folder, as フォルダの中のファイルに展開 makes
// it, against a bare FindFirstFileExW loop over the same tree:
//   walk_bench RUNS FOLDER
// prints
//   walk files=... runs=... copy_median_ms=... question_median_ms=...
//        table_median_ms=... bare_median_ms=... bare_files=... peak_mib=...
// copy: from the menu's command (引用符付きでコピー) to the text on the
// clipboard, its question answered at once; question: the same command with
// the question cancelled, what the question alone takes; bare: FindFirstFileExW
// (FindExInfoBasic, FIND_FIRST_EX_LARGE_FETCH) and FindNextFileW over every
// folder, counting the files; peak: how far the process's private memory grew
// past what it held before the first copy; walk and text: the core's walk
// through the system's lister alone, and the copy's text made of it.
#include "afx/AnsiText.h"
#include "app/SystemFileFacts.h"
#include "app/SystemFolderLister.h"
#include "app/SystemNameOrder.h"
#include "app/SystemServerNames.h"
#include "pathlist/CopyForms.h"
#include "pathlist/FolderWalk.h"
#include "res/resource.h"
#include "tests/support/DropFiles.h"
#include "tests/support/MainDlg.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
double Now()
{
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

size_t BareWalk(const std::wstring& strFolder)
{
    WIN32_FIND_DATAW data;
    const HANDLE hFind = ::FindFirstFileExW((strFolder + L"\\*").c_str(), FindExInfoBasic, &data,
                                            FindExSearchNameMatch, NULL, FIND_FIRST_EX_LARGE_FETCH);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    size_t nFiles = 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++nFiles;
        else if (data.cFileName[0] != L'.')
            nFiles += BareWalk(strFolder + L"\\" + data.cFileName);
    } while (::FindNextFileW(hFind, &data));
    ::FindClose(hFind);
    return nFiles;
}

size_t PrivateBytes(bool bPeak)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return bPeak ? counters.PeakPagefileUsage : counters.PagefileUsage;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    const int nRuns = std::atoi(argv[1]);
    const std::string strArg = argv[2];
    const std::wstring strFolder(strArg.begin(), strArg.end());
    CMessageBoxAnswerer boxes(IDOK);
    std::vector<double> copies, questions, tables;
    size_t nBefore = 0, nPeak = 0, nLines = 0;
    CMainDlg dlg;
    RunModal(dlg, {[&](HWND hDlg) {
                 Drop(hDlg, std::vector<std::wstring>{strFolder});
                 ::SendMessageW(hDlg, WM_COMMAND, ID_EXPAND_FOLDERS, 0);
                 nBefore = PrivateBytes(false);
                 for (int i = 0; i < nRuns; ++i) {
                     const double start = Now();
                     ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_QUOTED, 0);
                     copies.push_back(Now() - start);
                     if (i == 0)
                         nPeak = PrivateBytes(true);
                 }
                 ::OpenClipboard(hDlg);
                 if (const HANDLE hText = ::GetClipboardData(CF_UNICODETEXT)) {
                     const auto* pszText = static_cast<const wchar_t*>(::GlobalLock(hText));
                     nLines = 1 + std::count(pszText, pszText + std::wcslen(pszText), L'\n');
                     ::GlobalUnlock(hText);
                 }
                 ::CloseClipboard();
                 for (int i = 0; i < nRuns; ++i) {
                     const double start = Now();
                     ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_TABLE, 0);
                     tables.push_back(Now() - start);
                 }
                 boxes.SetAnswer(IDCANCEL);
                 for (int i = 0; i < nRuns; ++i) {
                     const double start = Now();
                     ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_QUOTED, 0);
                     questions.push_back(Now() - start);
                 }
             }});
    std::vector<double> bare;
    size_t nBareFiles = 0;
    for (int i = 0; i < nRuns; ++i) {
        const double start = Now();
        nBareFiles = BareWalk(strFolder);
        bare.push_back(Now() - start);
    }
    // The parts: the walk alone, and the text made of it.
    double walkMs = 0, textMs = 0;
    {
        CMainDlgRules rules;
        CPathList list(rules.codePage, rules.unicodeCase);
        struct CIntake : CPathIntake
        {
            std::wstring strName;
            unsigned GetCount() const override { return 1; }
            std::wstring_view GetExactName(unsigned) override { return strName; }
            std::string_view GetAnsiName(unsigned) override { return {}; }
        } intake;
        intake.strName = strFolder;
        list.AcceptDrop(intake);
        struct : CWalkProgress
        {
            bool Continue(size_t, const std::wstring&) override { return true; }
        } progress;
        CSystemFolderLister lister(false);
        CSystemNameOrder names;
        CSystemServerNames servers;
        CFolderExpansion expansion;
        double start = Now();
        expansion.Expand(list, names, lister, {false, false}, progress);
        walkMs = Now() - start;
        start = Now();
        const CCopyText text = MakeCopyText(QUOTED_FORM, list, servers, names, CSystemFileFacts(),
                                            {}, AfxToAnsi, &expansion);
        textMs = Now() - start;
    }
    std::printf("walk files=%zu runs=%d copy_median_ms=%.1f question_median_ms=%.1f "
                "table_median_ms=%.1f bare_median_ms=%.1f bare_files=%zu peak_mib=%.1f "
                "walk_ms=%.1f text_ms=%.1f\n",
                nLines, nRuns, Median(copies), Median(questions), Median(tables), Median(bare),
                nBareFiles, (nPeak > nBefore ? nPeak - nBefore : 0) / 1048576.0, walkMs, textMs);
    return 0;
}
