#include "list_files.h"

#include <optional>

namespace kestrune {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> rows;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos) {
            text = {};
        } else {
            text.remove_prefix(end + 1);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
        }
        rows.emplace_back(line);
    }
    return rows;
}

std::string joinLines(const std::vector<std::string>& rows) {
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

} // namespace

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

bool readListFile(MotorListBuffer& buffer, const fs::path& file) {
    const std::optional<std::string> text = readWholeFile(file);
    if (!text)
        return false;
    buffer.rows = splitLines(*text);
    return true;
}

WriteResult writeListFile(const MotorListBuffer& buffer, const fs::path& file) {
    return writeFileAtomically(file, joinLines(buffer.rows));
}

bool loadMotorList(MotorListBuffer& buffer, ListFileLocation& current,
                   const ListFileLocation& file) {
    current = file;
    buffer.rows.clear();
    return readListFile(buffer, current.path());
}

WriteResult saveMotorList(MotorListBuffer& buffer, const MotorListView& list,
                          const ListFileLocation& current) {
    packRows(buffer, list, 1); // row 0 is the header row, which list files never hold
    return writeListFile(buffer, current.path());
}

WriteResult saveMotorListAs(MotorListBuffer& buffer, const MotorListView& list,
                            ListFileLocation& current, const ListFileLocation& file) {
    current = file;
    return saveMotorList(buffer, list, current);
}

WriteResult exportMotorList(MotorListBuffer& buffer, const MotorListView& list,
                            const fs::path& file) {
    packRows(buffer, list, 0);
    return writeListFile(buffer, file);
}

} // namespace kestrune
