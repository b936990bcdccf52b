#pragma once

#include <windows.h>

#include <string>

// The clipboard, open while this lives. Another program may hold it for a
// moment: waits for it up to about a second, keeping the windows painted.
class CClipboard
{
public:
    explicit CClipboard(HWND hWndOwner);
    ~CClipboard();
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;

    // False when another program kept it.
    bool IsOpen() const { return m_bOpen; }
    // The data in nFormat, if any. The clipboard owns it: valid while open.
    HANDLE GetData(UINT nFormat) const { return ::GetClipboardData(nFormat); }

private:
    bool m_bOpen;
};

// The clipboard format of the shell's item ID lists ("Shell IDList Array",
// a CIDA), which the shell gives for files beside or instead of CF_HDROP.
UINT AfxGetShellIdListFormat();

enum ClipboardWrite
{
    CLIPBOARD_WRITTEN,
    // Another program kept it: nothing changed.
    CLIPBOARD_BUSY,
    // It could not be handed the data: it holds none of the text.
    CLIPBOARD_FAILED
};

// The clipboard format of HTML ("HTML Format", CF_HTML): UTF-8 with a header
// of its offsets, which mail and chat programs paste as formatted text.
UINT AfxGetHtmlFormat();

// Puts text on the clipboard in one opening of it, replacing what was there:
// as UTF-16 (CF_UNICODETEXT), as strAnsiText in the ANSI code page (CF_TEXT),
// and the locale whose ANSI code page that is (CF_LOCALE), so that no reader
// converts by another; beside it strHtml as "HTML Format", where not empty.
ClipboardWrite AfxSetClipboardText(HWND hWndOwner, const std::wstring& strText,
                                   const std::string& strAnsiText,
                                   const std::string& strHtml = std::string());