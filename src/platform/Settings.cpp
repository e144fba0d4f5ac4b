#include "platform/Settings.h"
#include "platform/FileIO.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <charconv>
#include <climits>
#include <limits>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// A text that is wholly a decimal 32-bit integer, signed or unsigned: an
// optional minus sign and digits, nothing else (no spaces, no plus, no radix prefix), whatever the
// locale.
bool ParseNumberText(const QString& text, std::int32_t& out)
{
    const QByteArray bytes = text.toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first == last || (*first != '-' && (*first < '0' || *first > '9')))
        return false;
    // The store keeps 32-bit words: a text may give one signed or unsigned
    // (MinGames is unsigned), as a registry editor would show it.
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (error != std::errc() || end != last || text.size() != bytes.size() ||
        value < std::numeric_limits<std::int32_t>::min() ||
        value > static_cast<long long>(std::numeric_limits<std::uint32_t>::max()))
        return false;
    out = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return true;
}

// What counts as a stored 32-bit number: an integer value (as the registry
// keeps them; an unsigned 32-bit one is taken bit for bit), or, where the
// store keeps everything as text (INI files), a text of one. In a typed
// store a text is the wrong type, however it reads.
bool AsNumber(const QVariant& value, bool textsAreNumbers, std::int32_t& out)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
    case QMetaType::Char: {
        const qlonglong v = value.toLongLong();
        if (v < std::numeric_limits<std::int32_t>::min() ||
            v > std::numeric_limits<std::uint32_t>::max())
            return false;
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return true;
    }
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar: {
        const qulonglong v = value.toULongLong();
        if (v > std::numeric_limits<std::uint32_t>::max())
            return false;
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return true;
    }
    case QMetaType::QString:
        return textsAreNumbers && ParseNumberText(value.toString(), out);
    default:
        return false;
    }
}

// Whether the platform's own store keeps numbers and texts apart (the
// registry, property lists) rather than all as text (INI files).
constexpr bool TypedNativeStore()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return true;
#else
    return false;
#endif
}

qsizetype CharacterCount(const QString& text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate())
            ++n;
    return n;
}

// The first `characters` characters, never splitting a surrogate pair.
QString LeftCharacters(const QString& text, qsizetype characters)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
            continue;
        if (n == characters)
            return text.left(i);
        ++n;
    }
    return text;
}

// A stored text, when it is one and fits with its terminator.
bool AsFittingText(const QVariant& value, std::size_t capacity, QString& out)
{
    if (value.typeId() != QMetaType::QString)
        return false;
    QString text = value.toString();
    if (static_cast<std::size_t>(CharacterCount(text)) + 1 > capacity)
        return false;
    out = std::move(text);
    return true;
}

} // namespace

struct SettingsStore::Key {
    explicit Key(std::unique_ptr<QSettings> s) : settings(std::move(s))
    {
        // The machine-wide layer is read by our own rules, not merged by Qt.
        settings->setFallbacksEnabled(false);
    }
    std::unique_ptr<QSettings> settings;
};

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString& userRoot, const QString& machineRoot)
    : native_(false), userRoot_(userRoot), machineRoot_(machineRoot)
{
}

std::unique_ptr<SettingsStore::Key> SettingsStore::Open(std::string_view key, Scope scope) const
{
    const QString organisation = QStringLiteral("Orvane");
    const QString application = ToQString(key);
    if (native_) {
        const auto qtScope = scope == Scope::User ? QSettings::UserScope : QSettings::SystemScope;
        return std::make_unique<Key>(std::make_unique<QSettings>(QSettings::NativeFormat, qtScope,
                                                                 organisation, application));
    }
    const QString& root = scope == Scope::User ? userRoot_ : machineRoot_;
    const QString file = root + u'/' + organisation + u'/' + application + QStringLiteral(".conf");
    return std::make_unique<Key>(std::make_unique<QSettings>(file, QSettings::IniFormat));
}

std::int32_t SettingsStore::ReadNumber(std::string_view key, std::string_view name,
                                       std::int32_t defaultValue) const
{
    const QString valueName = ToQString(name);
    for (Scope scope : {Scope::User, Scope::Machine}) {
        const auto k = Open(key, scope);
        const bool textsAreNumbers =
            k->settings->format() == QSettings::IniFormat || !TypedNativeStore();
        std::int32_t value = 0;
        if (k->settings->contains(valueName) &&
            AsNumber(k->settings->value(valueName), textsAreNumbers, value))
            return value;
    }
    return defaultValue;
}

std::string SettingsStore::ReadText(std::string_view key, std::string_view name,
                                    std::string_view defaultValue, std::size_t capacity) const
{
    const QString valueName = ToQString(name);
    QString text;
    {
        const auto user = Open(key, Scope::User);
        // An empty user text does not hide the machine-wide one.
        if (user->settings->contains(valueName) &&
            AsFittingText(user->settings->value(valueName), capacity, text) && !text.isEmpty())
            return ToUtf8(text);
    }
    {
        const auto machine = Open(key, Scope::Machine);
        if (machine->settings->contains(valueName) &&
            AsFittingText(machine->settings->value(valueName), capacity, text))
            return ToUtf8(text);
    }
    if (capacity == 0)
        return {};
    return ToUtf8(LeftCharacters(ToQString(defaultValue), static_cast<qsizetype>(capacity - 1)));
}

namespace {

// A settings file is replaced as a season file is: Qt writes the new
// contents into a copy elsewhere, the copy is read back and checked, and only
// then do its bytes replace the real file, every byte checked. Qt's own
// writing would empty the file on a full disk and still report success.
bool WriteFileValue(const QString& file, const QString& name, const QVariant& value)
{
    const FileReadResult current = ReadWholeFile(file);
    if (current.status != FileReadStatus::Ok && QFileInfo::exists(file))
        return false;
    QTemporaryDir stage;
    if (!stage.isValid())
        return false;
    const QString copy = stage.filePath(QStringLiteral("settings.conf"));
    if (!WriteFileAtomically(copy, current.data).ok)
        return false;
    QStringList expected;
    {
        QSettings staged(copy, QSettings::IniFormat);
        staged.setValue(name, value);
        staged.sync();
        if (staged.status() != QSettings::NoError)
            return false;
        expected = staged.allKeys();
    }
    {
        const QSettings check(copy, QSettings::IniFormat);
        if (check.status() != QSettings::NoError || check.allKeys() != expected ||
            check.value(name).toString() != value.toString())
            return false;
    }
    const FileReadResult staged = ReadWholeFile(copy);
    if (staged.status != FileReadStatus::Ok)
        return false;
    return QDir().mkpath(QFileInfo(file).absolutePath()) &&
           WriteFileAtomically(file, staged.data).ok;
}

bool WriteValue(QSettings& settings, const QString& name, const QVariant& value)
{
    if (!settings.isWritable() || settings.status() != QSettings::NoError)
        return false;
    if (settings.format() == QSettings::IniFormat || !TypedNativeStore())
        return WriteFileValue(settings.fileName(), name, value);
    settings.setValue(name, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

bool SettingsStore::WriteNumber(std::string_view key, std::string_view name, std::int32_t value)
{
    const auto k = Open(key, Scope::User);
    return WriteValue(*k->settings, ToQString(name), QVariant::fromValue<qint32>(value));
}

bool SettingsStore::WriteText(std::string_view key, std::string_view name, std::string_view text)
{
    const auto k = Open(key, Scope::User);
    return WriteValue(*k->settings, ToQString(name), QVariant(ToQString(text)));
}

namespace {

std::unique_ptr<SettingsStore>& StoreSlot()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}

} // namespace

SettingsStore& CurrentSettingsStore()
{
    auto& store = StoreSlot();
    if (!store)
        store = std::make_unique<SettingsStore>();
    return *store;
}

void SetSettingsStore(std::unique_ptr<SettingsStore> store)
{
    StoreSlot() = std::move(store);
}

std::int32_t ReadNumberSetting(std::string_view key, std::string_view name,
                               std::int32_t defaultValue)
{
    return CurrentSettingsStore().ReadNumber(key, name, defaultValue);
}

std::string ReadTextSetting(std::string_view key, std::string_view name,
                            std::string_view defaultValue, std::size_t capacity)
{
    return CurrentSettingsStore().ReadText(key, name, defaultValue, capacity);
}

bool WriteNumberSetting(std::string_view key, std::string_view name, std::int32_t value)
{
    return CurrentSettingsStore().WriteNumber(key, name, value);
}

bool WriteTextSetting(std::string_view key, std::string_view name, std::string_view text)
{
    return CurrentSettingsStore().WriteText(key, name, text);
}

namespace {

std::int32_t WithinOr(std::int32_t value, std::int32_t least, std::int32_t most,
                      std::int32_t otherwise)
{
    return value >= least && value <= most ? value : otherwise;
}

} // namespace

Preferences LoadPreferences()
{
    Preferences p;
    p.minGames = static_cast<std::uint32_t>(ReadNumberSetting(kSettingsKey, kMinGamesSetting, 3));
    p.homeOnLeftScreen =
        static_cast<std::uint32_t>(ReadNumberSetting(kSettingsKey, kHomeOnLeftScreenSetting, 0));
    p.homeOnLeftPrinter =
        static_cast<std::uint32_t>(ReadNumberSetting(kSettingsKey, kHomeOnLeftPrinterSetting, 1));
    p.highlightLosses =
        static_cast<std::uint32_t>(ReadNumberSetting(kSettingsKey, kHighlightLossesSetting, 0));
    // A scale outside 1..100 % would print nothing useful.
    p.minPrintScale =
        WithinOr(ReadNumberSetting(kSettingsKey, kMinPrintScaleSetting, 70), 1, 100, 70) / 100.0;
    return p;
}

int MinGamesForRanking(std::uint32_t stored)
{
    return stored > static_cast<std::uint32_t>(INT_MAX) ? INT_MAX : static_cast<int>(stored);
}

GridFontSettings LoadGridFontSettings()
{
    GridFontSettings f;
    // Heights and weights no font can have would leave the grid without text.
    const std::int32_t height = ReadNumberSetting(kSettingsKey, kFontHeightSetting, -40);
    f.height = height < 0 ? WithinOr(height, -1000, -10, -40) : WithinOr(height, 10, 1000, -40);
    f.weight = WithinOr(ReadNumberSetting(kSettingsKey, kFontWeightSetting, 400), 1, 1000, 400);
    // Only the low byte carries the flag.
    f.italic = (ReadNumberSetting(kSettingsKey, kFontItalicSetting, 0) & 0xFF) != 0;
    f.faceName =
        ReadTextSetting(kSettingsKey, kFontNameSetting, "Times New Roman", kFontNameCapacity);
    return f;
}
