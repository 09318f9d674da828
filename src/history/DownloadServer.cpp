#include "DownloadServer.h"

#include "AppFolder.h"
#include "WholeFile.h"

#include <QFile>

namespace
{
const QString key = QStringLiteral("base=");

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

QUrl baseAddress(const QString& appFolder)
{
    QFile file(AppFolder::pathOf(appFolder, QString::fromLatin1(SettingsFile)));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // A settings file is a few lines; more than that is not ours.
        const QList<QByteArray> lines = file.read(4096).split('\n');
        for (const QByteArray& line : lines) {
            const QString text = QString::fromUtf8(line).trimmed();
            if (text.startsWith(key)) {
                if (const auto url = parseBaseAddress(text.mid(key.size())))
                    return *url;
            }
        }
    }
    return *parseBaseAddress(QString::fromLatin1(DefaultBaseAddress));
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
