// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// The Batch Log page: every break test kept, each batch's own constants.

#include "platform/CPropertyPage.h"

namespace kestrune {

class CBatchLogDlg : public platform::CPropertyPage {
public:
    CBatchLogDlg();
};

} // namespace kestrune
