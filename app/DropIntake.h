#pragma once

#include "pathlist/PathIntake.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

// The items of a drop handle, as the shell reads them: each path whole,
// however long (its length asked first), and no more than the handle gave;
// the ANSI form is the shell's own (DragQueryFileA).
class CDropIntake : public CPathIntake
{
public:
    // A drop handle is what another program hands the window, by a drop or
    // on the clipboard: opened only if its block holds a list the shell reads
    // without leaving it, and a name in it; a list of none holds no files.
    explicit CDropIntake(HDROP hDrop);

    // False for a handle that failed: nothing else may be asked of it.
    bool IsOpen() const { return m_bOpen; }
    unsigned GetCount() const override;
    std::wstring_view GetExactName(unsigned index) override;
    std::string_view GetAnsiName(unsigned index) override;

private:
    HDROP m_hDrop;
    bool m_bOpen;
    std::wstring m_strExactName;
    std::string m_strAnsiName;
};
