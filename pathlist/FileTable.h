#pragma once

#include "pathlist/FileDetails.h"

#include <cstdint>
#include <string>
#include <string_view>

// n in decimal, in at least nWidth digits, appended to text.
void AppendNumber(std::wstring& text, std::uint64_t n, unsigned nWidth = 1);

// The file system's word on one item, for an item no listing told of.
class CFileFacts
{
public:
    // exactPath: the item's name as given, however long. One that is gone or
    // cannot be read is UNREAD.
    virtual CFileDetails Details(const std::wstring& exactPath) const = 0;

protected:
    // Never deleted through this: no virtual destructor to carry.
    ~CFileFacts() = default;
};

// The table's words in the user's language, the program's strings: its
// header (the columns' names between tabs) and the kind of a folder.
struct CTableWords
{
    std::wstring strHeader;
    std::wstring strFolder;
};

// One line of the list (an item as shown) as a row of the table of files,
// its cells between tabs: its path, its last name, its kind (a folder's word,
// or a file's extension with its dot, as the name without extension leaves
// it off: `.gz` of `a.tar.gz`, none of `.gitignore`), its size in bytes (none
// for a folder) and its last write, `yyyy/mm/dd hh:mm:ss`. An item UNREAD has
// its path and name alone, and one whose last write is of year 0 no time. A
// tab, a line break or any other control character in the line is a space,
// so that a row stays a row.
std::wstring TableRow(std::wstring_view line, const CFileDetails& details,
                      const CTableWords& words);

// The same table in HTML, appended to html, of its text (the header, then
// the rows, CR LF between them), for spreadsheets to paste as cells: the
// header's cells as `<th>`; in each row the text cells as text (Excel's
// `mso-number-format:"\@"`, LibreOffice's `sdnum`), so that no name is read
// as a number, a date or a formula; the size a number; the last write a date
// and time (its text in Excel's format; for LibreOffice `sdval`, the serial
// number of days since 1899-12-30). Past nMaxChars characters of HTML it
// stops after the row, and returns false.
bool AppendTableHtml(std::wstring& html, std::wstring_view text, size_t nMaxChars);
