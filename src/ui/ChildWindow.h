// ChildWindow: the base of every window the program opens from another. It is a window of its
// own that goes away when closed and says so through closed(), however it was closed (its own
// button, the frame, Escape, or the program ending). It opens over the middle of its opener and
// stays in front of it. Enter presses the default button of the frame being typed in (or else the
// window's) and Escape closes it, as players expect of any dialog.
#pragma once

#include <QWidget>

class QPushButton;

class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ChildWindow(QWidget* parent, Qt::WindowFlags extraFlags = {});

    // Whether the window may close now; it asks the player where work would be lost.
    bool mayClose();
    // Closes a window whose mayClose() already agreed, without asking again.
    void closeAgreed();

    // Whether a window opened over window (blocking it, as its children are opened) or one that
    // blocks the whole program is showing, so that window takes no input.
    static bool isBlocked(const QWidget* window);
    // Closes every child window of opener, innermost first, once each window with work to lose has
    // asked; if one keeps its work, none closes and the answer is false.
    static bool closeChildrenOf(QWidget* opener);

signals:
    void closed();

protected:
    // A window busy with work it cannot leave half done refuses to close until it is finished.
    virtual bool canClose();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* enterButton() const;

    bool m_closed = false;
    bool m_closeAgreed = false;
    bool m_placed = false;
};
