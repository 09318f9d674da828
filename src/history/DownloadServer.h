// DownloadServer: where the downloader fetches history files. The base address lives in
// download.ini in the application folder; each game's file is requested as the base followed by
// the game's own file name.
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace DownloadServer
{
// No public server publishes these files; the default is a mirror served on this computer (see
// the mirror tool in the README).
inline constexpr char DefaultBaseAddress[] = "http://localhost:8000/dwnld/";
inline constexpr char SettingsFile[] = "download.ini";

// An http or https address with a host and no query; the path gets a closing "/". nullopt and the
// reason otherwise.
std::optional<QUrl> parseBaseAddress(const QString& text, QString* error = nullptr);

// The address as the player reads and edits it: fully encoded, so that reading the text back gives
// the same address (a decoded "%20" would come back as a blank, which a web address cannot hold).
QString addressText(const QUrl& base);

// The stored base address, or the default when download.ini is missing. nullopt, and in error the
// file and what is wrong with it, when the file is there but damaged (junk, control characters,
// an address that is not http or https): the player chooses the server, never the program.
std::optional<QUrl> baseAddress(const QString& appFolder, QString* error = nullptr);
bool setBaseAddress(const QString& appFolder, const QString& text, QString* error = nullptr);

// The address of one history file: the base followed by the file name.
QUrl fileAddress(const QUrl& base, const QString& fileName);
} // namespace DownloadServer
