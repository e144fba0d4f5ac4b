// The main of each folder's test executable.
//   tests_model                 runs every class
//   tests_model tst_Scoring -v2 runs one class, passing the rest to Qt Test
//   tests_model --list          names the classes
#include "support/TestRegistry.h"

#include <QTest>
#if defined(QT_WIDGETS_LIB)
#include <QApplication>
using App = QApplication;
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
using App = QGuiApplication;
#else
#include <QCoreApplication>
using App = QCoreApplication;
#endif

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv)
{
    App app(argc, argv);
#if defined(QT_GUI_LIB)
    app.setAttribute(Qt::AA_Use96Dpi, true);
#endif
    auto& tests = tessel::test::registry();
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto& [name, factory] : tests)
            std::printf("%s\n", name.c_str());
        return 0;
    }
    std::vector<char*> args(argv, argv + argc);
    if (argc > 1 && argv[1][0] != '-') {
        const auto found = tests.find(argv[1]);
        if (found == tests.end()) {
            std::fprintf(stderr, "no test class %s (see --list)\n", argv[1]);
            return 2;
        }
        args.erase(args.begin() + 1);
        const auto test = found->second();
        return QTest::qExec(test.get(), int(args.size()), args.data());
    }
    int failures = 0;
    for (const auto& [name, factory] : tests) {
        const auto test = factory();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
