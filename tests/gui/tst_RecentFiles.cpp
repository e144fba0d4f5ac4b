#include "support/TestRegistry.h"
#include <QtTest>

#include <QFile>

#include "GuiTestSupport.h"
#include "gui/CommandIds.h"
#include "gui/RecentFiles.h"

namespace {

QStringList Entries(const RecentFiles& list)
{
    QStringList entries;
    for (int i = 0; i < RecentFiles::kCount; ++i)
        entries << list.At(i);
    return entries;
}

// A File menu as the frame has it: items, a separator, Exit.
struct FileMenu {
    FileMenu()
    {
        menu.addAction(QStringLiteral("&Open..."))->setData(Command::Open);
        menu.addSeparator();
        exit = menu.addAction(QStringLiteral("E&xit"));
        exit->setData(Command::Exit);
    }
    QMenu menu;
    QAction* exit = nullptr;
};

} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT

private slots:
    void addingOrdersAndMoves_data()
    {
        QTest::addColumn<int>("sensitivity");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        const int exact = Qt::CaseSensitive;
        QTest::newRow("one") << exact << Strings({"a"}) << Strings({"a", "", "", ""});
        QTest::newRow("oldest falls out") << exact << Strings({"a", "b", "c", "d", "e"})
                                          << Strings({"e", "d", "c", "b"});
        QTest::newRow("third moves to the top") << exact << Strings({"a", "b", "c", "d", "e", "c"})
                                                << Strings({"c", "e", "d", "b"});
        QTest::newRow("last moves to the top, never twice")
            << exact << Strings({"b", "c", "d", "e", "b"}) << Strings({"b", "e", "d", "c"});
        QTest::newRow("first stays") << exact << Strings({"a", "b", "b"}) << Strings({"b", "a", "", ""});
        QTest::newRow("empty path ignored") << exact << Strings({"a", ""}) << Strings({"a", "", "", ""});
        // As the file system compares: ignoring case on Windows only.
        QTest::newRow("ignoring case") << int(Qt::CaseInsensitive) << Strings({"b", "c", "d", "e", "E"})
                                       << Strings({"e", "d", "c", "b"});
        QTest::newRow("case kept") << exact << Strings({"b", "c", "d", "e", "E"})
                                   << Strings({"E", "e", "d", "c"});
    }
    void addingOrdersAndMoves()
    {
        QFETCH(int, sensitivity);
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        RecentFiles list(static_cast<Qt::CaseSensitivity>(sensitivity));
        for (const QString& path : added)
            list.Add(path);
        QCOMPARE(Entries(list), expected);
    }

    void menuItemsStandAboveExit()
    {
        TemporarySettings settings;
        FileMenu file;
        RecentFiles list(Qt::CaseSensitive);
        list.AttachMenu(&file.menu, file.exit);
        list.Load();
        // An empty list adds neither items nor a separator.
        QCOMPARE(MenuItems(&file.menu), Strings({"102 &Open...", "-", "105 E&xit"}));
        list.Add(QStringLiteral("/x/one.bwl"));
        list.Add(QStringLiteral("/x/two.bwl"));
        QCOMPARE(MenuItems(&file.menu), Strings({"102 &Open...", "-", "180 &1 /x/two.bwl",
                                                 "181 &2 /x/one.bwl", "-", "105 E&xit"}));
        // Adding again rebuilds without leaving old items or separators behind.
        list.Add(QStringLiteral("/x/one.bwl"));
        QCOMPARE(MenuItems(&file.menu), Strings({"102 &Open...", "-", "180 &1 /x/one.bwl",
                                                 "181 &2 /x/two.bwl", "-", "105 E&xit"}));
        list.DetachMenus();
        QCOMPARE(MenuItems(&file.menu), Strings({"102 &Open...", "-", "105 E&xit"}));
    }

    void missingMiddleValueKeepsNumbers()
    {
        TemporarySettings settings;
        QVERIFY(WriteTextSetting(kSettingsKey, "File1", "/x/first.bwl"));
        QVERIFY(WriteTextSetting(kSettingsKey, "File3", "/x/third.bwl"));
        FileMenu file;
        RecentFiles list;
        list.AttachMenu(&file.menu, file.exit);
        list.Load();
        QCOMPARE(Entries(list), Strings({"/x/first.bwl", "", "/x/third.bwl", ""}));
        QCOMPARE(MenuItems(&file.menu), Strings({"102 &Open...", "-", "180 &1 /x/first.bwl",
                                                 "182 &3 /x/third.bwl", "-", "105 E&xit"}));
    }

    void menuTextDoublesAmpersandsAndShortensOnlyTheText()
    {
        QCOMPARE(RecentFiles::MenuText(2, QStringLiteral("/home/me/Smith & Jones.bwl")),
                 QStringLiteral("&2 /home/me/Smith && Jones.bwl"));
        const QString path = QStringLiteral("/") + QString(250, QLatin1Char('f')) + QStringLiteral("/season.bwl");
        RecentFiles list(Qt::CaseSensitive);
        list.Add(path);
        QCOMPARE(list.At(0), path);
        const QString text = RecentFiles::MenuText(1, path);
        QVERIFY(text.size() <= RecentFiles::kMaxMenuPathLength + 3);
        QVERIFY(text.startsWith(QStringLiteral("&1 /fff")));
        QVERIFY(text.endsWith(QStringLiteral(".../season.bwl")));
    }

    void savedListSurvivesWithoutAnyEarlierSetting()
    {
        TemporarySettings settings;
        QVERIFY(!QFile::exists(settings.UserFile()));
        {
            RecentFiles list;
            list.Add(QStringLiteral("/x/a.bwl"));
            list.Add(QStringLiteral("/x/b & c.bwl"));
            QVERIFY(list.Save());
        }
        RecentFiles next;
        next.Load();
        QCOMPARE(Entries(next), Strings({"/x/b & c.bwl", "/x/a.bwl", "", ""}));
    }
};

TESSEL_TEST(TestRecentFiles)
#include "tst_RecentFiles.moc"
