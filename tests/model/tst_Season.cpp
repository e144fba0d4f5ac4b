#include "support/TestRegistry.h"
#include <QtTest>

#include "model/Dates.h"
#include "model/Season.h"
#include "support/FakeHost.h"

class TestSeason : public QObject {
    Q_OBJECT

private slots:
    void splitName_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("split");
        QTest::newRow("first and surname") << QByteArray("John Smith") << 5;
        QTest::newRow("reserve suffix") << QByteArray("John Smith (2)") << 5;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("full stop without space") << QByteArray("J.Smith") << 2;
        // The last character is never scanned.
        QTest::newRow("trailing space") << QByteArray("Smith ") << 0;
        QTest::newRow("two trailing spaces") << QByteArray("Smith  ") << 6;
        QTest::newRow("bracket early") << QByteArray("A (B) C") << 0;
    }
    void splitName()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, split);
        QCOMPARE(int(SplitName(name.toStdString())), split);
    }

    // Every day of a common and a leap year, and the first impossible day of each month.
    void everyDayOfTwoYears()
    {
        for (int year : {2023, 2024}) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 32; ++day) {
                    std::tm tm{};
                    tm.tm_year = year - 1900;
                    tm.tm_mon = month - 1;
                    tm.tm_mday = day;
                    tm.tm_hour = 12;
                    std::mktime(&tm);
                    const bool real = tm.tm_mday == day;
                    const std::string text = std::to_string(day) + "/" + std::to_string(month) +
                                             "/" + std::to_string(year);
                    const std::time_t t = ParseDate(text);
                    QVERIFY2((t != -1) == real, text.c_str());
                    if (real)
                        QCOMPARE(int(DateToSystemTime(t).day), day);
                }
            }
        }
    }

    void parseDate_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("year");   // 0: expect -1
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("leap century") << QByteArray("29/2/2000") << 2000 << 2 << 29;
        QTest::newRow("leading spaces") << QByteArray(" 1/ 3/ 2020") << 2020 << 3 << 1;
        QTest::newRow("trailing text ignored") << QByteArray("1/3/2020xyz") << 2020 << 3 << 1;
        QTest::newRow("non-leap century") << QByteArray("29/2/2100") << 0 << 0 << 0;
        QTest::newRow("before 1970") << QByteArray("1/1/1969") << 0 << 0 << 0;
        QTest::newRow("April 31") << QByteArray("31/4/2020") << 0 << 0 << 0;
        QTest::newRow("month 13") << QByteArray("5/13/2020") << 0 << 0 << 0;
        QTest::newRow("space before slash") << QByteArray("5 /6/2020") << 0 << 0 << 0;
        QTest::newRow("negative wraps") << QByteArray("-1/6/2020") << 0 << 0 << 0;
        QTest::newRow("huge year") << QByteArray("1/1/99999999999") << 0 << 0 << 0;
    }
    void parseDate()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const std::time_t t = ParseDate(std::string_view(text.constData(), size_t(text.size())));
        if (year == 0) {
            QCOMPARE(t, std::time_t(-1));
            return;
        }
        QVERIFY(t != -1);
        std::tm tm{};
        localtime_r(&t, &tm);
        QCOMPARE(tm.tm_year + 1900, year);
        QCOMPARE(tm.tm_mon + 1, month);
        QCOMPARE(tm.tm_mday, day);
        // Midnight standard time: 00:00 in winter, 01:00 under summer time.
        QCOMPARE(tm.tm_hour, tm.tm_isdst > 0 ? 1 : 0);
        QCOMPARE(tm.tm_min, 0);
        QCOMPARE(t, MakeLocalDate(year, month, day));
        // The round trip through the calendar record gives the same day back.
        const SystemTime st = DateToSystemTime(t);
        QCOMPARE(int(st.year), year);
        QCOMPARE(int(st.month), month);
        QCOMPARE(int(st.day), day);
        QCOMPARE(int(st.dayOfWeek), 0);
        SystemTime midnight = st;
        midnight.hour = midnight.minute = midnight.second = 0;
        QCOMPARE(SystemTimeToDate(midnight), t);
    }

    void allocateNewSeason()
    {
        FakeHost host;
        host.now = 1'700'000'000;
        auto season = std::make_unique<Season>();
        season->fixtureCount = 12;
        season->teamSize = 8;
        season->playerCount = 5;
        QVERIFY(AllocateSeasonRecords(host, season));
        QCOMPARE(season->fixtures.size(), size_t(12));
        for (const auto& f : season->fixtures) {
            QCOMPARE(f->venue, std::uint32_t(Neutral));
            QCOMPARE(f->date, host.now);
            QCOMPARE(f->games.size(), size_t(8));
        }
        QCOMPARE(season->players.size(), size_t(5));
        QVERIFY(host.messages.empty());
    }
};

TESSEL_TEST(TestSeason)
#include "tst_Season.moc"
