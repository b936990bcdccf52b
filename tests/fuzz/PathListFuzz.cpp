// Drives the path list with drops and button presses read from the fuzzer's
// input, once under code page 932 and once under a code page without lead
// bytes, and aborts at the first broken invariant.
//
// Input: a sequence of commands, one byte each (the byte modulo 4):
//   'd' (0)  drop: one byte, the count modulo 100, then that many paths, each
//            ended by a NUL (a path never holds one); missing paths are empty
//   'a' (1)  press the letter-case button
//   'r' (2)  refused drop: one byte, 0 for a count of 100, more for larger ones
//   's' (3)  press the separator button
#include "pathlist/Cp932CodePage.h"
#include "pathlist/PathList.h"
#include "tests/fuzz/Harness.h"
#include "tests/pathlist/TestRules.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Single-byte text whose letter case is that of ASCII alone.
class CSingleByteCodePage : public CCodePage
{
public:
    void MakeUpper(std::string& text) const override { Shift(text, 'a', 'z', 'A' - 'a'); }
    void MakeLower(std::string& text) const override { Shift(text, 'A', 'Z', 'a' - 'A'); }

private:
    static void Shift(std::string& text, char first, char last, int by)
    {
        for (char& c : text)
            if (c >= first && c <= last)
                c = static_cast<char>(c + by);
    }
};

// A drop of the input's paths, as their ANSI names (the exact names the same
// bytes, one unit each), asked for in index order.
class CFuzzIntake : public CPathIntake
{
public:
    explicit CFuzzIntake(const std::vector<std::string>& paths) : m_paths(paths) {}
    // A drop claiming `count` items, whose paths must never be asked for.
    explicit CFuzzIntake(unsigned count) : m_paths(m_none), m_nCount(count) {}

    unsigned GetCount() const override { return m_nCount; }
    std::wstring_view GetExactName(unsigned index) override
    {
        m_exact.assign(m_paths.at(index).begin(), m_paths.at(index).end());
        return m_exact;
    }
    std::string_view GetAnsiName(unsigned index) override
    {
        REQUIRE(index == m_nFetched);
        ++m_nFetched;
        return m_paths.at(index);
    }

    unsigned m_nFetched = 0;

private:
    const std::vector<std::string> m_none;
    const std::vector<std::string>& m_paths;
    unsigned m_nCount = static_cast<unsigned>(m_paths.size());
    std::wstring m_exact;
};

class CInput
{
public:
    CInput(const uint8_t* data, size_t size) : m_next(data), m_end(data + size) {}

    bool AtEnd() const { return m_next == m_end; }
    unsigned char Byte() { return AtEnd() ? 0 : *m_next++; }

    // The bytes up to the next NUL, which is consumed with them.
    std::string Path()
    {
        if (AtEnd())
            return {};
        const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(m_next, 0, m_end - m_next));
        const uint8_t* stop = nul ? nul : m_end;
        std::string path(m_next, stop);
        m_next = nul ? nul + 1 : m_end;
        return path;
    }

private:
    const uint8_t* m_next;
    const uint8_t* m_end;
};

// Which bytes of `text` start a character, walking by the code page's lead
// bytes the way the list itself does: a lead byte at the very end stands alone.
std::vector<bool> CharacterStarts(const CCodePage& codePage, const std::string& text)
{
    std::vector<bool> starts(text.size(), false);
    for (size_t i = 0; i < text.size(); ++i) {
        starts[i] = true;
        if (codePage.IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ++i;
    }
    return starts;
}

bool IsSingleByteAt(const std::vector<bool>& starts, size_t i)
{
    return starts[i] && (i + 1 == starts.size() || starts[i + 1]);
}

char AsciiCase(char c, int nCaseMode)
{
    if (nCaseMode == CPathList::CASE_UPPER && c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if (nCaseMode == CPathList::CASE_LOWER && c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    return c;
}

class CHarness
{
public:
    explicit CHarness(const CCodePage& codePage) : m_codePage(codePage), m_list(codePage, m_case) {}

    void Run(CInput input)
    {
        CheckState();
        while (!input.AtEnd()) {
            switch (input.Byte() % 4) {
            case 0:
                Drop(input);
                break;
            case 1:
                PressCase();
                break;
            case 2:
                RefuseDrop(input.Byte());
                break;
            default:
                PressSeparator();
                break;
            }
            CheckState();
        }
    }

private:
    // The shell never gives a "/" as a character of a path; only as the trail
    // byte of a pair may one reach the list.
    std::string AsShellGivesIt(std::string path) const
    {
        const std::vector<bool> starts = CharacterStarts(m_codePage, path);
        for (size_t i = 0; i < path.size(); ++i)
            if (IsSingleByteAt(starts, i) && path[i] == '/')
                path[i] = '\\';
        return path;
    }

    void Drop(CInput& input)
    {
        const unsigned count = input.Byte() % (CPathList::MAX_DROP_COUNT + 1);
        std::vector<std::string> paths;
        std::string joined;
        for (unsigned i = 0; i < count; ++i) {
            paths.push_back(AsShellGivesIt(input.Path()));
            joined += (i ? "\r\n" : "") + paths.back();
        }
        CFuzzIntake intake(paths);
        REQUIRE(m_list.AcceptDrop(intake));
        REQUIRE(intake.m_nFetched == count);
        REQUIRE(Paths() == joined);
        REQUIRE(m_list.GetSlashMode() == 0);
        REQUIRE(m_list.GetCaseMode() == 0);
        m_countText = std::to_string(count);
    }

    void RefuseDrop(unsigned char size)
    {
        // 0 is the smallest refused count; the rest spread up to near UINT_MAX.
        const unsigned count =
            CPathList::MAX_DROP_COUNT + 1 + size * ((UINT_MAX - CPathList::MAX_DROP_COUNT) / 256);
        const std::string paths = Paths();
        const int nSlashMode = m_list.GetSlashMode();
        const int nCaseMode = m_list.GetCaseMode();
        CFuzzIntake intake(count);
        REQUIRE(!m_list.AcceptDrop(intake));
        REQUIRE(Paths() == paths);
        REQUIRE(m_list.GetSlashMode() == nSlashMode);
        REQUIRE(m_list.GetCaseMode() == nCaseMode);
    }

    void PressCase()
    {
        const std::string paths = Paths();
        const int nSlashMode = m_list.GetSlashMode();
        const int nNext = (m_list.GetCaseMode() + 1) % 3;
        REQUIRE(m_list.CycleCase() == nNext);
        REQUIRE(m_list.GetCaseMode() == nNext);
        REQUIRE(m_list.GetSlashMode() == nSlashMode);
        REQUIRE(Paths() == paths);
    }

    void PressSeparator()
    {
        const std::string before = Paths();
        const int nSlashMode = m_list.GetSlashMode();
        const int nCaseMode = m_list.GetCaseMode();
        const char from = nSlashMode == CPathList::SLASH_AS_GIVEN ? '\\' : '/';
        const char to = nSlashMode == CPathList::SLASH_AS_GIVEN ? '/' : '\\';

        m_list.ToggleSlashes();
        const std::string after = Paths();
        REQUIRE(m_list.GetSlashMode() == 1 - nSlashMode);
        REQUIRE(m_list.GetCaseMode() == nCaseMode);
        REQUIRE(after.size() == before.size());
        const std::vector<bool> starts = CharacterStarts(m_codePage, before);
        REQUIRE(CharacterStarts(m_codePage, after) == starts);
        for (size_t i = 0; i < before.size(); ++i) {
            if (IsSingleByteAt(starts, i))
                REQUIRE(after[i] == before[i] || (before[i] == from && after[i] == to));
            else
                REQUIRE(after[i] == before[i]); // either byte of a pair
        }

        // A second press restores the list byte for byte; a third brings the
        // state this press made back, so the command sequence goes on from it.
        m_list.ToggleSlashes();
        REQUIRE(Paths() == before);
        m_list.ToggleSlashes();
        REQUIRE(Paths() == after);
    }

    std::string Shown(CPathList::CaseMode nCaseMode) { return AnsiTextInCase(m_list, nCaseMode); }
    std::string Paths() { return Shown(CPathList::CASE_AS_STORED); }

    void CheckState()
    {
        REQUIRE(m_list.GetSlashMode() >= 0 && m_list.GetSlashMode() <= 1);
        REQUIRE(m_list.GetCaseMode() >= 0 && m_list.GetCaseMode() <= 2);
        REQUIRE(std::wstring(m_list.GetCountText()) ==
                std::wstring(m_countText.begin(), m_countText.end()));

        const std::string paths = Paths();
        const std::vector<bool> starts = CharacterStarts(m_codePage, paths);
        // After a drop or an even number of separator presses no "/" is a
        // character of the list; after an odd number no "\" is.
        const char absent = m_list.GetSlashMode() == CPathList::SLASH_AS_GIVEN ? '/' : '\\';
        for (size_t i = 0; i < paths.size(); ++i)
            REQUIRE(!IsSingleByteAt(starts, i) || paths[i] != absent);

        REQUIRE(Shown(CPathList::CASE_AS_STORED) == paths);
        for (CPathList::CaseMode nCaseMode : {CPathList::CASE_UPPER, CPathList::CASE_LOWER}) {
            const std::string shown = Shown(nCaseMode);
            REQUIRE(shown.size() == paths.size());
            // A character changes case whole: it keeps its width, and a
            // single-byte one changes only as an ASCII letter.
            REQUIRE(CharacterStarts(m_codePage, shown) == starts);
            for (size_t i = 0; i < paths.size(); ++i)
                REQUIRE(!IsSingleByteAt(starts, i) || shown[i] == AsciiCase(paths[i], nCaseMode));
        }
    }

    const CCodePage& m_codePage;
    const CTestUnicodeCase m_case;
    CPathList m_list;
    std::string m_countText = "0";
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CCp932CodePage cp932;
    static const CSingleByteCodePage singleByte;
    CHarness(cp932).Run(CInput(data, size));
    CHarness(singleByte).Run(CInput(data, size));
    return 0;
}
