#include "appicon.h"

// Q_INIT_RESOURCE declares the resource's init function where it is used, so the call sits in
// the global namespace. A static library needs the explicit call, or the linker drops the icons.
static void InitApplicationIconResource()
{
    Q_INIT_RESOURCE(appicon);
}

QIcon ApplicationIcon()
{
    InitApplicationIconResource();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/kostbilanz-%1.png").arg(size), QSize(size, size));
    return icon;
}
