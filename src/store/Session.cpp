#include "store/Session.h"

#include <QByteArray>

int Session::passwordStamp() const
{
    // FNV-1a over the password; zero is what a foreign SQLite file carries, so it is never a stamp.
    const QByteArray bytes = ("Veldra table:" + password_).toUtf8();
    quint32 hash = 2166136261u;
    for (char c : bytes) {
        hash ^= static_cast<quint8>(c);
        hash *= 16777619u;
    }
    const int stamp = static_cast<int>(hash);
    return stamp == 0 ? 1 : stamp;
}
