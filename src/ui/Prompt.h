// Prompt: the one way windows show messages, ask Yes/No questions and ask for a file, so tests can
// answer them and read every text. Install a handler with setHandler; nullptr restores the real
// dialogs.
#pragma once

#include <QString>

class QWidget;

// Results and information get the information icon; refusals and failures the warning icon.
enum class PromptIcon
{
    Information,
    Warning
};

class PromptHandler
{
public:
    virtual ~PromptHandler() = default;
    virtual void inform(QWidget* parent, const QString& title, const QString& text, PromptIcon icon) = 0;
    // defaultNo: Enter answers No, for questions whose Yes destroys something.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text, bool defaultNo) = 0;
    // The chosen file, or "" when the player cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) = 0;
    // One line of text, starting from text; "" when the player cancelled.
    virtual QString askText(QWidget* parent, const QString& title, const QString& label, const QString& text) = 0;
};

namespace Prompt
{
QString appTitle();   // "Drawsmith Canada"
QString shortTitle(); // "Drawsmith"

// An OK message with a result or information ("Done!").
void inform(QWidget* parent, const QString& text, const QString& title = appTitle());
// An OK message that refuses an input or reports a failure.
void warn(QWidget* parent, const QString& text, const QString& title = appTitle());
// A Yes/No question; true for Yes.
bool askYesNo(QWidget* parent, const QString& text, const QString& title = appTitle());
// A Yes/No question before something is deleted or overwritten: No is the default answer.
bool confirmDestructive(QWidget* parent, const QString& text, const QString& title = appTitle());
QString openFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
// A line of text the player types or changes; "" when cancelled.
QString askText(QWidget* parent, const QString& label, const QString& text, const QString& title = appTitle());

// Returns the previous handler (nullptr when the real one was installed).
PromptHandler* setHandler(PromptHandler* handler);
} // namespace Prompt
