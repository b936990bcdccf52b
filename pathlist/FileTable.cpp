#include "pathlist/FileTable.h"

#include "pathlist/PathForms.h"

// The tens first, then the last digit. A 32-bit program divides a 16-bit
// part at a time from the top: it has no 64-bit division of its own.
void AppendNumber(std::wstring& text, std::uint64_t n, unsigned nWidth)
{
    std::uint64_t nTens;
    unsigned nDigit;
    if constexpr (sizeof(void*) < 8) {
        const std::uint32_t nHigh = static_cast<std::uint32_t>(n >> 32);
        std::uint32_t nPart = (nHigh % 10) << 16 | static_cast<std::uint32_t>(n) >> 16;
        const std::uint32_t nMiddle = nPart / 10;
        nPart = (nPart % 10) << 16 | (static_cast<std::uint32_t>(n) & 0xFFFF);
        nTens = static_cast<std::uint64_t>(nHigh / 10) << 32 | nMiddle << 16 | nPart / 10;
        nDigit = nPart % 10;
    } else {
        nTens = n / 10;
        nDigit = static_cast<unsigned>(n % 10);
    }
    if (nTens > 0 || nWidth > 1)
        AppendNumber(text, nTens, nWidth - (nWidth > 1));
    text += static_cast<wchar_t>(L'0' + nDigit);
}

namespace {

// A time of the table, `yyyy/mm/dd hh:mm:ss`, as spreadsheets keep it: the
// days since 1899-12-30, the time of day their fraction, to ten places; none
// before 1900. A millisecond past the second, still inside the one the file
// system gave, so that a reader that cuts the time at the second it shows
// shows that one.
void AppendSerialTime(std::wstring& html, std::wstring_view time)
{
    // Its six numbers, one character between each two.
    unsigned parts[6] = {};
    for (size_t i = 0, k = 0; i < time.size() && k < 6; ++i) {
        if (time[i] >= L'0' && time[i] <= L'9')
            parts[k] = parts[k] * 10 + (time[i] - L'0');
        else
            ++k;
    }
    if (parts[0] < 1900)
        return;
    // The days since 0000-03-01 (its years begin in March, so that a leap
    // day ends one), less those to 1899-12-30.
    const unsigned nYear = parts[0] - (parts[1] <= 2);
    const unsigned nMonth = parts[1] > 2 ? parts[1] - 3 : parts[1] + 9;
    AppendNumber(html, nYear * 365 + nYear / 4 - nYear / 100 + nYear / 400 +
                           (153 * nMonth + 2) / 5 + parts[2] - 1 - 693899);
    html += L'.';
    // Of a day's milliseconds, digit by digit.
    constexpr unsigned DAY = 86400000;
    unsigned nRest = (parts[3] * 3600 + parts[4] * 60 + parts[5]) * 1000 + 1;
    for (int i = 0; i < 10; ++i) {
        nRest *= 10;
        html += static_cast<wchar_t>(L'0' + nRest / DAY);
        nRest %= DAY;
    }
}

void AppendAscii(std::wstring& html, const char* pszText)
{
    while (*pszText)
        html += static_cast<wchar_t>(*pszText++);
}

// A character of text between tags: `&`, `<` and `>` as entities.
void AppendEscaped(std::wstring& html, wchar_t ch)
{
    if (ch == L'&')
        AppendAscii(html, "&amp;");
    else if (ch == L'<')
        AppendAscii(html, "&lt;");
    else if (ch == L'>')
        AppendAscii(html, "&gt;");
    else
        html += ch;
}

// The starts of a text cell, a size and a time, whose value (sdval) follows.
// LibreOffice reads the number format of `sdnum` (its language, the
// format's, the format: English codes), and takes a cell's digits for a
// number as they are; Excel reads the formats of the style.
constexpr const char* TEXT_CELL = "<td style='mso-number-format:\"\\@\"' sdnum=\"1033;0;@\">";
constexpr const char* SIZE_CELL = "<td style=\"mso-number-format:0\">";
constexpr const char* TIME_CELL = "<td style='mso-number-format:\"yyyy\\/mm\\/dd hh:mm:ss\"' "
                                  "sdnum=\"1033;0;YYYY/MM/DD HH:MM:SS\" sdval=\"";

} // namespace

std::wstring TableRow(std::wstring_view line, const CFileDetails& details, const CTableWords& words)
{
    std::wstring text(line);
    for (wchar_t& ch : text)
        if (ch < L' ')
            ch = L' ';
    // The name and its extension are taken from the path they end. The
    // extension is what NameWithoutExtension cuts off: from the last dot,
    // unless only dots come before it.
    const std::wstring_view name = LastName(text);
    const size_t nName = name.data() - text.data();
    const size_t nDot = name.find_last_of(L'.');
    const size_t nStem =
        name.find_first_not_of(L'.') < nDot && nDot != name.npos ? nDot : name.size();
    (text += L'\t').append(text, nName, name.size()) += L'\t';
    if (details.nKind == CFileDetails::FOLDER)
        text += words.strFolder;
    else if (details.nKind == CFileDetails::FILE)
        text.append(text, nName + nStem, name.size() - nStem);
    text += L'\t';
    if (details.nKind == CFileDetails::FILE)
        AppendNumber(text, details.nSize);
    text += L'\t';
    if (details.nKind != CFileDetails::UNREAD && details.nYear != 0) {
        static constexpr std::uint16_t CFileDetails::*PARTS[] = {
            &CFileDetails::nYear, &CFileDetails::nMonth,  &CFileDetails::nDay,
            &CFileDetails::nHour, &CFileDetails::nMinute, &CFileDetails::nSecond};
        for (int i = 0; i < 6; ++i) {
            AppendNumber(text, details.*PARTS[i], i == 0 ? 4 : 2);
            if (i < 5)
                text += static_cast<wchar_t>("// ::"[i]);
        }
    }
    return text;
}

bool AppendTableHtml(std::wstring& html, std::wstring_view text, size_t nMaxChars)
{
    AppendAscii(html, "<table>");
    const wchar_t* pText = text.data();
    const wchar_t* const pEnd = pText + text.size();
    for (bool bHeader = true;; bHeader = false) {
        AppendAscii(html, "\r\n<tr>");
        for (int i = 0;; ++i) {
            const wchar_t* const pCell = pText;
            while (pText < pEnd && *pText != L'\t' && *pText != L'\r')
                ++pText;
            const std::wstring_view cell(pCell, pText - pCell);
            if (bHeader || (i >= 3 && cell.empty())) {
                AppendAscii(html, bHeader ? "<th>" : "<td>");
            } else {
                AppendAscii(html, i == 3 ? SIZE_CELL : i == 4 ? TIME_CELL : TEXT_CELL);
                if (i == 4) {
                    AppendSerialTime(html, cell);
                    AppendAscii(html, "\">");
                }
            }
            for (wchar_t ch : cell)
                AppendEscaped(html, ch);
            AppendAscii(html, bHeader ? "</th>" : "</td>");
            if (pText == pEnd || *pText == L'\r')
                break;
            ++pText;
        }
        AppendAscii(html, "</tr>");
        if (html.size() > nMaxChars)
            return false;
        if (pText == pEnd)
            break;
        // A CR is always the first of CR LF: no cell holds one.
        pText += 2;
    }
    AppendAscii(html, "\r\n</table>");
    return true;
}
