#include "support/TestRegistry.h"
#include <QtTest>

#include "model/Text.h"
#include "platform/Cp1252.h"

class TestCp1252 : public QObject {
    Q_OBJECT

private slots:
    // Every byte both ways, against the code page written out here
    // independently of the codec's own table; Qt's encoder checks the UTF-8.
    void everyByte()
    {
        static const char16_t high[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
        std::string all;
        for (int b = 0; b < 256; ++b) {
            const std::string one(1, static_cast<char>(b));
            all += one;
            const QString expected(QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b)));
            QCOMPARE(Cp1252ToQString(one), expected);
            QCOMPARE(QStringToCp1252(expected), one);
            QVERIFY(FitsCp1252(expected));
            QCOMPARE(QByteArray::fromStdString(Cp1252ToUtf8(one)), expected.toUtf8());
            QCOMPARE(Utf8ToCp1252(expected.toUtf8().toStdString()), one);
        }
        QCOMPARE(QStringToCp1252(Cp1252ToQString(all)), all);
        QCOMPARE(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    }

    // One character that has no byte becomes one '?'.
    void fromQString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("euro") << QStringLiteral("\u20AC5") << QByteArray("\2005") << true;
        QTest::newRow("greek") << QStringLiteral("a\u03A9b") << QByteArray("a?b") << false;
        QTest::newRow("surrogate pair")
            << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << false;
        QTest::newRow("lone high surrogate")
            << (QStringLiteral("a") + QChar(0xD83D) + u'b') << QByteArray("a?b") << false;
        QTest::newRow("high surrogate at end")
            << (QStringLiteral("a") + QChar(0xD83D)) << QByteArray("a?") << false;
        QTest::newRow("C1 control of a defined byte")
            << QStringLiteral("\u0080") << QByteArray("?") << false;
    }
    void fromQString()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(QStringToCp1252(text)), bytes);
        QTEST(FitsCp1252(text), "fits");
    }

    void fromUtf8_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("four bytes") << QByteArray("x\xF0\x9F\x98\x80y") << QByteArray("x?y");
        QTest::newRow("truncated before ascii") << QByteArray("\342\202A") << QByteArray("?A");
        QTest::newRow("lone continuation") << QByteArray("\x80\x80") << QByteArray("??");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray("??");
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("???");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QByteArray("????");
        QTest::newRow("embedded NUL kept") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
    }
    void fromUtf8()
    {
        QFETCH(QByteArray, utf8);
        QTEST(QByteArray::fromStdString(Utf8ToCp1252(utf8.toStdString())), "bytes");
    }

    // Surrogates and code points past U+10FFFF are written as U+FFFD; their
    // neighbours are written as they are, as are both sides of the three-byte limit.
    void appendUtf8AtTheEdges()
    {
        std::string out;
        for (const char32_t cp :
             {0xD7FFu, 0xD800u, 0xDFFFu, 0xE000u, 0xFFFFu, 0x10000u, 0x10FFFFu, 0x110000u})
            AppendUtf8(out, cp);
        QCOMPARE(QByteArray::fromStdString(out),
                 QByteArray(
                     "\xED\x9F\xBF\xEF\xBF\xBD\xEF\xBF\xBD\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80"
                     "\xF4\x8F\xBF\xBF"
                     "\xEF\xBF\xBD"));
    }
};

TESSEL_TEST(TestCp1252)
#include "tst_Cp1252.moc"
