#pragma once
// Result codes, help commands and control notifications the pages are written against.

namespace kestrune::platform {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// WinHelp commands; only the help topic by context number is used.
inline constexpr unsigned HELP_CONTEXT = 1;

// What a control tells its window.
enum Notification {
    LBN_SELCHANGE, // the user changed a list box's selection (never raised by SetCurSel)
    LBN_SETFOCUS,  // a list box got the keyboard focus
    LBN_DELETEKEY, // the user pressed Delete in a list box (its window may delete the selection)
    EN_UPDATE,     // an edit's text changed, typed or set by the program
    EN_SETFOCUS,   // an edit got the keyboard focus
    BN_CLICKED,    // a push button was clicked, or a check box toggled by the user
};

} // namespace kestrune::platform
