// Proves that the leak checker is on: a test slot loses a block, and this program fails
// exactly when LeakSanitizer reports it. CTest expects it to fail (WILL_FAIL), so a leak
// check that is switched off or suppressed too broadly fails the suite.
#include <QCoreApplication>
#include <QTest>

#include <sanitizer/lsan_interface.h>

#include <cstdint>

namespace {

// The lost block's address, kept where the leak checker does not look for pointers.
std::uintptr_t hiddenBlock = 0;

} // namespace

class LeakingTest : public QObject {
    Q_OBJECT

private slots:
    void losesABlock()
    {
        auto* block = new int[1000];
        block[0] = 1;
        hiddenBlock = ~reinterpret_cast<std::uintptr_t>(block);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    LeakingTest test;
    if (QTest::qExec(&test, argc, argv) != 0)
        return 0; // not the failure this program is about
    const bool reported = __lsan_do_recoverable_leak_check() != 0;
    delete[] reinterpret_cast<int*>(~hiddenBlock); // nothing left for the check at exit
    return reported ? 1 : 0;
}

#include "LeakingTest.moc"
