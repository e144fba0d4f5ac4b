#include "gui/ProgramIcon.h"

// The resources live in a static library; this makes sure they are linked in
// and registered wherever the icon is asked for.
static void RegisterIconResources()
{
    Q_INIT_RESOURCE(icons);
}

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        RegisterIconResources();
        QIcon made;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            made.addFile(QStringLiteral(":/icons/tessel-%1.png").arg(size), QSize(size, size));
        return made;
    }();
    return icon;
}
