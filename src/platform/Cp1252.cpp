#include "platform/Cp1252.h"

#include "model/Text.h"

QString Cp1252ToQString(std::string_view text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        out.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c)))));
    return out;
}

namespace {

// Calls f with each code point of text; an unpaired surrogate is passed as
// itself so that it meets no byte of the table.
template <typename F> void ForEachCodePoint(const QString& text, F f)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            f(static_cast<char32_t>(c.unicode()));
        }
    }
}

} // namespace

std::string QStringToCp1252(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    ForEachCodePoint(text, [&](char32_t cp) {
        const int byte = UnicodeToCp1252(cp);
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    });
    return out;
}

bool FitsCp1252(const QString& text)
{
    bool fits = true;
    ForEachCodePoint(text, [&](char32_t cp) {
        if (UnicodeToCp1252(cp) < 0)
            fits = false;
    });
    return fits;
}
