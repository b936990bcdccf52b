#pragma once

#include <string>
#include <string_view>

// One line of the list as a link to its file, named by its last name and
// pointing at its file URL. A line with no URL (an item the shell could not
// name, a parsing name) links nowhere: its name alone, as text.

// `[a b.txt](file:///C:/dir/a%20b.txt)`, a backslash before each of the
// name's !&*<[\]_`~, so that CommonMark reads the link's text as the name.
std::wstring MarkdownLink(std::wstring_view line);

// `<a href="file:///C:/dir/a%20b.txt">a b.txt</a>`, the name HTML-escaped.
std::wstring HtmlLink(std::wstring_view line);

// The clipboard's "HTML Format" (CF_HTML) of an HTML fragment, in UTF-8: the
// header of the offsets, in bytes, of the document and of the fragment in it,
// then the document, the fragment between its markers.
std::string ClipboardHtml(std::wstring_view fragment);
