#include "app/AppIcon.h"

// Q_INIT_RESOURCE must be used outside any namespace; the resources are in a
// static library, so they are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(versedawn);
}

QIcon versedawnIcon()
{
    registerResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/versedawn-%1.png").arg(size), QSize(size, size));
    return icon;
}
