#include "ui/CTorqueDlg.h"

#include "ui/resources/dialog_templates.h"

namespace kestrune {

CTorqueDlg::CTorqueDlg() : CPropertyPage(dialogTemplate(IDD_TORQUE)) {}

} // namespace kestrune
