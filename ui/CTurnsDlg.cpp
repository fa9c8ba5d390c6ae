#include "ui/CTurnsDlg.h"

#include "ui/resources/dialog_templates.h"

namespace kestrune {

CTurnsDlg::CTurnsDlg() : CPropertyPage(dialogTemplate(IDD_TURNS)) {}

} // namespace kestrune
