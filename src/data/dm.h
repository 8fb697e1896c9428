#pragma once
// The data module DM1: the connection and the shared datasets every window uses.
#include "data/dataset.h"

#include <QHash>
#include <QObject>

class DM1 : public QObject {
    Q_OBJECT
public:
    // Opens the database and the shop row; on failure shows the start-up error and returns false.
    static bool create(QString* why = nullptr);
    static void destroy();
    static DM1* instance();

    Dataset* AQsp1; Dataset* AQkcfx1; Dataset* AQlb1; Dataset* AQdw1;
    Dataset* AQghs1; Dataset* AQkh1; Dataset* AQyg1;
    Dataset* AQcgz1; Dataset* AQcgc1; Dataset* AQcgfx1; Dataset* AQcghz1;
    Dataset* AQxsz1; Dataset* AQxsc1; Dataset* AQxsfx1; Dataset* AQxshz1; Dataset* AQxstj3;
    Dataset* AQrkz1; Dataset* AQrkc1; Dataset* AQrkfx1; Dataset* AQrkhz1; Dataset* AQrklx1;
    Dataset* AQkctj1; Dataset* AQzu1; Dataset* AQchai1;
    Dataset* AQfkfx1; Dataset* AQskfx1; Dataset* AQszxm1; Dataset* AQszfx1;
    Dataset* AQyhsz1; Dataset* AQquanxian1;
    Dataset* AQ1;
    Dataset* ATdanwei1;

    Dataset* dataset(const QString& name) const { return byName_.value(name); }
    QList<Dataset*> datasets() const { return byName_.values(); }

    // The shop row, reopened if the connection was closed.
    Dataset* shop();
    QString shopText(const QString& field);

    static const QString StartupError;

private:
    DM1();
    Dataset* make(const QString& name, const QString& sql);
    QHash<QString, Dataset*> byName_;
};

// Shorthand for the data module.
inline DM1* dm() { return DM1::instance(); }
