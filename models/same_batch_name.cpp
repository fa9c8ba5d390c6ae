// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#include "same_batch_name.h"

#include <cstddef>

namespace kestrune {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Walks a name as it is compared: its words, one blank between them. Makes no copy: the log's
// every batch is compared with each name typed.
class ComparedName {
public:
    explicit ComparedName(std::string_view name) : name_(name) { skipBlanks(); }
    bool atEnd() const { return at_ == name_.size(); }
    // The next character, a run of blanks between words as one ' '.
    char next() {
        if (isBlank(name_[at_])) {
            skipBlanks();
            return ' ';
        }
        const char c = folded(name_[at_++]);
        if (at_ < name_.size() && isBlank(name_[at_])) {
            std::size_t after = at_;
            while (after < name_.size() && isBlank(name_[after]))
                ++after;
            if (after == name_.size())
                at_ = after; // blanks at the end count for nothing
        }
        return c;
    }

private:
    void skipBlanks() {
        while (at_ < name_.size() && isBlank(name_[at_]))
            ++at_;
    }
    std::string_view name_;
    std::size_t at_ = 0;
};

} // namespace

bool sameBatchName(std::string_view a, std::string_view b) {
    ComparedName left(a), right(b);
    while (!left.atEnd() && !right.atEnd()) {
        if (left.next() != right.next())
            return false;
    }
    return left.atEnd() && right.atEnd();
}

} // namespace kestrune
