// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/calc_page_inputs.h"

#include "core/number_text.h"
#include "ui/resources/dialog_templates.h"

namespace kestrune {

using platform::ListBox;

void fillWidthList(ListBox list) {
    // "1/8" is selected before the wider two are added; appending leaves the selection alone.
    list.ResetContent();
    for (int i = 0; i <= static_cast<int>(StripWidth::W1_8); ++i)
        list.AddString(kStripWidths[static_cast<std::size_t>(i)].listText);
    list.SetCurSel(static_cast<int>(StripWidth::W1_8));
    for (int i = static_cast<int>(StripWidth::W3_16); i < kStripWidthCount; ++i)
        list.AddString(kStripWidths[static_cast<std::size_t>(i)].listText);
}

void fillTypeList(ListBox list, int type) {
    list.ResetContent();
    for (const RubberTypeInfo& info : kRubberTypes)
        list.AddString(info.listText);
    list.SetCurSel(type);
}

int startingType(int currentType) {
    return currentType >= 0 && currentType < kRubberTypeCount ? currentType : TanII;
}

void fillStrandsList(ListBox list) {
    list.ResetContent();
    for (int i = 0; i < kStrandCounts; ++i)
        list.AddString(formatInt(strandCountAt(i)));
    list.SetCurSel(1); // "4"
}

void fillMotorInputLists(platform::CWnd& page, int currentType) {
    fillTypeList(page.GetListBox(IDC_TYPE), currentType);
    fillWidthList(page.GetListBox(IDC_WIDTH));
    fillStrandsList(page.GetListBox(IDC_STRANDS));

    ListBox limits = page.GetListBox(IDC_LIMIT);
    limits.ResetContent();
    for (int i = 0; i < kLimitCount; ++i)
        limits.InsertString(i, formatInt(limitAt(i)));
    limits.SetCurSel(4); // "80"
}

namespace {
double selectedNumber(ListBox list) {
    const int selected = list.GetCurSel();
    return selected < 0 ? 0.0 : parseNumber(list.GetText(selected));
}
} // namespace

MotorInputs readMotorInputs(platform::CWnd& page) {
    MotorInputs inputs;
    inputs.width = stripWidthInches(page.GetListBox(IDC_WIDTH).GetCurSel()).value_or(0.0);
    inputs.strands = selectedNumber(page.GetListBox(IDC_STRANDS));
    inputs.limit = selectedNumber(page.GetListBox(IDC_LIMIT));
    inputs.useVorlick = page.GetButton(IDC_VORLICK).GetCheck();
    return inputs;
}

void exchangeRubberType(platform::CDataExchange& dx) {
    dx.window.GetListBox(IDC_TYPE).SetCurSel(calcState().currentType);
}

} // namespace kestrune
