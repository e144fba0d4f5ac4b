#include "gui/FileDialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QScreen>

QStringList FileDialogs::OpenFilters()
{
    return {QStringLiteral("Bowls results (*.BWL)"), QStringLiteral("Bowls results text (*.BWT)")};
}

QStringList FileDialogs::SaveFilters()
{
    return {QStringLiteral("Bowls results (*.BWL)")};
}

namespace {

// Qt's own dialog: native ones can neither take the check box nor promise to
// match names in both cases.
void Prepare(QFileDialog& dialog, const QString& folder)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The patterns match names in any case ("b.bwl", "c.Bwl").
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setViewMode(QFileDialog::Detail);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    // Wide enough for the name, size, type and date columns side by side;
    // never more than the screen has room for.
    QSize size(900, 560);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    dialog.resize(size.expandedTo(dialog.sizeHint()));
}

QString FolderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

FileDialogs::OpenChoice FileDialogs::ChooseOpenFile(QWidget* owner)
{
    if (nextOpen_) {
        OpenChoice choice = *nextOpen_;
        nextOpen_.reset();
        return choice;
    }

    QFileDialog dialog(owner, QStringLiteral("Open"));
    Prepare(dialog, folder_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(OpenFilters());
    dialog.setDefaultSuffix(QStringLiteral("bwl"));

    auto* readOnly = new QCheckBox(QStringLiteral("Open as &read-only"), &dialog);
    readOnly->setObjectName(QStringLiteral("readOnlyCheck"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = FolderOf(path);
    return {path, readOnly->isChecked()};
}

QString FileDialogs::ChooseSaveFile(QWidget* owner)
{
    if (nextSave_) {
        QString path = *nextSave_;
        nextSave_.reset();
        return path;
    }

    QFileDialog dialog(owner, QStringLiteral("Save As"));
    Prepare(dialog, folder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(SaveFilters());
    dialog.setDefaultSuffix(QStringLiteral("bwl"));
    // The overwrite question is the dialog's own (DontConfirmOverwrite stays off).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    folder_ = FolderOf(path);
    return path;
}

QString FileDialogs::ChooseWebPageFile(QWidget* owner, const QString& suggested)
{
    if (nextWebPage_) {
        QString path = *nextWebPage_;
        nextWebPage_.reset();
        return path;
    }

    QFileDialog dialog(owner, QStringLiteral("Export web page"));
    // The suggested file names its folder.
    Prepare(dialog, QString());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Web page (*.html *.htm)")});
    dialog.setDefaultSuffix(QStringLiteral("html"));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
