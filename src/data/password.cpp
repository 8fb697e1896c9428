#include "data/password.h"

#include <sodium.h>

namespace {
bool sodiumReady() {
    static const bool ok = sodium_init() >= 0;
    return ok;
}
}

QString hashPassword(const QString& plain) {
    if (!sodiumReady()) return {};
    QByteArray p = plain.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    // Interactive limits: a login must feel instant on a shop PC.
    if (crypto_pwhash_str(out, p.constData(), static_cast<unsigned long long>(p.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool verifyPassword(const QString& plain, const QString& stored) {
    if (!sodiumReady() || stored.isEmpty()) return false;
    QByteArray s = stored.toLatin1();
    QByteArray p = plain.toUtf8();
    return crypto_pwhash_str_verify(s.constData(), p.constData(), static_cast<unsigned long long>(p.size())) == 0;
}
