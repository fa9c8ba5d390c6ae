// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "settings/preferences_file.h"
#include "tests/support/disk_files.h"
#include "tests/support/locale_guard.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace kestrune {
namespace {

test::DiskFiles disk;

// Each key or its default, the lines it does not know kept; what is written reads back the same.
TEST(ParsePreferences, ReadsEachKeyOrItsDefault) {
    constexpr auto mm = LengthUnit::Millimetre, in = LengthUnit::Inch;
    const struct {
        std::string text;
        LengthUnit units;
        double thickness, density;
        int ratio;
        double stretch;
        const char* kept; // each line with its line end
        ExactConstants exact = {};
        std::map<std::string, std::string, std::less<>> inputs = {};
        ConstantsBatches batches = {};
    } cases[] = {
        {"", in, 0.042, 1, 16, 4, ""},
        {"units=mm\r\nthickness=0.0625\r\ndensity=1.05\r\nwinder-ratio=5\r\nstretch=4.5\r\n", mm,
         0.0625, 1.05, 5, 4.5, ""},
        {" density = 1.04 \nunits= mm", mm, 0.042, 1.04, 16, 4, ""},
        {"units=furlong\nthickness=0\ndensity=1,05\nwinder-ratio=2.5\nstretch=9\n", in, 0.042, 1,
         16, 4, ""},
        {"thickness=1e999\ndensity=-1\n", in, 0.042, 1, 16, 4, ""},
        {"x=1\r\r\nunits=mm\r\r", mm, 0.042, 1, 16, 4, "x=1\n"},
        {"stretch=3\nstretch=6\n", in, 0.042, 1, 16, 6, ""}, // the last line counts
        {"# mine\ncolour=red\nunits=mm\n\nno equals sign\n", mm, 0.042, 1, 16, 4,
         "# mine\ncolour=red\nno equals sign\n"},
        {"turns-constant.1=113.2\ntorque-constant.3 = 0.004\nturns-constant.2=1e999\n"
         "torque-constant.1=2,7\nturns-constant.4=5\nturns-constant.2=0\n",
         in,
         0.042,
         1,
         16,
         4,
         "turns-constant.4=5\n",
         {{113.2, 0, std::nullopt}, {std::nullopt, std::nullopt, 0.004}}},
        {"input.motor-weight.length = 20.5 \ninput.winding.vorlick=\\sa b\\\\c\\n\\t\\s\n"
         "input.Winding=1\ninput.x=1\ninput.x=\\q\ninput.y=2\\\n",
         in,
         0.042,
         1,
         16,
         4,
         "input.Winding=1\n",
         {},
         {{"motor-weight.length", "20.5"}, {"winding.vorlick", " a b\\c\n\t "}}},
        {"turns-constant.1=113.2\ntorque-constant.1=2.72\nturns-constant.2=90\n"
         "constants-batch.1=113.2,2.72,A, b\\s\nconstants-batch.2=90,,B\n"
         "constants-batch.3=x,,C\nconstants-batch.2=90,1,\n",
         in,
         0.042,
         1,
         16,
         4,
         "",
         {{113.2, 90, std::nullopt}, {2.72, std::nullopt, std::nullopt}},
         {},
         {ConstantsBatch{"A, b ", 113.2, 2.72}, std::nullopt, std::nullopt}}};
    for (const auto& c : cases) {
        const Preferences p = parsePreferences(c.text);
        EXPECT_TRUE(p.units() == c.units && p.thickness() == c.thickness &&
                    p.density() == c.density && p.winderRatio() == c.ratio &&
                    p.stretch() == c.stretch)
            << c.text;
        std::string kept;
        for (const std::string& line : p.otherLines)
            kept += line + "\n";
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(p.exactConstants, c.exact) << c.text;
        EXPECT_EQ(p.keptInputs, c.inputs) << c.text;
        EXPECT_EQ(p.constantsBatches, c.batches) << c.text;
        EXPECT_EQ(formatPreferences(parsePreferences(formatPreferences(p))), formatPreferences(p));
    }
}

TEST(FormatPreferences, WritesPointsInEveryLocale) {
    test::DecimalCommaLocale locale;
    KESTRUNE_REQUIRE_DECIMAL_COMMA(locale);
    Preferences p;
    p.setUnits(LengthUnit::Millimetre);
    p.setThickness(1.0668 / 25.4);
    p.otherLines = {"colour=red"};
    p.exactConstants.turns[0] = 113.2;
    p.exactConstants.torque[2] = 0.004;
    p.keptInputs = {{"winding.length", " 1\t2\n\r\\ "}, {"Bad key=", "x"}};
    p.constantsBatches = {ConstantsBatch{"A", 113.2, std::nullopt}, std::nullopt,
                          ConstantsBatch{"C", 1, 0.004}}; // C's turns constant is no longer 1
    EXPECT_EQ(formatPreferences(p), "units=mm\nthickness=0.042\ndensity=1\nwinder-ratio=16\n"
                                    "stretch=4\nturns-constant.1=113.2\ntorque-constant.3=0.004\n"
                                    "constants-batch.1=113.2,,A\n"
                                    "input.winding.length=\\s1\\t2\\n\\r\\\\\\s\ncolour=red\n");
    EXPECT_EQ(parsePreferences(formatPreferences(p)).keptInputs.at("winding.length"),
              " 1\t2\n\r\\ ");
    EXPECT_EQ(parsePreferences("density=1.05").density(), 1.05);
}

TEST(PreferencesFile, SavesAndLoadsBesideTheSettings) {
    test::TempFolder folder;
    Preferences p;
    p.setDensity(1.06);
    ASSERT_TRUE(savePreferences(p, disk(folder / "kes-prefs.cfg")).done());
    Preferences loaded;
    EXPECT_TRUE(loadPreferences(loaded, disk(folder / "kes-prefs.cfg")).done());
    EXPECT_EQ(loaded.density(), 1.06);
    test::writeBytes(folder / "big.cfg", std::string(kMaxPreferencesFileBytes + 1, '\n'));
    EXPECT_TRUE(loadPreferences(loaded, disk(folder / "big.cfg")).failed());
    EXPECT_EQ(loaded.density(), 1.0) << "an unreadable file gives the defaults";
    EXPECT_EQ(kPreferencesFileName, "kes-prefs.cfg");
}

} // namespace
} // namespace kestrune
