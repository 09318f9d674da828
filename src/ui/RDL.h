// RDL: the "Results Downloader" window. The player picks games and the window drives a
// ResultsDownload over the network, showing its status and progress and asking its questions.
#pragma once

#include "ChildWindow.h"
#include "GameCatalogue.h"
#include "NetworkTransfer.h"
#include "ResultsDownload.h"

#include <QNetworkAccessManager>

#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QPushButton;

class RDL : public ChildWindow, private ResultsDownload::Questions
{
    Q_OBJECT

public:
    RDL(const QString& appFolder, QWidget* parent);

protected:
    // A download under way is stopped with Cancel; the window stays until the run has ended.
    bool canClose() override;

private:
    void buildMenus(QMenuBar* bar);
    void downloadResults();
    void changeServerAddress();
    // Asks for the server address until one is stored; nullopt when the player cancels.
    std::optional<QUrl> askServerAddress(QString text);
    void showProgress(int percent);
    void setRunning(bool running);
    bool ask(const QString& question, bool overwrites) override;
    void warn(const QString& message) override;

    QString m_appFolder;
    QNetworkAccessManager m_network;
    NetworkTransfer m_transfer;
    ResultsDownload m_download;

    std::array<QCheckBox*, GameCatalogue::LastGame> m_games{};
    QCheckBox* m_modem = nullptr;
    QLineEdit* m_downloading = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_reason = nullptr; // why the last game failed
    QProgressBar* m_progress = nullptr;
    QPushButton* m_downloadButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QAction* m_checkYes = nullptr;
    QAction* m_serverAddress = nullptr;
};
