#pragma once

#include "pathlist/NameOrder.h"
#include "pathlist/PathIntake.h"
#include "pathlist/PathList.h"
#include "pathlist/TextCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
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

// The platform's rules for names, for the characters these tests use: names
// in code-unit order; one name whatever the case of its ASCII and full-width
// Latin letters; folders a fixed set, every question of them kept.
class CTestNameRules : public CNameOrderRules
{
public:
    explicit CTestNameRules(std::set<std::wstring> folders = {}) : m_folders(std::move(folders)) {}

    int Compare(const std::wstring& a, const std::wstring& b) const override
    {
        return a.compare(b);
    }
    bool IsSameName(std::wstring_view a, std::wstring_view b) const override
    {
        const auto upper = [](wchar_t ch) {
            const bool lower = (ch >= L'a' && ch <= L'z') || (ch >= L'ａ' && ch <= L'ｚ');
            return lower ? wchar_t(ch - 32) : ch;
        };
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [&](wchar_t x, wchar_t y) { return upper(x) == upper(y); });
    }
    bool IsFolder(const std::wstring& exactPath) const override
    {
        m_asked.push_back(exactPath);
        return m_folders.count(exactPath) != 0;
    }

    mutable std::vector<std::wstring> m_asked;

private:
    std::set<std::wstring> m_folders;
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

// Rows of a line and what a form of one line makes of it.
inline void ExpectLines(std::wstring (*form)(std::wstring_view),
                        const std::vector<std::vector<std::wstring>>& rows)
{
    for (const auto& row : rows)
        EXPECT_EQ(form(row[0]), row[1]) << testing::PrintToString(row[0]);
}
