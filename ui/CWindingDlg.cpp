// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CWindingDlg.h"

#include "platform/seams.h"
#include "ui/app_identity.h"
#include "ui/help_contexts.h"
#include "ui/input_lists.h"
#include "ui/messages.h"
#include "ui/pdf_saving.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

using namespace platform;

namespace {

constexpr const char* kCardKept = "The card is still on the Winding page.";

// Where each column of the card starts, in dialog units: "Undefined" fits Turns, "Breaking
// torque" its column.
constexpr std::array<int, 5> kCardColumns{0, 18, 56, 86, 146};

} // namespace

const std::array<EventEntry<CWindingDlg>, 12> CWindingDlg::kEvents{{
    {IDC_TYPE, LBN_SELCHANGE, &CWindingDlg::OnInputChange},
    {IDC_WIDTH, LBN_SELCHANGE, &CWindingDlg::OnInputChange},
    {IDC_STRANDS, LBN_SELCHANGE, &CWindingDlg::OnInputChange},
    {IDC_LENGTH, EN_UPDATE, &CWindingDlg::OnLengthUpdate},
    {IDC_VORLICK, BN_CLICKED, &CWindingDlg::OnInputChange},
    {IDC_WINDER_RATIO, CBN_SELCHANGE, &CWindingDlg::OnWinderRatioChange},
    {IDC_WINDER_RATIO, CBN_EDITCHANGE, &CWindingDlg::OnWinderRatioChange},
    {IDC_STRETCH, LBN_SELCHANGE, &CWindingDlg::OnStretchSelChange},
    {IDC_PRINT, BN_CLICKED, &CWindingDlg::OnPrintClicked},
    {IDC_SAVE_PDF, BN_CLICKED, &CWindingDlg::OnSavePdfClicked},
    {IDC_COPY, BN_CLICKED, &CWindingDlg::OnCopyClicked},
    {IDC_HELP, BN_CLICKED, &CWindingDlg::OnHelpClicked},
}};

CWindingDlg::CWindingDlg()
    : CPropertyPage(dialogTemplate(IDD_WINDING)),
      model_(calcState(), preferences(), sharedMotor()) {
    SetHelpContext(kHelpWinding);
}

bool CWindingDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CWindingDlg::OnInitDialog() {
    fillTypeList(GetListBox(IDC_TYPE), model_.choices().type);
    fillWidthList(GetListBox(IDC_WIDTH));
    fillStrandsList(GetListBox(IDC_STRANDS));
    ComboBox ratios = GetComboBox(IDC_WINDER_RATIO);
    for (const std::string& ratio : WindingModel::winderRatioEntries())
        ratios.AddString(ratio);
    GetListBox(IDC_CARD).SetTabStops(kCardColumns);
    GetButton(IDC_COPY).SetCopyShortcut();
    // The preferences and the motor come in with the first data exchange.
    return CPropertyPage::OnInitDialog();
}

void CWindingDlg::DoDataExchange(CDataExchange& dx) {
    if (dx.saveAndValidate)
        return;
    const WindingRelisted relisted = model_.shown();
    const WindingView& view = model_.view();
    if (relisted.motor) {
        const WindingChoices& motor = model_.choices();
        GetListBox(IDC_TYPE).SetCurSel(motor.type);
        GetListBox(IDC_WIDTH).SetCurSel(motor.width);
        GetListBox(IDC_STRANDS).SetCurSel(motor.strands);
        GetButton(IDC_VORLICK).SetCheck(motor.vorlick);
    }
    ComboBox ratio = GetComboBox(IDC_WINDER_RATIO);
    if (view.winderRatioEntry >= 0)
        ratio.SetCurSel(view.winderRatioEntry);
    else
        ratio.SetWindowText(view.winderRatio);
    ListBox stretches = GetListBox(IDC_STRETCH);
    if (relisted.stretches) {
        stretches.ResetContent();
        for (const std::string& stretch : view.stretches)
            stretches.AddString(stretch);
    }
    stretches.SetCurSel(view.stretch);
    show();
}

void CWindingDlg::show() {
    const WindingView& view = model_.view();
    SetDlgItemText(IDC_LENGTH_UNIT, view.unit);
    GetEdit(IDC_LENGTH).ShowText(view.length);
    ListBox card = GetListBox(IDC_CARD);
    card.ResetContent();
    for (const std::string& line : view.card)
        card.AddString(line);
    GetEdit(IDC_STRETCHED_LENGTH).ShowText(view.stretchedLength);
    SetDlgItemText(IDC_CARD_NOTE, view.note);
}

void CWindingDlg::OnInputChange() {
    const auto selected = [this](int id) { return GetListBox(id).GetCurSel(); };
    model_.choose({selected(IDC_TYPE), selected(IDC_WIDTH), selected(IDC_STRANDS),
                   GetButton(IDC_VORLICK).GetCheck()});
    show();
}

void CWindingDlg::OnLengthUpdate() {
    model_.typeLength(GetEdit(IDC_LENGTH).GetWindowText());
    show();
}

void CWindingDlg::OnWinderRatioChange() {
    model_.typeWinderRatio(GetComboBox(IDC_WINDER_RATIO).GetWindowText());
    show();
}

void CWindingDlg::OnStretchSelChange() {
    model_.chooseStretch(GetListBox(IDC_STRETCH).GetCurSel());
    show();
}

Printout CWindingDlg::printout() const {
    WindingPrintout card = model_.printout(appIdentity().name, KESTRUNE_VERSION);
    return {std::move(card.title), std::move(card.lines), std::move(card.header),
            std::move(card.rows), std::move(card.footer)};
}

void CWindingDlg::OnPrintClicked() {
    if (PrintDocument(printout(), this) == PrintResult::Failed)
        tell("Kestrune could not print the card.\n\n" + std::string(kCardKept));
}

void CWindingDlg::OnSavePdfClicked() {
    savePdfReported(
        this, pdfFolder_, "winding-card.pdf", [this] { return RenderPdf(printout()); }, kCardKept,
        Replacing::AskIfUnread);
}

void CWindingDlg::OnCopyClicked() {
    SetClipboardText(model_.copyText());
}

} // namespace kestrune
