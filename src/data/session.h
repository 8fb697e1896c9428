#pragma once
// The login values the main window holds for the run.
#include <QString>
#include <QStringList>

namespace Session {

QString operatorName();                 // STyhm1
QString stockPriceRight();              // STkcjg: "显示价格" / "不显价格"
QString stockZeroRight();               // STkcsc: "归零" / "不归零"
bool showsStockPrices();
bool mayZeroStock();
void set(const QString& name, bool prices, bool zeroing);

// The twelve permissions in the order the main window checks them.
const QStringList& permissionNames();
// Whether the operator holds the permission (a row in quanxian).
bool holds(const QString& operatorName, const QString& permission);

} // namespace Session
