#include "ContentsList.h"

ContentsList::ContentsList(QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("contentsList"));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setToolTip(tr("List of your selections for the draw."));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
}

void ContentsList::showLines(const std::vector<QString>& lines)
{
    clear();
    for (const QString& line : lines)
        addItem(line);
}
