// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CWindingDlg.h"

#include "core/iso_date.h"
#include "core/number_text.h"
#include "core/preferences.h"
#include "core/shown_results.h"
#include "files/disk_file.h"
#include "list/list_files.h"
#include "platform/CFileDialog.h"
#include "platform/seams.h"
#include "ui/file_reports.h"
#include "ui/help_contexts.h"
#include "ui/input_lists.h"
#include "ui/messages.h"
#include "ui/resources/dialog_templates.h"
#include "ui/user_folders.h"

#include <algorithm>

namespace kestrune {

using namespace platform;

namespace {

constexpr const char* kPdfFilter = "PDF files (*.pdf)|*.pdf|All files (*)|*||";
constexpr const char* kCardKept = "The card is still on the Winding page.";

// Where each column of the card starts, in dialog units: "Undefined" fits Turns and Torque.
constexpr std::array<int, 5> kCardColumns{0, 22, 64, 98, 140};

std::string unitText(LengthUnit unit) {
    return std::string(kLengthUnitTexts[static_cast<std::size_t>(lengthUnitIndex(unit))]);
}

// A length typed in the unit, in inches; 0 for anything that is no length (empty, "-", "0", a
// negative length, one too large to compute with).
double typedLength(const std::string& text, LengthUnit unit) {
    const std::optional<double> length = readCompleteNumber(text);
    return length && *length > 0 ? toInches(*length, unit) : 0.0;
}

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

CWindingDlg::CWindingDlg() : CPropertyPage(dialogTemplate(IDD_WINDING)) {
    SetHelpContext(kHelpWinding);
}

bool CWindingDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CWindingDlg::OnInitDialog() {
    fillTypeList(GetListBox(IDC_TYPE), TanII);
    fillWidthList(GetListBox(IDC_WIDTH));
    fillStrandsList(GetListBox(IDC_STRANDS));
    ComboBox ratios = GetComboBox(IDC_WINDER_RATIO);
    for (int ratio : kWinderRatios)
        ratios.AddString(formatInt(ratio));
    GetListBox(IDC_CARD).SetTabStops(kCardColumns);
    // The preferences and the motor come in with the first data exchange.
    return CPropertyPage::OnInitDialog();
}

void CWindingDlg::DoDataExchange(CDataExchange& dx) {
    if (dx.saveAndValidate)
        return;
    showPreferences();
    const TurnsMotor& turns = calcState().turnsMotor;
    if (!taken_ || !sameMotorToWind(*taken_, turns)) {
        showMotor(withTurnsMotor(readMotor(), turns));
        taken_ = turns;
    }
    recomputeCard();
}

WindingMotor CWindingDlg::readMotor() {
    WindingMotor motor;
    motor.type = GetListBox(IDC_TYPE).GetCurSel();
    motor.width = GetListBox(IDC_WIDTH).GetCurSel();
    const int strands = GetListBox(IDC_STRANDS).GetCurSel();
    motor.strands = strands < 0 ? 0 : strandCountAt(strands);
    motor.length = lengthInches_;
    motor.useVorlick = GetButton(IDC_VORLICK).GetCheck();
    // A ratio of 0, or none, gives a card without cranks.
    motor.winderRatio = readWholeNumber(GetComboBox(IDC_WINDER_RATIO).GetWindowText()).value_or(0);
    const int stretch = GetListBox(IDC_STRETCH).GetCurSel();
    motor.stretch =
        stretch < 0 ? preferences().stretch() : stretches_[static_cast<std::size_t>(stretch)];
    return motor;
}

void CWindingDlg::showMotor(const WindingMotor& motor) {
    GetListBox(IDC_TYPE).SetCurSel(motor.type);
    GetListBox(IDC_WIDTH).SetCurSel(motor.width);
    GetListBox(IDC_STRANDS).SetCurSel(motor.strands / 2 - 1);
    GetButton(IDC_VORLICK).SetCheck(motor.useVorlick);
    if (motor.length != lengthInches_)
        showLength(motor.length);
}

void CWindingDlg::showLength(double inches) {
    showingLength_ = true;
    GetEdit(IDC_LENGTH).SetWindowText(inches > 0 ? formatLengthInput(inches, unit_) : "");
    showingLength_ = false;
    lengthInches_ = inches;
}

void CWindingDlg::showPreferences() {
    const Preferences& prefs = preferences();
    if (prefs.units() != unit_) {
        unit_ = prefs.units();
        SetDlgItemText(IDC_LENGTH_UNIT, unitText(unit_));
        // The same motor in the other unit: the exact length stays, only its text changes.
        if (lengthInches_ > 0)
            showLength(lengthInches_);
    }

    ComboBox ratios = GetComboBox(IDC_WINDER_RATIO);
    const auto listed = std::find(kWinderRatios.begin(), kWinderRatios.end(), prefs.winderRatio());
    if (listed != kWinderRatios.end())
        ratios.SetCurSel(static_cast<int>(listed - kWinderRatios.begin()));
    else
        ratios.SetWindowText(formatInt(prefs.winderRatio()));

    // Half steps from least to greatest, and the preferences' own value where it falls between.
    std::vector<double> stretches;
    const auto halfSteps =
        static_cast<int>((Preferences::kGreatestStretch - Preferences::kLeastStretch) * 2);
    for (int i = 0; i <= halfSteps; ++i)
        stretches.push_back(Preferences::kLeastStretch + 0.5 * i);
    if (std::find(stretches.begin(), stretches.end(), prefs.stretch()) == stretches.end())
        stretches.insert(std::upper_bound(stretches.begin(), stretches.end(), prefs.stretch()),
                         prefs.stretch());
    ListBox list = GetListBox(IDC_STRETCH);
    if (stretches != stretches_) {
        stretches_ = std::move(stretches);
        list.ResetContent();
        for (double s : stretches_)
            list.AddString(formatShortest(s));
    }
    const auto at = std::find(stretches_.begin(), stretches_.end(), prefs.stretch());
    list.SetCurSel(static_cast<int>(at - stretches_.begin()));
}

void CWindingDlg::recomputeCard() {
    const CalcState& state = calcState();
    motor_ = readMotor();
    card_ = buildWindingCard(state, motor_, pageConstants(state, motor_.type));
    ListBox card = GetListBox(IDC_CARD);
    card.ResetContent();
    card.AddString(cardHeader(unit_));
    for (const CardRow& row : card_.rows)
        card.AddString(formatCardRow(row, unit_));
    GetEdit(IDC_STRETCHED_LENGTH).SetWindowText(formatStretchedLength(card_, unit_));
    SetDlgItemText(IDC_CARD_NOTE, refusal());
}

std::string CWindingDlg::refusal() {
    if (motor_.winderRatio < 1)
        return "Winder ratio: a whole number from 1 up";
    if (lengthInches_ == 0 && !GetEdit(IDC_LENGTH).GetWindowText().empty())
        return "Length: a number above 0";
    return {};
}

void CWindingDlg::OnInputChange() {
    recomputeCard();
}

void CWindingDlg::OnLengthUpdate() {
    if (showingLength_)
        return;
    lengthInches_ = typedLength(GetEdit(IDC_LENGTH).GetWindowText(), unit_);
    recomputeCard();
}

void CWindingDlg::OnWinderRatioChange() {
    // Only a ratio the winder can have is kept; the card shows no cranks for any other.
    if (const auto ratio = readWholeNumber(GetComboBox(IDC_WINDER_RATIO).GetWindowText()))
        preferences().setWinderRatio(*ratio);
    recomputeCard();
}

void CWindingDlg::OnStretchSelChange() {
    const int selected = GetListBox(IDC_STRETCH).GetCurSel();
    if (selected >= 0)
        preferences().setStretch(stretches_[static_cast<std::size_t>(selected)]);
    recomputeCard();
}

Printout CWindingDlg::printout() const {
    const CalcState& state = calcState();
    Printout page;
    page.title = "Winding card";
    page.lines = describeWindingCard(motor_, pageConstants(state, motor_.type), card_, unit_);
    page.header = cardHeaderCells(unit_);
    for (const CardRow& row : card_.rows)
        page.rows.push_back(cardRowCells(row, unit_));
    page.footer = "Kestrune " KESTRUNE_VERSION ", " + todayIsoDate();
    return page;
}

void CWindingDlg::OnPrintClicked() {
    if (PrintDocument(printout(), this) == PrintResult::Failed)
        tell("Kestrune could not print the card.\n\n" + std::string(kCardKept));
}

void CWindingDlg::OnSavePdfClicked() {
    CFileDialog dialog(false, "pdf", "winding-card.pdf", OFN_OVERWRITEPROMPT, kPdfFilter, this,
                       pdfFolder_.empty() ? documentsFolder() : pdfFolder_);
    if (dialog.DoModal() != IDOK)
        return;
    pdfFolder_ = dialog.GetFolderPath();
    DiskFile file(pdfFolder_ / withDefaultExtension(dialog.GetFileName(), ".pdf"));
    saveReported(
        file,
        [&] {
            const std::string pdf = RenderPdf(printout());
            return pdf.empty() ? FileResult::failure("the PDF could not be made") : file.write(pdf);
        },
        kCardKept);
}

void CWindingDlg::OnCopyClicked() {
    SetClipboardText(formatCardText(card_, unit_));
}

} // namespace kestrune
