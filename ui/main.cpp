// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "ui/CMotorApp.h"
int main(int argc, char** argv) {
    return kestrune::theApp().run(argc, argv);
}
