#include "tests/support/ClipboardHolder.h"

#include <string>

namespace {
std::string HelperPath()
{
    std::string strPath(MAX_PATH, '\0');
    strPath.resize(::GetModuleFileNameA(NULL, &strPath[0], strPath.size()));
    return strPath.substr(0, strPath.find_last_of('\\') + 1) + "clipboard_holder.exe";
}
} // namespace

CClipboardHolder::CClipboardHolder()
{
    const std::string strId = std::to_string(::GetCurrentProcessId());
    const std::string strReady = "vexlo-clipboard-held-" + strId;
    const std::string strRelease = "vexlo-clipboard-release-" + strId;
    m_hReady = ::CreateEventA(NULL, TRUE, FALSE, strReady.c_str());
    m_hRelease = ::CreateEventA(NULL, TRUE, FALSE, strRelease.c_str());
    std::string strCommand =
        '"' + HelperPath() + "\" " + strReady + " " + strRelease; // CreateProcess writes to it
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (::CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                         &m_process))
        m_bHolding = ::WaitForSingleObject(m_hReady, 10000) == WAIT_OBJECT_0;
}

CClipboardHolder::~CClipboardHolder()
{
    Release();
    if (m_process.hProcess) {
        ::WaitForSingleObject(m_process.hProcess, 10000);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
    ::CloseHandle(m_hReady);
    ::CloseHandle(m_hRelease);
}
