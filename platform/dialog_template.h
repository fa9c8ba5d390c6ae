// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Dialog templates as data: every window of the program is described by one template, in
// dialog units, and the layer turns it into widgets.

#include <span>
#include <string_view>

namespace kestrune::platform {

// ComboBox: a drop-down list with an edit field, laid out like an edit (its template height is
// the edit field's; the list drops below it). Chart: lines through points (chart.h), named for
// assistive technology by its template text.
enum class ControlKind {
    ListBox,
    Edit,
    ComboBox,
    PushButton,
    DefPushButton,
    AutoCheckBox,
    Static,
    Chart
};

// Control style bits.
namespace style {
inline constexpr unsigned Border = 1U << 0;
inline constexpr unsigned VScroll = 1U << 1;
inline constexpr unsigned TabStop = 1U << 2;
inline constexpr unsigned Notify = 1U << 3; // list box: tells its window about selection changes
inline constexpr unsigned NoIntegralHeight = 1U << 4;
inline constexpr unsigned NoSel = 1U << 5;         // list box: rows show but never stay selected
inline constexpr unsigned Number = 1U << 6;        // edit, combo box: digits only, typed or pasted
inline constexpr unsigned UseTabStops = 1U << 7;   // list box: tabs expand every 32 dialog units
inline constexpr unsigned Decimal = 1U << 8;       // edit: a number with a point, typed or pasted
inline constexpr unsigned ReadOnly = 1U << 9;      // edit: a result to select and copy, not to type
inline constexpr unsigned AutoComplete = 1U << 10; // combo box: typing completes a known entry
} // namespace style

// Window style bits of a template; a window without any has a title bar and a close box.
namespace dialog_style {
inline constexpr unsigned NoTitle = 1U << 0; // a pop-up without title bar: a frameless window
} // namespace dialog_style

// How a control follows its window when the window is larger than its template: the share, in
// percent, of the extra width and height by which the control moves and grows. The default stays.
struct ControlLayout {
    int moveX = 0, moveY = 0, sizeX = 0, sizeY = 0;
};

// One control; x, y, cx, cy in dialog units. A Static's id is -1.
struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;
    int x, y, cx, cy;
    unsigned style;
    ControlLayout layout = {};
};

// A window and its controls, listed in tab order. A window can be made larger when one of its
// controls follows its size; otherwise its controls stay where the template puts them.
struct DialogTemplate {
    int id;
    std::string_view caption;
    int cx, cy;
    unsigned style;
    std::span<const ControlTemplate> controls;
};

} // namespace kestrune::platform
