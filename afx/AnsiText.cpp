#include "afx/AnsiText.h"

#include <windows.h>

std::string AfxToAnsi(std::wstring_view strText)
{
    const int nWide = static_cast<int>(strText.size());
    std::string strAnsi(
        ::WideCharToMultiByte(CP_ACP, 0, strText.data(), nWide, NULL, 0, NULL, NULL), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, strText.data(), nWide, strAnsi.data(),
                          static_cast<int>(strAnsi.size()), NULL, NULL);
    return strAnsi;
}
