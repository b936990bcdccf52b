#pragma once

#include "app/UnicodeIntake.h"

#include <windows.h>

#include <shlobj.h>

// The items of a "Shell IDList Array" (a CIDA), each its parent folder's ID
// list and its own combined: the file-system path, whole however long, or for
// an item with none (inside a ZIP folder, a library, "PC") the name the
// shell's "パスのコピー" gives, its desktop-absolute parsing name. The count is
// the block's; an item the shell cannot name has an empty name.
class CIdListIntake : public CUnicodeIntake
{
public:
    // The handle comes from a drop's data object or the clipboard: opened,
    // and its block held locked while this lives, only if it holds item ID
    // lists the shell reads without leaving it, of one item at least that the
    // shell can name (looked for up to the list's limit); an array of none
    // holds no files.
    explicit CIdListIntake(HGLOBAL hIdLists);
    ~CIdListIntake() override;
    CIdListIntake(const CIdListIntake&) = delete;
    CIdListIntake& operator=(const CIdListIntake&) = delete;

    // False for a handle that failed: nothing else may be asked of it.
    bool IsOpen() const { return m_pIdLists != nullptr; }
    unsigned GetCount() const override;

private:
    std::wstring FetchName(unsigned index) override;

    HGLOBAL m_hIdLists;
    const CIDA* m_pIdLists;
};
