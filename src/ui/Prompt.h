// Prompt: the one way windows show messages and ask Yes/No questions, so tests can answer them
// and read every text. Install a handler with setHandler; nullptr restores the real message boxes.
#pragma once

#include <QString>

class QWidget;

class PromptHandler
{
public:
    virtual ~PromptHandler() = default;
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
};

namespace Prompt
{
QString appTitle();   // "Drawsmith Canada"
QString shortTitle(); // "Drawsmith"

// An OK message.
void inform(QWidget* parent, const QString& text, const QString& title = appTitle());
// A Yes/No question; true for Yes.
bool askYesNo(QWidget* parent, const QString& text, const QString& title = appTitle());

// Returns the previous handler (nullptr when the real one was installed).
PromptHandler* setHandler(PromptHandler* handler);
} // namespace Prompt
