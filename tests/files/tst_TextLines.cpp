#include "support/TestRegistry.h"
// The line reader under the text season import: comment lines, fields, escapes, sections.
#include <QtTest>

#include <climits>

#include "files/TextLines.h"
#include "support/FakeHost.h"

using namespace std::string_literals;

namespace {

// The fields of the first data line of section S, each read with capacity.
std::vector<std::string> FieldsOf(const std::string& text, std::size_t count, std::size_t capacity,
                                  FakeHost& host, const char* section = "S")
{
    TextLineReader reader(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), host);
    std::vector<std::string> fields;
    if (reader.FindSection(section) && reader.NextDataLine())
        while (fields.size() < count)
            fields.push_back(reader.ReadField(capacity));
    return fields;
}

QByteArray Q(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

} // namespace

class TestTextLines : public QObject {
    Q_OBJECT

private slots:
    void commentLine()
    {
        const std::pair<std::string, bool> cases[] = {{"; venue, opponent", true},
                                                      {"note; \"x\"", true},
                                                      {"\"A\" ; more", false},
                                                      {"\223A\224 ; x", false},
                                                      {"\x94;", false},
                                                      {"\x92;", true}}; // typographic quotes
        for (const auto& [line, comment] : cases)
            QVERIFY2(IsCommentLine(line) == comment, line.c_str());
    }

    void cleanField()
    {
        const std::pair<std::string, std::string> cases[] = {
            {"A\\tB", "A\tB"},
            {"AB\\", "AB"},
            {"A%09B", "A B"},
            {"Caf%E9", "Caf\xE9"},
            {"AB%00CD", "AB"},
            {"  A   B  ", "A B"},
            {"\tA\v\fB\r\n", "A B"}, // every kind of blank
            {"%20%20", "  "},        // squeezed before unescaping
            {"\\%41", "A"},          // backslash before percent
            {"%5Ct", "\\t"},         // a percent escape makes no backslash escape
            {"%2541", "%41"},        // nor is it scanned again
            {" ", " "},
            {"  ", ""},
            {"A\xA0"
             "B",
             "A\xA0"
             "B"}}; // non-breaking space kept
        for (const auto& [raw, clean] : cases)
            QCOMPARE(Q(CleanField(raw)), Q(clean));
    }

    void fieldNumber()
    {
        const std::pair<std::string, long long> cases[] = {{" \t-5", -5},
                                                           {"abc", 0},
                                                           {"2147483647", INT_MAX},
                                                           {"2147483648", INT_MAX},
                                                           {"-2147483648", INT_MIN}};
        for (const auto& [text, value] : cases)
            QCOMPARE(static_cast<long long>(FieldNumber(text)), value);
    }

    void fields()
    {
        const std::vector<std::string> abc{"A", "Bb", "Cc"};
        const std::pair<std::string, std::vector<std::string>> cases[] = {
            {"\"A\" \"Bb\" \"Cc\"", abc},
            {"\"A\",\"Bb\", \"Cc\"", abc},
            {"x\"A\"y\"Bb\"z\"Cc\"", abc},
            {"\"A\" ; \"Bb\" \"Cc\"", {"A", "", ""}}, // a semicolon ends the fields
            {"\"A;\" \"Bb\" \"Cc\"", {"A;", "Bb", "Cc"}},
            {"\"A\" \"Bb \"Cc", {"A", "Bb", ""}},  // the quote closes early
            {"\"A\" \"Bb Cc", {"A", "Bb Cc", ""}}, // unclosed runs to the end
            {"\223A\224 \"Bb\"", {"Bb", "", ""}},  // typographic quotes do not delimit
            {"\"A\" 2 \"Cc\"", {"A", "Cc", ""}},   // unquoted text is passed over
            {"\"A\0B\" \"Bb\" \"Cc\""s, {"A B", "Bb", "Cc"}},
            {"\"A\r\" \"B\rb\" \"Cc\"\r", abc}};
        for (const auto& [line, fields] : cases) {
            FakeHost host;
            QVERIFY2(FieldsOf("[S]\n" + line + "\n", 3, 80, host) == fields, line.c_str());
            QVERIFY(host.messages.empty());
        }
    }

    void sectionSearch()
    {
        const std::string z593(593, 'z');
        const std::pair<std::string, bool> cases[] = {
            {"[club]\n\"x\"\n", true},
            {"[ Club]\n\"x\"\n", false},
            {"[Clubs]\n\"x\"\n", false},
            {"junk\n[Players]\n\"p\"\n[Club]\n\"x\"\n", true},
            {"[Club]\n\n\r\n; note \"q\"\n\"x\"\n", true}, // blank and comment lines skipped
            {"[Club]\r\n\"x\"\r\n", true},
            {"[Club]" + z593 + "zzzzzzz\n\"x\"\n", false}, // a header over 599 long is skipped
            {"[Club]" + z593 + "\n\"x\"\n", true},
            {"[Club]" + z593 + "\r\r\n\"x\"\n", true}}; // carriage returns do not count
        for (const auto& [text, found] : cases) {
            FakeHost host;
            QCOMPARE(FieldsOf(text, 1, 80, host, "Club"),
                     found ? std::vector<std::string>{"x"} : std::vector<std::string>{});
        }
    }

    // A field longer than its capacity is cut, the rest of it skipped, and the line told.
    void tooLong()
    {
        // Each case: the text, the two fields read from it, the line told of (0: none).
        const std::tuple<std::string, std::string, std::string, int> cases[] = {
            {"[S]\n\"ABCD\" \"x\"\n", "ABCD", "x", 0},
            {"[S]\n\"ABCDE\" \"x\"\n", "ABCD", "x", 2},
            {"[S]\n\"A    B\" \"x\"\n", "A", "x", 2}, // cut, then squeezed
            {"[T]\n\"q\"\n[S]\n\"x\" \"ABCDEFGH\" \"y\"\n", "x", "ABCD", 4}};
        for (const auto& [text, first, second, line] : cases) {
            FakeHost host;
            QVERIFY(FieldsOf(text, 2, 5, host) == (std::vector<std::string>{first, second}));
            QCOMPARE(host.Texts().size(), std::size_t(line ? 1 : 0));
            for (const auto& m : host.messages)
                QVERIFY(m.text == "String too long, line " + std::to_string(line) &&
                        m.title == "Stop" && m.icon == MessageIcon::None);
        }
    }
};

TESSEL_TEST(TestTextLines)
#include "tst_TextLines.moc"
