#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The frame's two menu bars: the basic menu while no results window is
// active, the full menu while one is. Each item carries its command number as
// the action's data; the texts keep the access keys and show the shortcut
// after a tab. The shortcuts themselves are the frame's accelerators, so a
// command number shown in two menus has one key.
class FrameMenus : public QObject {
    Q_OBJECT
public:
    explicit FrameMenus(QWidget* parent);
    ~FrameMenus() override;

    // The top-level menus of each bar, in order.
    const QList<QMenu*>& Basic() const { return basic_; }
    const QList<QMenu*>& Full() const { return full_; }

    QMenu* BasicFile() const { return basic_.at(0); }
    QMenu* FullFile() const { return full_.at(0); }
    QMenu* FullWindow() const { return full_.at(5); }
    // The "Exit" item of a File menu, below which nothing is inserted.
    static QAction* ExitItem(QMenu* fileMenu);

    // The full menu's top-level menu with exactly this title ("&Players"), or null.
    QMenu* FullMenuTitled(const QString& title) const;

    // Every item of either menu with this command number.
    QList<QAction*> Items(int command) const;

    // Commands that this program does not offer yet; their items stay grey.
    static bool IsAvailable(int command);

    // Enables or greys every item of the command (never an unavailable one).
    void SetEnabled(int command, bool enabled);

private:
    QMenu* AddMenu(QList<QMenu*>& bar, const QString& title);
    QAction* AddItem(QMenu* menu, int command, const QString& text);

    QList<QMenu*> basic_;
    QList<QMenu*> full_;
};
