#pragma once

#include "afx/AccProps.h"

// What a screen reader says of the window's count of paths: what it counts,
// then the number the window shows; and, the count being a live region, the
// new number after each intake of files.
class CCountVoice
{
public:
    // Names the count, lpszCount its number, as the window opens where a
    // screen reader runs; elsewhere at the first intake, so that no start
    // loads oleacc.dll for nothing.
    void Introduce(HWND hCount, LPCWSTR lpszCount);
    // Names it anew after an intake and tells a screen reader of the change.
    void Announce(HWND hCount, LPCWSTR lpszCount);

private:
    void Name(HWND hCount, LPCWSTR lpszCount);

    CAccProps m_props;
    bool m_bLiveRegion = false;
};
