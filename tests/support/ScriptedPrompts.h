// ScriptedPrompts: answers message boxes, file choosers and text questions from a script and
// records every prompt shown. Installs itself for its lifetime; an unscripted question is recorded
// as unexpected and answered No (an unscripted file chooser or text question is cancelled), so a
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

    void inform(QWidget*, const QString& title, const QString& text, PromptIcon) override
    {
        shown << title + QStringLiteral(": ") + text;
    }

    bool askYesNo(QWidget*, const QString& title, const QString& text, bool defaultNo) override
    {
        shown << title + QStringLiteral(": ") + text;
        noByDefault << defaultNo;
        return next(answers, text);
    }

    QString openFileName(QWidget*, const QString& caption, const QString& folder, const QString&) override
    {
        shown << QStringLiteral("file: ") + caption;
        fileFolders << folder;
        return next(fileNames, caption);
    }

    QString askText(QWidget*, const QString&, const QString& label, const QString& text) override
    {
        shown << QStringLiteral("text: ") + label;
        offered << text;
        return next(typed, label);
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
        return unexpected.isEmpty() && answers.isEmpty() && fileNames.isEmpty() && typed.isEmpty();
    }

    QQueue<bool> answers;
    QQueue<QString> fileNames;
    // Answers of text questions.
    QQueue<QString> typed;
    QStringList offered; // the starting text of each text question
    QStringList shown;
    QStringList fileFolders; // the folder each file chooser opened in
    QList<bool> noByDefault; // one per question
    QStringList unexpected;

private:
    // The next scripted answer; none left: the prompt is unexpected, answered No or cancelled.
    template <typename T> T next(QQueue<T>& script, const QString& prompt)
    {
        if (script.isEmpty()) {
            unexpected << prompt;
            return T();
        }
        return script.dequeue();
    }

    PromptHandler* m_previous;
};
