#pragma once

#include <QDialog>

// The About box: the program's name, what it is, its version and build.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* owner);

    static QString VersionText(); // "Version %d.%d"
    static QString BuildText();   // "Build %d"
};
