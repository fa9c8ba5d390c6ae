// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

// The field page's cases, shared with its browser test: the same steps must give the same texts
// here, through the page models, as in the browser, through the WebAssembly module.

#include "web/field_page.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace kestrune {
namespace {

const std::string kShared = KESTRUNE_SHARED_DIR;

std::vector<std::string> split(const std::string& text, const std::string& by) {
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(by, from);
        parts.push_back(text.substr(from, at - from));
        if (at == std::string::npos)
            return parts;
        from = at + by.size();
    }
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A step as the person takes it: a list by the entry's text, a tick box by 1 or 0, a file by its
// name in the shared folder, a Batches row by its number, a box by what is typed.
void take(FieldPage& page, const std::string& id, const std::string& value) {
    if (id == "pick-settings" || id == "pick-batches") {
        std::vector<std::string> args{id == "pick-settings" ? "settings" : "batches"};
        for (const std::string& name : split(value, ",")) {
            std::string path = kShared + "/field/";
            path += name;
            args.push_back(name);
            args.push_back(fileText(path));
        }
        page.request(args);
        return;
    }
    for (const auto& [list, entries] : page.view().lists)
        for (std::size_t i = 0; list == id && i < entries.size(); ++i)
            if (entries[i] == value)
                return page.request(std::vector<std::string>{"change", id, std::to_string(i)});
    const std::string* box = page.view().text(id);
    if (!box || id == "tab" || id == "batch-use" || id == "defaults" || id.ends_with("vorlick"))
        return page.request(std::vector<std::string>{"change", id, value});
    // A box is emptied, then typed into a key at a time: each key is a change.
    if (!box->empty())
        page.request(std::vector<std::string>{"change", id, ""});
    for (std::size_t n = 1; n <= value.size(); ++n)
        page.request(std::vector<std::string>{"change", id, value.substr(0, n)});
}

// What the person reads: a text, or a table's row as its cells joined by "/".
std::string shown(const FieldPage& page, const std::string& id) {
    const std::size_t dot = id.find('.');
    for (const auto& [table, rows] : page.view().tables) {
        if (dot == std::string::npos || id.substr(0, dot) != table)
            continue;
        const std::size_t row = std::stoul(id.substr(dot + 1));
        if (row >= rows.size())
            return "(no row)";
        std::string cells;
        for (std::size_t i = 0; i < rows[row].size(); ++i)
            cells += (i > 0 ? "/" : "") + rows[row][i];
        return cells;
    }
    const std::string* text = page.view().text(id);
    return text ? *text : "(no text)";
}

TEST(FieldPage, SharedCasesShowTheWindowsTexts) {
    std::istringstream cases(fileText(kShared + "/field_cases.tsv"));
    std::string line;
    int rows = 0;
    while (std::getline(cases, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> fields = split(line, "\t");
        ASSERT_EQ(fields.size(), 3u) << line;
        ++rows;
        FieldPage page;
        for (const std::string& step : split(fields[1], " ; ")) {
            const std::size_t eq = step.find('=');
            take(page, step.substr(0, eq), step.substr(eq + 1));
        }
        for (const std::string& expected : split(fields[2], " ; ")) {
            const std::size_t eq = expected.find('=');
            EXPECT_EQ(shown(page, expected.substr(0, eq)), expected.substr(eq + 1))
                << fields[0] << ": " << expected.substr(0, eq);
        }
    }
    EXPECT_GT(rows, 10) << "the shared table was read";
}

} // namespace
} // namespace kestrune
