#include "frmAbout.h"

#include "Prompt.h"
#include "SystemInfo.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>

#include <algorithm>

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About ") + Prompt::appTitle());
    auto* grid = new QGridLayout(this);
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logoLabel"));
    logo->setPixmap(QPixmap(QStringLiteral(":/drawsmith.png")).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    grid->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(Prompt::appTitle()), this);
    grid->addWidget(title, 0, 1);
    auto* version = new QLabel(QStringLiteral("Version %1.%2.%3")
                                   .arg(DRAWSMITH_VERSION_MAJOR)
                                   .arg(DRAWSMITH_VERSION_MINOR)
                                   .arg(DRAWSMITH_VERSION_PATCH),
                               this);
    version->setObjectName(QStringLiteral("versionLabel"));
    grid->addWidget(version, 1, 1);
    auto* description = new QLabel(
        tr("Keeps draw histories and your entries for the Canadian lotteries, checks tickets and builds wheels."),
        this);
    description->setObjectName(QStringLiteral("descriptionLabel"));
    description->setWordWrap(true);
    grid->addWidget(description, 2, 1);
    auto* disclaimer = new QLabel(tr("No liability is accepted for errors or omissions in this program or its results. "
                                     "Drawsmith Canada is not connected with any lottery organisation."),
                                  this);
    disclaimer->setObjectName(QStringLiteral("disclaimerLabel"));
    disclaimer->setWordWrap(true);
    grid->addWidget(disclaimer, 3, 0, 1, 2);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("sysInfoButton"));
    // Both buttons the size of the wider one.
    const int buttonWidth = std::max(ok->sizeHint().width(), sysInfo->sizeHint().width());
    ok->setFixedWidth(buttonWidth);
    sysInfo->setFixedWidth(buttonWidth);
    grid->addWidget(ok, 4, 0);
    grid->addWidget(sysInfo, 4, 1, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    setFixedWidth(420);
}

void frmAbout::StartSysInfo()
{
    const QString tool = SystemInfo::toolPath();
    if (tool.isEmpty() || !QProcess::startDetached(tool, {}))
        Prompt::warn(this, tr("System Information Is Unavailable At This Time"));
}
