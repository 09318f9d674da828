// ChildWindow: the base of every window the program opens from another. It is a window of its
// own that goes away when closed and says so through closed(), however it was closed (its own
// button, the frame, Escape, or the program ending). Enter presses the window's default button and
// Escape closes it, as players expect of any dialog.
#pragma once

#include <QWidget>

class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ChildWindow(QWidget* parent, Qt::WindowFlags extraFlags = {});

signals:
    void closed();

protected:
    // A window busy with work it cannot leave half done refuses to close until it is finished.
    virtual bool canClose();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_closed = false;
};
