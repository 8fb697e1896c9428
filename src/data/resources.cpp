#include <QtGlobal>
#include <QDir>

// Resources of a static library must be pulled in explicitly.
static void initKxrResources() { Q_INIT_RESOURCE(resources); }

namespace Db {
void initResources() {
    static const bool done = (initKxrResources(), true);
    (void)done;
}
}
