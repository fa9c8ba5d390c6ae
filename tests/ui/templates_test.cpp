// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "platform/CDialog.h"
#include "tests/support/modal.h"
#include "ui/resources/dialog_templates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace kestrune::test {
namespace {

using namespace kestrune::platform;

struct Shape {
    int id;
    const char* caption;
    int cx, cy;
    std::size_t controls;
};

TEST(DialogTemplates, HaveTheirCaptionsSizesAndControls) {
    const std::vector<Shape> shapes{
        {IDD_TURNS, "Breaking Turns", 272, 135, 16},
        {IDD_TORQUE, "Breaking Torque", 272, 135, 14},
        {IDD_TEST, "Test", 186, 95, 0},
        {IDD_CALIB_TURNS, "Calibrate Turns", 202, 82, 8},
        {IDD_CALIB_TORQUE, "Calibrate Torque", 202, 81, 8},
        {IDD_SAVE_DATA, "", 132, 57, 3},
        {IDD_LIST, "List", 327, 146, 14},
        {IDD_OPTIONS, "Options", 186, 95, 0},
        {IDD_MOTOR_WEIGHT, "Motor Weight", 327, 146, 32},
        {IDD_WINDING, "Winding", 327, 146, 24},
        {IDD_BATCH_LOG, "Batch Log", 327, 186, 34},
        {IDD_TORQUE_TEST, "Torque Test", 420, 304, 70},
    };
    for (const Shape& shape : shapes) {
        const DialogTemplate& tmpl = dialogTemplate(shape.id);
        EXPECT_EQ(tmpl.id, shape.id);
        EXPECT_EQ(tmpl.caption, shape.caption) << shape.id;
        EXPECT_EQ(tmpl.cx, shape.cx) << shape.id;
        EXPECT_EQ(tmpl.cy, shape.cy) << shape.id;
        EXPECT_EQ(tmpl.controls.size(), shape.controls) << shape.id;
    }
}

TEST(DialogTemplates, TabOrderOfTheCalibrationDialogsDiffers) {
    auto ids = [](int tmpl) {
        std::vector<int> order;
        for (const ControlTemplate& control : dialogTemplate(tmpl).controls) {
            order.push_back(control.id);
        }
        return order.at(2) * 10000 + order.at(3);
    };
    EXPECT_EQ(ids(IDD_CALIB_TURNS), IDC_VALUE * 10000 + IDC_WIDTH);
    EXPECT_EQ(ids(IDD_CALIB_TORQUE), IDC_WIDTH * 10000 + IDC_VALUE);
}

// Every template, built in a dialog at a normal and a doubled font.
class Built : public testing::TestWithParam<std::tuple<int, qreal>> {};

TEST_P(Built, NoControlOverlapsAnotherOrClipsItsText) {
    const int id = std::get<0>(GetParam());
    const qreal points = std::get<1>(GetParam());
    const QFont original = QApplication::font();
    QFont font = original;
    font.setPointSizeF(points);
    QApplication::setFont(font);
    CDialog dialog(dialogTemplate(id));
    answerNextModal([&](QWidget* window) {
        const QList<QWidget*> all = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        std::vector<QWidget*> controls;
        for (QWidget* widget : all) {
            if (widget->isVisible()) {
                controls.push_back(widget);
            }
        }
        EXPECT_EQ(controls.size(), dialogTemplate(id).controls.size());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            QWidget* a = controls[i];
            const std::string name = a->accessibleName().toStdString();
            EXPECT_TRUE(window->rect().contains(a->geometry())) << name << " lies outside";
            if (qobject_cast<QLabel*>(a) != nullptr ||
                qobject_cast<QAbstractButton*>(a) != nullptr) {
                const auto* label = qobject_cast<QLabel*>(a);
                if (label == nullptr || !label->wordWrap()) {
                    EXPECT_GE(a->width(), a->sizeHint().width()) << name << " is clipped";
                }
                EXPECT_GE(a->height(), a->fontMetrics().height()) << name << " is clipped";
            }
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(a->geometry().intersects(controls[j]->geometry()))
                    << name << " overlaps " << controls[j]->accessibleName().toStdString();
            }
        }
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    QApplication::setFont(original);
}

INSTANTIATE_TEST_SUITE_P(DialogTemplates, Built,
                         testing::Combine(testing::Values(IDD_TURNS, IDD_TORQUE, IDD_CALIB_TURNS,
                                                          IDD_CALIB_TORQUE, IDD_SAVE_DATA,
                                                          IDD_MOTOR_WEIGHT, IDD_WINDING, IDD_LIST,
                                                          IDD_BATCH_LOG, IDD_TORQUE_TEST),
                                          testing::Values(9.0, 18.0)),
                         [](const testing::TestParamInfo<std::tuple<int, qreal>>& param) {
                             std::string name;
                             for (const char c : dialogTemplate(std::get<0>(param.param)).caption)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return (name.empty() ? std::string("save_data") : name) + "_" +
                                    std::to_string(static_cast<int>(std::get<1>(param.param))) +
                                    "pt";
                         });

struct Name {
    int tmpl;
    int control;
    const char* name;
};

TEST(DialogTemplates, ListsAndEditsAreNamedAfterTheirLabels) {
    const std::vector<Name> names{
        {IDD_TURNS, IDC_TYPE, "Type"},
        {IDD_TURNS, IDC_WIDTH, "Width"},
        {IDD_TURNS, IDC_LENGTH, "Length"},
        {IDD_TURNS, IDC_TURNS_RESULT, "Turns"},
        {IDD_TURNS, IDC_STRANDS, "Strands"},
        {IDD_TURNS, IDC_LIMIT, "Limit (%)"},
        {IDD_TORQUE, IDC_TYPE, "Type"},
        {IDD_TORQUE, IDC_STRANDS, "Strands"},
        {IDD_TORQUE, IDC_TORQUE_RESULT, "Torque"},
        {IDD_TORQUE, IDC_LIMIT, "Limit (%)"},
        {IDD_CALIB_TURNS, IDC_VALUE, "Turns/inch"},
        {IDD_CALIB_TURNS, IDC_WIDTH, "Width"},
        {IDD_CALIB_TORQUE, IDC_VALUE, "Torque oz/in"},
        {IDD_LIST, IDC_MOTOR_LIST, "Rubber Motor List"},
        {IDD_LIST, IDC_TURNS_SUMMARY, "Breaking Turns"},
        {IDD_LIST, IDC_TORQUE_SUMMARY, "BreakingTorque"},
        {IDD_LIST, IDC_SAVEAS, "SaveAs"},
        {IDD_SAVE_DATA, IDOK, "Yes"},
    };
    for (const int tmpl :
         {IDD_TURNS, IDD_TORQUE, IDD_CALIB_TURNS, IDD_CALIB_TORQUE, IDD_LIST, IDD_SAVE_DATA}) {
        CDialog dialog(dialogTemplate(tmpl));
        answerNextModal([&](QWidget*) {
            for (const Name& name : names) {
                if (name.tmpl == tmpl) {
                    EXPECT_EQ(dialog.GetDlgItem(name.control)->accessibleName().toStdString(),
                              name.name)
                        << tmpl << "/" << name.control;
                }
            }
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
    }
}

} // namespace
} // namespace kestrune::test
