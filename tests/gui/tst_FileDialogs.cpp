#include "support/TestRegistry.h"

#include "GuiTestSupport.h"

namespace {

// Every column of the file list shows in full.
bool ColumnsFit(QFileDialog& d)
{
    auto* tree = d.findChild<QTreeView*>(u"treeView"_s);
    return tree && tree->isVisible() && tree->header()->count() >= 4 &&
           tree->header()->length() <= tree->viewport()->width();
}

// Runs action on the dialog once it is up, then lets it answer (a dialog the
// action leaves open is cancelled, so that a failed check never hangs).
void WhenUp(std::function<void(QFileDialog&)> action)
{
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            action(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
}

} // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT

private slots:
    // Open offers both kinds of season in either case and a read-only box;
    // Save proposes the folder last chosen, adds the extension and asks
    // before overwriting; Cancel gives nothing.
    void openSaveAndCancel()
    {
        TemporarySettings dir;
        const QString folder = dir.Path("seasons");
        QVERIFY(QDir().mkpath(folder));
        const QString club = folder + u"/club.bwl"_s;
        QVERIFY(QFile(club).open(QIODevice::WriteOnly));
        FileDialogs dialogs;
        QStringList filters;
        bool native = true, openFits = false, readOnlyBox = false;
        WhenUp([&](QFileDialog& d) {
            filters = d.nameFilters();
            native = !d.testOption(QFileDialog::DontUseNativeDialog);
            openFits = ColumnsFit(d);
            auto* box = d.findChild<QCheckBox*>(u"readOnlyCheck"_s);
            readOnlyBox = box != nullptr;
            if (box)
                box->setChecked(true);
            QVERIFY(!(d.filter() & QDir::CaseSensitive));
            d.setDirectory(folder);
            d.selectFile(club);
            static_cast<QDialog&>(d).accept(); // QFileDialog::accept, as OK would
        });
        const FileDialogs::OpenChoice choice = dialogs.ChooseOpenFile(nullptr);
        QCOMPARE(filters, Strings({"Bowls results (*.BWL)", "Bowls results text (*.BWT)"}));
        QVERIFY(!native && openFits && readOnlyBox);
        QCOMPARE(choice.path, club);
        QVERIFY(choice.readOnly);

        bool confirms = false, saveFits = false;
        QString openedIn;
        WhenUp([&](QFileDialog& d) {
            saveFits = ColumnsFit(d);
            openedIn = d.directory().absolutePath();
            confirms = !d.testOption(QFileDialog::DontConfirmOverwrite) &&
                       d.acceptMode() == QFileDialog::AcceptSave;
            d.selectFile(folder + u"/new"_s);
            static_cast<QDialog&>(d).accept();
        });
        QCOMPARE(dialogs.ChooseSaveFile(nullptr), folder + u"/new.bwl"_s);
        QVERIFY(confirms && saveFits);
        QCOMPARE(openedIn, folder);

        WhenUp([](QFileDialog& d) { d.reject(); });
        QVERIFY(dialogs.ChooseSaveFile(nullptr).isEmpty());
        WhenUp([](QFileDialog& d) { d.reject(); });
        const FileDialogs::OpenChoice cancelled = dialogs.ChooseOpenFile(nullptr);
        QVERIFY(cancelled.path.isEmpty() && !cancelled.readOnly);
    }
};

TESSEL_TEST(TestFileDialogs)
#include "tst_FileDialogs.moc"
