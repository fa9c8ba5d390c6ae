#pragma once
// Placeholder page until its real implementation lands.

#include "platform/CPropertyPage.h"

namespace kestrune {

class CTurnsDlg : public platform::CPropertyPage {
public:
    CTurnsDlg();
};

} // namespace kestrune
