#include "ui/CWorldEditorApp.h"

#include "app/OpenCommand.h"
#include "ui/CMainFrame.h"

#include <QApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

// The resources of a static library are registered by name, outside any namespace.
static void initResources() { Q_INIT_RESOURCE(gr2edit); }

namespace gr2 {

namespace {

constexpr const char* kRecentGroup = "Recent File List";

} // namespace

CWorldEditorApp::CWorldEditorApp(Prompter* prompter) : m_prompterOverride(prompter) {}

CWorldEditorApp::~CWorldEditorApp()
{
    // The window goes first: nothing it shows may outlive the global data it draws from.
    m_mainFrame.reset();
    m_core.reset();
}

bool CWorldEditorApp::InitInstance(const std::filesystem::path& rootDirectory, bool showWindow)
{
    initResources();
    if (!loadTreeImages())
        return false;
    m_core = std::make_unique<EditorApp>(rootDirectory, prompter());
    m_iconSheets.load(rootDirectory);
    m_core->addGlobalDataListener([this](EditorApp::Change) { m_iconSheets.rebuildCells(m_core->types()); });
    m_core->loadGlobalData();

    m_mainFrame = std::make_unique<CMainFrame>();
    m_mainFrame->setWindowTitle(QStringLiteral("GR2 World Editor"));
    m_prompter.setOwner(m_mainFrame.get());
    connectCommands();
    m_mainFrame->setRecentFiles(recentFiles());
    if (showWindow)
        m_mainFrame->showMaximized();
    return true;
}

bool CWorldEditorApp::loadTreeImages()
{
    m_treeImages.clear();
    for (int id : kTreeImageIds) {
        QPixmap image(QStringLiteral(":/tree/%1.png").arg(id));
        if (image.isNull())
            return false;
        m_treeImages << image;
    }
    return true;
}

void CWorldEditorApp::connectCommands()
{
    connect(m_mainFrame.get(), &CMainFrame::openRequested, this, &CWorldEditorApp::onOpen);
    connect(m_mainFrame.get(), &CMainFrame::saveGameDataRequested, this, &CWorldEditorApp::onSaveGameData);
    connect(m_mainFrame.get(), &CMainFrame::resetToDefaultsRequested, this, &CWorldEditorApp::onResetToDefaults);
    connect(m_mainFrame.get(), &CMainFrame::printSetupRequested, this, &CWorldEditorApp::onPrintSetup);
    connect(m_mainFrame.get(), &CMainFrame::aboutRequested, this, &CWorldEditorApp::onAbout);
}

QStringList CWorldEditorApp::recentFiles() const
{
    QSettings settings;
    settings.beginGroup(kRecentGroup);
    QStringList files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void CWorldEditorApp::addRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    QSettings settings;
    settings.beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        if (i <= files.size())
            settings.setValue(QStringLiteral("File%1").arg(i), files[i - 1]);
        else
            settings.remove(QStringLiteral("File%1").arg(i));
    }
    if (m_mainFrame)
        m_mainFrame->setRecentFiles(files);
}

void CWorldEditorApp::onOpen()
{
    OpenHandlers handlers;
    // The stats import and level documents join here as they become available.
    runOpenCommand(prompter(), m_core->rootDirectory(), handlers);
}

void CWorldEditorApp::onSaveGameData() { m_core->SaveGameData(); }

void CWorldEditorApp::onResetToDefaults() { m_core->ResetToGR2Defaults(); }

void CWorldEditorApp::onPrintSetup()
{
    static QPrinter printer;
    QPageSetupDialog dialog(&printer, m_mainFrame.get());
    dialog.exec();
}

void CWorldEditorApp::onAbout()
{
    QMessageBox::about(m_mainFrame.get(), tr("About GR2 Editor"),
                       tr("<b>GR2 World Editor</b><br>Version %1<br><br>The level editor for GR2.")
                           .arg(QApplication::applicationVersion()));
}

} // namespace gr2
