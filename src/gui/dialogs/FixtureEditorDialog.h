#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

#include "model/FixtureEditing.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStringListModel;
class QtHost;
class Shell;
struct Season;

// The dialog in which one fixture's result is entered: a row per team
// position (the group's absences and scores centred beside its players), the
// running match totals, venue, date and the opposing team. Our side is on the
// left, or the opponent's when the preference puts the home side on the left
// and the fixture is away. The rules live in FixtureEditing; this is the
// widget over them.
class FixtureEditorDialog : public QDialog {
    Q_OBJECT
public:
    using PrintRequest = std::function<void(const Fixture&)>;

    // Opens on fixture index. IsOpen() is false (and the user has been told)
    // when there is no such fixture.
    FixtureEditorDialog(Shell& shell, Season& season, int index, PrintRequest print,
                        QWidget* parent = nullptr);
    ~FixtureEditorDialog() override;

    bool IsOpen() const { return open_; }
    bool Reversed() const { return reversed_; }
    FixtureEditing& Editing() { return editing_; }

    // The control with the given number (the row controls are
    // 512 + 16 x position + column), or null.
    QWidget* Control(int id) const;

    void accept() override;

private:
    struct Row {
        QCheckBox* ourAbsent = nullptr;
        QComboBox* player = nullptr;
        QLineEdit* scoreFor = nullptr;
        QLineEdit* scoreAgainst = nullptr;
        QLineEdit* opponent = nullptr;
        QCheckBox* theirAbsent = nullptr;
    };
    class Totals;

    void Build();
    void BuildRows(QWidget* area, QGridLayout* grid);
    void BuildTotals(QGridLayout* grid);
    QWidget* BuildLowerBlock();
    void FillPlayerLists();
    void SizeToScreen();

    void RowChanged(int position);
    void ShowRow(int position);
    void ShowAll();
    void ShowHandicaps();
    void Rescore();
    bool Validate();
    void Check();
    void Print();

    Shell& shell_;
    std::unique_ptr<QtHost> host_;
    Season& season_;
    FixtureEditing editing_;
    PrintRequest print_;
    bool open_ = false;
    bool reversed_ = false;
    bool busy_ = false;

    std::vector<Row> rows_;
    // The players each box lists; single and paired positions may differ.
    std::vector<const Player*> singles_, pairs_;
    QStringListModel* singlesModel_ = nullptr;
    QStringListModel* pairsModel_ = nullptr;
    QScrollArea* rowArea_ = nullptr;
    QLineEdit* handicap_ = nullptr;
    QLineEdit* oppHandicap_ = nullptr;
    std::unique_ptr<Totals> totals_;
    QRadioButton* venue_[3] = {};
    QDateEdit* date_ = nullptr;
    QLineEdit* against_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Runs the editor on fixture index of season; 1 when the user stored the
// fixture, 0 on Cancel or when there is no such fixture.
int OpenFixtureEditor(QWidget* parent, Shell& shell, Season& season, int index,
                      const FixtureEditorDialog::PrintRequest& print);
