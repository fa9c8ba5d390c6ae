#include "ui/CListDlg.h"

#include "ui/resources/dialog_templates.h"

namespace kestrune {

CListDlg::CListDlg() : CPropertyPage(dialogTemplate(IDD_LIST)) {}

} // namespace kestrune
