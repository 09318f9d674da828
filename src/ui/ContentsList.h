// ContentsList: the "Contents/Entries" list of the import and file deletion windows, in a
// fixed-pitch font so that the numbers of the lines stand in columns.
#pragma once

#include <QListWidget>

#include <vector>

class ContentsList : public QListWidget
{
    Q_OBJECT

public:
    explicit ContentsList(QWidget* parent);

    void showLines(const std::vector<QString>& lines);
};
