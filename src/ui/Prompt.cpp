#include "Prompt.h"

#include <QMessageBox>

namespace
{
class RealPrompts : public PromptHandler
{
public:
    void inform(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox::information(parent, title, text, QMessageBox::Ok);
    }

    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
               == QMessageBox::Yes;
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
    handler().inform(parent, title, text);
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return handler().askYesNo(parent, title, text);
}

PromptHandler* setHandler(PromptHandler* next)
{
    PromptHandler* previous = installed;
    installed = next;
    return previous;
}
} // namespace Prompt
