#pragma once

#include "pathlist/PathIntake.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

// Whether pfnIsReadable passes the bytes of a block of global memory that another
// program handed over; false for a handle that is no such block.
bool IsReadableGlobal(HGLOBAL hData, bool (*pfnIsReadable)(const void* pBlock, size_t nBytes));

// A drop handle is what another program hands the window, by a drop or on
// the clipboard: whether its block holds a list the shell reads without
// leaving it. Nothing else may be asked of a handle that fails.
bool IsReadableDrop(HDROP hDrop);

// The items of a readable drop handle, as the shell reads them: each path
// whole, however long (its length asked first), and no more than the handle
// gave; the ANSI form is the shell's own (DragQueryFileA).
class CDropIntake : public CPathIntake
{
public:
    explicit CDropIntake(HDROP hDrop) : m_hDrop(hDrop) {}

    unsigned GetCount() const override;
    std::wstring_view GetExactName(unsigned index) override;
    std::string_view GetAnsiName(unsigned index) override;

private:
    HDROP m_hDrop;
    std::wstring m_strExactName;
    std::string m_strAnsiName;
};
