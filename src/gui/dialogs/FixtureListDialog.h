#pragma once

#include <QDialog>

#include "gui/QtHost.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class Shell;
struct Season;

// Typing the fixture list of a new season in one pass: for each fixture in
// turn its date, opposing team and venue. "OK and next" stores the entry and
// prepares the usual next one (a week later, at the other venue); the dialog
// closes by itself after the season's last fixture. Cancel keeps what was
// stored before it.
class FixtureListDialog : public QDialog {
    Q_OBJECT
public:
    FixtureListDialog(Shell& shell, Season& season, QWidget* parent);

    QDateEdit* DatePicker() const { return date_; }
    QLineEdit* OpponentEdit() const { return opponent_; }
    // The number shown as the fixture being entered.
    QString FixtureNumber() const;

private:
    // Stores what the fields hold; with next, prepares the following entry.
    void Store(bool next);

    Shell& shell_;
    QtHost host_;
    Season& season_;
    int entered_ = 0;
    QLabel* number_ = nullptr;
    QDateEdit* date_ = nullptr;
    QLineEdit* opponent_ = nullptr;
    QRadioButton* home_ = nullptr;
    QRadioButton* away_ = nullptr;
    QRadioButton* neutral_ = nullptr;
};
