#include "LoadString.h"

#include "WinApp.h"

std::string AfxLoadString(UINT nID)
{
    // LoadStringA cannot report a length up front: grow until the text fits
    // with room to spare.
    std::string str(256, '\0');
    for (;;) {
        const int nLength =
            ::LoadStringA(AfxGetResourceHandle(), nID, &str[0], static_cast<int>(str.size()) + 1);
        if (nLength < static_cast<int>(str.size())) {
            str.resize(nLength);
            return str;
        }
        str.resize(str.size() * 2);
    }
}
