#include "afx/LoadString.h"

#include "afx/WinApp.h"

std::string AfxLoadString(UINT nID)
{
    // LoadStringA cannot report a length up front: grow until the text fits.
    // A cut text can end one byte short of the buffer, where a double-byte
    // character did not fit, so only two spare bytes prove it whole.
    std::string str(256, '\0');
    for (;;) {
        const int nSize = static_cast<int>(str.size());
        const int nLength = ::LoadStringA(AfxGetResourceHandle(), nID, &str[0], nSize + 1);
        if (nLength < nSize - 1) {
            str.resize(nLength);
            return str;
        }
        str.resize(str.size() * 2);
    }
}
