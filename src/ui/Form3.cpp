#include "Form3.h"

#include "AppState.h"
#include "DateText.h"
#include "GameCatalogue.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Form3::Form3(AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    const GameInfo& game = GameCatalogue::game(state.gameId);
    const bool super7 = GameCatalogue::isSuper7(state.gameId);
    setWindowTitle(tr("Draw Results for ") + game.selectorCaption);

    auto* column = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("drawList"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    m_list->setFont(font);
    // 5995 / 6295 twips for the list, 6250 / 6590 for the window.
    m_list->setFixedWidth(super7 ? 420 : 400);
    setFixedWidth(super7 ? 439 : 417);
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
    const auto draws = ResultsFile::readAll(state.pathOf(game.resultsFile), &error);
    if (draws) {
        for (const DrawRecord& draw : *draws)
            m_list->addItem(draw.listLine(state.gameId));
    } else {
        Prompt::inform(parent, error);
    }

    connect(m_list, &QListWidget::itemDoubleClicked, this, &Form3::pickSelected);
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

void Form3::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}
