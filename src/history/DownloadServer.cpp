#include "DownloadServer.h"

#include "AppFolder.h"
#include "WholeFile.h"

#include <QFileInfo>

#include <algorithm>

namespace
{
const QString key = QStringLiteral("base=");
// A settings file is a few lines; more than that is not ours.
constexpr qint64 MaxSettingsBytes = 4096;

std::optional<QUrl> refuse(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return std::nullopt;
}
} // namespace

namespace DownloadServer
{
std::optional<QUrl> parseBaseAddress(const QString& text, QString* error)
{
    QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return refuse(error, QStringLiteral("\"%1\" is not a web address.").arg(text.trimmed()));
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return refuse(error, QStringLiteral("The address must start with http:// or https://."));
    if (url.host().isEmpty())
        return refuse(error, QStringLiteral("The address names no server."));
    if (url.hasQuery() || url.hasFragment())
        return refuse(error, QStringLiteral("The address must name a folder, without \"?\" or \"#\"."));
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    return url;
}

QString addressText(const QUrl& base)
{
    return QString::fromUtf8(base.toEncoded());
}

std::optional<QUrl> baseAddress(const QString& appFolder, QString* error)
{
    const QString path = AppFolder::pathOf(appFolder, QString::fromLatin1(SettingsFile));
    if (!QFileInfo::exists(path))
        return parseBaseAddress(QString::fromLatin1(DefaultBaseAddress));
    const auto bytes = WholeFile::read(path, MaxSettingsBytes, error);
    if (!bytes)
        return std::nullopt;
    const auto damaged = [&](const QString& reason) { return refuse(error, fileErrorText(path, reason)); };
    const bool control = std::any_of(bytes->begin(), bytes->end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\r' && c != '\t';
    });
    if (control)
        return damaged(QStringLiteral("the file holds control characters."));
    for (const QByteArray& line : bytes->split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.startsWith(key)) {
            QString reason;
            const auto url = parseBaseAddress(text.mid(key.size()), &reason);
            return url ? url : damaged(reason);
        }
    }
    return damaged(QStringLiteral("the file names no server address."));
}

bool setBaseAddress(const QString& appFolder, const QString& text, QString* error)
{
    const auto url = parseBaseAddress(text, error);
    if (!url)
        return false;
    const QByteArray bytes = "[download]\n" + key.toUtf8() + url->toEncoded() + '\n';
    return WholeFile::write(AppFolder::pathOf(appFolder, QString::fromLatin1(SettingsFile)), bytes, error);
}

QUrl fileAddress(const QUrl& base, const QString& fileName)
{
    QUrl url = base;
    url.setPath(base.path() + fileName);
    return url;
}
} // namespace DownloadServer
