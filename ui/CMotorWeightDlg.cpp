// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CMotorWeightDlg.h"

#include "core/number_text.h"
#include "core/preferences.h"
#include "ui/calc_page_inputs.h"
#include "ui/help_contexts.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

using namespace platform;

const std::array<EventEntry<CMotorWeightDlg>, 11> CMotorWeightDlg::kEvents{{
    {IDC_TYPE, LBN_SELCHANGE, &CMotorWeightDlg::OnInputChange},
    {IDC_WIDTH, LBN_SELCHANGE, &CMotorWeightDlg::OnInputChange},
    {IDC_STRANDS, LBN_SELCHANGE, &CMotorWeightDlg::OnInputChange},
    {IDC_THICKNESS, EN_UPDATE, &CMotorWeightDlg::OnThicknessUpdate},
    {IDC_DENSITY, EN_UPDATE, &CMotorWeightDlg::OnDensityUpdate},
    {IDC_LENGTH, EN_UPDATE, &CMotorWeightDlg::OnLengthUpdate},
    {IDC_WEIGHT, EN_UPDATE, &CMotorWeightDlg::OnWeightUpdate},
    {IDC_CLASS, LBN_SELCHANGE, &CMotorWeightDlg::OnClassSelChange},
    {IDC_LIMIT, LBN_SELCHANGE, &CMotorWeightDlg::OnInputChange},
    {IDC_UNITS, LBN_SELCHANGE, &CMotorWeightDlg::OnUnitsSelChange},
    {IDC_HELP, BN_CLICKED, &CMotorWeightDlg::OnHelpClicked},
}};

CMotorWeightDlg::CMotorWeightDlg() : CPropertyPage(dialogTemplate(IDD_MOTOR_WEIGHT)) {
    SetHelpContext(kHelpMotorWeight);
}

bool CMotorWeightDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

bool CMotorWeightDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    // The page's type is its own: choosing one here leaves the calculation pages' constants alone.
    fillMotorInputLists(*this, startingType(calcState().currentType));
    ListBox classes = GetListBox(IDC_CLASS);
    for (const WeightClass& weightClass : kWeightClasses)
        classes.AddString(weightClass.listText);
    classes.SetCurSel(0);
    ListBox units = GetListBox(IDC_UNITS);
    for (const std::string_view unit : kLengthUnitTexts)
        units.AddString(unit);

    const Preferences& prefs = preferences();
    units_ = prefs.units();
    units.SetCurSel(lengthUnitIndex(units_));
    showThickness(prefs.thickness());
    showDensity(prefs.density());
    // The motor the Breaking Turns page starts with.
    motor_.typeLength(1.0);
    showLength();
    initialised_ = true;
    recompute();
    return true;
}

void CMotorWeightDlg::DoDataExchange(CDataExchange& dx) {
    if (!initialised_ || dx.saveAndValidate)
        return;
    const Preferences& prefs = preferences();
    if (prefs.units() != units_) {
        GetListBox(IDC_UNITS).SetCurSel(lengthUnitIndex(prefs.units()));
        showUnits(prefs.units());
    }
    if (prefs.thickness() != seenThickness_)
        showThickness(prefs.thickness());
    if (prefs.density() != seenDensity_)
        showDensity(prefs.density());
    // A calibration since the page was last shown changes the table's constants.
    recompute();
}

void CMotorWeightDlg::OnLengthUpdate() {
    if (showing_)
        return;
    std::optional<double> length = typedPositive(IDC_LENGTH);
    if (length)
        length = toInches(*length, units_);
    motor_.typeLength(length);
    recompute();
}

void CMotorWeightDlg::OnWeightUpdate() {
    if (showing_)
        return;
    motor_.typeWeight(typedPositive(IDC_WEIGHT));
    recompute();
}

void CMotorWeightDlg::OnClassSelChange() {
    if (motor_.chooseClass(GetListBox(IDC_CLASS).GetCurSel()))
        motor_.decides() == LinkedMotor::Side::Length ? showLength() : showWeight();
    recompute();
}

void CMotorWeightDlg::OnThicknessUpdate() {
    if (showing_)
        return;
    thickness_ = typedPositive(IDC_THICKNESS);
    if (thickness_)
        thickness_ = toInches(*thickness_, units_);
    if (thickness_ && preferences().setThickness(*thickness_))
        seenThickness_ = *thickness_;
    recompute();
}

void CMotorWeightDlg::OnDensityUpdate() {
    if (showing_)
        return;
    density_ = typedPositive(IDC_DENSITY);
    if (density_ && preferences().setDensity(*density_))
        seenDensity_ = *density_;
    recompute();
}

void CMotorWeightDlg::OnUnitsSelChange() {
    const LengthUnit unit = lengthUnitAt(GetListBox(IDC_UNITS).GetCurSel());
    preferences().setUnits(unit);
    showUnits(unit);
    recompute();
}

void CMotorWeightDlg::OnInputChange() {
    recompute();
}

MotorWeightInputs CMotorWeightDlg::readInputs() {
    MotorWeightInputs inputs;
    inputs.type = GetListBox(IDC_TYPE).GetCurSel();
    inputs.width = GetListBox(IDC_WIDTH).GetCurSel();
    inputs.strands = strandCountAt(GetListBox(IDC_STRANDS).GetCurSel());
    inputs.limit = limitAt(GetListBox(IDC_LIMIT).GetCurSel());
    inputs.stock = {thickness_.value_or(0), density_.value_or(0)};
    inputs.weightClass = GetListBox(IDC_CLASS).GetCurSel();
    return inputs;
}

void CMotorWeightDlg::recompute() {
    const MotorWeightInputs inputs = readInputs();
    motor_.follow(inputs.stock, stripWidthInches(inputs.width).value_or(0), inputs.strands);
    motor_.decides() == LinkedMotor::Side::Length ? showWeight() : showLength();
    const MotorWeightResults results =
        motorWeightResults(calcState(), inputs, motor_.length(), motor_.weight(), units_);
    showText(IDC_WEIGHT_TURNS, results.turns);
    showText(IDC_WEIGHT_TORQUE, results.torque);
    showText(IDC_PER_STRAND, results.perStrand);
    showText(IDC_CLASS_CHECK, results.classCheck);
}

void CMotorWeightDlg::showText(int id, std::string_view text) {
    showing_ = true;
    GetEdit(id).SetWindowText(text);
    showing_ = false;
}

void CMotorWeightDlg::showLength() {
    const std::optional<double> length = motor_.length();
    showText(IDC_LENGTH, length ? formatLength(*length, units_) : std::string());
}

void CMotorWeightDlg::showWeight() {
    const std::optional<double> weight = motor_.weight();
    showText(IDC_WEIGHT, weight ? formatGrams(*weight) : std::string());
}

void CMotorWeightDlg::showUnits(LengthUnit unit) {
    units_ = unit;
    if (motor_.length())
        showLength();
    if (thickness_)
        showText(IDC_THICKNESS, formatThickness(*thickness_, unit));
}

void CMotorWeightDlg::showThickness(double inches) {
    thickness_ = inches;
    seenThickness_ = inches;
    showText(IDC_THICKNESS, formatThickness(inches, units_));
}

void CMotorWeightDlg::showDensity(double density) {
    density_ = density;
    seenDensity_ = density;
    showText(IDC_DENSITY, formatDensity(density));
}

std::optional<double> CMotorWeightDlg::typedPositive(int id) {
    const std::optional<double> value = readCompleteNumber(GetEdit(id).GetWindowText());
    if (!value || !(*value > 0))
        return std::nullopt;
    return value;
}

} // namespace kestrune
