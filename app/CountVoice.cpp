#include "app/CountVoice.h"

#include "afx/LoadString.h"
#include "res/resource.h"

#include <string>

namespace {
// UI Automation's LiveSetting: changes are read out once the reader is idle.
constexpr LONG POLITE = 1;
} // namespace

void CCountVoice::Introduce(HWND hCount, LPCWSTR lpszCount)
{
    // Screen readers say they run, so that programs put in words what they
    // otherwise only show.
    BOOL bScreenReader = FALSE;
    if (::SystemParametersInfoW(SPI_GETSCREENREADER, 0, &bScreenReader, 0) && bScreenReader)
        Name(hCount, lpszCount);
}

void CCountVoice::Name(HWND hCount, LPCWSTR lpszCount)
{
    m_props.SetName(hCount, (AfxLoadString(IDS_COUNT_NAME) + lpszCount).c_str());
    // An annotation signals nothing by itself.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hCount, OBJID_CLIENT, CHILDID_SELF);
}

void CCountVoice::Announce(HWND hCount, LPCWSTR lpszCount)
{
    if (!m_bLiveRegion) {
        m_props.SetLiveSetting(hCount, POLITE);
        m_bLiveRegion = true;
    }
    Name(hCount, lpszCount);
    // Windows 10 1709 and later read out the live region's new name; older
    // systems know no such event and pass it by.
    ::NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hCount, OBJID_CLIENT, CHILDID_SELF);
}
