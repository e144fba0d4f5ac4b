#pragma once

#include <QString>

#include <optional>

class QWidget;

// The Open and Save As dialogs (Qt's own, so that they carry the read-only
// check box and match "*.BWL" and "*.bwl" alike on every platform). A test
// presets the next answer instead of a dialog being shown.
class FileDialogs {
public:
    struct OpenChoice {
        QString path; // empty: cancelled
        bool readOnly = false;
    };

    // The dialog's answer, or the preset one (used once).
    OpenChoice ChooseOpenFile(QWidget* owner);
    QString ChooseSaveFile(QWidget* owner);
    // Where a web page of the season goes; suggested is the name offered.
    QString ChooseWebPageFile(QWidget* owner, const QString& suggested);

    void PresetOpen(const QString& path, bool readOnly = false)
    {
        nextOpen_ = OpenChoice{path, readOnly};
    }
    void PresetSave(const QString& path) { nextSave_ = path; }
    void PresetWebPage(const QString& path) { nextWebPage_ = path; }
    bool HasPresets() const
    {
        return nextOpen_.has_value() || nextSave_.has_value() || nextWebPage_.has_value();
    }

    // The folder the dialogs open in: the last one a file was chosen in
    // (at start-up, the folder of the most recent file); empty for the
    // platform's choice.
    QString Folder() const { return folder_; }
    void SetFolder(const QString& folder) { folder_ = folder; }

    // The filters as the dialogs list them; each pattern matches both cases.
    static QStringList OpenFilters();
    static QStringList SaveFilters();

private:
    std::optional<OpenChoice> nextOpen_;
    std::optional<QString> nextSave_;
    std::optional<QString> nextWebPage_;
    QString folder_;
};
