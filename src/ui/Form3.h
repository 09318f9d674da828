// Form3: the draw list window, every draw of the selected game one line each; a double-click
// hands the draw's date to the main window.
#pragma once

#include <QDate>
#include <QWidget>

#include <optional>

struct AppState;
class QListWidget;

class Form3 : public QWidget
{
    Q_OBJECT

public:
    Form3(AppState& state, QWidget* parent);

    // The date written in columns 7-8, 10-11 and 13-16 of a draw line.
    static std::optional<QDate> dateOfLine(const QString& line);

signals:
    void datePicked(const QDate& date);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void pickSelected();

    QListWidget* m_list = nullptr;
};
