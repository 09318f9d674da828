#include "SystemInfo.h"

#include <QFile>
#include <QSettings>

namespace SystemInfo
{
bool GetKeyValue(const QString& rootKey, const QString& keyName, const QString& valueName, QString* value)
{
    if (value)
        value->clear();
#ifdef Q_OS_WIN
    QSettings key(rootKey + QLatin1Char('\\') + keyName, QSettings::NativeFormat);
    const QVariant read = key.value(valueName);
    if (!read.isValid())
        return false;
    if (value) {
        bool isNumber = false;
        const uint number = read.toUInt(&isNumber);
        *value = read.typeId() == QMetaType::QString || !isNumber ? read.toString() : QString::number(number, 16);
    }
    return true;
#else
    Q_UNUSED(rootKey)
    Q_UNUSED(keyName)
    Q_UNUSED(valueName)
    return false;
#endif
}

QString toolPath()
{
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    QString path;
    if (GetKeyValue(root, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"), &path))
        return path;
    if (GetKeyValue(root, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"), &path)
        && QFile::exists(path + QStringLiteral("\\MSINFO32.EXE")))
        return path + QStringLiteral("\\MSINFO32.EXE");
    return {};
}
} // namespace SystemInfo
