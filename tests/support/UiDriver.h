// UiDriver: drives windows the way a user does (buttons, menu actions, boxes, rows of a list) and
// finds the windows the program opens. It brings the widgets the windows are built of.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// Clicks the named button of a window; fails the test if it is missing or disabled.
#define CLICK(window, name)                                                                                            \
    do {                                                                                                               \
        auto* button_ = (window)->findChild<QAbstractButton*>(QStringLiteral(name));                                   \
        QVERIFY2(button_, name " is missing");                                                                         \
        QVERIFY2(button_->isEnabled(), name " is disabled");                                                           \
        QTest::mouseClick(button_, Qt::LeftButton);                                                                    \
    } while (false)

// Triggers the named menu action; fails the test if it is missing or disabled.
#define TRIGGER(window, name)                                                                                          \
    do {                                                                                                               \
        auto* action_ = (window)->findChild<QAction*>(QStringLiteral(name));                                           \
        QVERIFY2(action_, name " is missing");                                                                         \
        QVERIFY2(action_->isEnabled(), name " is disabled");                                                           \
        action_->trigger();                                                                                            \
    } while (false)

// Types one text into each of the boxes numberBox1.. of a window; fails the test if one is missing.
#define TYPE_BOXES(window, ...)                                                                                        \
    do {                                                                                                               \
        const QStringList texts_ = __VA_ARGS__;                                                                        \
        for (int i_ = 0; i_ < texts_.size(); ++i_) {                                                                   \
            auto* box_ = (window)->findChild<QLineEdit*>(QStringLiteral("numberBox%1").arg(i_ + 1));                   \
            QVERIFY2(box_, qPrintable(QStringLiteral("numberBox%1 is missing").arg(i_ + 1)));                          \
            box_->clear();                                                                                             \
            QTest::keyClicks(box_, texts_[i_]);                                                                        \
        }                                                                                                              \
    } while (false)

// The text of a window's named box; a missing box reads as a text no test expects.
inline QString fieldText(const QWidget* window, const char* name)
{
    const auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    return box ? box->text() : QStringLiteral("<no box %1>").arg(QString::fromLatin1(name));
}

// The rows of a list or a box's choices as the player reads them.
inline QStringList rowTexts(const QAbstractItemModel* model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

// Pairs of shown controls that lie over one another. A control left out of its window's layout
// sits in its parent's corner, on top of another.
inline QStringList overlappingControls(const QWidget* window)
{
    QStringList found;
    QList<QWidget*> parents = window->findChildren<QWidget*>();
    parents << const_cast<QWidget*>(window);
    for (const QWidget* parent : parents) {
        QList<const QWidget*> shown;
        for (const QObject* child : parent->children()) {
            const auto* w = qobject_cast<const QWidget*>(child);
            if (w && w->isVisible() && !w->isWindow())
                shown << w;
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    found << QStringLiteral("%1 over %2").arg(shown[i]->objectName(), shown[j]->objectName());
            }
        }
    }
    return found;
}

// The open top-level window with that object name, or nullptr. A window found must be laid out
// with no control over another.
template <typename T = QWidget> T* openWindow(const QString& objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible()) {
            const QStringList overlaps = overlappingControls(w);
            QTest::qVerify(overlaps.isEmpty(), "overlappingControls", qPrintable(overlaps.join(", ")), __FILE__, __LINE__);
            return qobject_cast<T*>(w);
        }
    }
    return nullptr;
}

// Clicks a row of a list as the player does; Ctrl adds it to the rows already chosen.
inline void clickRow(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
}
