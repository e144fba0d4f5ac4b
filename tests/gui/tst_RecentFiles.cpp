#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/RecentFiles.h"

namespace {

QStringList Entries(const RecentFiles& list)
{
    QStringList entries;
    for (int i = 0; i < RecentFiles::kCount; ++i)
        entries << list.At(i);
    return entries;
}

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
        QTest::newRow("oldest falls out")
            << exact << Strings({"a", "b", "c", "d", "e"}) << Strings({"e", "d", "c", "b"});
        QTest::newRow("third moves to the top")
            << exact << Strings({"a", "b", "c", "d", "e", "c"}) << Strings({"c", "e", "d", "b"});
        QTest::newRow("last moves to the top, never twice")
            << exact << Strings({"b", "c", "d", "e", "b"}) << Strings({"b", "e", "d", "c"});
        QTest::newRow("first stays")
            << exact << Strings({"a", "b", "b"}) << Strings({"b", "a", "", ""});
        QTest::newRow("empty path ignored")
            << exact << Strings({"a", ""}) << Strings({"a", "", "", ""});
        // As the file system compares: ignoring case on Windows only.
        QTest::newRow("ignoring case")
            << int(Qt::CaseInsensitive) << Strings({"b", "c", "d", "e", "E"})
            << Strings({"e", "d", "c", "b"});
        QTest::newRow("case kept")
            << exact << Strings({"b", "c", "d", "e", "E"}) << Strings({"E", "e", "d", "c"});
    }
    void addingOrdersAndMoves()
    {
        QFETCH(int, sensitivity);
        QFETCH(QStringList, added);
        RecentFiles list(static_cast<Qt::CaseSensitivity>(sensitivity));
        for (const QString& path : added)
            list.Add(path);
        QTEST(Entries(list), "expected");
    }

    // The entries stand above Exit between separators, keep their numbers
    // when one is missing from the store, and leave nothing behind when the
    // menu is rebuilt or detached; the list is stored and read back.
    void menuAndStore()
    {
        TemporarySettings settings;
        QVERIFY(WriteTextSetting(kSettingsKey, "File1", "/x/first.bwl"));
        QVERIFY(WriteTextSetting(kSettingsKey, "File3", "/x/b & c.bwl"));
        QMenu menu;
        menu.addAction(QStringLiteral("&Open..."))->setData(Command::Open);
        menu.addSeparator();
        QAction* exit = menu.addAction(QStringLiteral("E&xit"));
        exit->setData(Command::Exit);
        const QStringList bare = MenuItems(&menu);
        RecentFiles list(Qt::CaseSensitive);
        list.AttachMenu(&menu, exit);
        QCOMPARE(MenuItems(&menu), bare); // an empty list adds nothing, not even a separator
        list.Load();
        QCOMPARE(Entries(list), Strings({"/x/first.bwl", "", "/x/b & c.bwl", ""}));
        const QStringList top = bare.mid(0, 2);
        QCOMPARE(MenuItems(&menu),
                 top + Strings({"180 &1 /x/first.bwl", "182 &3 /x/b && c.bwl", "-", "105 E&xit"}));
        list.Add(QStringLiteral("/x/b & c.bwl"));
        QCOMPARE(MenuItems(&menu),
                 top + Strings({"180 &1 /x/b && c.bwl", "181 &2 /x/first.bwl", "-", "105 E&xit"}));
        QVERIFY(list.Save());
        list.DetachMenus();
        QCOMPARE(MenuItems(&menu), bare);
        RecentFiles next;
        next.Load();
        QCOMPARE(Entries(next), Strings({"/x/b & c.bwl", "/x/first.bwl", "", ""}));
    }

    // A long path is shortened in the menu only.
    void longPathShortenedInTheMenuOnly()
    {
        const QString path =
            QStringLiteral("/") + QString(250, u'f') + QStringLiteral("/season.bwl");
        RecentFiles list(Qt::CaseSensitive);
        list.Add(path);
        QCOMPARE(list.At(0), path);
        const QString text = RecentFiles::MenuText(1, path);
        QVERIFY(text.size() <= RecentFiles::kMaxMenuPathLength + 3);
        QVERIFY(text.startsWith(QStringLiteral("&1 /fff")));
        QVERIFY(text.endsWith(QStringLiteral(".../season.bwl")));
    }
};

TESSEL_TEST(TestRecentFiles)
#include "tst_RecentFiles.moc"
