// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once
// Comma-separated records with the quoting spreadsheets use: a field that holds a comma, a
// double quote, a CR or an LF is written in double quotes, its quotes doubled.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

struct CsvRecord {
    std::string_view raw;   // the record's bytes, without its line end
    std::size_t length = 0; // bytes it takes in the text, line end included
    // Its fields; nothing when the record is not well formed (a quoted field that never closes,
    // a closing quote followed by anything but a comma or the line end, or a quote in a field
    // that is not quoted). Such a record is the one line it starts on, so one stray quote cannot
    // swallow the lines after it.
    std::optional<std::vector<std::string>> fields;
};

// The record at the start of text, which must not be empty. A record ends at a line end outside
// quotes: LF, CR LF or a lone CR, as spreadsheets of every system write them. Text that is only
// the start of a file (textEnds false) may end before the record does: then its length is 0, and
// more of the file is needed to read it.
CsvRecord readCsvRecord(std::string_view text, bool textEnds = true);

// The first line of text as a record that is not read into fields (length 0 as above).
CsvRecord readCsvLine(std::string_view text, bool textEnds = true);

// Whether a record that runs over several lines is a stray quote's doing: a line break in a field
// other than those that may hold one, or a line after the first that, read on its own, is a
// record of the log (isRecord): a record written again without a quote it was read with would
// let the stray quote reach over it.
bool csvSpansAStrayQuote(const std::vector<std::string>& fields, std::string_view record,
                         std::initializer_list<std::size_t> mayBreak,
                         const std::function<bool(std::vector<std::string>&)>& isRecord);

// Follows records that are no records of the log, taken one after another as a reader meets
// them: whether a reader that began at any of them is still inside quotes, and so would read on
// into what comes next as part of it (a stray quote, closed only by the first quote after it).
class CsvOpenQuotes {
public:
    // The next record's bytes, without its line end.
    void take(std::string_view record);
    // After a record of the log, which ends every reading begun before it.
    void reset() { live_ = 0; }
    bool open() const { return live_ != 0; }

private:
    // The states of the readings begun: at a field's start, in a field not quoted, in quotes,
    // just after a closing quote; one bit each, as readings in one state go on alike.
    enum : unsigned { kFieldStart = 1, kPlain = 2, kQuoted = 4, kAfterQuote = 8 };
    unsigned live_ = 0; // the readings in quotes at the end of what was taken
};

// Appends a field, quoted when it needs to be.
void appendCsvField(std::string& out, std::string_view field);

// A log's header line: its column names, quoted as they need to be.
std::string csvHeader(std::span<const std::string_view> names);

// Whether a log's first record is its header, as this or a spreadsheet wrote it (a byte-order
// mark before it): its first two fields are the first two names. No record of a log has the
// second name for a value, so a record whose first field is the first name is not taken for one.
bool isCsvHeader(const std::vector<std::string>& fields, std::span<const std::string_view> names);

} // namespace kestrune
