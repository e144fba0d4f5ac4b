#include <QtTest>

#include <QAction>
#include <QFile>
#include <QMenu>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/RecentFiles.h"

namespace {

QStringList Entries(const RecentFiles& list)
{
    QStringList entries;
    for (int i = 0; i < RecentFiles::kCount; ++i)
        entries << list.At(i);
    return entries;
}

// The menu as text: numbered items by their command, separators as "-".
QStringList MenuItems(const QMenu& menu)
{
    QStringList items;
    for (QAction* a : menu.actions()) {
        if (a->isSeparator())
            items << QStringLiteral("-");
        else
            items << QStringLiteral("%1 %2").arg(a->data().toInt()).arg(a->text());
    }
    return items;
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
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one") << Strings({"a"}) << Strings({"a", "", "", ""});
        QTest::newRow("oldest falls out")
            << Strings({"a", "b", "c", "d", "e"}) << Strings({"e", "d", "c", "b"});
        QTest::newRow("third moves to the top")
            << Strings({"a", "b", "c", "d", "e", "c"}) << Strings({"c", "e", "d", "b"});
        QTest::newRow("second moves to the top")
            << Strings({"b", "c", "d", "e", "d"}) << Strings({"d", "e", "c", "b"});
        QTest::newRow("last moves to the top, never twice")
            << Strings({"b", "c", "d", "e", "b"}) << Strings({"b", "e", "d", "c"});
        QTest::newRow("first stays") << Strings({"a", "b", "b"}) << Strings({"b", "a", "", ""});
        QTest::newRow("empty path ignored") << Strings({"a", ""}) << Strings({"a", "", "", ""});
    }
    void addingOrdersAndMoves()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        RecentFiles list(Qt::CaseSensitive);
        for (const QString& path : added)
            list.Add(path);
        QCOMPARE(Entries(list), expected);
    }

    void pathCaseFollowsTheFileSystem_data()
    {
        QTest::addColumn<int>("sensitivity");
        QTest::addColumn<QStringList>("expected");
        // e, d, c, b then E.
        QTest::newRow("ignoring case (Windows)")
            << int(Qt::CaseInsensitive) << Strings({"/s/e", "/s/d", "/s/c", "/s/b"});
        QTest::newRow("exact (elsewhere)")
            << int(Qt::CaseSensitive) << Strings({"/s/E", "/s/e", "/s/d", "/s/c"});
    }
    void pathCaseFollowsTheFileSystem()
    {
        QFETCH(int, sensitivity);
        QFETCH(QStringList, expected);
        RecentFiles list(static_cast<Qt::CaseSensitivity>(sensitivity));
        for (const char* p : {"/s/b", "/s/c", "/s/d", "/s/e", "/s/E"})
            list.Add(QString::fromLatin1(p));
        QCOMPARE(Entries(list), expected);
    }

    void emptyListAddsNoItemsNorSeparator()
    {
        TemporarySettings settings;
        FileMenu file;
        const QStringList before = MenuItems(file.menu);
        RecentFiles list;
        list.AttachMenu(&file.menu, file.exit);
        list.Load();
        QCOMPARE(MenuItems(file.menu), before);
    }

    void menuItemsStandAboveExit()
    {
        FileMenu file;
        RecentFiles list(Qt::CaseSensitive);
        list.AttachMenu(&file.menu, file.exit);
        list.Add(QStringLiteral("/x/one.bwl"));
        list.Add(QStringLiteral("/x/two.bwl"));
        QCOMPARE(MenuItems(file.menu), (Strings({"102 &Open...", "-", "180 &1 /x/two.bwl",
                                                 "181 &2 /x/one.bwl", "-", "105 E&xit"})));
        // Adding again rebuilds without leaving old items or separators behind.
        list.Add(QStringLiteral("/x/one.bwl"));
        QCOMPARE(MenuItems(file.menu), (Strings({"102 &Open...", "-", "180 &1 /x/one.bwl",
                                                 "181 &2 /x/two.bwl", "-", "105 E&xit"})));
        list.DetachMenus();
        QCOMPARE(MenuItems(file.menu), (Strings({"102 &Open...", "-", "105 E&xit"})));
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
        QCOMPARE(Entries(list), (Strings({"/x/first.bwl", "", "/x/third.bwl", ""})));
        QCOMPARE(MenuItems(file.menu), (Strings({"102 &Open...", "-", "180 &1 /x/first.bwl",
                                                 "182 &3 /x/third.bwl", "-", "105 E&xit"})));
    }

    void ampersandIsNotAnAccessKey()
    {
        QCOMPARE(RecentFiles::MenuText(2, QStringLiteral("/home/me/Smith & Jones.bwl")),
                 QStringLiteral("&2 /home/me/Smith && Jones.bwl"));
    }

    void longPathKeptWholeMenuTextShortened()
    {
        const QString folder = QStringLiteral("/") + QString(250, QLatin1Char('f'));
        const QString path = folder + QStringLiteral("/season.bwl");
        QCOMPARE(path.size(), 262);
        RecentFiles list(Qt::CaseSensitive);
        list.Add(path);
        QCOMPARE(list.At(0), path);
        const QString text = RecentFiles::MenuText(1, path);
        QVERIFY(text.size() <= RecentFiles::kMaxMenuPathLength + 3);
        QVERIFY(text.startsWith(QStringLiteral("&1 /fff")));
        QVERIFY(text.endsWith(QStringLiteral(".../season.bwl")));
    }

    void shortPathShownWhole()
    {
        const QString path = QStringLiteral("/a/b/c.bwl");
        QCOMPARE(RecentFiles::ShortenedPath(path), path);
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
        QCOMPARE(Entries(next), (Strings({"/x/b & c.bwl", "/x/a.bwl", "", ""})));
    }

    void indexOutOfRangeGivesNothing()
    {
        RecentFiles list;
        list.Add(QStringLiteral("/x/a.bwl"));
        QCOMPARE(list.At(-1), QString());
        QCOMPARE(list.At(4), QString());
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_RecentFiles.moc"
