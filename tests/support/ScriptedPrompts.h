// ScriptedPrompts: answers message boxes from a script and records every one shown. Installs
// itself for its lifetime; an unscripted question is recorded as unexpected and answered No, so a
// test never hangs on a prompt.
#pragma once

#include "Prompt.h"

#include <QQueue>
#include <QStringList>

class ScriptedPrompts : public PromptHandler
{
public:
    ScriptedPrompts()
        : m_previous(Prompt::setHandler(this))
    {
    }
    // Scripts nest: the newest one answers, and its end brings back the one before it.
    ~ScriptedPrompts() override
    {
        PromptHandler* current = Prompt::setHandler(m_previous);
        if (current != this)
            Prompt::setHandler(current);
    }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    void inform(QWidget*, const QString& title, const QString& text) override
    {
        shown << title + QStringLiteral(": ") + text;
    }

    bool askYesNo(QWidget*, const QString& title, const QString& text) override
    {
        shown << title + QStringLiteral(": ") + text;
        if (answers.isEmpty()) {
            unexpected << text;
            return false;
        }
        return answers.dequeue();
    }

    // Texts only, without titles.
    QStringList texts() const
    {
        QStringList out;
        for (const QString& s : shown)
            out << s.section(QStringLiteral(": "), 1);
        return out;
    }
    QString last() const
    {
        return shown.isEmpty() ? QString() : shown.last();
    }
    bool drained() const
    {
        return unexpected.isEmpty() && answers.isEmpty();
    }

    QQueue<bool> answers;
    QStringList shown;
    QStringList unexpected;

private:
    PromptHandler* m_previous;
};
