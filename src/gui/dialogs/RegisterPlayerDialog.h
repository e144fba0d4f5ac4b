#pragma once

#include <QDialog>

#include "gui/QtHost.h"

class QLineEdit;
class QPushButton;
class Shell;
struct Season;

// Register player: a name, then OK (register and close) or OK and next
// (register, empty the field and stay for the next name). A refused name
// keeps the dialog open with the name still there to correct.
class RegisterPlayerDialog : public QDialog {
    Q_OBJECT
public:
    enum Control { NameEdit = 201, NextControl = 202, HelpControl = 100 };

    RegisterPlayerDialog(Shell& shell, Season& season, QWidget* owner);

    QLineEdit* NameField() const { return name_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* NextButton() const { return next_; }

    // How many names were registered while the dialog was open.
    int Registered() const { return registered_; }

public slots:
    void accept() override;

private:
    // Registers the typed name; false (after a beep or a message) when none was.
    bool RegisterTyped();

    Shell& shell_;
    Season& season_;
    QtHost host_;
    int registered_ = 0;
    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* next_ = nullptr;
};
