#include "WholeFile.h"

#include <QDir>
#include <QSaveFile>

QString fileErrorText(const QString& path, const QString& reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

namespace WholeFile
{
bool write(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        file.cancelWriting();
        if (error)
            *error = fileErrorText(path, reason);
        return false;
    };
    // Unbuffered: a short write must show here, since a buffered QSaveFile can commit a truncated
    // file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // A write cut short by a full disk or a size limit returns a short count without an error; the
    // next write of the rest fails with the system's own reason.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return fail(file.errorString());
        done += n;
    }
    if (!file.commit()) {
        if (error)
            *error = fileErrorText(path, file.errorString());
        return false;
    }
    return true;
}
} // namespace WholeFile
