#include "data/session.h"
#include "data/dm.h"

namespace Session {
namespace {
QString g_name;
bool g_prices = false;
bool g_zero = false;
}

QString operatorName() { return g_name; }
QString stockPriceRight() { return g_prices ? QStringLiteral("显示价格") : QStringLiteral("不显价格"); }
QString stockZeroRight() { return g_zero ? QStringLiteral("归零") : QStringLiteral("不归零"); }
bool showsStockPrices() { return g_prices; }
bool mayZeroStock() { return g_zero; }
void set(const QString& name, bool prices, bool zeroing) {
    g_name = name;
    g_prices = prices;
    g_zero = zeroing;
}

const QStringList& permissionNames() {
    static const QStringList names = {
        "系统设置", "基本资料", "采购开单", "采购查询", "零售开单", "批发开单",
        "销售查询", "异动开单", "异动查询", "财务管理", "库存归零", "显示库存价格"};
    return names;
}

bool holds(const QString& name, const QString& permission) {
    Dataset* q = dm()->AQquanxian1;
    q->clearSql();
    q->add(QStringLiteral("select * from quanxian where yh=?"), {name});
    q->add(QStringLiteral("and qx=?"), {permission});
    q->open();
    return !q->isEmpty();
}

} // namespace Session
