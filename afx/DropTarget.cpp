#include "afx/DropTarget.h"

#include "afx/Clipboard.h"

namespace {
// Whether the process runs as the elevated half of a split token (UAC on, run
// as administrator), where the shell runs below it. An elevated token of the
// default type (UAC off, or the built-in Administrator) has the shell at its
// own level. Not when that cannot be told.
bool IsAboveTheShell()
{
    HANDLE hToken;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &hToken))
        return false;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD nBytes;
    const bool bFull =
        ::GetTokenInformation(hToken, TokenElevationType, &type, sizeof type, &nBytes) &&
        type == TokenElevationTypeFull;
    ::CloseHandle(hToken);
    return bFull;
}

// nFormat's data as a whole, in global memory.
FORMATETC GlobalFormat(UINT nFormat)
{
    return {static_cast<CLIPFORMAT>(nFormat), NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool HasGlobalData(IDataObject* pDataObject, UINT nFormat)
{
    FORMATETC format = GlobalFormat(nFormat);
    return pDataObject->QueryGetData(&format) == S_OK;
}

bool HasFiles(IDataObject* pDataObject)
{
    return HasGlobalData(pDataObject, CF_HDROP) ||
           HasGlobalData(pDataObject, AfxGetShellIdListFormat());
}
} // namespace

BOOL COleDropTarget::Register(CWnd* pWnd, IDropDataSink* pSink)
{
    if (IsAboveTheShell() || FAILED(::RegisterDragDrop(pWnd->m_hWnd, this)))
        return FALSE;
    m_pWnd = pWnd;
    m_pSink = pSink;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_pWnd)
        return;
    ::RevokeDragDrop(m_pWnd->m_hWnd);
    // A source may still hold a proxy of the target: its calls now fail
    // instead of reaching an object that goes with the window.
    ::CoDisconnectObject(static_cast<IDropTarget*>(this), 0);
    m_pWnd = nullptr;
    m_pSink = nullptr;
}

STDMETHODIMP COleDropTarget::QueryInterface(REFIID riid, void** ppvObject)
{
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *ppvObject = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropTarget::AddRef()
{
    return ++m_nRefs;
}

STDMETHODIMP_(ULONG) COleDropTarget::Release()
{
    return --m_nRefs;
}

// While a question or the info dialog is open over the window, the cursor
// says no instead of the drop being swallowed.
DWORD COleDropTarget::Effect(bool bFiles, DWORD dwAllowed) const
{
    if (!bFiles || !m_pWnd->IsWindowEnabled())
        return DROPEFFECT_NONE;
    if (dwAllowed & DROPEFFECT_COPY)
        return DROPEFFECT_COPY;
    return dwAllowed & DROPEFFECT_LINK;
}

STDMETHODIMP COleDropTarget::DragEnter(IDataObject* pDataObject, DWORD, POINTL, DWORD* pdwEffect)
{
    m_bFiles = HasFiles(pDataObject);
    *pdwEffect = Effect(m_bFiles, *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::DragOver(DWORD, POINTL, DWORD* pdwEffect)
{
    *pdwEffect = Effect(m_bFiles, *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::DragLeave()
{
    m_bFiles = false;
    return S_OK;
}

STDMETHODIMP COleDropTarget::Drop(IDataObject* pDataObject, DWORD, POINTL, DWORD* pdwEffect)
{
    m_bFiles = false;
    *pdwEffect = Effect(HasFiles(pDataObject), *pdwEffect);
    // A drop the window took nothing from is refused. Wine then posts the
    // same files again as WM_DROPFILES to a window that accepts those: the
    // window must refuse that message as it refused this drop, and must not
    // refuse a drop it has taken or answered.
    if (*pdwEffect != DROPEFFECT_NONE && !m_pSink->OnDropData(pDataObject))
        *pdwEffect = DROPEFFECT_NONE;
    return S_OK;
}

HANDLE COleDataObject::GetData(UINT nFormat)
{
    ReleaseData();
    FORMATETC format = GlobalFormat(nFormat);
    if (FAILED(m_pDataObject->GetData(&format, &m_medium))) {
        m_medium = {};
        return NULL;
    }
    return m_medium.tymed == TYMED_HGLOBAL ? m_medium.hGlobal : NULL;
}

void COleDataObject::ReleaseData()
{
    if (m_medium.tymed != TYMED_NULL)
        ::ReleaseStgMedium(&m_medium);
    m_medium = {};
}
