#pragma once
// One test executable per folder: every tst_*.cpp ends with TESSEL_TEST(ClassName) instead of
// QTEST_MAIN, and TestMain.cpp runs one class (named by its file, e.g. "tst_Scoring") or all.
#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace tessel::test {

using Factory = std::function<std::unique_ptr<QObject>()>;

inline std::map<std::string, Factory>& registry()
{
    static std::map<std::string, Factory> tests;
    return tests;
}

// "tests/model/tst_Scoring.cpp" -> "tst_Scoring"
inline std::string fileKey(std::string path)
{
    if (const auto slash = path.find_last_of("/\\"); slash != std::string::npos)
        path.erase(0, slash + 1);
    if (const auto dot = path.find('.'); dot != std::string::npos)
        path.erase(dot);
    return path;
}

inline bool registerTest(const char* file, Factory factory)
{
    registry().emplace(fileKey(file), std::move(factory));
    return true;
}

} // namespace tessel::test

#define TESSEL_TEST(Class)                                                                         \
    [[maybe_unused]] static const bool tesselTestRegistered_##Class =                              \
        tessel::test::registerTest(__FILE__, [] { return std::make_unique<Class>(); });
