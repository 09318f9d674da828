#include "Form26.h"

#include "BallInfo.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
QStringList fieldTexts(const BallFigures& figures, int drawCount)
{
    return {figures.dateLastDrawnText(),
            QString::number(figures.timesDrawn),
            figures.drawsSinceText(drawCount),
            QString::number(figures.expected)};
}
} // namespace

Form26::Form26(int gameId, const QString& historyPath, int ball, const QString& title, QWidget* parent)
    : ChildWindow(parent)
{
    setObjectName(QStringLiteral("Form26"));
    setWindowTitle(title);

    QString error;
    const auto draws = ResultsFile::readAll(historyPath, &error);
    QStringList asMain(4);
    QStringList asBonus(4);
    if (draws) {
        const BallInfo info = BallInfo::of(*draws, gameId, ball);
        asMain = fieldTexts(info.asMain, info.drawCount);
        asBonus = fieldTexts(info.asBonus, info.drawCount);
    }

    auto* column = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(addFrame(tr("As a Main Ball"), QStringLiteral("main"), asMain));
    frames->addWidget(addFrame(tr("As a Bonus Ball"), QStringLiteral("bonus"), asBonus));
    column->addLayout(frames);
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setToolTip(tr("Closes this form."));
    closeButton->setDefault(true);
    column->addWidget(closeButton, 0, Qt::AlignHCenter);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    if (!draws)
        Prompt::warn(parent, error);
}

QGroupBox* Form26::addFrame(const QString& caption, const QString& prefix, const QStringList& values)
{
    static const QStringList labels{tr("Date Last Drawn"),
                                    tr("Number of Times Drawn"),
                                    tr("Number of Draws Since Last Drawn"),
                                    tr("Number of Times Expected to be Drawn")};
    static const QStringList roles{QStringLiteral("DateEdit"),
                                   QStringLiteral("TimesEdit"),
                                   QStringLiteral("SinceEdit"),
                                   QStringLiteral("ExpectedEdit")};
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(prefix + QStringLiteral("Group"));
    auto* form = new QFormLayout(frame);
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(values[i], frame);
        field->setObjectName(prefix + roles[i]);
        field->setReadOnly(true);
        field->setMinimumWidth(110);
        form->addRow(labels[i], field);
    }
    return frame;
}
