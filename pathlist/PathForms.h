#pragma once

#include <string>
#include <string_view>

// One line of the list (a path as shown or as given, "\" or "/" separators,
// perhaps with a long-path prefix) in the forms the copies are made of. Each
// reads `\\?\C:\x` as `C:\x` and `\\?\UNC\server\share` as `\\server\share`.

// Its last name: `C:\dir\sub\` gives `sub`; a drive root is a name of its
// own (`C:\`), a share its own name (`\\server\share` gives `share`).
std::wstring_view LastName(std::wstring_view line);

// Its last name without the extension, cut as `%~n1` in a batch file cuts it:
// at the last dot (`a.tar.gz` gives `a.tar`), save where only dots come
// before that one (`.gitignore` stays whole). A folder keeps its whole name.
std::wstring NameWithoutExtension(std::wstring_view line, bool bFolder);

// The path as a Unix-like system on Windows names it: drives as lower-case
// letters under `mount` (one of the three below),
// servers after "//", in "/" separators.
std::wstring PosixPath(std::wstring_view line, const wchar_t* mount);
inline constexpr wchar_t WSL_MOUNT[] = L"/mnt/";
inline constexpr wchar_t GIT_BASH_MOUNT[] = L"/";
inline constexpr wchar_t CYGWIN_MOUNT[] = L"/cygdrive/";

// Its file URL (RFC 8089: `file:///C:/dir`, `file://server/share`), every
// character outside the unreserved ones as its UTF-8 bytes in %XX. A line
// that is no path (empty, or a parsing name such as `::{20D04FE0-...}`, which
// starts with neither a drive nor a separator) has none: empty.
std::wstring FileUrl(std::wstring_view line);
