#include "app/startup.h"
#include "app/mainwindow.h"
#include "data/db.h"
#include "data/dm.h"
#include "ui/msg.h"
#include "ui/windows.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>


namespace Startup {

void initApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("柯星软件通用行业版"));
    QApplication::setApplicationDisplayName(QString());
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* tr = new QTranslator(&app);
    if (tr->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(tr);
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Serif CJK SC"),
                                                       QStringLiteral("Noto Sans CJK SC")});
    QFont f(QStringLiteral("Noto Sans CJK SC"), 10);
    QApplication::setFont(f);
    Db::initResources();
    Windows::registerAll();
}

TFmain1* createMain() {
    if (!DM1::create()) {
        Msg::error(DM1::StartupError);
        return nullptr;
    }
    auto* w = new TFmain1();
    if (!w->rebuildCaption()) {
        Msg::error(DM1::StartupError);
        delete w;
        return nullptr;
    }
    w->showNavigationChart();
    return w;
}

} // namespace Startup
