#pragma once

#include <QPointer>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QMenu;

// The four season files used last, most recent first, shown as numbered items
// just above "Exit" in every File menu attached, and kept in the settings
// store as "File1" to "File4".
//
// Paths are kept whole; only the menu text is shortened. Two paths are the
// same file when they compare equal as the platform's file system compares
// names: ignoring case on Windows, exactly elsewhere.
class RecentFiles {
public:
    static constexpr int kCount = 4;
    // Menu text longer than this is shortened in the middle of the folders.
    static constexpr int kMaxMenuPathLength = 60;

    explicit RecentFiles(Qt::CaseSensitivity pathCase = PlatformPathCase());
    ~RecentFiles();
    RecentFiles(const RecentFiles&) = delete;
    RecentFiles& operator=(const RecentFiles&) = delete;

    static Qt::CaseSensitivity PlatformPathCase();

    // Reads the list from the store (a missing or unreadable value leaves its
    // entry empty) and shows it in the attached menus.
    void Load();
    // Writes all four values, creating the store's key when it has none yet,
    // so that a new user's list survives. False when a write failed.
    bool Save() const;

    // Makes the path the most recent entry; a path already listed moves up
    // instead of appearing twice.
    void Add(const QString& path);

    // The entry, or an empty string for an unused entry or a bad index.
    QString At(int index) const;

    // Shows the list in menu, above before (its "Exit" item).
    void AttachMenu(QMenu* menu, QAction* before);
    // Takes the items out of every attached menu and forgets the menus.
    void DetachMenus();

    // "&n path" with the path shortened for display and "&" doubled, so
    // that only n serves as the access key.
    static QString MenuText(int number, const QString& path);
    static QString ShortenedPath(const QString& path);

private:
    struct AttachedMenu {
        QPointer<QMenu> menu;
        QPointer<QAction> before;
        QPointer<QAction> separator;
    };

    void Refresh();
    void RemoveItems(AttachedMenu& m);
    void ShowItems(AttachedMenu& m);

    Qt::CaseSensitivity pathCase_;
    std::array<QString, kCount> entries_;
    std::vector<AttachedMenu> menus_;
};
