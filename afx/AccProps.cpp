#include "afx/AccProps.h"

namespace {
// UIAutomationClient.h's, which the toolchain's headers lack.
constexpr GUID LIVE_SETTING_PROPERTY = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
} // namespace

CAccProps::~CAccProps()
{
    if (m_pServices)
        m_pServices->Release();
}

void CAccProps::SetName(HWND hWnd, LPCWSTR lpszName)
{
    if (IAccPropServices* pServices = Services())
        pServices->SetHwndPropStr(hWnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, lpszName);
}

void CAccProps::SetLiveSetting(HWND hWnd, LONG nLiveSetting)
{
    // Filled by hand: VariantInit would import OLEAUT32.
    VARIANT var = {};
    var.vt = VT_I4;
    var.lVal = nLiveSetting;
    if (IAccPropServices* pServices = Services())
        pServices->SetHwndProp(hWnd, OBJID_CLIENT, CHILDID_SELF, LIVE_SETTING_PROPERTY, var);
}

IAccPropServices* CAccProps::Services()
{
    if (!m_bAsked) {
        m_bAsked = true;
        // Leaves the pointer NULL when it fails.
        ::CoCreateInstance(CLSID_AccPropServices, NULL, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                           reinterpret_cast<void**>(&m_pServices));
    }
    return m_pServices;
}
