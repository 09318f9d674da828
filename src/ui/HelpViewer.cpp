#include "HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(const QString& helpFile, QWidget* parent)
    : ChildWindow(parent)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Drawsmith Canada Help"));
    auto* column = new QVBoxLayout(this);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({QFileInfo(helpFile).absolutePath()});
    QFile file(helpFile);
    if (file.open(QIODevice::ReadOnly))
        browser->setHtml(QString::fromUtf8(file.readAll()));
    else
        browser->setPlainText(tr("The help file %1 could not be read: %2").arg(helpFile, file.errorString()));
    column->addWidget(browser);
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    column->addWidget(closeButton, 0, Qt::AlignRight);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 560);
}
