#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class Host;

// Lines, sections and quoted fields of a text season file.
//
// A line ends at a line feed; carriage returns are dropped wherever they stand
// and a NUL byte reads as a space. Blank lines and comment lines are skipped
// everywhere. A line longer than kMaxTextLine characters is consumed whole; it
// ends the data of a section and the section search passes over it.

constexpr std::size_t kMaxTextLine = 599;

// True for a line holding a ";" with no double quote (straight, or the
// typographic 0x93 / 0x94) before the first ";".
bool IsCommentLine(std::string_view line);

// Every run of white space becomes one space; none is left at either end.
std::string SqueezeWhiteSpace(std::string_view text);

// Backslash escapes over the whole text, then percent escapes over the result.
// A byte 0 made by "%00" ends the text, as it would end any stored text.
std::string ResolveEscapes(std::string_view text);

// How a field's raw text is stored: squeezed, then unescaped, except that a
// text of exactly one character is taken as it stands.
std::string CleanField(std::string_view raw);

// Leading white space, an optional sign, then decimal digits up to the first
// other character; no digits gives 0. Saturates at the 32-bit limits.
std::int32_t FieldNumber(std::string_view text);

// Section search and data lines over the bytes of one file. The reader keeps
// no copy of the bytes: they must outlive it.
class TextLineReader {
public:
    TextLineReader(const std::uint8_t* data, std::size_t size, Host& host);

    // Searches the whole file from its start for "[name]" (ASCII case
    // ignored). On success the next data line is the first one after the
    // header.
    bool FindSection(std::string_view name);

    // Moves to the next data line of the current section. Once the section's
    // data has ended (end of file, a header, an over-long line) it stays ended.
    bool NextDataLine();

    // The next quoted field of the current data line, cleaned. A text longer
    // than capacity - 1 is cut there with the "String too long, line %d"
    // notice; the rest of it up to its closing quote is passed over.
    std::string ReadField(std::size_t capacity);

    // The number of the line last read, counted from the start of the file.
    int LineNumber() const { return lineNumber_; }

private:
    enum class LineKind { EndOfFile, Blank, Comment, TooLong, Text };
    LineKind ReadLine();

    const std::uint8_t* data_;
    std::size_t size_;
    Host& host_;
    std::size_t next_ = 0; // offset of the next unread line
    int lineNumber_ = 0;
    bool sectionOpen_ = false;
    std::string line_; // the current line, carriage returns dropped
    std::size_t fieldPos_ = 0;
};
