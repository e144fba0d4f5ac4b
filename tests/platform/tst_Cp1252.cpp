#include "support/TestRegistry.h"
#include <QtTest>

#include "model/Text.h"
#include "platform/Cp1252.h"

namespace {

// Written out independently of the codec's own table.
char32_t Expected(int byte)
{
    static const std::map<int, char32_t> high = {
        {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E},
        {0x85, 0x2026}, {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030},
        {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D},
        {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C},
        {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC},
        {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9D, 0x009D},
        {0x9E, 0x017E}, {0x9F, 0x0178},
    };
    const auto it = high.find(byte);
    return it == high.end() ? static_cast<char32_t>(byte) : it->second;
}

} // namespace

class TestCp1252 : public QObject {
    Q_OBJECT

private slots:
    void everyByte()
    {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            const std::string one(1, static_cast<char>(b));
            all += one;
            const QString s = Cp1252ToQString(one);
            QCOMPARE(s.size(), 1);
            QCOMPARE(char32_t(s.at(0).unicode()), Expected(b));
            QCOMPARE(QStringToCp1252(s), one);
            QVERIFY(FitsCp1252(s));
            // Qt's encoder is the reference for the UTF-8 form.
            const std::string utf8 = Cp1252ToUtf8(one);
            QCOMPARE(QByteArray::fromStdString(utf8), QString(QChar(char16_t(Expected(b)))).toUtf8());
            QCOMPARE(Utf8ToCp1252(utf8), one);
        }
        QCOMPARE(QStringToCp1252(Cp1252ToQString(all)), all);
        QCOMPARE(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    }

    void fromQString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("ascii") << QStringLiteral("Smith & Co") << QByteArray("Smith & Co") << true;
        QTest::newRow("euro") << QStringLiteral("\u20AC5")
                              << QByteArray("\x80"
                                            "5")
                              << true;
        QTest::newRow("greek") << QStringLiteral("a\u03A9b") << QByteArray("a?b") << false;
        // A character outside the BMP is one character, so one '?'.
        QTest::newRow("surrogate pair")
            << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << false;
        QTest::newRow("lone high surrogate")
            << (QStringLiteral("a") + QChar(0xD83D) + u'b') << QByteArray("a?b") << false;
        QTest::newRow("high surrogate at end")
            << (QStringLiteral("a") + QChar(0xD83D)) << QByteArray("a?") << false;
        QTest::newRow("C1 control without a glyph")
            << QStringLiteral("\u0081") << QByteArray("\x81") << true;
        QTest::newRow("C1 control of a defined byte")
            << QStringLiteral("\u0080") << QByteArray("?") << false;
    }
    void fromQString()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fits);
        QCOMPARE(QByteArray::fromStdString(QStringToCp1252(text)), bytes);
        QCOMPARE(FitsCp1252(text), fits);
    }

    void fromUtf8_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("outside the table") << QByteArray("\xCE\xA9") << QByteArray("?");
        QTest::newRow("four bytes") << QByteArray("x\xF0\x9F\x98\x80y") << QByteArray("x?y");
        QTest::newRow("truncated before ascii") << QByteArray("\xE2\x82"
                                                              "A")
                                                << QByteArray("?A");
        QTest::newRow("lone continuation") << QByteArray("\x80\x80") << QByteArray("??");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray("??");
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("???");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QByteArray("????");
        QTest::newRow("embedded NUL kept") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
    }
    void fromUtf8()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(Utf8ToCp1252(utf8.toStdString())), bytes);
    }

};

TESSEL_TEST(TestCp1252)
#include "tst_Cp1252.moc"
