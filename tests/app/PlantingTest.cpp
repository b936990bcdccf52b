// A DLL beside the program, in the folder it was unpacked to, is never loaded
// in place of the system's own: a copy of Vexlo.exe started from a folder of
// copies of a DLL that records its own loading, named as the DLLs the program
// and the system's DLLs for it load as it runs, and driven through what loads
// them.
#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/LimitedProcess.h"
#include "tests/support/ProgramWindows.h"

#include <windows.h>

#include <ole2.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The DLLs that the program, or the system's DLLs for it, may load after its
// start: CRYPTBASE and CRYPTSP, where ADVAPI32 forwards its RtlGenRandom and
// other functions; the themed controls (comctl32, uxtheme, dwmapi); the
// server form (mpr); and what the system loads for accessibility, property
// stores and security packages. Left out are those Wine's own DLLs import, which Wine
// takes from the program's folder before the program's first instruction,
// where Windows takes them from its known DLLs or loads them only later:
// shcore (through SHELL32 and shlwapi), shlwapi, version, sechost, rpcrt4,
// combase and imm32. Wine runs its builtin DLL where it finds a file of the
// name unless told to prefer the file: the test tells it.
const wchar_t* const PLANTED[] = {L"cryptbase", L"cryptsp", L"comctl32", L"uxtheme", L"dwmapi",
                                  L"mpr",       L"oleacc",  L"propsys",  L"sspicli"};

// Where Wine reads how the program loads each DLL: here, the file of its name
// found first, as Windows does, before Wine's own.
const wchar_t WINE_OVERRIDES[] = L"Software\\Wine\\AppDefaults\\Vexlo.exe\\DllOverrides";

std::wstring TempFolder(const wchar_t* lpszName)
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring folder = szTemp + std::wstring(lpszName);
    ::CreateDirectoryW(folder.c_str(), NULL);
    return folder;
}

std::wstring ReadLog(const std::wstring& path)
{
    std::wstring strLog;
    const HANDLE hLog =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                      OPEN_EXISTING, 0, NULL);
    if (hLog == INVALID_HANDLE_VALUE)
        return strLog;
    strLog.resize(::GetFileSize(hLog, NULL) / sizeof(wchar_t));
    DWORD nRead = 0;
    ::ReadFile(hLog, strLog.data(), strLog.size() * sizeof(wchar_t), &nRead, NULL);
    ::CloseHandle(hLog);
    return strLog;
}

void Command(HWND hWnd, UINT nID)
{
    ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

// The window that opens over hDlg (a box, a dialog, a menu), sent nMessage
// with wParam and waited for until it is gone.
bool Close(DWORD dwProcessId, HWND hDlg, UINT nMessage, WPARAM wParam)
{
    const HWND hOver = WaitForWindow(dwProcessId, hDlg);
    if (!hOver)
        return false;
    ::PostMessageW(hOver, nMessage, wParam, 0);
    for (int nTries = 0; nTries < 1000 && ::IsWindow(hOver); ++nTries)
        ::Sleep(10);
    return !::IsWindow(hOver);
}

// A drag's source that lets the target see the drag for a few turns of its
// loop, then drops.
class CDropSoon : public IDropSource
{
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override
    {
        *ppvObject = riid == IID_IUnknown || riid == IID_IDropSource ? this : nullptr;
        return *ppvObject ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL, DWORD) override
    {
        return ++m_nTurns < 3 ? S_OK : DRAGDROP_S_DROP;
    }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    int m_nTurns = 0;
};

// The files dragged from this process onto the middle of hWnd through OLE, as
// the shell drags them: the clipboard's data object, holding them.
void DragOnto(HWND hWnd, const std::vector<std::wstring>& files)
{
    WriteClipboardFiles(MakeDrop(files));
    IDataObject* pDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&pDataObject)))
        return;
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    CDropSoon source;
    DWORD dwEffect = DROPEFFECT_NONE;
    ::DoDragDrop(pDataObject, &source, DROPEFFECT_COPY, &dwEffect);
    pDataObject->Release();
}

class PlantingTest : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(::OleInitialize(NULL), S_OK);
        for (const wchar_t* lpszName : PLANTED)
            ASSERT_TRUE(::CopyFileW(VEXLO_PLANTED_DLL,
                                    (m_folder + L"\\" + lpszName + L".dll").c_str(), FALSE));
        ASSERT_TRUE(::CopyFileW(VEXLO_PROGRAM, m_program.c_str(), FALSE));
        for (const std::wstring& file : m_files)
            ::CloseHandle(
                ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
        ::DeleteFileW(m_log.c_str());
        ::SetEnvironmentVariableW(L"VEXLO_PLANT_LOG", m_log.c_str());
        for (const wchar_t* lpszName : PLANTED)
            ::RegSetKeyValueW(HKEY_CURRENT_USER, WINE_OVERRIDES, lpszName, REG_SZ,
                              L"native,builtin", sizeof L"native,builtin");
    }

    void TearDown() override
    {
        ::OleUninitialize();
        ::SetEnvironmentVariableW(L"VEXLO_PLANT_LOG", NULL);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, WINE_OVERRIDES);
        for (const wchar_t* lpszName : PLANTED)
            ::DeleteFileW((m_folder + L"\\" + lpszName + L".dll").c_str());
        for (const std::wstring& file : m_files)
            ::DeleteFileW(file.c_str());
        ::DeleteFileW(m_program.c_str());
        ::DeleteFileW(m_log.c_str());
        ::RemoveDirectoryW(m_folder.c_str());
    }

    const std::wstring m_folder = TempFolder(L"Vexlo ダウンロード");
    const std::wstring m_program = m_folder + L"\\Vexlo.exe";
    const std::wstring m_log = m_folder + L"\\loaded.txt";
    const std::vector<std::wstring> m_files = {m_folder + L"\\b 10.txt", m_folder + L"\\b 2.txt"};
};

// Started elevated (as Wine starts every program) and limited (as Explorer
// starts it under UAC): a drop, a paste of two files, the name order, the path
// box's menu opened and closed, its server form, the info dialog, then Exit.
TEST_P(PlantingTest, LoadsNoDllFromTheProgramsFolder)
{
    const bool bLimited = GetParam();
    const HANDLE hProcess =
        StartProgram((L"\"" + m_program + L"\"").c_str(), bLimited, m_folder.c_str());
    ASSERT_TRUE(hProcess);
    const DWORD dwProcessId = ::GetProcessId(hProcess);
    const HWND hDlg = WaitForWindow(dwProcessId, NULL);
    EXPECT_TRUE(hDlg) << "no window";
    if (hDlg) {
        // Elevated, the window has no OLE target, and Wine neither carries a
        // WM_DROPFILES's handle to another process nor turns a drag over a
        // window without a target into one: the paste reads a drop handle as
        // a drop does.
        if (bLimited) {
            DragOnto(hDlg, {m_files[0]});
            EXPECT_EQ(TextOf(::GetDlgItem(hDlg, IDC_COUNT)), L"1") << "the drop";
        }
        WriteClipboardFiles(MakeDrop(m_files));
        Command(hDlg, ID_EDIT_PASTE);
        Command(hDlg, ID_SORT_BY_NAME);
        ::PostMessageW(hDlg, WM_CONTEXTMENU,
                       reinterpret_cast<WPARAM>(::GetDlgItem(hDlg, IDC_PATHS)), MAKELPARAM(-1, -1));
        EXPECT_TRUE(Close(dwProcessId, hDlg, WM_KEYDOWN, VK_ESCAPE)) << "the menu";
        Command(hDlg, ID_COPY_UNC);
        EXPECT_TRUE(Close(dwProcessId, hDlg, WM_COMMAND, IDOK)) << "the question before the copy";
        Command(hDlg, IDC_INFO);
        EXPECT_TRUE(Close(dwProcessId, hDlg, WM_COMMAND, IDOK)) << "the info dialog";
        EXPECT_EQ(TextOf(::GetDlgItem(hDlg, IDC_COUNT)), L"2") << "the paste";
        Command(hDlg, IDOK);
    }
    EXPECT_EQ(::WaitForSingleObject(hProcess, 20000), WAIT_OBJECT_0);
    ::TerminateProcess(hProcess, 1);
    ::CloseHandle(hProcess);
    EXPECT_EQ(ReadLog(m_log), L"");
}

INSTANTIATE_TEST_SUITE_P(ElevatedAndLimited, PlantingTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Limited" : "Elevated";
                         });
} // namespace
