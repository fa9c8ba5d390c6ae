// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The one way the pages tell and ask the user something: a message box over the active window,
// captioned with the program's name.

#include <string_view>

namespace kestrune {

// A warning, answered with OK.
void tell(std::string_view text);

// A question: true for Yes.
bool askYesNo(std::string_view question);

enum class SaveChoice { Save, Discard, Cancel };
// The desktop's question about changes not saved.
SaveChoice askSaveDiscardCancel(std::string_view question);

} // namespace kestrune
