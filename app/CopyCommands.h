#pragma once

#include "pathlist/CopyForms.h"
#include "res/resource.h"

#include <windows.h>

// What a copy command does beside making its text.
enum CopyFlag : unsigned
{
    // Asks first whether the clipboard's data may go.
    COPY_ASKS = 1,
    // Greyed in the menu while the list is empty, and its key only beeps.
    COPY_NEEDS_LIST = 2,
    // Selects the whole box and scrolls its end into view, as what was copied.
    COPY_SELECTS_BOX = 4,
};

// One copy command: the id of its menu item, key or button; its form (the
// line of each item, what goes between lines); its CopyFlags.
struct CCopyCommand
{
    UINT nID;
    CCopyForm form;
    unsigned nFlags;
};

// Every copy command, in the order of the path box's menu, which a test holds
// to it: V(id, line, between, flags). A new form takes a row here, its line
// function in pathlist/CopyForms, its id and menu item in res/, and its tests.
// clang-format off
#define COPY_COMMANDS(V)                                                                        \
    V(IDC_COPYALL, ShownLine, LINES, COPY_ASKS | COPY_SELECTS_BOX)                              \
    V(ID_COPY_QUOTED, QuotedLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                           \
    V(ID_COPY_NAMES, NameLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                              \
    V(ID_COPY_UNC, ServerLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                              \
    V(ID_COPY_WSL, WslLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                                 \
    V(ID_COPY_URL, UrlLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                                 \
    V(ID_COPY_PARENT, ParentLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                           \
    V(ID_COPY_ESCAPED, EscapedLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                         \
    V(ID_COPY_GIT_BASH, GitBashLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                        \
    V(ID_COPY_CYGWIN, CygwinLine, LINES, COPY_ASKS | COPY_NEEDS_LIST)                           \
    V(ID_COPY_ONE_LINE, QuotedLine, L" ", COPY_ASKS | COPY_NEEDS_LIST)

#define COPY_COMMAND_ROW(id, line, between, flags) {(id), {&(line), (between)}, (flags)},
inline constexpr CCopyCommand COPY_COMMAND_TABLE[] = {COPY_COMMANDS(COPY_COMMAND_ROW)};
#undef COPY_COMMAND_ROW

// The message map's entry of each row: every copy goes to one handler.
#define ON_COPY_COMMAND(id, line, between, flags) ON_COMMAND_RANGE(id, id, OnCopy)
// clang-format on

// The row of command nID, or NULL.
inline const CCopyCommand* FindCopyCommand(UINT nID)
{
    for (const CCopyCommand& command : COPY_COMMAND_TABLE)
        if (command.nID == nID)
            return &command;
    return NULL;
}
