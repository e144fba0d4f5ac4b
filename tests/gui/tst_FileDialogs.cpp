#include "support/TestRegistry.h"
#include <QtTest>

#include <QCheckBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QTimer>

#include "GuiTestSupport.h"
#include "gui/FileDialogs.h"

namespace {

// Runs check on the dialog once it is up, then lets it answer.
void WhenDialogShows(std::function<void(QFileDialog&)> check)
{
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        check(*dialog);
        if (dialog->isVisible())
            dialog->reject(); // a failed check must not leave the test waiting
    });
}

void Touch(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT

private slots:
    void openDialogOffersReadOnlyAndBothCases()
    {
        TemporarySettings dir;
        const QString folder = dir.Path(QStringLiteral("seasons"));
        QVERIFY(QDir().mkpath(folder));
        for (const char* name : {"upper.BWL", "lower.bwl", "mixed.Bwl", "other.txt"})
            Touch(folder + u'/' + QString::fromLatin1(name));

        FileDialogs dialogs;
        QStringList filters;
        bool native = true;
        bool hasCheckBox = false;
        WhenDialogShows([&](QFileDialog& d) {
            filters = d.nameFilters();
            native = !d.testOption(QFileDialog::DontUseNativeDialog);
            auto* box = d.findChild<QCheckBox*>(QStringLiteral("readOnlyCheck"));
            hasCheckBox = box != nullptr;
            if (box)
                box->setChecked(true);
            QVERIFY(!(d.filter() & QDir::CaseSensitive));
            d.setDirectory(folder);
            d.selectFile(folder + QStringLiteral("/lower.bwl"));
            static_cast<QDialog&>(d).accept(); // QFileDialog::accept, as OK would
        });
        const FileDialogs::OpenChoice choice = dialogs.ChooseOpenFile(nullptr);
        QCOMPARE(filters, Strings({"Bowls results (*.BWL)", "Bowls results text (*.BWT)"}));
        QVERIFY(!native);
        QVERIFY(hasCheckBox);
        QCOMPARE(choice.path, folder + QStringLiteral("/lower.bwl"));
        QVERIFY(choice.readOnly);
    }

    // Both dialogs show every column of the file list, and open where a
    // file was last chosen.
    void dialogsShowEveryColumnAndRememberTheFolder()
    {
        TemporarySettings dir;
        const QString folder = dir.Path(QStringLiteral("seasons"));
        QVERIFY(QDir().mkpath(folder));
        Touch(folder + QStringLiteral("/club.bwl"));

        auto columnsFit = [](QFileDialog& d) {
            auto* tree = d.findChild<QTreeView*>(QStringLiteral("treeView"));
            return tree && tree->isVisible() && tree->header()->count() >= 4 &&
                   tree->header()->length() <= tree->viewport()->width();
        };
        FileDialogs dialogs;
        bool openFits = false, saveFits = false;
        QString saveOpenedIn;
        WhenDialogShows([&](QFileDialog& d) {
            openFits = columnsFit(d);
            d.setDirectory(folder);
            d.selectFile(folder + QStringLiteral("/club.bwl"));
            static_cast<QDialog&>(d).accept();
        });
        QCOMPARE(dialogs.ChooseOpenFile(nullptr).path, folder + QStringLiteral("/club.bwl"));
        WhenDialogShows([&](QFileDialog& d) {
            saveFits = columnsFit(d);
            saveOpenedIn = d.directory().absolutePath();
        });
        dialogs.ChooseSaveFile(nullptr);
        QVERIFY(openFits);
        QVERIFY(saveFits);
        QCOMPARE(saveOpenedIn, folder);
    }

    void saveDialogAddsTheExtensionAndAsksBeforeOverwritingAndCancelGivesNothing()
    {
        TemporarySettings dir;
        FileDialogs dialogs;
        bool confirms = false;
        QString suffix;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        WhenDialogShows([&](QFileDialog& d) {
            confirms = !d.testOption(QFileDialog::DontConfirmOverwrite);
            suffix = d.defaultSuffix();
            mode = d.acceptMode();
            d.setDirectory(dir.Path(QString()));
            d.selectFile(dir.Path(QStringLiteral("new")));
            static_cast<QDialog&>(d).accept(); // QFileDialog::accept, as OK would
        });
        const QString path = dialogs.ChooseSaveFile(nullptr);
        QVERIFY(confirms);
        QCOMPARE(suffix, QStringLiteral("bwl"));
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("new.bwl"));

        WhenDialogShows([](QFileDialog& d) { d.reject(); });
        QVERIFY(dialogs.ChooseSaveFile(nullptr).isEmpty());
        WhenDialogShows([](QFileDialog& d) { d.reject(); });
        const FileDialogs::OpenChoice cancelled = dialogs.ChooseOpenFile(nullptr);
        QVERIFY(cancelled.path.isEmpty() && !cancelled.readOnly);
    }
};

TESSEL_TEST(TestFileDialogs)
#include "tst_FileDialogs.moc"
