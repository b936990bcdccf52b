#pragma once

#include "afx/Wnd.h"

#include <ole2.h>

// OLE on this thread while it lives, for a drop target's window. Made before
// the window and gone after it.
class COleInit
{
public:
    COleInit() : m_bInit(SUCCEEDED(::OleInitialize(NULL))) {}
    ~COleInit()
    {
        if (m_bInit)
            ::OleUninitialize();
    }
    COleInit(const COleInit&) = delete;
    COleInit& operator=(const COleInit&) = delete;

private:
    bool m_bInit;
};

// What a drop target hands the data of the drops it lets through.
class IDropDataSink
{
public:
    // Whether the drop was taken: a drop nothing was taken from is refused.
    virtual BOOL OnDropData(IDataObject* pDataObject) = 0;

protected:
    ~IDropDataSink() = default;
};

// Makes a window a drop target of files through OLE: a drag whose data holds
// them, as a drop handle (CF_HDROP) or as the shell's item ID lists ("Shell
// IDList Array", which the shell gives where it can make no drop handle, for
// paths past 259 characters), is offered a copy while the window is enabled,
// and its data object goes to the sink. Never a move: the source would delete
// what it believes was moved.
//
// The window lives inside this object's registration: Register once it is
// made, Revoke before it goes. The object is the window's member, not
// counted out of existence: OLE's references end with Revoke.
class COleDropTarget : public IDropTarget
{
public:
    COleDropTarget() = default;
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // Registers pWnd, on a thread where OLE is initialised, its drops' data
    // going to pSink, unless the program runs elevated above the shell: OLE
    // takes no drop from a program of lower integrity, and drops then come as
    // WM_DROPFILES (CWnd::DragAcceptFiles). FALSE when not registered.
    BOOL Register(CWnd* pWnd, IDropDataSink* pSink);
    void Revoke();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP DragEnter(IDataObject* pDataObject, DWORD grfKeyState, POINTL pt,
                           DWORD* pdwEffect) override;
    STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* pDataObject, DWORD grfKeyState, POINTL pt,
                      DWORD* pdwEffect) override;

private:
    DWORD Effect(bool bFiles, DWORD dwAllowed) const;

    CWnd* m_pWnd = nullptr;
    IDropDataSink* m_pSink = nullptr;
    ULONG m_nRefs = 0;
    // Whether the data of the drag over the window holds files.
    bool m_bFiles = false;
};

// A drop's data object, asked for its data by format as the clipboard is.
class COleDataObject
{
public:
    explicit COleDataObject(IDataObject* pDataObject) : m_pDataObject(pDataObject) {}
    ~COleDataObject() { ReleaseData(); }
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // The data in nFormat as global memory, if the object gives it so;
    // valid until the next call or until this object goes.
    HANDLE GetData(UINT nFormat);

private:
    void ReleaseData();

    IDataObject* m_pDataObject;
    STGMEDIUM m_medium = {};
};
