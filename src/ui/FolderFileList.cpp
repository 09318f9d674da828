#include "FolderFileList.h"

#include "AppFolder.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QMouseEvent>

FolderFileList::FolderFileList(const QString& folder, const QString& suffix, QWidget* parent)
    : QListWidget(parent)
    , m_folder(folder)
    , m_suffix(suffix)
    , m_watcher(new QFileSystemWatcher(this))
{
    setObjectName(QStringLiteral("fileList"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    m_watcher->addPath(folder.isEmpty() ? QStringLiteral("/") : folder);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderFileList::refresh);
    // The pick is the selected file: the view may move its current row by itself (on focus, after
    // a refresh), but it selects only what the player picks.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = selectedItems();
        const QString name = chosen.isEmpty() ? QString() : chosen.front()->text();
        if (name == m_picked)
            return;
        m_picked = name;
        emit picked(name);
    });
    refresh();
}

QString FolderFileList::pickedName() const
{
    return m_picked;
}

QString FolderFileList::pickedPath() const
{
    return m_picked.isEmpty() ? QString() : AppFolder::pathOf(m_folder, m_picked);
}

void FolderFileList::refresh()
{
    // The application folder "" stands for the root, as AppFolder::pathOf builds its paths.
    const QDir dir(m_folder.isEmpty() ? QStringLiteral("/") : m_folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.") + m_suffix}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    const QString kept = names.contains(m_picked) ? m_picked : QString();
    {
        const QSignalBlocker quiet(this);
        clear();
        addItems(names);
        if (!kept.isEmpty())
            setCurrentRow(int(names.indexOf(kept)));
    }
    if (kept != m_picked) {
        m_picked = kept;
        emit picked(kept);
    }
    emit refreshed();
}

void FolderFileList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !itemAt(event->position().toPoint()))
        emit clickedBesideFiles();
}
