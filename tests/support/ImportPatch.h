#pragma once

#include <windows.h>

// While it lives, this executable's import of a function (the program's code
// is linked into it, so its calls go through these imports) points at a
// stand-in instead: how a test makes a platform call fail or watches it.
class CImportPatch
{
public:
    CImportPatch(LPCSTR lpszDll, LPCSTR lpszFunction, void* pfnStandIn);
    ~CImportPatch();
    CImportPatch(const CImportPatch&) = delete;
    CImportPatch& operator=(const CImportPatch&) = delete;

    // False when the executable does not import the function.
    bool IsPatched() const { return m_ppfnSlot != nullptr; }
    // The function itself, for a stand-in that passes calls on.
    void* Real() const { return m_pfnReal; }

private:
    void Point(void* pfn);

    void* m_pfnReal;
    void** m_ppfnSlot;
};

// The real function behind a patch, typed as the stand-in F.
template <class F> F RealOf(const CImportPatch& patch)
{
    return reinterpret_cast<F>(patch.Real());
}
