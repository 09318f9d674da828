#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool openToRead(QFile& file, QString* error)
{
    const QFileInfo info(file.fileName());
    // Checked before opening: opening a pipe for reading already waits for a writer.
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = fileErrorText(file.fileName(), QStringLiteral("not a plain file"));
        return false;
    }
    if (file.open(QIODevice::ReadOnly))
        return true;
    if (error)
        *error = fileErrorText(file.fileName(), file.errorString());
    return false;
}

std::optional<QByteArray> read(const QString& path, qint64 maxBytes, QString* error)
{
    QFile file(path);
    if (!openToRead(file, error))
        return std::nullopt;
    // One byte more than allowed tells a file that is too large without reading all of it.
    QByteArray bytes = file.read(maxBytes + 1);
    QString reason;
    if (file.error() != QFileDevice::NoError)
        reason = file.errorString();
    else if (bytes.size() > maxBytes)
        reason = QStringLiteral("too large: more than %1 bytes").arg(maxBytes);
    if (reason.isEmpty())
        return bytes;
    if (error)
        *error = fileErrorText(path, reason);
    return std::nullopt;
}
} // namespace WholeFile
