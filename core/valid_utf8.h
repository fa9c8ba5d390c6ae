// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Bytes a file holds, made fit to show as UTF-8 text: a batch or note that another program wrote
// in another encoding shows its UTF-8 as it is, and each byte that is no part of a UTF-8
// character as U+FFFD, one mark a byte.

#include <string>
#include <string_view>

namespace kestrune {

std::string validUtf8(std::string_view bytes);

} // namespace kestrune
