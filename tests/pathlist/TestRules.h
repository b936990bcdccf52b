#pragma once

#include "pathlist/PathIntake.h"
#include "pathlist/PathList.h"
#include "pathlist/TextCase.h"

#include <string>
#include <vector>

// Letter case of UTF-16 text for the characters these tests use: ASCII letters
// and é/É, which lie 32 apart. The platform's own mapping is tested under Wine.
class CTestUnicodeCase : public CUnicodeCase
{
public:
    void MakeUpper(std::wstring& text) const override { Shift(text, L'a', L'z', L'é', -32); }
    void MakeLower(std::wstring& text) const override { Shift(text, L'A', L'Z', L'É', +32); }

private:
    static void Shift(std::wstring& text, wchar_t first, wchar_t last, wchar_t accented, int by)
    {
        for (wchar_t& ch : text)
            if ((ch >= first && ch <= last) || ch == accented)
                ch = static_cast<wchar_t>(ch + by);
    }
};

// An intake of the given names (ANSI forms empty unless given), counting what
// it is asked; it may claim more items than it holds, for a refusal.
class CTestIntake : public CPathIntake
{
public:
    explicit CTestIntake(std::vector<std::wstring> exact, std::vector<std::string> ansi = {})
        : m_exact(std::move(exact)), m_ansi(std::move(ansi)), m_nCount(unsigned(m_exact.size()))
    {
        m_ansi.resize(m_exact.size());
    }
    CTestIntake(unsigned nClaimed) : m_nCount(nClaimed) {}

    unsigned GetCount() const override { return m_nCount; }
    std::wstring_view GetExactName(unsigned i) override { return ++m_nFetched, m_exact.at(i); }
    std::string_view GetAnsiName(unsigned i) override { return ++m_nFetched, m_ansi.at(i); }

    int m_nFetched = 0;

private:
    std::vector<std::wstring> m_exact;
    std::vector<std::string> m_ansi;
    unsigned m_nCount;
};

// The ANSI list as shown in case mode `nCaseMode`; the list is left in its own.
inline std::string AnsiTextInCase(CPathList& list, CPathList::CaseMode nCaseMode)
{
    const CPathList::CaseMode nOwn = list.GetCaseMode();
    while (list.GetCaseMode() != nCaseMode)
        list.CycleCase();
    const std::string text = list.GetAnsiText();
    while (list.GetCaseMode() != nOwn)
        list.CycleCase();
    return text;
}
