// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CTorqueTestDlg.h"

#include "batches/torque_log_file.h"
#include "files/start_directory.h"
#include "platform/CFileDialog.h"
#include "platform/seams.h"
#include "ui/app_identity.h"
#include "ui/file_reports.h"
#include "ui/help_contexts.h"
#include "ui/input_lists.h"
#include "ui/messages.h"
#include "ui/pdf_saving.h"
#include "ui/resources/dialog_templates.h"
#include "ui/user_folders.h"

#include <utility>

namespace kestrune {

using namespace platform;

namespace {

constexpr const char* kMeterFilter = "Meter logs (*.csv *.txt)|*.csv;*.txt|All files (*)|*||";
constexpr const char* kReadingsKept = "The readings are as they were.";
constexpr const char* kPageKept = "The test is still on the Torque Test page.";

constexpr std::uint32_t kWindingColour = 0xc0392b;
constexpr std::uint32_t kUnwindingColour = 0x1f5fbf;

// Columns in dialog units, wide enough for their headers, so they scale with the font.
constexpr std::array<int, 2> kReadingColumns{48, 104};
constexpr std::array<int, 9> kTestColumns{54, 100, 164, 188, 220, 272, 316, 356, 386};

} // namespace

const std::array<EventEntry<CTorqueTestDlg>, 25> CTorqueTestDlg::kEvents{{
    {IDC_BATCH, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_DATE, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_TYPE, LBN_SELCHANGE, &CTorqueTestDlg::OnInputChange},
    {IDC_WIDTH, LBN_SELCHANGE, &CTorqueTestDlg::OnInputChange},
    {IDC_TEST_STRANDS, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_LENGTH, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_TEST_WEIGHT, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_TEST_WINDER_RATIO, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_NOTE, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_ADD, BN_CLICKED, &CTorqueTestDlg::OnAddClicked},
    {IDC_CHANGE, BN_CLICKED, &CTorqueTestDlg::OnChangeClicked},
    {IDC_DELETE, BN_CLICKED, &CTorqueTestDlg::OnDeleteClicked},
    {IDC_ADD_READING, BN_CLICKED, &CTorqueTestDlg::OnAddReadingClicked},
    {IDC_BACK_OFF, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_TOTAL_TURNS, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_IMPORT, BN_CLICKED, &CTorqueTestDlg::OnImportClicked},
    {IDC_PASTE, BN_CLICKED, &CTorqueTestDlg::OnPasteClicked},
    {IDC_READINGS, LBN_DELETEKEY, &CTorqueTestDlg::OnReadingsDeleteKey},
    {IDC_READINGS, LBN_SELCHANGE, &CTorqueTestDlg::OnReadingsSelChange},
    {IDC_AT_TORQUE, EN_UPDATE, &CTorqueTestDlg::OnInputChange},
    {IDC_TESTS, LBN_SELCHANGE, &CTorqueTestDlg::OnTestsSelChange},
    {IDC_TESTS, LBN_DELETEKEY, &CTorqueTestDlg::OnDeleteClicked},
    {IDC_PRINT, BN_CLICKED, &CTorqueTestDlg::OnPrintClicked},
    {IDC_SAVE_PDF, BN_CLICKED, &CTorqueTestDlg::OnSavePdfClicked},
    {IDC_HELP, BN_CLICKED, &CTorqueTestDlg::OnHelpClicked},
}};

CTorqueTestDlg::CTorqueTestDlg()
    : CPropertyPage(dialogTemplate(IDD_TORQUE_TEST)), logFile_(programFilePath(kTorqueLogFileName)),
      model_(calcState(), preferences()) {
    SetHelpContext(kHelpTorqueTest);
}

bool CTorqueTestDlg::OnCommand(int controlId, Notification code) {
    return dispatchEvent(*this, kEvents, controlId, code) ||
           CPropertyPage::OnCommand(controlId, code);
}

EnterKey CTorqueTestDlg::OnEnterKey(int controlId) {
    return controlId == IDC_READING_TORQUE ? EnterKey::press(IDC_ADD_READING) : EnterKey::nothing();
}

bool CTorqueTestDlg::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    const TorqueTestTexts& start = model_.start();
    fillTypeList(GetListBox(IDC_TYPE), start.type);
    fillWidthList(GetListBox(IDC_WIDTH));
    GetListBox(IDC_READINGS).SetTabStops(kReadingColumns);
    GetListBox(IDC_READINGS).SetRowSource([this](int row) { return model_.readingsRow(row); });
    GetListBox(IDC_TESTS).SetTabStops(kTestColumns);
    GetListBox(IDC_TESTS).SetRowSource([this](int row) { return model_.testsRow(row); });
    Chart curve = GetChart(IDC_CURVE);
    curve.SetAccessibleName(TorqueTestModel::kCurveName);
    loadReported(
        logFile_, [&] { return model_.load(logFile_); }, TorqueTestModel::kLogUnread,
        TorqueTestModel::kReplacingErases);
    showTests();
    showTyped();
    shown_ = true;
    return true;
}

void CTorqueTestDlg::DoDataExchange(CDataExchange& dx) {
    if (!shown_ || dx.saveAndValidate)
        return;
    if (model_.showAgain(GetEdit(IDC_LENGTH).GetWindowText())) {
        showTests();
        showTyped();
    }
}

TorqueTestTexts CTorqueTestDlg::texts() {
    const auto text = [this](int id) { return GetEdit(id).GetWindowText(); };
    TorqueTestTexts typed;
    typed.batch = text(IDC_BATCH);
    typed.date = text(IDC_DATE);
    typed.type = GetListBox(IDC_TYPE).GetCurSel();
    typed.width = GetListBox(IDC_WIDTH).GetCurSel();
    typed.strands = text(IDC_TEST_STRANDS);
    typed.length = text(IDC_LENGTH);
    typed.weight = text(IDC_TEST_WEIGHT);
    typed.winderRatio = text(IDC_TEST_WINDER_RATIO);
    typed.note = text(IDC_NOTE);
    typed.backOff = text(IDC_BACK_OFF);
    typed.totalTurns = text(IDC_TOTAL_TURNS);
    typed.atTorque = text(IDC_AT_TORQUE);
    return typed;
}

void CTorqueTestDlg::showTyped() {
    const TorqueTestTexts& typed = model_.typed();
    for (const auto& [id, text] : {std::pair{IDC_BATCH, &typed.batch},
                                   {IDC_DATE, &typed.date},
                                   {IDC_TEST_STRANDS, &typed.strands},
                                   {IDC_LENGTH, &typed.length},
                                   {IDC_TEST_WEIGHT, &typed.weight},
                                   {IDC_TEST_WINDER_RATIO, &typed.winderRatio},
                                   {IDC_NOTE, &typed.note},
                                   {IDC_BACK_OFF, &typed.backOff},
                                   {IDC_TOTAL_TURNS, &typed.totalTurns},
                                   {IDC_AT_TORQUE, &typed.atTorque}})
        GetEdit(id).ShowText(*text);
    GetListBox(IDC_TYPE).SetCurSel(typed.type);
    GetListBox(IDC_WIDTH).SetCurSel(typed.width);
    SetDlgItemText(IDC_LENGTH_UNIT, model_.lengthUnit());
    showReadings();
    show();
}

void CTorqueTestDlg::show() {
    const TorqueResultsView& results = model_.results();
    for (const auto& [id, text] : {std::pair{IDC_PEAK_TORQUE, &results.peakTorque},
                                   {IDC_PEAK_TURNS, &results.peakTurns},
                                   {IDC_ENERGY_IN, &results.energyIn},
                                   {IDC_ENERGY_OUT, &results.energyOut},
                                   {IDC_MEAN_TORQUE, &results.meanTorque},
                                   {IDC_HYSTERESIS, &results.hysteresis},
                                   {IDC_PER_WEIGHT, &results.perWeight},
                                   {IDC_PER_WEIGHT_FTLBF, &results.perWeightFtLbf},
                                   {IDC_TURNS_AT_TORQUE, &results.turnsAtTorque}})
        GetEdit(id).ShowText(*text);
    SetDlgItemText(IDC_HYSTERESIS_FLAG, results.hysteresisFlag);
    SetDlgItemText(IDC_READINGS_NOTE, model_.readingsNote());
    const TorqueCurve& curve = model_.curve();
    Chart chart = GetChart(IDC_CURVE);
    chart.SetData({std::string(TorqueTestModel::kTurnsAxis),
                   std::string(TorqueTestModel::kTorqueAxis),
                   {{std::string(TorqueTestModel::kWindingName), kWindingColour, LineStyle::Solid,
                     curve.winding},
                    {std::string(TorqueTestModel::kUnwindingName), kUnwindingColour,
                     LineStyle::Dashed, curve.unwinding}}});
    chart.SetAccessibleDescription(model_.curveDescription());
}

void CTorqueTestDlg::showReadings() {
    ListBox readings = GetListBox(IDC_READINGS);
    readings.ResetContent();
    readings.SetCount(model_.readingsRows());
    GetEdit(IDC_READING_TURNS).ShowText(model_.nextTurns());
}

void CTorqueTestDlg::showTests() {
    ListBox tests = GetListBox(IDC_TESTS);
    tests.ResetContent();
    tests.SetCount(model_.testsRows());
}

void CTorqueTestDlg::OnInputChange() {
    model_.type(texts());
    GetEdit(IDC_READING_TURNS).ShowText(model_.nextTurns());
    showReadings();
    show();
}

void CTorqueTestDlg::OnAddReadingClicked() {
    if (const auto refusal = model_.addReading(GetEdit(IDC_READING_TURNS).GetWindowText(),
                                               GetEdit(IDC_READING_TORQUE).GetWindowText())) {
        tell(*refusal);
        return;
    }
    ListBox readings = GetListBox(IDC_READINGS);
    readings.SetCurSel(readings.SetCount(model_.readingsRows()) - 1);
    GetEdit(IDC_READING_TURNS).ShowText(model_.nextTurns());
    GetEdit(IDC_READING_TORQUE).ShowText("");
    show();
}

void CTorqueTestDlg::OnReadingsDeleteKey() {
    model_.removeReading(GetListBox(IDC_READINGS).GetCurSel());
    showReadings();
    show();
}

void CTorqueTestDlg::readMeter(std::string bytes) {
    if (const auto refusal = model_.readMeterText(std::move(bytes))) {
        tell(*refusal);
        return;
    }
    showReadings();
    show();
}

void CTorqueTestDlg::OnImportClicked() {
    CFileDialog dialog(true, "csv", "", OFN_FILEMUSTEXIST, kMeterFilter, this,
                       importFolder_.empty() ? documentsFolder() : importFolder_);
    if (dialog.DoModal() != IDOK)
        return;
    importFolder_ = dialog.GetFolderPath();
    DiskFile file(importFolder_ / dialog.GetFileName());
    std::string bytes;
    if (loadReported(
            file, [&] { return TorqueTestModel::readMeterFile(file, bytes); }, kReadingsKept)
            .done())
        readMeter(std::move(bytes));
}

void CTorqueTestDlg::OnPasteClicked() {
    readMeter(GetClipboardText());
}

void CTorqueTestDlg::OnReadingsSelChange() {
    ListBox readings = GetListBox(IDC_READINGS);
    if (TorqueTestModel::isHeaderRow(readings.GetCurSel()))
        readings.SetCurSel(-1);
}

void CTorqueTestDlg::OnTestsSelChange() {
    ListBox tests = GetListBox(IDC_TESTS);
    const int row = tests.GetCurSel();
    if (TorqueTestModel::isHeaderRow(row))
        tests.SetCurSel(-1);
    else if (model_.select(row))
        showTyped();
}

void CTorqueTestDlg::OnAddClicked() {
    model_.type(texts());
    if (const auto refusal = model_.testRefusal()) {
        tell(*refusal);
        return;
    }
    const bool added = saveReported(
        logFile_, [&] { return model_.addTest(logFile_); }, TorqueTestModel::kTestNotKept);
    showTests();
    if (added) {
        ListBox tests = GetListBox(IDC_TESTS);
        tests.SetCurSel(tests.GetCount() - 1);
        showTyped();
    }
}

void CTorqueTestDlg::OnChangeClicked() {
    const int row = GetListBox(IDC_TESTS).GetCurSel();
    model_.type(texts());
    if (const auto refusal = model_.testRefusal()) {
        tell(*refusal);
        return;
    }
    saveReported(
        logFile_, [&] { return model_.changeTest(row, logFile_); }, TorqueTestModel::kTestNotKept);
    showTests();
    GetListBox(IDC_TESTS).SetCurSel(model_.reread() ? -1 : row);
}

void CTorqueTestDlg::OnDeleteClicked() {
    const int row = GetListBox(IDC_TESTS).GetCurSel();
    const std::optional<std::string> question = model_.deleteQuestion(row);
    if (!question || !askYesNo(*question))
        return;
    saveReported(
        logFile_, [&] { return model_.deleteTest(row, logFile_); }, TorqueTestModel::kLogKept);
    showTests();
}

ChartPrintout CTorqueTestDlg::printout() const {
    const TorqueCurve& curve = model_.curve();
    return {std::string(TorqueTestModel::kPrintTitle),
            model_.printLines(),
            {std::string(TorqueTestModel::kTurnsAxis),
             std::string(TorqueTestModel::kTorqueAxis),
             {{std::string(TorqueTestModel::kWindingName), kWindingColour, LineStyle::Solid,
               curve.winding},
              {std::string(TorqueTestModel::kUnwindingName), kUnwindingColour, LineStyle::Dashed,
               curve.unwinding}}},
            TorqueTestModel::printFooter(appIdentity().name, KESTRUNE_VERSION)};
}

void CTorqueTestDlg::OnPrintClicked() {
    if (PrintChartDocument(printout(), this) == PrintResult::Failed)
        tell("Kestrune could not print the test.\n\n" + std::string(kPageKept));
}

void CTorqueTestDlg::OnSavePdfClicked() {
    savePdfReported(
        this, pdfFolder_, "torque-test.pdf", [this] { return RenderChartPdf(printout()); },
        kPageKept, Replacing::AlreadyConfirmed);
}

} // namespace kestrune
