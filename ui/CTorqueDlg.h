#pragma once
// Placeholder page until its real implementation lands.

#include "platform/CPropertyPage.h"

namespace kestrune {

class CTorqueDlg : public platform::CPropertyPage {
public:
    CTorqueDlg();
};

} // namespace kestrune
