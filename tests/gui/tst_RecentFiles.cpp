#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/RecentFiles.h"

namespace {

// The entries, "|" between them.
QString Entries(const RecentFiles& list)
{
    QStringList entries;
    for (int i = 0; i < RecentFiles::kCount; ++i)
        entries << list.At(i);
    return entries.join(u'|');
}

} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT

private slots:
    void addingOrdersAndMoves_data()
    {
        QTest::addColumn<int>("sensitivity");
        QTest::addColumn<QString>("added"); // "|" between paths
        QTest::addColumn<QString>("expected");
        const int exact = Qt::CaseSensitive;
        QTest::newRow("one") << exact << u"a"_s << u"a|||"_s;
        QTest::newRow("oldest falls out") << exact << u"a|b|c|d|e"_s << u"e|d|c|b"_s;
        QTest::newRow("third moves to the top") << exact << u"a|b|c|d|e|c"_s << u"c|e|d|b"_s;
        QTest::newRow("last moves to the top, never twice")
            << exact << u"b|c|d|e|b"_s << u"b|e|d|c"_s;
        QTest::newRow("first stays") << exact << u"a|b|b"_s << u"b|a||"_s;
        QTest::newRow("empty path ignored") << exact << u"a|"_s << u"a|||"_s;
        // As the file system compares: ignoring case on Windows only.
        QTest::newRow("ignoring case")
            << int(Qt::CaseInsensitive) << u"b|c|d|e|E"_s << u"e|d|c|b"_s;
        QTest::newRow("case kept") << exact << u"b|c|d|e|E"_s << u"E|e|d|c"_s;
    }
    void addingOrdersAndMoves()
    {
        QFETCH(int, sensitivity);
        QFETCH(QString, added);
        RecentFiles list(static_cast<Qt::CaseSensitivity>(sensitivity));
        for (const QString& path : added.split(u'|'))
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
        menu.addAction(u"&Open..."_s)->setData(Command::Open);
        menu.addSeparator();
        QAction* exit = menu.addAction(u"E&xit"_s);
        exit->setData(Command::Exit);
        const QStringList bare = MenuItems(&menu);
        RecentFiles list(Qt::CaseSensitive);
        list.AttachMenu(&menu, exit);
        QCOMPARE(MenuItems(&menu), bare); // an empty list adds nothing, not even a separator
        list.Load();
        QCOMPARE(Entries(list), u"/x/first.bwl||/x/b & c.bwl|"_s);
        const QStringList top = bare.mid(0, 2);
        QCOMPARE(MenuItems(&menu),
                 top + Strings({"180 &1 /x/first.bwl", "182 &3 /x/b && c.bwl", "-", "105 E&xit"}));
        list.Add(u"/x/b & c.bwl"_s);
        QCOMPARE(MenuItems(&menu),
                 top + Strings({"180 &1 /x/b && c.bwl", "181 &2 /x/first.bwl", "-", "105 E&xit"}));
        QVERIFY(list.Save());
        list.DetachMenus();
        QCOMPARE(MenuItems(&menu), bare);
        RecentFiles next;
        next.Load();
        QCOMPARE(Entries(next), u"/x/b & c.bwl|/x/first.bwl||"_s);
    }

    // A long path is shortened in the menu only.
    void longPathShortenedInTheMenuOnly()
    {
        const QString path = u"/"_s + QString(250, u'f') + u"/season.bwl"_s;
        RecentFiles list(Qt::CaseSensitive);
        list.Add(path);
        QCOMPARE(list.At(0), path);
        const QString text = RecentFiles::MenuText(1, path);
        QVERIFY(text.size() <= RecentFiles::kMaxMenuPathLength + 3);
        QVERIFY(text.startsWith(u"&1 /fff"_s));
        QVERIFY(text.endsWith(u".../season.bwl"_s));
    }
};

TESSEL_TEST(TestRecentFiles)
#include "tst_RecentFiles.moc"
