#pragma once

#include <QDialog>

#include <functional>

#include "gui/QtHost.h"
#include "model/SummaryTable.h"

class QAbstractSpinBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class Shell;
struct Player;
struct Season;

// The player summary: one player's games (one row per game, or per player
// of the group in pairs, triples and fours), the record and the averages,
// and the player's housekeeping: rename or merge, delete, print, copy, and
// the points brought forward where the league keeps them.
//
// Changed() tells the caller to recalculate and repaint; it stays set once a
// rename, a delete, a fixture edit or a brought-forward change was made,
// whether the dialog then closes with OK or Cancel.
class PlayerSummaryDialog : public QDialog {
    Q_OBJECT
public:
    enum Control {
        Heading = 102,
        Played = 103,
        Won = 104,
        Lost = 105,
        ScoredAverage = 106,
        ConcededAverage = 107,
        NetAverage = 108,
        RenameButton = 109,
        DeleteButton = 110,
        PrintButton = 111,
        Scored = 112,
        Conceded = 113,
        Net = 114,
        Walkovers = 115,
        ForBox = 116,
        AgainstBox = 117,
        List = 122,
        CopyButton = 123,
        HelpButton = 100,
    };

    // Opens a fixture in the fixture editor; true when the fixture changed.
    using FixtureEditor = std::function<bool(int fixture)>;
    // Runs the rename dialog; the player left afterwards, or null when
    // nothing was renamed.
    using Renamer = std::function<Player*(Player& player, QWidget* owner)>;

    PlayerSummaryDialog(Shell& shell, Season& season, Player& player, QWidget* owner);

    void SetFixtureEditor(FixtureEditor editor) { editFixture_ = std::move(editor); }
    void SetRenamer(Renamer renamer) { rename_ = std::move(renamer); }

    bool Changed() const { return changed_; }
    // The player shown; null once deleted.
    Player* ShownPlayer() const { return player_; }

    QTreeWidget* ListWidget() const { return list_; }
    QPushButton* Button(int control) const;
    QLabel* Figure(int control) const;
    QAbstractSpinBox* BroughtForwardBox(int control) const;

    // The buttons' actions (what a click does).
    void RenameClicked();
    void DeleteClicked();
    void PrintClicked();
    void CopyClicked();
    void RowActivated(int row);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void Disable();

    Shell& shell_;
    Season& season_;
    Player* player_;
    QtHost host_;
    bool changed_ = false;
    bool broughtForward_ = false;
    SummaryTable table_;
    FixtureEditor editFixture_;
    Renamer rename_;

    QLabel* heading_ = nullptr;
    QTreeWidget* list_ = nullptr;
    std::vector<std::pair<int, QLabel*>> figures_;
    std::vector<std::pair<int, QPushButton*>> buttons_;
    QAbstractSpinBox* for_ = nullptr;
    QAbstractSpinBox* against_ = nullptr;
    std::vector<QWidget*> broughtForwardWidgets_;
    QPushButton* ok_ = nullptr;
};

// Runs the dialog over owner for the player; true when the season changed.
bool RunPlayerSummary(Shell& shell, Season& season, Player& player, QWidget* owner,
                      PlayerSummaryDialog::FixtureEditor editor);
