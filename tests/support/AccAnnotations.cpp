#include "tests/support/AccAnnotations.h"

#include <cstring>
#include <map>

namespace {
// One property of one window's client object.
struct Key
{
    HWND hWnd;
    GUID prop;

    bool operator<(const Key& other) const
    {
        return hWnd != other.hWnd ? hWnd < other.hWnd
                                  : std::memcmp(&prop, &other.prop, sizeof prop) < 0;
    }
};

struct CRecord
{
    std::map<Key, std::wstring> strings;
    std::map<Key, LONG> numbers;
    std::map<Key, int> counts;
    int nInstances = 0;
} g_record;

// A COM object of interface I (whose IID is iid) that lives as long as the
// process: it counts no references.
template <class I, const IID& iid> class CStatic : public I
{
public:
    HRESULT WINAPI QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == iid ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }
};

// The service: records the window properties annotated, refuses the rest.
class CServices final : public CStatic<IAccPropServices, IID_IAccPropServices>
{
public:
    HRESULT WINAPI SetHwndProp(HWND hwnd, DWORD idObject, DWORD idChild, MSAAPROPID idProp,
                               VARIANT var) override
    {
        if (idObject != static_cast<DWORD>(OBJID_CLIENT) || idChild != CHILDID_SELF ||
            var.vt != VT_I4)
            return E_INVALIDARG;
        g_record.numbers[{hwnd, idProp}] = var.lVal;
        ++g_record.counts[{hwnd, idProp}];
        return S_OK;
    }
    HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD idObject, DWORD idChild, MSAAPROPID idProp,
                                  LPCWSTR str) override
    {
        if (idObject != static_cast<DWORD>(OBJID_CLIENT) || idChild != CHILDID_SELF || !str)
            return E_INVALIDARG;
        g_record.strings[{hwnd, idProp}] = str;
        ++g_record.counts[{hwnd, idProp}];
        return S_OK;
    }

    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHwndProps(HWND, DWORD, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override
    {
        return E_NOTIMPL;
    }
} g_services;

class CFactory final : public CStatic<IClassFactory, IID_IClassFactory>
{
public:
    HRESULT WINAPI CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (pOuter)
            return CLASS_E_NOAGGREGATION;
        ++g_record.nInstances;
        return g_services.QueryInterface(riid, ppv);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }
} g_factory;

template <class Map>
const typename Map::mapped_type* Find(const Map& map, HWND hWnd, const GUID& prop)
{
    const auto it = map.find({hWnd, prop});
    return it != map.end() ? &it->second : nullptr;
}
} // namespace

CAccAnnotations::CAccAnnotations()
{
    g_record = {};
    if (FAILED(::CoRegisterClassObject(CLSID_AccPropServices, &g_factory, CLSCTX_INPROC_SERVER,
                                       REGCLS_MULTIPLEUSE, &m_dwCookie)))
        m_dwCookie = 0;
}

CAccAnnotations::~CAccAnnotations()
{
    if (m_dwCookie)
        ::CoRevokeClassObject(m_dwCookie);
}

const std::wstring* CAccAnnotations::FindString(HWND hWnd, const GUID& prop) const
{
    return Find(g_record.strings, hWnd, prop);
}

LONG CAccAnnotations::GetNumber(HWND hWnd, const GUID& prop) const
{
    const LONG* pNumber = Find(g_record.numbers, hWnd, prop);
    return pNumber ? *pNumber : -1;
}

int CAccAnnotations::Count(HWND hWnd, const GUID& prop) const
{
    const int* pCount = Find(g_record.counts, hWnd, prop);
    return pCount ? *pCount : 0;
}

int CAccAnnotations::Instances() const
{
    return g_record.nInstances;
}
