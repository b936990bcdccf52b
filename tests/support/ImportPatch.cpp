#include "tests/support/ImportPatch.h"

namespace {
// The slot of this executable's import address table that holds pfn.
void** FindImport(void* pfn)
{
    auto* const pBase = reinterpret_cast<BYTE*>(::GetModuleHandleA(NULL));
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* pDll =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress);
         pfn && pDll->Name; ++pDll) {
        for (auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->FirstThunk);
             pSlot->u1.Function; ++pSlot) {
            if (reinterpret_cast<void*>(pSlot->u1.Function) == pfn)
                return reinterpret_cast<void**>(&pSlot->u1.Function);
        }
    }
    return nullptr;
}
} // namespace

CImportPatch::CImportPatch(LPCSTR lpszDll, LPCSTR lpszFunction, void* pfnStandIn)
    : m_pfnReal(
          reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA(lpszDll), lpszFunction))),
      m_ppfnSlot(FindImport(m_pfnReal))
{
    Point(pfnStandIn);
}

CImportPatch::~CImportPatch()
{
    Point(m_pfnReal);
}

void CImportPatch::Point(void* pfn)
{
    DWORD dwProtect;
    if (!m_ppfnSlot || !::VirtualProtect(m_ppfnSlot, sizeof(void*), PAGE_READWRITE, &dwProtect))
        return;
    *m_ppfnSlot = pfn;
    ::VirtualProtect(m_ppfnSlot, sizeof(void*), dwProtect, &dwProtect);
}
