#include "LineBoxes.h"

#include "EntryLineText.h"
#include "GameCatalogue.h"
#include "NumberText.h"
#include "Prompt.h"

#include <QHBoxLayout>
#include <QLineEdit>

LineBoxes::LineBoxes(int gameId, const QDate& rulesDate, QWidget* parent)
    : QWidget(parent)
    , m_gameId(gameId)
    , m_rulesDate(rulesDate)
{
    setObjectName(QStringLiteral("lineBoxes"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 7; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("numberBox%1").arg(i + 1));
        box->setFixedWidth(32);
        box->setMaxLength(5);
        row->addWidget(box);
        m_boxes[i] = box;
    }
    m_boxes[6]->setVisible(GameCatalogue::mainCount(gameId) == 7);
    row->addStretch();
}

std::optional<EntryNumbers> LineBoxes::validatedLine()
{
    QStringList texts;
    for (int i = 0; i < GameCatalogue::mainCount(m_gameId); ++i)
        texts << m_boxes[i]->text();
    EntryNumbers sorted{};
    const LineProblem problem = ValidateLine(texts, m_gameId, m_rulesDate, &sorted);
    if (problem != LineProblem::None) {
        Prompt::warn(window(), validationMessage(problem));
        return std::nullopt;
    }
    return sorted;
}

void LineBoxes::showLine(const EntryNumbers& numbers)
{
    for (int i = 0; i < GameCatalogue::mainCount(m_gameId); ++i)
        m_boxes[i]->setText(NumberText::twoDigits(numbers[i]));
}

void LineBoxes::clearFirstSix()
{
    for (int i = 0; i < 6; ++i)
        m_boxes[i]->clear();
}
