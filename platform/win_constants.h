// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Result codes, help commands and control notifications the pages are written against.

namespace kestrune::platform {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message boxes: a warning with OK, or a question.
inline constexpr unsigned MB_OK = 0;
inline constexpr unsigned MB_YESNO = 4; // Yes (IDYES) or No (IDNO, also Esc); No is the default
// The desktop's question about changes not saved: Save (IDYES), Discard (IDNO) or Cancel
// (IDCANCEL, also Esc); Save is the default.
inline constexpr unsigned MB_SAVEDISCARDCANCEL = 0x100;

// WinHelp commands; only the help topic by context number is used.
inline constexpr unsigned HELP_CONTEXT = 1;

// What a control tells its window.
enum Notification {
    LBN_SELCHANGE,  // the user changed a list box's selection (never raised by SetCurSel)
    LBN_SETFOCUS,   // a list box got the keyboard focus
    LBN_DELETEKEY,  // the user pressed Delete in a list box (its window may delete the selection)
    LBN_COPYKEY,    // the user pressed Copy (Ctrl+C) in a table, after it copied its current row
    EN_UPDATE,      // an edit's text changed, typed or set by the program
    EN_SETFOCUS,    // an edit got the keyboard focus
    BN_CLICKED,     // a push button was clicked, or a check box toggled by the user
    CBN_SELCHANGE,  // the user picked an entry of a combo box (never raised by SetCurSel)
    CBN_EDITCHANGE, // the user changed the text of a combo box's edit field
};

} // namespace kestrune::platform
