#pragma once

#include <QDialog>

#include "gui/QtHost.h"
#include "model/Season.h"
#include "model/TeamOptions.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class Shell;

// The team options dialog. For a new season it collects the names, the
// number of matches, the team size and the scoring scheme and creates the
// season (by OK, or by "Enter fixtures...", which goes straight on to the
// fixture list). For an open season it changes the names and the scheme; the
// two numbers are fixed.
class TeamOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // New-season mode when season is null, else edit mode on season.
    TeamOptionsDialog(Shell& shell, Season* season, QWidget* parent);
    ~TeamOptionsDialog() override;

    // The season created in new-season mode once the dialog was accepted.
    SeasonPtr TakeSeason() { return std::move(created_); }

    // The fields as they stand.
    TeamFields Fields() const;

    QLineEdit* TeamNameEdit() const { return teamName_; }
    QComboBox* SchemeList() const { return schemes_; }
    QPushButton* EnterFixturesButton() const { return enterFixtures_; }

    void accept() override;

private:
    void EnterFixtures();
    void FreezeNumbers();

    Shell& shell_;
    QtHost host_;
    Season* edited_ = nullptr;
    SeasonPtr created_;
    QLineEdit* teamName_ = nullptr;
    QLineEdit* leagueName_ = nullptr;
    QLineEdit* division_ = nullptr;
    QLineEdit* matches_ = nullptr;
    QLineEdit* players_ = nullptr;
    QComboBox* schemes_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* enterFixtures_ = nullptr;
};

// File > New: runs the dialog for a new season and gives the season it
// created, recalculated and ordered by name, or null when none was made.
SeasonPtr NewSeasonDialog(Shell& shell, QWidget* parent);

// Team > Edit team: runs the dialog on the season; true when something was
// stored (a changed team name is then the season's new window title).
bool EditTeamOptions(Shell& shell, Season& season, QWidget* parent);
