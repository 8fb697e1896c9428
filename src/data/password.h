#pragma once
#include <QString>

// Operators' passwords are kept as Argon2id hashes; comparison stays exact (case and blanks count).
QString hashPassword(const QString& plain);
bool verifyPassword(const QString& plain, const QString& stored);
