#pragma once
// Placeholder page until its real implementation lands.

#include "platform/CPropertyPage.h"

namespace kestrune {

class CListDlg : public platform::CPropertyPage {
public:
    CListDlg();
};

} // namespace kestrune
