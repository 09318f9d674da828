#include "ChildWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

ChildWindow::ChildWindow(QWidget* parent, Qt::WindowFlags extraFlags)
    : QWidget(parent, Qt::Window | extraFlags)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

bool ChildWindow::canClose()
{
    return true;
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    if (!canClose()) {
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

void ChildWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        for (QPushButton* button : findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
