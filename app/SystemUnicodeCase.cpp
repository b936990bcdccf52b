#include "app/SystemUnicodeCase.h"

#include <windows.h>

void CSystemUnicodeCase::MakeUpper(std::wstring& text) const
{
    ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
}

void CSystemUnicodeCase::MakeLower(std::wstring& text) const
{
    ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
}
