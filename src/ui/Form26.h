// Form26: the ball information window. For one ball of the game shown in the statistics window:
// when it was last drawn, how often, how many draws ago and how often chance expects, once as a
// main number and once as the bonus, over the game's whole history.
#pragma once

#include "ChildWindow.h"

class QGroupBox;

class Form26 : public ChildWindow
{
    Q_OBJECT

public:
    Form26(int gameId, const QString& historyPath, int ball, const QString& title, QWidget* parent);

private:
    // A frame of four read-only fields; their object names start with prefix ("main", "bonus").
    QGroupBox* addFrame(const QString& caption, const QString& prefix, const QStringList& values);
};
