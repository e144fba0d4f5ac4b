#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The program's settings: named 32-bit numbers and texts under a per-user key,
// with a machine-wide key of the same name read as a fallback and never
// written. Failures are silent for readers (they fall back to the machine-wide
// value, then to the default) and a false result for writers.
//
// The key is named by its part below the organisation "Orvane"; the program
// uses only kSettingsKey. Texts are UTF-8 (they hold paths and font names, not
// season text) and their capacities count characters, terminator included.

inline constexpr std::string_view kSettingsKey = "Tessel";

// Value names.
inline constexpr std::string_view kMinGamesSetting = "MinGames";
inline constexpr std::string_view kHomeOnLeftScreenSetting = "HomeOnLeftScreen";
inline constexpr std::string_view kHomeOnLeftPrinterSetting = "HomeOnLeftPrinter";
inline constexpr std::string_view kHighlightLossesSetting = "HighlightLosses";
inline constexpr std::string_view kMinPrintScaleSetting = "MinPrintScale";
inline constexpr std::string_view kFontNameSetting = "FontName";
inline constexpr std::string_view kFontHeightSetting = "FontHeight";
inline constexpr std::string_view kFontWeightSetting = "FontWeight";
inline constexpr std::string_view kFontItalicSetting = "FontItalic";

class SettingsStore {
public:
    // The platform's real stores: the registry keys on Windows, the user's and
    // the system's configuration files elsewhere.
    SettingsStore();

    // A store kept in INI files under two root directories, laid out as the
    // platform lays out its own: <root>/Orvane/<key>.conf. For tests, and for
    // anyone who wants the settings somewhere else.
    SettingsStore(const QString& userRoot, const QString& machineRoot);

    std::int32_t ReadNumber(std::string_view key, std::string_view name,
                            std::int32_t defaultValue) const;
    std::string ReadText(std::string_view key, std::string_view name, std::string_view defaultValue,
                         std::size_t capacity) const;
    bool WriteNumber(std::string_view key, std::string_view name, std::int32_t value);
    bool WriteText(std::string_view key, std::string_view name, std::string_view text);

private:
    enum class Scope { User, Machine };
    struct Key; // one open QSettings; opened per operation, as the store never keeps one

    std::unique_ptr<Key> Open(std::string_view key, Scope scope) const;

    bool native_ = true;
    QString userRoot_;
    QString machineRoot_;
};

// The process-wide store the free functions below use: the real one unless
// replaced. Tests point it at a temporary directory.
SettingsStore& CurrentSettingsStore();
void SetSettingsStore(std::unique_ptr<SettingsStore> store); // null: back to the real one

// The per-user value if it exists and is a number (an integer, or a text that
// is wholly a 32-bit integer); else the machine-wide one; else defaultValue.
std::int32_t ReadNumberSetting(std::string_view key, std::string_view name,
                               std::int32_t defaultValue);

// The per-user text if it exists, is a text, fits in capacity (terminator
// included) and is not empty; else the machine-wide text under the same
// conditions except that it may be empty; else defaultValue cut to
// capacity - 1 characters.
std::string ReadTextSetting(std::string_view key, std::string_view name,
                            std::string_view defaultValue, std::size_t capacity);

// Store the value for the user; true only when it reached the store.
bool WriteNumberSetting(std::string_view key, std::string_view name, std::int32_t value);
bool WriteTextSetting(std::string_view key, std::string_view name, std::string_view text);

struct Preferences {
    std::uint32_t minGames = 3;
    std::uint32_t homeOnLeftScreen = 0;
    std::uint32_t homeOnLeftPrinter = 1;
    std::uint32_t highlightLosses = 0;
    double minPrintScale = 0.70;
};

Preferences LoadPreferences();

// The MinGames preference as the ranking takes it. It is stored unsigned; a
// value beyond the largest int can never be reached by a player's
// appearances, so it counts as the largest int (never as a negative "no
// minimum"). The screen, the printouts and tessel-cli all read it this way.
int MinGamesForRanking(std::uint32_t stored);

// The stored description of the results grid's font.
struct GridFontSettings {
    std::string faceName = "Times New Roman"; // UTF-8, at most 31 characters
    std::int32_t height = -40;                // 0.1 mm; negative: character height
    std::int32_t weight = 400;
    bool italic = false;
};

inline constexpr std::size_t kFontNameCapacity = 32;

GridFontSettings LoadGridFontSettings();
