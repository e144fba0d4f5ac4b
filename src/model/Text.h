#pragma once

#include <string>
#include <string_view>

// Season text is Windows-1252; messages and paths are UTF-8. These convert
// between the two without consulting the process locale.
//
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 control characters of the same number, so every byte
// survives a round trip through Unicode.

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte for a code point, or -1 when it has none.
int UnicodeToCp1252(char32_t codePoint);

std::string Cp1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 byte become '?', one per character; so
// does each malformed UTF-8 sequence (its longest well-formed prefix counts as
// one).
std::string Utf8ToCp1252(std::string_view text);

// "Ignoring case" folds the ASCII letters only, whatever the locale: every
// other byte stands for itself.
constexpr char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text without its leading and trailing blanks (spaces only).
std::string TrimBlanks(std::string_view text);

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

// -1, 0 or 1 as a sorts before, with or after b, bytes compared unsigned
// after folding; a prefix sorts first.
int CompareIgnoringAsciiCase(std::string_view a, std::string_view b);

// Appends the UTF-8 form of a code point (U+FFFD for one that cannot be
// encoded: a surrogate or beyond U+10FFFF).
void AppendUtf8(std::string& out, char32_t codePoint);

// Appends text with the characters HTML gives a meaning to (& < > " ') as
// character references.
void AppendHtmlEscaped(std::string& out, std::string_view text);
