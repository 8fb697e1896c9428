// Each window family registers its openers here; a static library would drop
// self-registering objects that nothing references.
#include "ui/windows.h"

void registerAdminWindows();

void Windows::registerAll() {
    static bool done = false;
    if (done) return;
    done = true;
    registerAdminWindows();
}
