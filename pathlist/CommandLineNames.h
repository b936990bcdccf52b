#pragma once

#include <string>
#include <string_view>
#include <vector>

// The names of files and folders on a program's command line: every argument
// after the program's own name, in order. No file name holds '"', so there are
// no escapes: a '"' only opens or closes quoting and is dropped, every '\' is a
// character (a quoted "C:\" or "D:\work\" is that folder), and spaces and tabs
// outside quotes separate the arguments. The program's name runs from the
// line's first character, quoted or not; a line starting with a blank has an
// empty one, as Windows splits it. An empty argument ("") names nothing and is
// left out: it is what a launcher passes for a parameter it was not given.
std::vector<std::wstring> CommandLineNames(std::wstring_view commandLine);
