#include "support/Golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tessel::test {
namespace {

std::string lineAt(const std::string& text, std::size_t offset)
{
    const auto begin = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const auto from = (begin == std::string::npos || offset == 0) ? 0 : begin + 1;
    const auto end = text.find('\n', from);
    return text.substr(from, std::min<std::size_t>(
                                 end == std::string::npos ? text.size() - from : end - from, 160));
}

} // namespace

std::string goldenMismatch(const std::string& name, const std::string& actual)
{
    const std::filesystem::path path = std::filesystem::path(TESSEL_TEST_DATA) / name;
    const char* update = std::getenv("TESSEL_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << actual;
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "no golden file " + path.string() + " (run with TESSEL_UPDATE_GOLDEN=1 to write it)";
    const std::string expected((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    const std::string mismatch = textMismatch(expected, actual);
    return mismatch.empty() ? mismatch
                            : name + ": " + mismatch +
                                  "\n  (TESSEL_UPDATE_GOLDEN=1 rewrites it; review the diff)";
}

std::string textMismatch(const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return {};
    const auto diff = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const auto offset = std::size_t(diff.first - expected.begin());
    const auto line = 1 + std::count(expected.begin(), diff.first, '\n');
    std::ostringstream message;
    message << "differs at byte " << offset << " (line " << line << "; " << expected.size()
            << " bytes expected, " << actual.size() << " produced)\n"
            << "  expected: " << lineAt(expected, offset) << "\n"
            << "  actual:   " << lineAt(actual, offset);
    return message.str();
}

} // namespace tessel::test
