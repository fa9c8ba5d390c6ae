// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "list_files.h"

#include "core/file_reasons.h"
#include "core/start_directory.h"
#include "core/text_lines.h"

#include <algorithm>
#include <new>

namespace kestrune {
namespace fs = std::filesystem;

std::size_t countListRows(std::string_view text) {
    const auto lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return lineEnds + (text.empty() || text.back() == '\n' ? 0 : 1);
}

std::vector<std::string> parseListText(std::string_view text) {
    std::vector<std::string> rows;
    rows.reserve(countListRows(text));
    while (!text.empty())
        rows.emplace_back(takeLine(text));
    return rows;
}

std::string formatListText(const std::vector<std::string>& rows) {
    std::size_t size = 0;
    for (const std::string& row : rows)
        size += row.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& row : rows) {
        text += row;
        text += '\n';
    }
    return text;
}

MotorListBuffer& motorListBuffer() {
    static MotorListBuffer buffer;
    return buffer;
}

ListFileLocation defaultListFile() {
    return {startDirectory(), std::string(kDefaultListFileName)};
}

ListFileLocation& currentListFile() {
    static ListFileLocation current = defaultListFile();
    return current;
}

std::string withDefaultExtension(std::string_view bareName, std::string_view extension) {
    std::string name(bareName);
    if (name.find('.') == std::string::npos)
        name += extension;
    return name;
}

ListFileLocation chosenListFile(const fs::path& chosen) {
    return {chosen.parent_path(),
            withDefaultExtension(chosen.filename().string(), kListFileExtension)};
}

fs::path chosenExportFile(const fs::path& chosen) {
    return chosen.parent_path() /
           withDefaultExtension(chosen.filename().string(), kExportFileExtension);
}

void packRows(MotorListBuffer& buffer, const MotorListView& list, std::size_t firstIndex) {
    buffer.rows.clear();
    if (firstIndex >= list.rowCount)
        return;
    buffer.rows.reserve(list.rowCount - firstIndex);
    for (std::size_t i = firstIndex; i < list.rowCount; ++i)
        buffer.rows.push_back(list.rowText(i));
}

ReadResult readListFile(MotorListBuffer& buffer, const fs::path& file) {
    ReadResult result = readRegularFile(file, kMaxListFileBytes);
    if (!result.read())
        return result;
    if (countListRows(result.contents) > kMaxListRows)
        return ReadResult::failure("it has more than " + std::to_string(kMaxListRows / 1'000'000) +
                                   " million lines, more than any motor list");
    try {
        buffer.rows = parseListText(result.contents);
    } catch (const std::bad_alloc&) {
        return ReadResult::failure(kNoMemoryToRead);
    }
    result.contents = std::string();
    return result;
}

WriteResult writeListFile(const MotorListBuffer& buffer, const fs::path& file) {
    try {
        return writeFileAtomically(file, formatListText(buffer.rows));
    } catch (const std::bad_alloc&) {
        return WriteResult::failure(kNoMemoryToSave);
    }
}

ReadResult loadMotorList(MotorListBuffer& buffer, ListFileLocation& current,
                         const ListFileLocation& file) {
    current = file;
    buffer.rows.clear();
    return readListFile(buffer, current.path());
}

namespace {

WriteResult writeRows(MotorListBuffer& buffer, const MotorListView& list, std::size_t firstIndex,
                      const fs::path& file) {
    try {
        packRows(buffer, list, firstIndex);
    } catch (const std::bad_alloc&) {
        buffer.rows = {};
        return WriteResult::failure(kNoMemoryToSave);
    }
    return writeListFile(buffer, file);
}

} // namespace

WriteResult saveMotorList(MotorListBuffer& buffer, const MotorListView& list,
                          const ListFileLocation& current) {
    return writeRows(buffer, list, 1, current.path()); // row 0 is the header row
}

WriteResult saveMotorListAs(MotorListBuffer& buffer, const MotorListView& list,
                            ListFileLocation& current, const ListFileLocation& file) {
    WriteResult result = saveMotorList(buffer, list, file);
    if (result.ok)
        current = file;
    return result;
}

WriteResult exportMotorList(MotorListBuffer& buffer, const MotorListView& list,
                            const fs::path& file) {
    return writeRows(buffer, list, 0, file);
}

} // namespace kestrune
