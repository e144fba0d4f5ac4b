#pragma once

#include <QDialog>

#include "model/SummaryTable.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class Host;
struct Season;

// The team summary: every fixture with a result, both teams' match points
// (home side first), and the team's record with its averages per match.
// It only shows; OK and Cancel both just close.
class TeamSummaryDialog : public QDialog {
    Q_OBJECT
public:
    enum Control {
        Heading = 101,
        Played = 102,
        Won = 103,
        Lost = 104,
        PointsScored = 105,
        PointsConceded = 106,
        ChalksScored = 107,
        ChalksConceded = 108,
        ChalksScoredLabel = 109,
        ChalksConcededLabel = 110,
        PointsScoredAverage = 111,
        PointsConcededAverage = 112,
        ChalksScoredAverage = 113,
        ChalksConcededAverage = 114,
        List = 115,
        CopyButton = 116,
    };

    TeamSummaryDialog(const Season& season, Host& host, QWidget* owner);

    QTreeWidget* ListWidget() const { return list_; }
    QLabel* Label(int control) const;
    QPushButton* Copy() const { return copy_; }

private:
    SummaryTable table_;
    QTreeWidget* list_ = nullptr;
    QPushButton* copy_ = nullptr;
};
