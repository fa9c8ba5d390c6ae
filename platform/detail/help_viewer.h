// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The real help window behind the help seam: the application's help document, opened at a topic.

namespace kestrune::platform::detail {

// Shows the topic with the context number beside the modal window that asked.
void showHelpViewer(unsigned long context);
void closeHelpViewer();

} // namespace kestrune::platform::detail
