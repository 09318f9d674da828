#include "HelpViewer.h"

#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString HelpViewer::problemWith(const QString& helpFile)
{
    QFile probe(helpFile);
    if (WholeFile::openToRead(probe))
        return QString();
    return QFileInfo::exists(helpFile) ? tr("The help file %1 could not be read.").arg(helpFile)
                                       : tr("Cannot find Help file in the installation directory");
}

HelpViewer::HelpViewer(const QString& helpFile, QWidget* parent)
    : ChildWindow(parent)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Drawsmith Canada Help"));
    auto* column = new QVBoxLayout(this);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()), QTextDocument::HtmlResource);
    column->addWidget(browser);

    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName(QStringLiteral("backButton"));
    back->setEnabled(false);
    auto* contents = new QPushButton(tr("Contents"), this);
    contents->setObjectName(QStringLiteral("contentsButton"));
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    column->addLayout(buttons);

    connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, browser, &QTextBrowser::home);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 560);
}
