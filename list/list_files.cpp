// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "list_files.h"

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

ListFileLocation defaultListFile(const fs::path& startFolder) {
    return {startFolder, std::string(kDefaultListFileName)};
}

ListFileLocation& currentListFile() {
    static ListFileLocation current;
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

FileResult readListFile(MotorListBuffer& buffer, StoredFile& file) {
    std::string text;
    FileResult result = file.read(text, kMaxListFileBytes);
    if (!result.done())
        return result;
    if (countListRows(text) > kMaxListRows)
        return FileResult::failure("it has more than " + std::to_string(kMaxListRows / 1'000'000) +
                                   " million lines, more than any motor list");
    try {
        buffer.rows = parseListText(text);
    } catch (const std::bad_alloc&) {
        return FileResult::failure(kNoMemoryToRead);
    }
    return result;
}

FileResult writeListFile(const MotorListBuffer& buffer, StoredFile& file) {
    try {
        return file.write(formatListText(buffer.rows));
    } catch (const std::bad_alloc&) {
        return FileResult::failure(kNoMemoryToSave);
    }
}

FileResult loadMotorList(MotorListBuffer& buffer, ListFileLocation& current,
                         const ListFileLocation& location, StoredFile& file) {
    current = location;
    buffer.rows.clear();
    return readListFile(buffer, file);
}

namespace {

FileResult writeRows(MotorListBuffer& buffer, const MotorListView& list, std::size_t firstIndex,
                     StoredFile& file) {
    try {
        packRows(buffer, list, firstIndex);
    } catch (const std::bad_alloc&) {
        buffer.rows = {};
        return FileResult::failure(kNoMemoryToSave);
    }
    return writeListFile(buffer, file);
}

} // namespace

FileResult saveMotorList(MotorListBuffer& buffer, const MotorListView& list, StoredFile& file) {
    return writeRows(buffer, list, 1, file); // row 0 is the header row
}

FileResult saveMotorListAs(MotorListBuffer& buffer, const MotorListView& list,
                           ListFileLocation& current, const ListFileLocation& location,
                           StoredFile& file) {
    FileResult result = saveMotorList(buffer, list, file);
    if (result.done())
        current = location;
    return result;
}

FileResult exportMotorList(MotorListBuffer& buffer, const MotorListView& list, StoredFile& file) {
    return writeRows(buffer, list, 0, file);
}

} // namespace kestrune
