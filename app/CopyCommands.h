#pragma once

#include "pathlist/CopyForms.h"
#include "res/resource.h"

#include <windows.h>

#include <iterator>

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

// One copy command: its form; the id of its menu item, key or button; its
// CopyFlags. (The form first: no padding beside it in 64-bit builds.)
struct CCopyCommand
{
    const CCopyForm& form;
    UINT nID;
    unsigned nFlags;
};

// Every copy command, in the order of the path box's menu, which a test holds
// to it: V(id, form, flags). A new form takes a row here, its lines and its
// constant in pathlist/CopyForms, its id (the next after the last copy's)
// and menu item in res/, and its tests.
// clang-format off
#define COPY_COMMANDS(V)                                                         \
    V(IDC_COPYALL, SHOWN_FORM, COPY_ASKS | COPY_SELECTS_BOX)                     \
    V(ID_COPY_QUOTED, QUOTED_FORM, COPY_ASKS | COPY_NEEDS_LIST)                  \
    V(ID_COPY_NAMES, NAME_FORM, COPY_ASKS | COPY_NEEDS_LIST)                     \
    V(ID_COPY_UNC, SERVER_FORM, COPY_ASKS | COPY_NEEDS_LIST)                     \
    V(ID_COPY_WSL, WSL_FORM, COPY_ASKS | COPY_NEEDS_LIST)                        \
    V(ID_COPY_URL, URL_FORM, COPY_ASKS | COPY_NEEDS_LIST)                        \
    V(ID_COPY_TABLE, TABLE_FORM, COPY_ASKS | COPY_NEEDS_LIST)                    \
    V(ID_COPY_PARENT, PARENT_FORM, COPY_ASKS | COPY_NEEDS_LIST)                  \
    V(ID_COPY_ESCAPED, ESCAPED_FORM, COPY_ASKS | COPY_NEEDS_LIST)                \
    V(ID_COPY_GIT_BASH, GIT_BASH_FORM, COPY_ASKS | COPY_NEEDS_LIST)              \
    V(ID_COPY_CYGWIN, CYGWIN_FORM, COPY_ASKS | COPY_NEEDS_LIST)                  \
    V(ID_COPY_ONE_LINE, ONE_LINE_FORM, COPY_ASKS | COPY_NEEDS_LIST)              \
    V(ID_COPY_STEM, STEM_FORM, COPY_ASKS | COPY_NEEDS_LIST)                      \
    V(ID_COPY_CMD_ARGUMENTS, CMD_ARGUMENT_FORM, COPY_ASKS | COPY_NEEDS_LIST)     \
    V(ID_COPY_POWERSHELL, POWERSHELL_FORM, COPY_ASKS | COPY_NEEDS_LIST)          \
    V(ID_COPY_WSL_ARGUMENTS, WSL_ARGUMENT_FORM, COPY_ASKS | COPY_NEEDS_LIST)     \
    V(ID_COPY_GIT_BASH_ARGUMENTS, GIT_BASH_ARGUMENT_FORM, COPY_ASKS | COPY_NEEDS_LIST) \
    V(ID_COPY_RELATIVE, RELATIVE_FORM, COPY_ASKS | COPY_NEEDS_LIST)              \
    V(ID_COPY_LINKS, LINK_FORM, COPY_ASKS | COPY_NEEDS_LIST)

#define COPY_COMMAND_ROW(id, form, flags) {(form), (id), (flags)},
inline constexpr CCopyCommand COPY_COMMAND_TABLE[] = {COPY_COMMANDS(COPY_COMMAND_ROW)};
#undef COPY_COMMAND_ROW

// clang-format on

// The copies of the path box's menu, every row after Copy All, take one range
// of ids in the table's order, so that the message map sends them to the one
// handler in one entry; Copy All, the button's, takes another.
inline constexpr UINT FIRST_MENU_COPY = COPY_COMMAND_TABLE[1].nID;
inline constexpr UINT LAST_MENU_COPY = std::end(COPY_COMMAND_TABLE)[-1].nID;
static_assert(
    [] {
        for (size_t i = 1; i < std::size(COPY_COMMAND_TABLE); ++i)
            if (COPY_COMMAND_TABLE[i].nID != FIRST_MENU_COPY + i - 1)
                return false;
        return true;
    }(),
    "the menu's copies take consecutive ids in the table's order");
#define ON_COPY_COMMANDS()                                                                         \
    ON_COMMAND_RANGE(COPY_COMMAND_TABLE[0].nID, COPY_COMMAND_TABLE[0].nID, OnCopy)                 \
    ON_COMMAND_RANGE(FIRST_MENU_COPY, LAST_MENU_COPY, OnCopy)

// The row of command nID, or NULL.
inline const CCopyCommand* FindCopyCommand(UINT nID)
{
    for (const CCopyCommand& command : COPY_COMMAND_TABLE)
        if (command.nID == nID)
            return &command;
    return NULL;
}
