#include "admin/backup.h"
#include "app/mainwindow.h"
#include "ui/windows.h"

void registerAdminWindows() {
    Windows::add(QStringLiteral("TFbeifen1"), [] {
        TFbeifen1 w(TFmain1::instance());
        w.exec();
    });
}
