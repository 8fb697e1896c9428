#include "app/login.h"
#include "app/mainwindow.h"
#include "app/splash.h"
#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    KxrSplash splash;
    splash.show();
    splash.repaint();
    app.processEvents();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 1000) {
        app.processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    Startup::initApplication(app);
    TFmain1* main = Startup::createMain();
    splash.close();
    if (!main) return 1;
    {
        TFdl1 login;
        if (!login.loadNames()) return 1;
        if (login.exec() != QDialog::Accepted) return 0;
    }
    main->showMaximized();
    const int rc = app.exec();
    delete main;
    return rc;
}
