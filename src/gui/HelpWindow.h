#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The help viewer: the program's help pages, compiled in, in a browser window
// of their own. Dialogs stay usable while it is open.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    // A topic by the number a dialog's Help button asks for; an unknown
    // number shows the contents.
    void ShowTopic(int topic);

    QUrl CurrentPage() const;
    static QUrl ContentsPage();
    static QUrl TopicPage(int topic);

private:
    void Open(const QUrl& page);

    QTextBrowser* browser_;
};
