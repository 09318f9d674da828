#include "WheelKind.h"

QString WheelKind::shortForm() const
{
    return QStringLiteral("%1-%2-%3").arg(lineSize).arg(drawn).arg(match);
}
