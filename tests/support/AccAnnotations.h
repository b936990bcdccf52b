#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

// While it lives, the annotation service that CoCreateInstance makes for
// CLSID_AccPropServices in this process is this recorder: what the program
// annotates on windows' client objects is kept here to be read back. Wine's
// own service keeps nothing (its methods answer E_NOTIMPL); Windows' proxies
// answer with the annotations in place of their own properties. COM must be
// initialised on the thread.
class CAccAnnotations
{
public:
    CAccAnnotations();
    ~CAccAnnotations();
    CAccAnnotations(const CAccAnnotations&) = delete;
    CAccAnnotations& operator=(const CAccAnnotations&) = delete;

    bool IsRegistered() const { return m_dwCookie != 0; }

    // The last string annotated for hWnd's client object's property; NULL
    // when none was.
    const std::wstring* FindString(HWND hWnd, const GUID& prop) const;
    // The last number (VT_I4) annotated, or -1.
    LONG GetNumber(HWND hWnd, const GUID& prop) const;
    // How many times the property was annotated.
    int Count(HWND hWnd, const GUID& prop) const;
    // How many times the service was made.
    int Instances() const;

private:
    DWORD m_dwCookie = 0;
};
