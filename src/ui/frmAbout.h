// frmAbout: the About box with the version, a description, the disclaimer and a way to the
// system information tool.
#pragma once

#include <QDialog>

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent);

    void StartSysInfo();
};
