#include "Prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace
{
// Room the title bar takes besides its text: the window's icon and its buttons.
constexpr int TitleBarExtras = 150;

// A message box is only as wide as its text and buttons need, so a short text ("Done") would cut
// the title; the box is made at least as wide as the whole title bar.
QMessageBox::StandardButton showBox(QWidget* parent,
                                    QMessageBox::Icon icon,
                                    const QString& title,
                                    const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true); // title bars often show their text bold
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + TitleBarExtras;
    // The box sizes itself from its layout whenever it is shown; a spacer there keeps the width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(),
                      0,
                      1,
                      grid->columnCount());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

class RealPrompts : public PromptHandler
{
public:
    void inform(QWidget* parent, const QString& title, const QString& text, PromptIcon icon) override
    {
        showBox(parent,
                icon == PromptIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                title,
                text,
                QMessageBox::Ok,
                QMessageBox::Ok);
    }

    bool askYesNo(QWidget* parent, const QString& title, const QString& text, bool defaultNo) override
    {
        return showBox(parent,
                       QMessageBox::Question,
                       title,
                       text,
                       QMessageBox::Yes | QMessageBox::No,
                       defaultNo ? QMessageBox::No : QMessageBox::Yes)
               == QMessageBox::Yes;
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    }

    QString askText(QWidget* parent, const QString& title, const QString& label, const QString& text) override
    {
        bool ok = false;
        const QString typed = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
        return ok ? typed : QString();
    }
};

RealPrompts realPrompts;
PromptHandler* installed = nullptr;

PromptHandler& handler()
{
    return installed ? *installed : static_cast<PromptHandler&>(realPrompts);
}
} // namespace

namespace Prompt
{
QString appTitle()
{
    return QStringLiteral("Drawsmith Canada");
}

QString shortTitle()
{
    return QStringLiteral("Drawsmith");
}

void inform(QWidget* parent, const QString& text, const QString& title)
{
    handler().inform(parent, title, text, PromptIcon::Information);
}

void warn(QWidget* parent, const QString& text, const QString& title)
{
    handler().inform(parent, title, text, PromptIcon::Warning);
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return handler().askYesNo(parent, title, text, false);
}

bool confirmDestructive(QWidget* parent, const QString& text, const QString& title)
{
    return handler().askYesNo(parent, title, text, true);
}

QString openFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    return handler().openFileName(parent, caption, folder, filter);
}

QString askText(QWidget* parent, const QString& label, const QString& text, const QString& title)
{
    return handler().askText(parent, title, label, text);
}

PromptHandler* setHandler(PromptHandler* next)
{
    PromptHandler* previous = installed;
    installed = next;
    return previous;
}
} // namespace Prompt
