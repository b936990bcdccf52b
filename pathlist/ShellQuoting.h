#pragma once

#include <string>
#include <string_view>

// One line of the list quoted for a shell's command line. The cmd.exe and
// PowerShell forms keep the line exactly, long-path prefix and all, as the
// quoted copy does: a quoted long path must keep working. The bash forms are
// the WSL and Git Bash paths, which read the prefix away.

// In double quotes, as a program's argument that CommandLineToArgvW and the
// C runtime read back as the line: a `\` before the closing quote would
// escape it, so the backslashes that end the line are doubled
// (`"D:\work\\"`, `"C:\\"`); cmd.exe reads them as the same folder.
std::wstring ArgumentQuoted(std::wstring_view line);

// In double quotes only where cmd.exe needs them: around a line holding a
// space or one of the characters its own help lists (&()[]{}^=;!'+,`~),
// quoted as an argument (above). An empty line is `""`, the one way to pass
// it as an argument.
std::wstring QuotedIfNeeded(std::wstring_view line);

// In PowerShell's single quotes, each quote inside doubled: `'` and the
// ‘ ’ ‚ ‛ it takes as the same.
std::wstring PowerShellQuoted(std::wstring_view line);

// The WSL and Git Bash (MSYS2) paths in bash's single quotes, a `'` inside
// as `'\''`.
std::wstring WslQuoted(std::wstring_view line);
std::wstring GitBashQuoted(std::wstring_view line);
