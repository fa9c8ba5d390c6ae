// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// What Enter does on a page where the control with the focus leaves it alone (a box, a list; a
// focused push button takes Enter itself): the sheet's OK, a button of the page, or nothing.

namespace kestrune::platform {

class EnterKey {
public:
    static constexpr EnterKey ok() { return EnterKey(Does::Ok, 0); }
    static constexpr EnterKey nothing() { return EnterKey(Does::Nothing, 0); }
    // Clicks the button as the user would; a disabled button is not clicked.
    static constexpr EnterKey press(int buttonId) { return EnterKey(Does::Press, buttonId); }

    constexpr bool endsSheet() const { return does_ == Does::Ok; }
    // The button to press, 0 for none.
    constexpr int button() const { return does_ == Does::Press ? button_ : 0; }

private:
    enum class Does { Ok, Press, Nothing };
    constexpr EnterKey(Does does, int button) : does_(does), button_(button) {}
    Does does_;
    int button_;
};

} // namespace kestrune::platform
