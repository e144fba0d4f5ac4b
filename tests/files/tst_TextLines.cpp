#include "support/TestRegistry.h"
#include <QtTest>

#include <climits>

#include "files/TextLines.h"
#include "support/FakeHost.h"

namespace {

std::string Bytes(const QByteArray& a)
{
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

// The fields of the first data line of a section, each read with capacity.
QList<QByteArray> FieldsOf(const std::string& text, const char* section, int count,
                           std::size_t capacity, FakeHost& host)
{
    TextLineReader reader(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), host);
    QList<QByteArray> fields;
    if (!reader.FindSection(section) || !reader.NextDataLine())
        return fields;
    for (int i = 0; i < count; ++i) {
        const std::string f = reader.ReadField(capacity);
        fields << QByteArray(f.data(), qsizetype(f.size()));
    }
    return fields;
}

} // namespace

class TestTextLines : public QObject {
    Q_OBJECT

private slots:
    void commentLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("comment");
        QTest::newRow("leading semicolon") << QByteArray("; venue, opponent") << true;
        QTest::newRow("text then semicolon") << QByteArray("note; \"x\"") << true;
        QTest::newRow("field then semicolon") << QByteArray("\"A\" ; more") << false;
        QTest::newRow("typographic opening quote") << QByteArray("\x93" "A\x94 ; x") << false;
        QTest::newRow("typographic closing quote") << QByteArray("\x94;") << false;
        QTest::newRow("other high byte") << QByteArray("\x92;") << true;
    }
    void commentLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, comment);
        QCOMPARE(IsCommentLine(Bytes(line)), comment);
    }

    void cleanField_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QByteArray>("clean");
        QTest::newRow("backslash t") << QByteArray("A\\tB") << QByteArray("A\tB");
        QTest::newRow("trailing backslash") << QByteArray("AB\\") << QByteArray("AB");
        QTest::newRow("percent 09 is a space") << QByteArray("A%09B") << QByteArray("A B");
        QTest::newRow("percent high byte") << QByteArray("Caf%E9") << QByteArray("Caf\xE9");
        QTest::newRow("percent 00 ends the text") << QByteArray("AB%00CD") << QByteArray("AB");
        QTest::newRow("squeeze") << QByteArray("  A   B  ") << QByteArray("A B");
        QTest::newRow("squeezed before unescaping") << QByteArray("%20%20") << QByteArray("  ");
        QTest::newRow("backslash before percent") << QByteArray("\\%41") << QByteArray("A");
        QTest::newRow("percent makes no backslash escape") << QByteArray("%5Ct") << QByteArray("\\t");
        QTest::newRow("percent result not rescanned") << QByteArray("%2541") << QByteArray("%41");
        QTest::newRow("one space") << QByteArray(" ") << QByteArray(" ");
        QTest::newRow("two spaces") << QByteArray("  ") << QByteArray("");
        QTest::newRow("non-breaking space kept") << QByteArray("A\xA0" "B") << QByteArray("A\xA0" "B");
    }
    void cleanField()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QByteArray, clean);
        QCOMPARE(QByteArray::fromStdString(CleanField(Bytes(raw))), clean);
    }

    void fieldNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("white space and minus") << QByteArray(" \t-5") << qint64(-5);
        QTest::newRow("no digits") << QByteArray("abc") << qint64(0);
        QTest::newRow("largest") << QByteArray("2147483647") << qint64(INT_MAX);
        QTest::newRow("one past largest") << QByteArray("2147483648") << qint64(INT_MAX);
        QTest::newRow("smallest") << QByteArray("-2147483648") << qint64(INT_MIN);
    }
    void fieldNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint64, value);
        QCOMPARE(qint64(FieldNumber(Bytes(text))), value);
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QList<QByteArray>>("fields");
        const QList<QByteArray> abc{"A", "Bb", "Cc"};
        QTest::newRow("spaces") << QByteArray("\"A\" \"Bb\" \"Cc\"") << abc;
        QTest::newRow("commas") << QByteArray("\"A\",\"Bb\", \"Cc\"") << abc;
        QTest::newRow("text between") << QByteArray("x\"A\"y\"Bb\"z\"Cc\"") << abc;
        QTest::newRow("semicolon ends the fields")
            << QByteArray("\"A\" ; \"Bb\" \"Cc\"") << QList<QByteArray>{"A", "", ""};
        QTest::newRow("semicolon inside quotes")
            << QByteArray("\"A;\" \"Bb\" \"Cc\"") << QList<QByteArray>{"A;", "Bb", "Cc"};
        QTest::newRow("quote closes early")
            << QByteArray("\"A\" \"Bb \"Cc") << QList<QByteArray>{"A", "Bb", ""};
        QTest::newRow("unclosed runs to the end")
            << QByteArray("\"A\" \"Bb Cc") << QList<QByteArray>{"A", "Bb Cc", ""};
        QTest::newRow("typographic quotes do not delimit")
            << QByteArray("\x93" "A\x94 \"Bb\"") << QList<QByteArray>{"Bb", "", ""};
        QTest::newRow("unquoted text is passed over")
            << QByteArray("\"A\" 2 \"Cc\"") << QList<QByteArray>{"A", "Cc", ""};
        QTest::newRow("nul reads as space")
            << QByteArray("\"A\0B\" \"Bb\" \"Cc\"", 15) << QList<QByteArray>{"A B", "Bb", "Cc"};
        QTest::newRow("carriage returns dropped")
            << QByteArray("\"A\r\" \"B\rb\" \"Cc\"\r") << abc;
    }
    void fields()
    {
        QFETCH(QByteArray, line);
        QFETCH(QList<QByteArray>, fields);
        FakeHost host;
        QCOMPARE(FieldsOf("[S]\n" + Bytes(line) + "\n", "S", 3, 80, host), fields);
        QVERIFY(host.messages.empty());
    }

    void sectionSearch_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("first");   // first field of the found section; "-" not found
        QTest::newRow("small letters") << QByteArray("[club]\n\"x\"\n") << QByteArray("x");
        QTest::newRow("space after bracket") << QByteArray("[ Club]\n\"x\"\n") << QByteArray("-");
        QTest::newRow("longer name") << QByteArray("[Clubs]\n\"x\"\n") << QByteArray("-");
        QTest::newRow("after other sections")
            << QByteArray("junk\n[Players]\n\"p\"\n[Club]\n\"x\"\n") << QByteArray("x");
        QTest::newRow("blank and comment lines skipped")
            << QByteArray("[Club]\n\n\r\n; note \"q\"\n\"x\"\n") << QByteArray("x");
        QTest::newRow("crlf") << QByteArray("[Club]\r\n\"x\"\r\n") << QByteArray("x");
        QTest::newRow("over-long header skipped")
            << (QByteArray("[Club]") + QByteArray(600, 'z') + "\n\"x\"\n") << QByteArray("-");
        QTest::newRow("header 599 long is found")
            << (QByteArray("[Club]") + QByteArray(593, 'z') + "\n\"x\"\n") << QByteArray("x");
        QTest::newRow("carriage returns do not count")
            << (QByteArray("[Club]") + QByteArray(593, 'z') + "\r\r\n\"x\"\n") << QByteArray("x");
    }
    void sectionSearch()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, first);
        FakeHost host;
        const std::string bytes = Bytes(text);
        TextLineReader reader(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), host);
        if (first == "-") {
            QVERIFY(!reader.FindSection("Club"));
            return;
        }
        QVERIFY(reader.FindSection("Club"));
        QVERIFY(reader.NextDataLine());
        QCOMPARE(QByteArray::fromStdString(reader.ReadField(80)), first);
    }

    void tooLong_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QList<QByteArray>>("fields");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("fits") << QByteArray("[S]\n\"ABCD\" \"x\"\n") << 5
                              << QList<QByteArray>{"ABCD", "x"} << QStringList{};
        QTest::newRow("one over, rest skipped")
            << QByteArray("[S]\n\"ABCDE\" \"x\"\n") << 5 << QList<QByteArray>{"ABCD", "x"}
            << QStringList{"String too long, line 2"};
        QTest::newRow("cut before squeezing")
            << QByteArray("[S]\n\"A    B\" \"x\"\n") << 5 << QList<QByteArray>{"A", "x"}
            << QStringList{"String too long, line 2"};
        QTest::newRow("line number counts from the file start")
            << QByteArray("[T]\n\"q\"\n[S]\n\"x\" \"ABCDEFGH\" \"y\"\n") << 5
            << QList<QByteArray>{"x", "ABCD"} << QStringList{"String too long, line 4"};
    }
    void tooLong()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, capacity);
        QFETCH(QList<QByteArray>, fields);
        QFETCH(QStringList, messages);
        FakeHost host;
        QCOMPARE(FieldsOf(Bytes(text), "S", int(fields.size()), std::size_t(capacity), host), fields);
        QStringList shown;
        for (const auto& m : host.messages) {
            shown << QString::fromStdString(m.text);
            QCOMPARE(QString::fromStdString(m.title), QStringLiteral("Stop"));
            QVERIFY(m.icon == MessageIcon::None);
        }
        QCOMPARE(shown, messages);
    }
};

TESSEL_TEST(TestTextLines)
#include "tst_TextLines.moc"
