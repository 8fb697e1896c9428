#include "data/dm.h"
#include "data/db.h"

namespace {
DM1* g_dm = nullptr;
}

const QString DM1::StartupError = QStringLiteral("数据库文件丢失，软件无法运行，请重新复制本软件！");

DM1* DM1::instance() { return g_dm; }

Dataset* DM1::make(const QString& name, const QString& sql) {
    auto* d = new Dataset(name, sql, this);
    byName_.insert(name, d);
    return d;
}

DM1::DM1() {
    setObjectName(QStringLiteral("DM1"));
    AQsp1 = make("AQsp1", "select*from sp");
    AQkcfx1 = make("AQkcfx1", "select*from sp");
    AQlb1 = make("AQlb1", "select*from lb");
    AQdw1 = make("AQdw1", "select*from dw");
    AQghs1 = make("AQghs1", "select*from ghs");
    AQkh1 = make("AQkh1", "select*from kh");
    AQyg1 = make("AQyg1", "select*from yg");
    AQcgz1 = make("AQcgz1", "select *from cgglz");
    AQcgc1 = make("AQcgc1", "select*from cgglc");
    AQcgfx1 = make("AQcgfx1", "select*from cgfx");
    AQcghz1 = make("AQcghz1", "select*from cghz");
    AQxsz1 = make("AQxsz1", "select*from xsglz");
    AQxsc1 = make("AQxsc1", "select*from xsglc");
    AQxsfx1 = make("AQxsfx1", "select*from xsfx");
    AQxshz1 = make("AQxshz1", "select*from xshz");
    AQxstj3 = make("AQxstj3", "select*from xstj3");
    AQrkz1 = make("AQrkz1", "select*from rkglz");
    AQrkc1 = make("AQrkc1", "select*from rkglc");
    AQrkfx1 = make("AQrkfx1", "select*from rkfx");
    AQrkhz1 = make("AQrkhz1", "select * from rkhz");
    AQrklx1 = make("AQrklx1", "select*from rklx");
    AQkctj1 = make("AQkctj1", "select*from kctj");
    AQzu1 = make("AQzu1", "select*from zu");
    AQchai1 = make("AQchai1", "select*from chai");
    AQfkfx1 = make("AQfkfx1", "select*from fkfx");
    AQskfx1 = make("AQskfx1", "select*from skfx");
    AQszxm1 = make("AQszxm1", "select*from szxm");
    AQszfx1 = make("AQszfx1", "select*from szfx");
    AQyhsz1 = make("AQyhsz1", "select*from yhsz");
    AQquanxian1 = make("AQquanxian1", "select*from quanxian");
    AQ1 = make("AQ1", QString());
    ATdanwei1 = make("ATdanwei1", "select * from danwei");
    // Closing the connection closes every dataset with it.
    Db::onClose([this] {
        if (g_dm != this) return;
        for (Dataset* d : byName_) d->close();
    });
}

bool DM1::create(QString* why) {
    if (!g_dm) g_dm = new DM1();
    Db::close();
    QString reason;
    if (!Db::open(&reason)) {
        if (why) *why = reason;
        return false;
    }
    try {
        g_dm->ATdanwei1->open();
        if (g_dm->ATdanwei1->isEmpty()) throw Db::Error(QStringLiteral("缺少店铺信息"));
    } catch (const Db::Error& e) {
        if (why) *why = e.text();
        Db::close();
        return false;
    }
    return true;
}

void DM1::destroy() {
    Db::close();
    delete g_dm;
    g_dm = nullptr;
}

Dataset* DM1::shop() {
    if (!ATdanwei1->isOpen()) ATdanwei1->open();
    if (ATdanwei1->recNo() < 0) ATdanwei1->first();
    return ATdanwei1;
}

QString DM1::shopText(const QString& field) { return shop()->text(field); }
