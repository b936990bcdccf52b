#pragma once

#include "app/UnicodeIntake.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

// Whether the block of a "Shell IDList Array" handle (a CIDA, from a drop's
// data object or the clipboard) holds item ID lists the shell reads without
// leaving it. Nothing else may be asked of a handle that fails.
bool IsReadableIdLists(HGLOBAL hIdLists);

// The items of a readable "Shell IDList Array", each its parent folder's ID
// list and its own combined: the file-system path, whole however long, or for
// an item with none (inside a ZIP folder, a library, "PC") the name the
// shell's "パスのコピー" gives, its desktop-absolute parsing name. The count is
// the block's; an item the shell cannot name has an empty name.
class CIdListIntake : public CUnicodeIntake
{
public:
    // Holds hIdLists locked while it lives.
    explicit CIdListIntake(HGLOBAL hIdLists);
    ~CIdListIntake() override;
    CIdListIntake(const CIdListIntake&) = delete;
    CIdListIntake& operator=(const CIdListIntake&) = delete;

    unsigned GetCount() const override;
    std::wstring_view GetExactName(unsigned index) override;

private:
    HGLOBAL m_hIdLists;
    const CIDA* m_pIdLists;
    std::wstring m_strName;
};
