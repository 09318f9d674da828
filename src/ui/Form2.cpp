#include "Form2.h"

#include "AppState.h"
#include "GameCatalogue.h"
#include "NumberText.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form2::Form2(AppState& state, const QDate& drawDate, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_state(state)
    , m_drawDate(drawDate)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Add Result"));
    const bool super7 = GameCatalogue::isSuper7(state.gameId);

    auto* grid = new QGridLayout(this);
    auto* bonus649 = new QLabel(tr("Bonus"), this);
    bonus649->setObjectName(QStringLiteral("bonusLabel649"));
    auto* bonusSuper7 = new QLabel(tr("Bonus"), this);
    bonusSuper7->setObjectName(QStringLiteral("bonusLabelSuper7"));
    grid->addWidget(bonus649, 0, 6);
    grid->addWidget(bonusSuper7, 0, 7);
    for (int i = 0; i < 8; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("numberBox%1").arg(i + 1));
        box->setFixedWidth(32);
        box->setMaxLength(5);
        grid->addWidget(box, 1, i);
        m_boxes[i] = box;
    }
    m_boxes[7]->setVisible(super7);
    bonusSuper7->setVisible(super7);
    bonus649->setVisible(!super7);

    auto* add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    grid->addWidget(add, 2, 0, 1, 4);
    grid->addWidget(cancel, 2, 4, 1, 4);
    // 4410 and 5055 twips.
    setFixedWidth(super7 ? 337 : 294);

    connect(add, &QPushButton::clicked, this, &Form2::addDraw);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void Form2::addDraw()
{
    const int gameId = m_state.gameId;
    const int highest = GameCatalogue::highestNumber(gameId);
    const int mainCount = GameCatalogue::mainCount(gameId);
    const int valueCount = mainCount + 1;
    std::array<long long, 8> values{};
    for (int i = 0; i < valueCount; ++i)
        values[i] = NumberText::wholeNumber(m_boxes[i]->text());

    for (int i = 0; i < valueCount; ++i) {
        if (values[i] < 1 || values[i] > highest) {
            Prompt::inform(this, tr("One or more of your main numbers is not in the correct range"));
            return;
        }
    }
    for (int i = 0; i < valueCount; ++i) {
        for (int j = i + 1; j < valueCount; ++j) {
            if (values[i] == values[j]) {
                Prompt::inform(this, tr("You have duplicate numbers"));
                return;
            }
        }
    }
    for (int pass = 0; pass < mainCount; ++pass) {
        for (int i = 0; i + 1 < mainCount; ++i) {
            if (values[i] > values[i + 1])
                std::swap(values[i], values[i + 1]);
        }
    }

    DrawRecord draw;
    for (int i = 0; i < mainCount; ++i)
        draw.numbers[i] = static_cast<int16_t>(values[i]);
    draw.bonus = static_cast<int16_t>(values[mainCount]);
    draw.day = static_cast<int16_t>(m_drawDate.day());
    draw.month = static_cast<int16_t>(m_drawDate.month());
    draw.year = static_cast<int16_t>(m_drawDate.year());

    QString error;
    const std::optional<int> record = ResultsFile::insertDraw(m_state.pathOf(GameCatalogue::game(gameId).resultsFile),
                                                              gameId,
                                                              draw.day,
                                                              draw.month,
                                                              draw.year,
                                                              draw.numbers,
                                                              draw.bonus,
                                                              &error);
    if (!record) {
        Prompt::inform(this, error);
        return;
    }
    emit drawStored(*record, draw);
    close();
}

void Form2::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}
