// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The real help window behind the help seam: the application's help document, opened at a topic.

#include <QRect>

namespace kestrune::platform::detail {

// Shows the topic with the context number beside the modal window that asked.
void showHelpViewer(unsigned long context);
void closeHelpViewer();

// Where the help window's frame goes: inside the room (the screen's available area), beside the
// owner's frame where a side leaves it a quarter of the wanted size or more, else beside the
// owner's buttons (covering the owner, never its buttons); as large as the side allows, at most
// as large as wanted.
QRect helpPlacement(const QRect& room, const QRect& owner, const QRect& buttons, QSize wanted,
                    int gap);

} // namespace kestrune::platform::detail
