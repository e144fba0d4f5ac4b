#include "gui/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include "gui/CommandIds.h"
#include "platform/Settings.h"

namespace {

std::string ValueName(int n)
{
    return "File" + std::to_string(n);
}

// Room for any path the platforms allow (paths are never cut).
constexpr std::size_t kPathCapacity = 32768;

} // namespace

RecentFiles::RecentFiles(Qt::CaseSensitivity pathCase) : pathCase_(pathCase)
{
}

RecentFiles::~RecentFiles()
{
    DetachMenus();
}

Qt::CaseSensitivity RecentFiles::PlatformPathCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

void RecentFiles::Load()
{
    for (int n = 1; n <= kCount; ++n) {
        const std::string text = ReadTextSetting(kSettingsKey, ValueName(n), "", kPathCapacity);
        entries_[static_cast<std::size_t>(n - 1)] =
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    Refresh();
}

bool RecentFiles::Save() const
{
    bool ok = true;
    for (int n = 1; n <= kCount; ++n) {
        const QByteArray path = entries_[static_cast<std::size_t>(n - 1)].toUtf8();
        ok = WriteTextSetting(
                 kSettingsKey, ValueName(n),
                 std::string_view(path.constData(), static_cast<std::size_t>(path.size()))) &&
             ok;
    }
    return ok;
}

void RecentFiles::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    auto same = [&](int i) {
        return entries_[static_cast<std::size_t>(i)].compare(path, pathCase_) == 0;
    };
    if (same(0))
        return; // already first: nothing moves, the menus stay as they are
    // The entries above the path's old place (or all but the oldest) move
    // down one; a listed path thus leaves its old place.
    int from = kCount - 1;
    for (int i = 1; i < kCount - 1; ++i)
        if (same(i)) {
            from = i;
            break;
        }
    for (int i = from; i > 0; --i)
        entries_[static_cast<std::size_t>(i)] = entries_[static_cast<std::size_t>(i - 1)];
    entries_[0] = path;
    Refresh();
}

QString RecentFiles::At(int index) const
{
    if (index < 0 || index >= kCount)
        return {};
    return entries_[static_cast<std::size_t>(index)];
}

void RecentFiles::AttachMenu(QMenu* menu, QAction* before)
{
    menus_.push_back({menu, before, nullptr});
    ShowItems(menus_.back());
}

void RecentFiles::DetachMenus()
{
    for (AttachedMenu& m : menus_)
        RemoveItems(m);
    menus_.clear();
}

QString RecentFiles::ShortenedPath(const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= kMaxMenuPathLength)
        return shown;
    const QString ellipsis = QStringLiteral("...");
    // Keep the file name whole where it leaves room for a little of the
    // start, and drop folders from the middle.
    const qsizetype slash = shown.lastIndexOf(QDir::separator());
    const qsizetype tail = slash < 0 ? 0 : shown.size() - slash;
    const qsizetype room = kMaxMenuPathLength - ellipsis.size();
    if (tail > 0 && tail <= room - 8)
        return shown.left(room - tail) + ellipsis + shown.right(tail);
    const qsizetype head = room / 2;
    return shown.left(head) + ellipsis + shown.right(room - head);
}

QString RecentFiles::MenuText(int number, const QString& path)
{
    QString shown = ShortenedPath(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

void RecentFiles::Refresh()
{
    for (AttachedMenu& m : menus_) {
        RemoveItems(m);
        ShowItems(m);
    }
}

void RecentFiles::RemoveItems(AttachedMenu& m)
{
    if (!m.menu)
        return;
    const QList<QAction*> actions = m.menu->actions();
    for (QAction* a : actions) {
        bool ok = false;
        const int id = a->data().toInt(&ok);
        if (ok && id >= Command::RecentFileFirst && id <= Command::RecentFileLast) {
            m.menu->removeAction(a);
            delete a;
        }
    }
    if (m.separator) {
        m.menu->removeAction(m.separator);
        delete m.separator.data();
    }
}

void RecentFiles::ShowItems(AttachedMenu& m)
{
    if (!m.menu)
        return;
    bool any = false;
    for (const QString& e : entries_)
        any = any || !e.isEmpty();
    if (!any)
        return;
    for (int n = 1; n <= kCount; ++n) {
        const QString& path = entries_[static_cast<std::size_t>(n - 1)];
        if (path.isEmpty())
            continue;
        auto* action = new QAction(MenuText(n, path), m.menu);
        action->setData(Command::RecentFileFirst + n - 1);
        // The whole path, where the menu text had to shorten it.
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setToolTip(QDir::toNativeSeparators(path));
        m.menu->insertAction(m.before, action);
    }
    auto* separator = new QAction(m.menu);
    separator->setSeparator(true);
    m.menu->insertAction(m.before, separator);
    m.separator = separator;
}
