// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// List files (".dta": one motor row per line, no header row), the text export (".txt": the header
// row, then the rows) and the work behind the List page's Load, Save, SaveAs and Print buttons.
// The page moves rows between its list box and these functions and shows what went wrong.

#include "core/stored_file.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

inline constexpr std::string_view kDefaultListFileName = "kes.dta";
inline constexpr std::string_view kListFileExtension = ".dta";
inline constexpr std::string_view kExportFileExtension = ".txt";

// No motor list comes near this (100,000 rows are about 4 MB); a larger file is refused rather
// than read into memory many times its size.
inline constexpr std::size_t kMaxListFileBytes = std::size_t{64} << 20;

// Each row costs memory beyond its bytes, so a file of empty lines under the size limit would be
// tens of millions of rows and gigabytes. A file of more lines is refused; a list file of the
// largest size whose rows the program made (about 30 bytes each) has fewer.
inline constexpr std::size_t kMaxListRows = 4'000'000;

// Carries rows between the motor list and the files. Any number of rows of any length, each held
// whole: a row is never split, dropped or cut short by its content.
struct MotorListBuffer {
    std::vector<std::string> rows;
};

// The one buffer the List page uses.
MotorListBuffer& motorListBuffer();

// The motor list where the List page keeps it (its list box): the number of rows and the text of
// row i, the header row being row 0. Read row by row, so a long list is not copied twice.
struct MotorListView {
    std::size_t rowCount = 0;
    std::function<std::string(std::size_t)> rowText;
};

// A list file as the folder it lives in plus its bare name. The program never changes its working
// directory, so the folder is kept here instead.
struct ListFileLocation {
    std::filesystem::path folder;
    std::string name;

    std::filesystem::path path() const { return folder / name; }
};

// kes.dta in the folder the program started in.
ListFileLocation defaultListFile(const std::filesystem::path& startFolder);

// The list file that Save writes to: the List page's first display loads defaultListFile() into
// it; Load and SaveAs change it.
ListFileLocation& currentListFile();

// A name with no "." anywhere gets the extension appended; any other name is kept as it is.
std::string withDefaultExtension(std::string_view bareName, std::string_view extension);

// A file picked in the Load or SaveAs dialog, with ".dta" added by the rule above.
ListFileLocation chosenListFile(const std::filesystem::path& chosen);

// A file picked in the Print dialog, with ".txt" added by the rule above.
std::filesystem::path chosenExportFile(const std::filesystem::path& chosen);

// Replaces the buffer's rows with rows firstIndex to the end of the list (none when firstIndex is
// past the end).
void packRows(MotorListBuffer& buffer, const MotorListView& list, std::size_t firstIndex);

// The rows of a list file's text, and the text of rows (see readListFile and writeListFile).
std::size_t countListRows(std::string_view text);
std::vector<std::string> parseListText(std::string_view text);
std::string formatListText(const std::vector<std::string>& rows);

// Replaces the buffer's rows with the lines of a list file; leaves the buffer alone when there is
// no such file or it cannot be read (a file larger than kMaxListFileBytes or of more than
// kMaxListRows lines, or one the memory left cannot hold). A line ends at LF, and carriage
// returns just before the LF are part of the line end; an empty line is an empty row, a last line
// without line end is a row too.
FileResult readListFile(MotorListBuffer& buffer, StoredFile& file);

// Writes every row of the buffer followed by LF; no rows give an empty file. On failure the old
// file stays whole and the result says why.
FileResult writeListFile(const MotorListBuffer& buffer, StoredFile& file);

// In each of these, file is the stored file at the location named beside it.
// Load, and the List page's first display with defaultListFile(): the location becomes the
// current list file and the buffer receives its rows. A file that is not there (a new name, say)
// or cannot be read leaves the buffer empty, so the list shows only its header row.
FileResult loadMotorList(MotorListBuffer& buffer, ListFileLocation& current,
                         const ListFileLocation& location, StoredFile& file);

// Save: the motor rows, without the header row, into the current list file.
FileResult saveMotorList(MotorListBuffer& buffer, const MotorListView& list, StoredFile& file);

// SaveAs: as Save, into the chosen location, which then becomes the current list file. A failed
// SaveAs changes nothing: the current list file stays what it was.
FileResult saveMotorListAs(MotorListBuffer& buffer, const MotorListView& list,
                           ListFileLocation& current, const ListFileLocation& location,
                           StoredFile& file);

// Print: the whole list, header row first, into a text export. The current list file stays what
// it was, so the next Save still writes the user's list file.
FileResult exportMotorList(MotorListBuffer& buffer, const MotorListView& list, StoredFile& file);

} // namespace kestrune
