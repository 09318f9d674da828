// Fuzz target for the download address: the input becomes download.ini and a typed address. The
// address in use is always a usable http or https folder, or none with the file named as damaged,
// and reading it changes nothing; an address as the player is shown it reads back as the same
// address, and an address stored is the one read back.
#include "AppFolder.h"
#include "DownloadServer.h"
#include "FuzzSupport.h"

#include <QDir>

namespace
{
bool usable(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty() && !url.hasQuery() && !url.hasFragment() && url.path().endsWith(QLatin1Char('/'));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const QByteArray ini = in.take(in.byte() * 4u);
    const QByteArray typedBytes = in.rest();
    const QString typed = flags & 1 ? QString::fromLatin1(typedBytes) : QString::fromUtf8(typedBytes);

    const QString folder = scratchPath(QStringLiteral("app"));
    FUZZ_CHECK(QDir().mkpath(folder));
    const QString path = AppFolder::pathOf(folder, QString::fromLatin1(DownloadServer::SettingsFile));
    putFile(path, ini);
    QString damage;
    const std::optional<QUrl> inUse = DownloadServer::baseAddress(folder, &damage);
    FUZZ_CHECK(fileBytes(path) == ini);
    FUZZ_CHECK(inUse ? damage.isEmpty() : damage.contains(QLatin1String(DownloadServer::SettingsFile)));
    if (inUse) {
        const QUrl& base = *inUse;
        FUZZ_CHECK(usable(base) && DownloadServer::parseBaseAddress(DownloadServer::addressText(base)) == base);
        const QUrl file = DownloadServer::fileAddress(base, QStringLiteral("CAN1.rtl"));
        FUZZ_CHECK(file.scheme() == base.scheme() && file.host() == base.host() && file.port() == base.port());
        FUZZ_CHECK(file.path() == base.path() + QLatin1String("CAN1.rtl"));
    }

    QString error;
    const std::optional<QUrl> parsed = DownloadServer::parseBaseAddress(typed, &error);
    FUZZ_CHECK(parsed.has_value() == error.isEmpty());
    if (parsed) {
        FUZZ_CHECK(usable(*parsed));
        FUZZ_CHECK(DownloadServer::parseBaseAddress(DownloadServer::addressText(*parsed)) == parsed);
    }
    error.clear();
    const bool stored = DownloadServer::setBaseAddress(folder, typed, &error);
    FUZZ_CHECK(stored == parsed.has_value());
    if (stored)
        FUZZ_CHECK(DownloadServer::baseAddress(folder) == parsed);
    else
        FUZZ_CHECK(!error.isEmpty() && fileBytes(path) == ini);
    return 0;
}
