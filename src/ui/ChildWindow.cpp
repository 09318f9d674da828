#include "ChildWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>

ChildWindow::ChildWindow(QWidget* parent, Qt::WindowFlags extraFlags)
    : QWidget(parent, Qt::Window | extraFlags)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

bool ChildWindow::canClose()
{
    return true;
}

bool ChildWindow::mayClose()
{
    return canClose();
}

void ChildWindow::closeAgreed()
{
    m_closeAgreed = true;
    close();
}

bool ChildWindow::isBlocked(const QWidget* window)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == window || !w->isVisible() || w->windowModality() == Qt::NonModal)
            continue;
        if (w->windowModality() == Qt::ApplicationModal)
            return true;
        for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
            if (p == window)
                return true;
        }
    }
    return false;
}

bool ChildWindow::closeChildrenOf(QWidget* opener)
{
    const QList<ChildWindow*> children = opener->findChildren<ChildWindow*>();
    for (ChildWindow* child : children) {
        if (child->isVisible() && !child->mayClose())
            return false;
    }
    // Innermost first (a ball's window before its statistics window); none of them asks again.
    QList<QPointer<ChildWindow>> closing(children.rbegin(), children.rend());
    for (const QPointer<ChildWindow>& child : closing) {
        if (child)
            child->closeAgreed();
    }
    return true;
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closeAgreed && !canClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    // Hidden first, so whatever waits for closed() finds its own window taking input again.
    hide();
    emit closed();
}

void ChildWindow::showEvent(QShowEvent* event)
{
    QWidget* opener = parentWidget() ? parentWidget()->window() : nullptr;
    if (!m_placed && opener && windowHandle()) {
        m_placed = true;
        // The window system keeps it in front of its opener, even a maximised one, so a window
        // that blocks its opener is never hidden behind it.
        windowHandle()->setTransientParent(opener->windowHandle());
        QRect place(QPoint(), size());
        place.moveCenter(opener->geometry().center());
        // A window larger than its opener still shows its title bar.
        const QRect screen = opener->screen()->availableGeometry();
        place.moveTopLeft(QPoint(std::max(place.left(), screen.left()), std::max(place.top(), screen.top())));
        setGeometry(place);
    }
    QWidget::showEvent(event);
}

QPushButton* ChildWindow::enterButton() const
{
    // The innermost frame around the focus that holds a default button decides; a frame whose
    // button is disabled (its work running) presses nothing rather than another frame's button.
    for (QWidget* area = focusWidget() ? focusWidget() : const_cast<ChildWindow*>(this); area;
         area = area == this ? nullptr : area->parentWidget()) {
        bool found = false;
        for (QPushButton* button : area->findChildren<QPushButton*>()) {
            if (!button->isDefault() || !button->isVisible() || button->window() != this)
                continue;
            if (button->isEnabled())
                return button;
            found = true;
        }
        if (found)
            return nullptr;
    }
    return nullptr;
}

void ChildWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A text box passes Enter on to its window; it ends here, so one button is pressed.
        if (QPushButton* button = enterButton())
            button->click();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
