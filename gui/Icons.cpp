#include "Icons.h"

#include "res/Resource.h"

#include <QCoreApplication>

// The icons are built into this library, which the linker might leave out of a program unless
// it is asked for them by name.
static void InitIconResources() {
    Q_INIT_RESOURCE(spanwise);
}

QIcon LoadIconResource(int nResource) {
    static const bool bResourcesLoaded = (InitIconResources(), true);
    if (nResource != IDR_MAINFRAME || !bResourcesLoaded) {
        return {};
    }
    QIcon icon;
    for (const int nSize : {16, 32, 48, 128}) {
        icon.addFile(QStringLiteral(":/icons/spanwise-%1.png").arg(nSize), QSize(nSize, nSize));
    }
    icon.addFile(QStringLiteral(":/icons/spanwise.svg"));
    return icon;
}

QIcon IconForResource(int nResource) {
    if (nResource != IDR_MAINFRAME) {
        return {};
    }
    // Adding a file to an icon decodes it there and then, the SVG source drawn at its own size
    // included: that takes longer than building the whole window, so it is done once. Pixmaps
    // must not outlive the application: the icon kept here goes with it.
    static QIcon mainIcon;
    static bool bKeptForApplication = false;
    if (!bKeptForApplication) {
        mainIcon = LoadIconResource(nResource);
        qAddPostRoutine([] {
            mainIcon = QIcon();
            bKeptForApplication = false;
        });
        bKeptForApplication = true;
    }
    return mainIcon;
}
