#include "ProgramFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

ProgramFolders ProgramFolders::oneFolder(const QString& programFolder)
{
    return {programFolder, programFolder, programFolder + QStringLiteral("/history")};
}

ProgramFolders ProgramFolders::packaged(const QString& programFolder)
{
    QString app = qEnvironmentVariable("DRAWSMITH_HOME");
    if (app.isEmpty())
        app = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A folder that cannot be made shows itself at the first write, which reports the path.
    QDir().mkpath(app);
    const QString share = QDir::cleanPath(programFolder + QStringLiteral("/../share/drawsmith"));
    return {app, share, share};
}

ProgramFolders ProgramFolders::forThisBuild(const QString& programFolder)
{
#ifdef DRAWSMITH_PACKAGED
    return packaged(programFolder);
#else
    return oneFolder(programFolder);
#endif
}

QString ProgramFolders::helpFile(const QString& shareFolder)
{
    return shareFolder + QStringLiteral("/DRAWSMITH.HLP");
}

QString ProgramFolders::wheelsFolder(const QString& shareFolder)
{
    return shareFolder + QStringLiteral("/wheels");
}

QStringList ProgramFolders::missingShippedFiles() const
{
    QStringList missing;
    const QString help = helpFile(share);
    if (!QFileInfo(help).isFile())
        missing << help;
    const QString wheels = wheelsFolder(share);
    if (QDir(wheels).entryList({QStringLiteral("*.whl")}, QDir::Files).isEmpty())
        missing << wheels + QStringLiteral("/*.whl");
    if (QDir(histories).entryList({QStringLiteral("*.csv")}, QDir::Files).isEmpty())
        missing << histories + QStringLiteral("/*.csv");
    return missing;
}

int ProgramFolders::reportInstallation() const
{
    QTextStream out(stdout);
    out << "player's files: " << app << "\nprogram's files: " << share << "\nbundled histories: " << histories << '\n';
    const QStringList missing = missingShippedFiles();
    for (const QString& file : missing)
        out << "missing: " << file << '\n';
    return missing.isEmpty() ? 0 : 1;
}
