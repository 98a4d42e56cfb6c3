#include "ui/CMainFrame.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>

namespace gr2 {

namespace {

constexpr int kRecentFileCount = 6;

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    m_mdiArea = new QMdiArea(this);
    setCentralWidget(m_mdiArea);
    createMenus();
}

void CMainFrame::createMenus()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* open = m_fileMenu->addAction(tr("&Open...\tCtrl+O"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setStatusTip(tr("Open an existing level or import configuration data"));
    connect(open, &QAction::triggered, this, &CMainFrame::openRequested);
    m_fileMenu->addSeparator();
    QAction* saveGameData = m_fileMenu->addAction(tr("Save Game Data"));
    saveGameData->setStatusTip(tr("Write the global type data and variables beside the program"));
    connect(saveGameData, &QAction::triggered, this, &CMainFrame::saveGameDataRequested);
    m_fileMenu->addSeparator();
    QAction* printSetup = m_fileMenu->addAction(tr("P&rint Setup..."));
    connect(printSetup, &QAction::triggered, this, &CMainFrame::printSetupRequested);
    m_recentSeparator = m_fileMenu->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = m_fileMenu->addAction(QString());
        recent->setVisible(false);
        connect(recent, &QAction::triggered, this,
                [this, recent] { emit openRecentRequested(recent->data().toString()); });
        m_recentActions << recent;
    }
    m_fileMenu->addSeparator();
    QAction* exit = m_fileMenu->addAction(tr("E&xit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* configuration = menuBar()->addMenu(tr("&Configuration"));
    QAction* reset = configuration->addAction(tr("Reset To GR2 Defaults"));
    connect(reset, &QAction::triggered, this, &CMainFrame::resetToDefaultsRequested);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About GR2 Editor..."));
    connect(about, &QAction::triggered, this, &CMainFrame::aboutRequested);
    setRecentFiles({});
}

void CMainFrame::setRecentFiles(const QStringList& paths)
{
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        if (i < paths.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(paths[i])));
            action->setData(paths[i]);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    m_recentSeparator->setVisible(!paths.isEmpty());
}

} // namespace gr2
