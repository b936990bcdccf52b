#pragma once

#include <windows.h>

// Another process holding the clipboard open, from construction until
// destruction or Release: the helper program clipboard_holder, built beside
// the test binary.
class CClipboardHolder
{
public:
    CClipboardHolder();
    ~CClipboardHolder();
    CClipboardHolder(const CClipboardHolder&) = delete;
    CClipboardHolder& operator=(const CClipboardHolder&) = delete;

    bool IsHolding() const { return m_bHolding; }
    void Release() { ::SetEvent(m_hRelease); }

private:
    HANDLE m_hReady;
    HANDLE m_hRelease;
    PROCESS_INFORMATION m_process = {};
    bool m_bHolding = false;
};
