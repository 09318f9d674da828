#include "Form2.h"

#include "DrawParser.h"
#include "GameCatalogue.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form2::Form2(int gameId, const QString& resultsFile, const QDate& drawDate, QWidget* parent)
    : ChildWindow(parent, Qt::WindowStaysOnTopHint)
    , m_gameId(gameId)
    , m_resultsFile(resultsFile)
    , m_drawDate(drawDate)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Add Result"));
    // A seven-number game takes its bonus in an eighth box.
    const bool sevenNumbers = GameCatalogue::mainCount(gameId) == 7;

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
    m_boxes[7]->setVisible(sevenNumbers);
    bonusSuper7->setVisible(sevenNumbers);
    bonus649->setVisible(!sevenNumbers);

    auto* add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    grid->addWidget(add, 2, 0, 1, 4);
    grid->addWidget(cancel, 2, 4, 1, 4);
    // 4410 and 5055 twips.
    setFixedWidth(sevenNumbers ? 337 : 294);

    connect(add, &QPushButton::clicked, this, &Form2::addDraw);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void Form2::addDraw()
{
    QStringList texts;
    for (int i = 0; i <= GameCatalogue::mainCount(m_gameId); ++i)
        texts << m_boxes[i]->text();
    QString refusal;
    const std::optional<DrawRecord> draw = DrawParser::parse(texts, m_gameId, m_drawDate, &refusal);
    if (!draw) {
        Prompt::warn(this, refusal);
        return;
    }
    QString error;
    const std::optional<int> record = ResultsFile::insertDraw(
        m_resultsFile, m_gameId, draw->day, draw->month, draw->year, draw->numbers, draw->bonus, &error);
    if (!record) {
        Prompt::warn(this, error);
        return;
    }
    emit drawStored(*record, *draw);
    close();
}
