#pragma once

#include <QDialog>

#include "gui/QtHost.h"

class QComboBox;
class QLabel;
class QPushButton;
class Shell;
struct Player;
struct Season;

// Rename: a new name for a player, typed or chosen from the other players of
// the same group. A new name renames the player (and the twin); an existing
// one merges the player into that one. Accepted only when something changed.
class RenamePlayerDialog : public QDialog {
    Q_OBJECT
public:
    enum Control { NameBox = 101, Prompt = 102, HelpButton = 100 };

    RenamePlayerDialog(Shell& shell, Season& season, Player& player, QWidget* owner);

    QComboBox* NameCombo() const { return names_; }
    QPushButton* OkButton() const { return ok_; }

    // The player left after a rename (the same record) or a merge (the one
    // merged into); null before either.
    Player* Survivor() const { return survivor_; }

public slots:
    void accept() override;

private:
    // The name to rename to: a listed name exactly as registered, else the
    // typed text tidied.
    std::string ChosenName() const;

    Shell& shell_;
    Season& season_;
    Player& player_;
    QtHost host_;
    Player* survivor_ = nullptr;
    std::vector<std::string> listed_;
    QComboBox* names_ = nullptr;
    QPushButton* ok_ = nullptr;
};
