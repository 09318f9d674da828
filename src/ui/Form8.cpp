#include "Form8.h"

#include "ContentsList.h"
#include "FolderFileList.h"
#include "Prompt.h"
#include "TextImport.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setToolTip(hint);
    return button;
}

// The refusal's own text, then the file and the cause when there is one to tell.
QString problemText(TextImport::Verdict verdict, const QString& error)
{
    const QString refusal = TextImport::refusalText(verdict);
    if (error.isEmpty())
        return refusal;
    return refusal.isEmpty() ? error : refusal + QStringLiteral("\n\n") + error;
}
} // namespace

Form8::Form8(int gameId, const QString& appFolder, const QDate& today, QWidget* parent)
    : ChildWindow(parent)
    , m_gameId(gameId)
    , m_appFolder(appFolder)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Import Txt File"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("1. Click on the file you want to import as an entry."), this));
    m_files = new FolderFileList(appFolder, QStringLiteral("txt"), this);
    column->addWidget(m_files);
    column->addWidget(new QLabel(tr("2. Select Entry Date"), this));
    m_date = new QDateEdit(today, this);
    m_date->setObjectName(QStringLiteral("entryDateEdit"));
    // Month names in English whatever the desktop's language, as in every other date of the program.
    m_date->setLocale(QLocale(QLocale::English, QLocale::Canada));
    m_date->setDisplayFormat(QStringLiteral("dd MMMM yyyy"));
    m_date->setCalendarPopup(true);
    column->addWidget(m_date);
    column->addWidget(new QLabel(tr("Contents/Entries"), this));
    m_contents = new ContentsList(this);
    column->addWidget(m_contents);

    m_validate =
        makeButton(this, QStringLiteral("validateButton"), tr("Validate"), tr("Click to validate the .txt file"));
    m_import = makeButton(this,
                          QStringLiteral("importButton"),
                          tr("Import"),
                          tr("Use this to create the selections file for the given date and game."));
    auto* closeButton = makeButton(this, QStringLiteral("closeButton"), tr("Close"), tr("Closes the import form."));
    // Only one of Validate and Import shows at a time; Enter presses the one shown.
    m_validate->setDefault(true);
    m_import->setDefault(true);
    m_import->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_validate);
    buttons->addWidget(m_import);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);

    connect(m_files, &FolderFileList::picked, this, &Form8::viewFile);
    connect(m_date, &QDateEdit::dateChanged, this, &Form8::offerValidation);
    connect(m_validate, &QPushButton::clicked, this, &Form8::validateFile);
    connect(m_import, &QPushButton::clicked, this, &Form8::importFile);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void Form8::viewFile()
{
    m_contents->clear();
    offerValidation();
    if (m_files->pickedName().isEmpty())
        return;
    // What could be read is shown; whether it is usable is for Validate to say.
    m_contents->showLines(TextImport::readFields(m_files->pickedPath()).fields);
}

void Form8::offerValidation()
{
    m_import->hide();
    m_validate->show();
}

void Form8::validateFile()
{
    if (m_files->pickedName().isEmpty()) {
        Prompt::warn(this, tr("You have not selected a file"));
        return;
    }
    const QString target = TextImport::targetPath(m_appFolder, m_gameId, m_date->date());
    QString error;
    const TextImport::Verdict verdict =
        TextImport::validate(m_files->pickedPath(), m_gameId, m_date->date(), target, &error);
    if (verdict != TextImport::Verdict::Valid) {
        Prompt::warn(this, problemText(verdict, error));
        return;
    }
    m_target = target;
    Prompt::inform(this, tr("Entry Valid - click Import to create entry"));
    m_validate->hide();
    m_import->show();
}

void Form8::importFile()
{
    QString error;
    const TextImport::Verdict verdict =
        TextImport::importFile(m_files->pickedPath(), m_gameId, m_date->date(), m_target, &error);
    // Whatever happened, the next import needs a new validation: the file now holds the lines, or
    // something changed since the last one.
    offerValidation();
    if (verdict != TextImport::Verdict::Valid) {
        Prompt::warn(this, problemText(verdict, error));
        return;
    }
    Prompt::inform(this, tr("Entry imported succsessfully"));
    emit entryFileWritten(m_target);
}
