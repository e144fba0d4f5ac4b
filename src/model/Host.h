#pragma once

#include <ctime>
#include <string>
#include <string_view>

struct Season;

// None: a plain box without an icon (the text import's "String too long" notice).
enum class MessageIcon { Exclamation, Question, Information, None };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// The platform's own title for error boxes that name no title of their own.
inline constexpr std::string_view kDefaultErrorTitle = "Error";

// Everything the core needs from outside. The desktop program implements it
// with Qt, tessel-cli with standard error and default answers, the tests with
// a scripted fake. All text is UTF-8.
class Host {
public:
    virtual ~Host() = default;

    virtual void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    virtual Answer Ask(std::string_view text, std::string_view title, Buttons buttons,
                       Answer defaultAnswer) = 0;

    // Wait cursor; use WaitCursor below rather than calling these directly.
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;

    // The MinGames preference (least appearances for a player to be ranked).
    virtual int MinGames() = 0;

    // Asks the window showing season to select a fixture and a player row;
    // -1 selects none of that kind.
    virtual void SelectRow(Season& season, int fixture, int playerRow) = 0;

    virtual void AddRecentFile(const std::string& path) = 0;

    // month 1..12, from the user's locale.
    virtual std::string MonthName(int month, bool abbreviated) = 0;

    // Seconds since 1970.
    virtual std::time_t Now() = 0;

    // Shorthand for an exclamation box with the default error title.
    void ShowError(std::string_view text)
    {
        ShowMessage(text, kDefaultErrorTitle, MessageIcon::Exclamation);
    }

    // What every operation tells the user when memory runs out.
    void ShowOutOfMemory()
    {
        ShowMessage("Cannot allocate memory", "Memory error", MessageIcon::Exclamation);
    }
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    explicit WaitCursor(Host& host) : host_(host) { host_.BeginWait(); }
    ~WaitCursor() { host_.EndWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Host& host_;
};
