#include "pathlist/FileTable.h"

#include "pathlist/PathForms.h"

#include <cstdint>

namespace {

// Each cell of a row as text; the kind, the size and the time empty where
// the item has none.
struct CTableCells
{
    std::wstring strPath, strName, strKind, strSize, strTime;
};

// n in decimal, in at least nWidth digits.
void AppendNumber(std::wstring& text, std::uint64_t n, unsigned nWidth = 1)
{
    wchar_t digits[20];
    unsigned nCount = 0;
    do {
        digits[nCount++] = static_cast<wchar_t>(L'0' + n % 10);
        n /= 10;
    } while (n > 0 || nCount < nWidth);
    while (nCount > 0)
        text += digits[--nCount];
}

CTableCells Cells(std::wstring_view line, const CFileDetails& details, const CTableWords& words)
{
    CTableCells cells;
    cells.strPath = line;
    for (wchar_t& ch : cells.strPath)
        if (ch == L'\t' || ch == L'\r' || ch == L'\n')
            ch = L' ';
    cells.strName = LastName(cells.strPath);
    if (details.nKind == CFileDetails::FOLDER) {
        cells.strKind = words.strFolder;
    } else if (details.nKind == CFileDetails::FILE) {
        cells.strKind = cells.strName.substr(NameWithoutExtension(cells.strPath, false).size());
        AppendNumber(cells.strSize, details.nSize);
    }
    if (details.nKind != CFileDetails::UNREAD && details.nYear != 0) {
        std::wstring& time = cells.strTime;
        const struct
        {
            unsigned nValue;
            wchar_t chAfter;
        } parts[] = {{details.nYear, L'/'}, {details.nMonth, L'/'},  {details.nDay, L' '},
                     {details.nHour, L':'}, {details.nMinute, L':'}, {details.nSecond, 0}};
        for (const auto& part : parts) {
            AppendNumber(time, part.nValue, &part == parts ? 4 : 2);
            if (part.chAfter)
                time += part.chAfter;
        }
    }
    return cells;
}

// The last write as spreadsheets keep a time: the days since 1899-12-30, the
// time of day their fraction, to ten places; none before 1900. A millisecond
// past the second, still inside the one the file system gave, so that a
// reader that cuts the time at the second it shows shows that one.
std::wstring SerialTime(const CFileDetails& details)
{
    std::wstring text;
    if (details.nYear < 1900)
        return text;
    // The days since 0000-03-01 (its years begin in March, so that a leap
    // day ends one), less those to 1899-12-30.
    const unsigned nYear = details.nYear - (details.nMonth <= 2);
    const unsigned nMonth = details.nMonth > 2 ? details.nMonth - 3 : details.nMonth + 9;
    const unsigned nDays = nYear * 365 + nYear / 4 - nYear / 100 + nYear / 400 +
                           (153 * nMonth + 2) / 5 + details.nDay - 1 - 693899;
    const std::uint64_t nMilliseconds =
        (details.nHour * 3600u + details.nMinute * 60u + details.nSecond) * 1000u + 1;
    AppendNumber(text, nDays);
    text += L'.';
    AppendNumber(text, nMilliseconds * 10000000000u / 86400000u, 10);
    return text;
}

void AppendEscaped(std::wstring& html, wchar_t ch)
{
    static constexpr std::wstring_view SPECIAL = L"&<>\"'";
    static constexpr const wchar_t* ENTITIES[] = {L"&amp;", L"&lt;", L"&gt;", L"&quot;", L"&#39;"};
    const size_t special = SPECIAL.find(ch);
    if (special == SPECIAL.npos)
        html += ch;
    else
        html += ENTITIES[special];
}

// A cell: its start, up to its value (sdval) where it has one, then its text.
void AppendCell(std::wstring& html, const wchar_t* pszStart, const std::wstring& text,
                const std::wstring* pValue = nullptr)
{
    html += pszStart;
    if (pValue)
        (html += *pValue) += L"\">";
    for (wchar_t ch : text)
        AppendEscaped(html, ch);
    html += L"</td>";
}

// LibreOffice reads the number formats of `sdnum` (its language, the
// format's, the format: English codes), Excel those of its style.
constexpr wchar_t TEXT_CELL[] = L"<td style='mso-number-format:\"\\@\"' sdnum=\"1033;1033;@\">";
constexpr wchar_t SIZE_CELL[] = L"<td style=\"mso-number-format:0\" sdnum=\"1033;1033;0\" sdval=\"";
constexpr wchar_t TIME_CELL[] = L"<td style='mso-number-format:\"yyyy\\/mm\\/dd hh:mm:ss\"' "
                                L"sdnum=\"1033;1033;YYYY/MM/DD HH:MM:SS\" sdval=\"";
constexpr wchar_t NO_CELL[] = L"<td></td>";

} // namespace

std::wstring TableRow(std::wstring_view line, const CFileDetails& details, const CTableWords& words)
{
    const CTableCells cells = Cells(line, details, words);
    std::wstring text = cells.strPath;
    for (const std::wstring* pCell :
         {&cells.strName, &cells.strKind, &cells.strSize, &cells.strTime})
        (text += L'\t') += *pCell;
    return text;
}

std::wstring HtmlTableRow(std::wstring_view line, const CFileDetails& details,
                          const CTableWords& words)
{
    const CTableCells cells = Cells(line, details, words);
    std::wstring html = L"<tr>";
    for (const std::wstring* pCell : {&cells.strPath, &cells.strName, &cells.strKind})
        AppendCell(html, TEXT_CELL, *pCell);
    if (cells.strSize.empty())
        html += NO_CELL;
    else
        AppendCell(html, SIZE_CELL, cells.strSize, &cells.strSize);
    if (cells.strTime.empty()) {
        html += NO_CELL;
    } else {
        const std::wstring serial = SerialTime(details);
        AppendCell(html, TIME_CELL, cells.strTime, &serial);
    }
    html += L"</tr>";
    return html;
}

std::wstring HtmlTableHead(const CTableWords& words)
{
    std::wstring html = L"<table>\r\n<tr><th>";
    for (wchar_t ch : words.strHeader) {
        if (ch == L'\t')
            html += L"</th><th>";
        else
            AppendEscaped(html, ch);
    }
    html += L"</th></tr>\r\n";
    return html;
}
