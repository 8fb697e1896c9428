#include "ui/windows.h"

#include <QHash>

namespace Windows {
namespace {
QHash<QString, Opener>& table() {
    static QHash<QString, Opener> t;
    return t;
}
}

void add(const QString& className, Opener open) { table().insert(className, std::move(open)); }
bool has(const QString& className) { return table().contains(className); }
bool open(const QString& className) {
    auto it = table().constFind(className);
    if (it == table().constEnd()) return false;
    (*it)();
    return true;
}

} // namespace Windows
