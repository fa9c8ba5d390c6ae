// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/input_lists.h"

#include "core/calc_state.h"
#include "core/motor_weight.h"
#include "core/number_text.h"
#include "core/units.h"
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

void fillStrandsList(ListBox list) {
    list.ResetContent();
    for (int i = 0; i < kStrandCounts; ++i)
        list.AddString(formatInt(strandCountAt(i)));
    list.SetCurSel(1); // "4"
}

void fillMotorInputLists(platform::CWnd& page, int type) {
    fillTypeList(page.GetListBox(IDC_TYPE), type);
    fillWidthList(page.GetListBox(IDC_WIDTH));
    fillStrandsList(page.GetListBox(IDC_STRANDS));

    ListBox limits = page.GetListBox(IDC_LIMIT);
    limits.ResetContent();
    for (int i = 0; i < kLimitCount; ++i)
        limits.InsertString(i, formatInt(limitAt(i)));
    limits.SetCurSel(4); // "80"
}

void fillWeightClassList(ListBox list) {
    for (const WeightClass& weightClass : kWeightClasses)
        list.AddString(weightClass.listText);
    list.SetCurSel(0);
}

void fillUnitsList(ListBox list) {
    for (const std::string_view unit : kLengthUnitTexts)
        list.AddString(unit);
}

} // namespace kestrune
