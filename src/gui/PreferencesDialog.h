#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/Settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class Shell;

// The Preferences dialog: the minimum number of games, the loss highlights
// and where the home team is shown. On OK the values that changed are written,
// in a fixed order, stopping at the first write that fails; only when all
// succeeded does the program take the new values.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    // Control numbers, also the controls' object names ("control350", ...).
    enum Control {
        MinGamesBox = 350,
        HomeOnLeftScreenBox = 351,
        HomeOnLeftPrinterBox = 352,
        FirstHighlightBox = 353, // 353 + bit, bits 0 to 5 of HighlightLosses
        HelpButton = 100,
    };

    // Writes one number setting; true when it reached the store.
    using NumberWriter = std::function<bool(std::string_view name, std::int32_t value)>;

    PreferencesDialog(Shell& shell, QWidget* owner);

    void SetNumberWriter(NumberWriter writer) { write_ = std::move(writer); }

    // Whether OK stored at least one changed value.
    bool Changed() const { return changed_; }

    QLineEdit* MinGamesEdit() const { return minGames_; }
    QCheckBox* Box(int control) const;
    QPushButton* OkButton() const { return ok_; }

public slots:
    void accept() override;

private:
    Shell& shell_;
    Preferences opening_;
    NumberWriter write_;
    bool changed_ = false;

    QLineEdit* minGames_ = nullptr;
    QCheckBox* homeOnLeftScreen_ = nullptr;
    QCheckBox* homeOnLeftPrinter_ = nullptr;
    std::array<QCheckBox*, 6> highlight_{};
    QPushButton* ok_ = nullptr;
};

// Runs the dialog over owner; true when a setting was changed and stored.
bool RunPreferencesDialog(Shell& shell, QWidget* owner);
