#pragma once

// Passwords are never kept as typed: a stored password is a salted, slow digest
// (PBKDF2-HMAC-SHA256) in the text form
//
//     pbkdf2-sha256$<iterations>$<salt, Base64>$<digest, Base64>
//
// Deriving one takes tens of milliseconds on purpose: call these where the user waits anyway
// (a password dialog), never on a hot path.

#include <QByteArray>
#include <QString>

namespace passworddigest {

constexpr int kIterations = 100000;
constexpr int kSaltBytes = 16;

// A new digest of `password` with a fresh random salt: two calls never give the same text.
QString make(const QString &password, int iterations = kIterations);

// Whether `stored` has the digest form (and not an older password kept as typed).
bool isDigest(const QString &stored);

// Whether `password` is the one `stored` was made from. A stored text that is not a digest is
// compared as an older password kept as typed. Both comparisons take the same time wherever the
// texts differ. A malformed digest (or one asking for absurd work) matches nothing.
bool matches(const QString &stored, const QString &password);

// Compares two byte strings in a time that depends only on their lengths.
bool constantTimeEquals(const QByteArray &a, const QByteArray &b);

} // namespace passworddigest
