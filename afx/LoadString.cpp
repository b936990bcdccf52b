#include "afx/LoadString.h"

#include "afx/ResourceHandle.h"

std::wstring AfxLoadString(UINT nID)
{
    // Asked for no buffer, LoadStringW hands out the resource's own text and
    // its length: no guessing a size, nothing cut.
    const wchar_t* pText = nullptr;
    const int nLength =
        ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    return std::wstring(pText, nLength > 0 ? nLength : 0);
}
