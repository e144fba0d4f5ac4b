#include "files/TextLines.h"

#include <cstdint>
#include <limits>

#include "model/Host.h"
#include "model/Text.h"

namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsQuote(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b == '"' || b == 0x93 || b == 0x94;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "[name]" at the very start of the line; what follows the bracket is ignored.
bool NamesSection(std::string_view line, std::string_view name)
{
    if (line.size() < name.size() + 2 || line[0] != '[')
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (FoldAscii(line[i + 1]) != FoldAscii(name[i]))
            return false;
    return line[name.size() + 1] == ']';
}

} // namespace

bool IsCommentLine(std::string_view line)
{
    for (char c : line) {
        if (c == ';')
            return true;
        if (IsQuote(c))
            return false;
    }
    return false;
}

std::string SqueezeWhiteSpace(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (char c : text) {
        if (IsWhiteSpace(c)) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace)
            out += ' ';
        pendingSpace = false;
        out += c;
    }
    return out;
}

std::string ResolveEscapes(std::string_view text)
{
    std::string unslashed;
    unslashed.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            unslashed += text[i];
            continue;
        }
        if (++i == text.size())
            break; // a backslash at the very end stands for nothing
        switch (text[i]) {
        case 'r':
            unslashed += '\r';
            break;
        case 't':
            unslashed += '\t';
            break;
        case 'n':
            unslashed += '\n';
            break;
        default:
            unslashed += text[i];
            break;
        }
    }

    std::string out;
    out.reserve(unslashed.size());
    for (std::size_t i = 0; i < unslashed.size(); ++i) {
        if (unslashed[i] == '%' && i + 2 < unslashed.size()) {
            const int high = HexValue(unslashed[i + 1]);
            const int low = HexValue(unslashed[i + 2]);
            if (high >= 0 && low >= 0) {
                const int value = high * 16 + low;
                if (value == 0)
                    break; // stored texts end at their first NUL
                // A tab would upset the grid's columns; the escape stands for a space.
                out += value == 0x09 ? ' ' : static_cast<char>(value);
                i += 2;
                continue;
            }
        }
        out += unslashed[i];
    }
    return out;
}

std::string CleanField(std::string_view raw)
{
    if (raw.size() == 1)
        return std::string(raw);
    return ResolveEscapes(SqueezeWhiteSpace(raw));
}

std::int32_t FieldNumber(std::string_view text)
{
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::size_t pos = 0;
    while (pos < text.size() && IsWhiteSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return static_cast<std::int32_t>(-value); // -limit is exactly INT32_MIN
    return static_cast<std::int32_t>(value >= limit ? limit - 1 : value);
}

TextLineReader::TextLineReader(const std::uint8_t* data, std::size_t size, Host& host)
    : data_(data), size_(data ? size : 0), host_(host)
{
}

TextLineReader::LineKind TextLineReader::ReadLine()
{
    line_.clear();
    if (next_ >= size_)
        return LineKind::EndOfFile;

    std::size_t end = next_;
    std::size_t length = 0;
    while (end < size_ && data_[end] != '\n') {
        if (data_[end] != '\r')
            ++length;
        ++end;
    }
    const std::size_t start = next_;
    next_ = end < size_ ? end + 1 : end;
    ++lineNumber_;

    if (length > kMaxTextLine)
        return LineKind::TooLong;
    line_.reserve(length);
    for (std::size_t i = start; i < end; ++i) {
        const auto c = static_cast<char>(data_[i]);
        if (c == '\r')
            continue;
        line_ += c == '\0' ? ' ' : c;
    }
    if (line_.empty())
        return LineKind::Blank;
    if (IsCommentLine(line_))
        return LineKind::Comment;
    return LineKind::Text;
}

bool TextLineReader::FindSection(std::string_view name)
{
    next_ = 0;
    lineNumber_ = 0;
    sectionOpen_ = false;
    fieldPos_ = 0;
    for (;;) {
        const LineKind kind = ReadLine();
        if (kind == LineKind::EndOfFile)
            break;
        if (kind != LineKind::Text)
            continue;
        if (NamesSection(line_, name) || NamesSection(SqueezeWhiteSpace(line_), name)) {
            sectionOpen_ = true;
            line_.clear();
            return true;
        }
    }
    line_.clear();
    return false;
}

bool TextLineReader::NextDataLine()
{
    fieldPos_ = 0;
    while (sectionOpen_) {
        const LineKind kind = ReadLine();
        if (kind == LineKind::Blank || kind == LineKind::Comment)
            continue;
        if (kind == LineKind::Text && line_[0] != '[')
            return true;
        sectionOpen_ = false;
    }
    line_.clear();
    return false;
}

std::string TextLineReader::ReadField(std::size_t capacity)
{
    std::size_t pos = fieldPos_;
    while (pos < line_.size() && line_[pos] != '"') {
        if (line_[pos] == ';') {
            fieldPos_ = pos; // everything after a comment mark reads as empty
            return {};
        }
        ++pos;
    }
    if (pos >= line_.size()) {
        fieldPos_ = pos;
        return {};
    }

    const std::size_t start = pos + 1;
    std::size_t close = line_.find('"', start);
    if (close == std::string::npos)
        close = line_.size();
    fieldPos_ = close < line_.size() ? close + 1 : close;

    std::string_view raw(line_.data() + start, close - start);
    const std::size_t room = capacity > 0 ? capacity - 1 : 0;
    if (raw.size() > room) {
        raw = raw.substr(0, room);
        host_.ShowMessage("String too long, line " + std::to_string(lineNumber_), "Stop",
                          MessageIcon::None);
    }
    return CleanField(raw);
}
