#include "Prompt.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace
{
class RealPrompts : public PromptHandler
{
public:
    void inform(QWidget* parent, const QString& title, const QString& text, PromptIcon icon) override
    {
        if (icon == PromptIcon::Warning)
            QMessageBox::warning(parent, title, text, QMessageBox::Ok);
        else
            QMessageBox::information(parent, title, text, QMessageBox::Ok);
    }

    bool askYesNo(QWidget* parent, const QString& title, const QString& text, bool defaultNo) override
    {
        return QMessageBox::question(parent,
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
