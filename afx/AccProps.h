#pragma once

#include <windows.h>

#include <oleacc.h>

// Properties of a window's accessible object that the window itself cannot
// tell a screen reader, set for its client object through Active
// Accessibility's dynamic annotation (IAccPropServices); Windows' proxies of
// the standard controls answer with them in place of their own. The service
// is made at the first property set, so that oleacc.dll costs the program's
// start nothing: COM loads it from the system folder, where Windows registers
// the service. Where COM is not initialised or the service is missing,
// nothing is set and nothing fails.
class CAccProps
{
public:
    CAccProps() = default;
    ~CAccProps();
    CAccProps(const CAccProps&) = delete;
    CAccProps& operator=(const CAccProps&) = delete;

    // The name a screen reader says for the window, in place of its text.
    void SetName(HWND hWnd, LPCWSTR lpszName);
    // UI Automation's LiveSetting of the window, a live region's politeness:
    // how a screen reader reads out the changes the program signals.
    void SetLiveSetting(HWND hWnd, LONG nLiveSetting);

private:
    IAccPropServices* Services();

    IAccPropServices* m_pServices = nullptr;
    bool m_bAsked = false;
};
