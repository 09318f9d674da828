#include "Form3.h"

#include "DateText.h"
#include "GameCatalogue.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Form3::Form3(int gameId, const QString& resultsFile, const QDate& picked, QWidget* parent)
    : ChildWindow(parent)
{
    setObjectName(QStringLiteral("Form3"));
    // A seven-number game's line is three characters longer.
    const bool sevenNumbers = GameCatalogue::mainCount(gameId) == 7;
    setWindowTitle(tr("Draw Results for ") + GameCatalogue::game(gameId).selectorCaption);

    auto* column = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("drawList"));
    m_list->setUniformItemSizes(true);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    m_list->setFont(font);
    // 5995 / 6295 twips for the list, 6250 / 6590 for the window.
    m_list->setFixedWidth(sevenNumbers ? 420 : 400);
    setFixedWidth(sevenNumbers ? 439 : 417);
    column->addWidget(m_list);
    auto* hint = new QLabel(tr("Double-click an entry to select result into main program"), this);
    hint->setObjectName(QStringLiteral("hintLabel"));
    hint->setWordWrap(true);
    column->addWidget(hint);
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    column->addWidget(closeButton, 0, Qt::AlignHCenter);
    resize(width(), 420);

    QString error;
    const auto draws = ResultsFile::readAll(resultsFile, &error);
    if (!draws) {
        Prompt::warn(parent, error);
    } else {
        QStringList lines;
        int pickedRow = static_cast<int>(draws->size()) - 1;
        for (const DrawRecord& draw : *draws) {
            if (draw.isOn(picked.day(), picked.month(), picked.year()))
                pickedRow = static_cast<int>(lines.size());
            lines << draw.listLine(gameId);
        }
        m_list->addItems(lines);
        // With thousands of draws the one the player is looking at is found for them.
        if (QListWidgetItem* item = m_list->item(pickedRow))
            m_list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    }

    connect(m_list, &QListWidget::itemActivated, this, &Form3::pickSelected);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

std::optional<QDate> Form3::dateOfLine(const QString& line)
{
    const int day = line.mid(6, 2).trimmed().toInt();
    const int month = DateText::monthFromAbbrev(DateText::MonthAbbrev(line.mid(9, 2).trimmed().toInt()));
    const int year = line.mid(12, 4).trimmed().toInt();
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

void Form3::pickSelected()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    if (const auto date = dateOfLine(item->text()))
        emit datePicked(*date);
}
