// UiDriver: drives windows the way a user does (buttons, menu actions, boxes) and finds the
// windows the program opens.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

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

// The open top-level window with that object name, or nullptr.
template <typename T = QWidget>
T* openWindow(const QString& objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible())
            return qobject_cast<T*>(w);
    }
    return nullptr;
}

// Types numbers into boxes numberBox1.. of a window, one text per box.
inline void typeBoxes(QWidget* window, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        auto* box = window->findChild<QLineEdit*>(QStringLiteral("numberBox%1").arg(i + 1));
        box->clear();
        QTest::keyClicks(box, texts[i]);
    }
}
