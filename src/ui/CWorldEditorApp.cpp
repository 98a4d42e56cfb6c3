#include "ui/CWorldEditorApp.h"

#include "app/OpenCommand.h"
#include "app/StatsImportCommand.h"
#include "app/StatusTexts.h"
#include "dialogs/CFormDialog.h"
#include "dialogs/CNewLevelDialog.h"
#include "dialogs/CTypeEditorDialog.h"
#include "document/LevelBackups.h"
#include "document/LevelDocument.h"
#include "document/LevelJsonCommands.h"
#include "forms/ExperienceForm.h"
#include "forms/SacrificeForm.h"
#include "forms/TypeEditorForms.h"
#include "level/LevelHistory.h"
#include "level/TextConversion.h"
#include "script/ScriptTreeModel.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorView.h"
#include "ui/ProblemsDock.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>

// The resources of a static library are registered by name, outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(gr2edit);
}

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
    m_core->addGlobalDataListener([this](EditorApp::Change) {
        m_iconSheets.rebuildCells(m_core->types());
        onTypeTablesChanged();
    });
    m_core->loadGlobalData();

    m_mainFrame = std::make_unique<CMainFrame>(&m_core->types());
    // The brush drawn at the pointer follows every change of the tool or the brush in all views,
    // wherever the change came from.
    m_editorState.setChangeListener([this] {
        if (m_mainFrame)
            for (CWorldEditorView* view : m_mainFrame->allViews())
                view->editorStateChanged();
    });
    m_mainFrame->selectionBar()->setContext(
        {&m_core->types(), &m_iconSheets, &m_editorState, m_mainFrame.get()}, [this]() -> uint8_t {
            CWorldEditorView* view = m_mainFrame->activeView();
            return view && view->currentPlayer() ? view->currentPlayer()->id() : 0;
        });
    m_mainFrame->scriptTreeBar()->tree()->setContext(m_treeImages, &prompter(), rootDirectory);
    m_prompter.setOwner(m_mainFrame.get());
    m_mainFrame->setApplicationTarget(this);
    m_mainFrame->setExitQuestion([this] { return m_core->SaveGameDataModified(); });
    m_mainFrame->selectionBar()->setEditCheck(
        [this](const PaletteItem& item) { return editorOfPaletteItem(item).has_value(); });
    connectCommands();
    // The application's commands show their state from the start, not from the first idle update.
    m_mainFrame->updateCommandUI();
    m_mainFrame->setRecentFiles(recentFiles());
    if (showWindow)
        m_mainFrame->showWithPlacement();
    return true;
}

void CWorldEditorApp::onTypeTablesChanged()
{
    // Everything the editor derives from the tables follows them: at start-up, after Reset To
    // GR2 Defaults, a level's own globals and every type editor's change.
    m_editorState.setGoodPairs(GoodPairs::fromTypes(m_core->types()));
    if (m_mainFrame) {
        m_mainFrame->selectionBar()->tablesChanged();
        // Type names show in the script trees' items.
        for (QMdiSubWindow* sub : m_mainFrame->mdiArea()->subWindowList())
            if (auto* child = qobject_cast<CChildFrame*>(sub->widget()))
                if (ScriptTreeModel* tree = child->scriptTree())
                    tree->Refresh();
    }
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
    connect(m_mainFrame.get(), &CMainFrame::newRequested, this, &CWorldEditorApp::onNew);
    connect(m_mainFrame.get(), &CMainFrame::zoomChosen, this, [this](int tileSize) {
        if (CWorldEditorView* view = m_mainFrame->activeView())
            view->setTileSize(tileSize);
    });
    connect(m_mainFrame->scriptTreeBar()->tree(), &CTriggerTree::drawingPlayerChanged, this, [this] {
        // The palette's owner variants and Good swaps, and the draw item they may have changed.
        m_mainFrame->selectionBar()->refreshForOwner();
        if (auto item = currentDrawItem(m_editorState))
            m_mainFrame->showDrawItem(item->kind, item->typeId);
        m_mainFrame->updateCommandUI();
    });
    connect(m_mainFrame->selectionBar(), &CPanelBar::creatureTypeChosen, this, [this](uint8_t type) {
        if (CChildFrame* child = m_mainFrame->activeChildFrame())
            child->addPartyMember(type);
    });
    connect(m_mainFrame->selectionBar(), &CPanelBar::redrawViews, this, &CWorldEditorApp::repaintViews);
    connect(m_mainFrame->selectionBar(), &CPanelBar::editPropertiesRequested, this,
            &CWorldEditorApp::editPaletteType);
    connect(m_mainFrame->scriptTreeBar()->tree(), &CTriggerTree::typeEditorRequested, this,
            [this](TypeFamily family, uint16_t typeId) { openTypeEditor(family, typeId); });
    connect(m_mainFrame->scriptTreeBar()->tree(), &CTriggerTree::globalTableEditorRequested, this,
            [this](bool experience) { experience ? openExperienceEditor() : openSacrificeEditor(); });
    connect(m_mainFrame.get(), &CMainFrame::openRequested, this, &CWorldEditorApp::onOpen);
    auto openAll = [this](const QStringList& paths) {
        for (const QString& path : paths)
            openLevel(QtText::toPath(path));
    };
    connect(m_mainFrame.get(), &CMainFrame::filesDropped, this, openAll);
    connect(m_mainFrame.get(), &CMainFrame::openRecentRequested, this,
            [openAll](const QString& path) { openAll({path}); });
    connect(m_mainFrame.get(), &CMainFrame::saveGameDataRequested, this, &CWorldEditorApp::onSaveGameData);
    connect(m_mainFrame.get(), &CMainFrame::resetToDefaultsRequested, this,
            &CWorldEditorApp::onResetToDefaults);
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
    const QStringList stored = recentFiles();
    QStringList files = stored;
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    if (m_mainFrame)
        m_mainFrame->setRecentFiles(files);
    // Reopening the latest level changes nothing: the settings file, written and flushed to disk
    // on every change, is left alone.
    if (files == stored)
        return;
    QSettings settings;
    settings.beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        if (i <= files.size())
            settings.setValue(QStringLiteral("File%1").arg(i), files[i - 1]);
        else
            settings.remove(QStringLiteral("File%1").arg(i));
    }
}

ViewContext CWorldEditorApp::viewContext()
{
    return {&m_core->types(), &m_iconSheets, &m_editorState, m_mainFrame.get(), &m_printer, &prompter()};
}

size_t CWorldEditorApp::undoStepLimit()
{
    // A setting of the editor's own: how many steps each level's history keeps. It is written on
    // first use, so a designer finds it in the settings file beside the window placement.
    QSettings settings;
    settings.beginGroup(QStringLiteral("Editor"));
    const QString key = QStringLiteral("Undo Steps");
    if (!settings.contains(key))
        settings.setValue(key, int(LevelHistory::kDefaultStepLimit));
    bool ok = false;
    const int steps = settings.value(key).toInt(&ok);
    return ok ? size_t(std::clamp(steps, 1, 10000)) : LevelHistory::kDefaultStepLimit;
}

CChildFrame* CWorldEditorApp::addLevelWindow(std::unique_ptr<LevelDocument> level)
{
    level->doc().history().setStepLimit(undoStepLimit());
    auto* child = new CChildFrame(std::move(level), viewContext());
    child->setCloseQuestion([](CChildFrame& frame) { return frame.levelFiles().SaveModified(); });
    connect(child, &CChildFrame::titleOrModifiedChanged, m_mainFrame.get(), &CMainFrame::updateTitle);
    QMdiSubWindow* sub = m_mainFrame->mdiArea()->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->showMaximized();
    if (CWorldEditorView* view = child->activeView()) {
        view->setFocus();
        m_mainFrame->showMapSize(child->document().width(), child->document().height());
        m_mainFrame->selectZoom(view->tileSize());
    }
    m_mainFrame->updateTitle();
    m_mainFrame->updateCommandUI();
    return child;
}

CChildFrame* CWorldEditorApp::newLevel(const NewLevelSettings& settings)
{
    auto level = std::make_unique<LevelDocument>(*m_core);
    level->doc().NewLevel(settings);
    return addLevelWindow(std::move(level));
}

CNewLevelDialog& CWorldEditorApp::newLevelDialog()
{
    if (!m_newLevelDialog)
        m_newLevelDialog = new CNewLevelDialog(m_core->types(), prompter(), m_mainFrame.get());
    return *m_newLevelDialog;
}

void CWorldEditorApp::onNew()
{
    if (auto settings = newLevelDialog().run())
        newLevel(*settings);
}

CChildFrame* CWorldEditorApp::findLevelWindow(const std::filesystem::path& path) const
{
    // The same file however the path names it: opening it again shows its window rather than a
    // second copy whose saves would overwrite the first one's edits.
    const CWorldEditorDoc* open = m_core->openLevelAt(path);
    if (!open)
        return nullptr;
    for (QMdiSubWindow* sub : m_mainFrame->mdiArea()->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(sub->widget());
        if (child && &child->document() == open)
            return child;
    }
    return nullptr;
}

CChildFrame* CWorldEditorApp::openLevel(const std::filesystem::path& path)
{
    const std::filesystem::path absolute = std::filesystem::absolute(path);
    if (CChildFrame* open = findLevelWindow(absolute)) {
        for (QMdiSubWindow* sub : m_mainFrame->mdiArea()->subWindowList())
            if (sub->widget() == open)
                m_mainFrame->mdiArea()->setActiveSubWindow(sub);
        return open;
    }
    auto level = std::make_unique<LevelDocument>(*m_core);
    if (!level->files().OnOpenDocument(absolute))
        return nullptr;
    addRecentFile(QtText::fromPath(absolute));
    return addLevelWindow(std::move(level));
}

int CWorldEditorApp::recoverBackups()
{
    int opened = 0;
    for (const LevelBackups::Backup& backup :
         LevelBackups::chooseBackupsToOpen(m_core->rootDirectory(), prompter())) {
        auto level = std::make_unique<LevelDocument>(*m_core);
        if (level->files().OpenBackup(backup)) {
            addLevelWindow(std::move(level));
            ++opened;
        }
    }
    return opened;
}

CChildFrame* CWorldEditorApp::importLevelJson()
{
    const JsonImportScratch scratch;
    const std::optional<std::filesystem::path> master = ImportLevelJson(*m_core, scratch);
    if (!master)
        return nullptr;
    auto level = std::make_unique<LevelDocument>(*m_core);
    if (!level->files().OnOpenDocument(*master))
        return nullptr;
    // A new level: it has no file of its own until the user saves it, and it holds unsaved work.
    CWorldEditorDoc& doc = level->doc();
    doc.setPath({});
    doc.setNamed(false);
    doc.SetTitle(utf16ToUtf8(doc.properties().name));
    doc.SetModifiedFlag(true);
    return addLevelWindow(std::move(level));
}

void CWorldEditorApp::onOpen()
{
    OpenHandlers handlers;
    handlers.importStats = [this](const std::filesystem::path& path) { importStatsFile(core(), path); };
    handlers.openLevel = [this](const std::filesystem::path& path) { openLevel(path); };
    runOpenCommand(prompter(), m_core->rootDirectory(), handlers);
}

void CWorldEditorApp::onSave()
{
    if (CChildFrame* child = m_mainFrame->activeChildFrame())
        if (child->levelFiles().Save()) {
            addRecentFile(QtText::fromSystem(child->document().path()));
            // The report follows what was saved.
            m_mainFrame->problemsDock()->validate(child);
        }
    m_mainFrame->updateTitle();
}

void CWorldEditorApp::onSaveAs()
{
    if (CChildFrame* child = m_mainFrame->activeChildFrame())
        if (child->levelFiles().SaveAs()) {
            addRecentFile(QtText::fromSystem(child->document().path()));
            // The report follows what was saved.
            m_mainFrame->problemsDock()->validate(child);
        }
    m_mainFrame->updateTitle();
}

void CWorldEditorApp::repaintViews()
{
    for (QMdiSubWindow* sub : m_mainFrame->mdiArea()->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(sub->widget()))
            for (CWorldEditorView* view : child->views())
                view->viewport()->update();
}

bool CWorldEditorApp::openTypeEditor(TypeFamily family, std::optional<uint16_t> typeId)
{
    std::optional<FormDescription<CTypeRecord>> form = typeEditorForm(family, m_core->types());
    if (!form)
        return false;
    TypeEditorSession session(*m_core, family, *form, typeId, m_iconSheets.cellCount(family));
    {
        CTypeEditorDialog dialog(session, viewContext(), prompter(), m_mainFrame.get());
        // The palette shows a new icon at once, as the record has it before "OK".
        connect(&dialog, &CTypeEditorDialog::iconChanged, this, [this] {
            m_iconSheets.rebuildCells(m_core->types());
            m_mainFrame->selectionBar()->repaintButtons();
        });
        dialog.exec();
    }
    // Whatever the result: the icon tables, the palette and the views follow the tables (the
    // palette's rebuild keeps the designer's tool).
    session.finish();
    repaintViews();
    return true;
}

std::optional<std::pair<TypeFamily, uint16_t>>
CWorldEditorApp::editorOfPaletteItem(const PaletteItem& item) const
{
    std::optional<TypeFamily> family = familyOfKind(item.kind);
    if (!family)
        return std::nullopt;
    uint16_t id = item.id;
    if (*family == TypeFamily::Terrain)
        if (const CRoomType* room = m_core->types().roomWithFloor(item.id)) {
            family = TypeFamily::Room;
            id = room->id();
        }
    if (!hasTypeEditor(*family))
        return std::nullopt;
    return std::pair{*family, id};
}

bool CWorldEditorApp::editPaletteType(const PaletteItem& item)
{
    const auto target = editorOfPaletteItem(item);
    return target && openTypeEditor(target->first, target->second);
}

void CWorldEditorApp::globalTablesEdited(bool changed)
{
    if (changed)
        m_core->setGameDataModified();
}

void CWorldEditorApp::openExperienceEditor()
{
    ExperienceSession session(m_core->types().variables());
    CFormDialog dialog(session, prompter(), m_mainFrame.get(), CFormDialog::EnterKey::ClosesNothing);
    dialog.exec();
    globalTablesEdited(session.changed());
}

void CWorldEditorApp::openSacrificeEditor()
{
    SacrificeSession session(m_core->types().variables(), m_core->types());
    CFormDialog dialog(session, prompter(), m_mainFrame.get(), CFormDialog::EnterKey::ClosesNothing);
    dialog.exec();
    globalTablesEdited(session.changed());
}

bool CWorldEditorApp::onCommand(EditorCommand command)
{
    switch (command) {
    case EditorCommand::TerrainTypes:
        return openTypeEditor(TypeFamily::Terrain);
    case EditorCommand::RoomTypes:
        return openTypeEditor(TypeFamily::Room);
    case EditorCommand::CreatureTypes:
        return openTypeEditor(TypeFamily::Creature);
    case EditorCommand::DoorTypes:
        return openTypeEditor(TypeFamily::Door);
    case EditorCommand::TrapTypes:
        return openTypeEditor(TypeFamily::Trap);
    case EditorCommand::ObjectTypes:
        return openTypeEditor(TypeFamily::Object);
    case EditorCommand::VorlanSpellTypes:
        return openTypeEditor(TypeFamily::VorlanSpell);
    case EditorCommand::CreatureSpellTypes:
        return openTypeEditor(TypeFamily::CreatureSpell);
    case EditorCommand::ShotTypes:
        return openTypeEditor(TypeFamily::Shot);
    case EditorCommand::EffectTypes:
        return openTypeEditor(TypeFamily::Effect);
    case EditorCommand::EffectElementTypes:
        return openTypeEditor(TypeFamily::EffectElement);
    case EditorCommand::Save:
        onSave();
        return true;
    case EditorCommand::SaveAs:
        onSaveAs();
        return true;
    case EditorCommand::ExportJson:
        if (CChildFrame* child = m_mainFrame->activeChildFrame())
            ExportLevelAsJson(*m_core, child->levelFiles());
        return true;
    case EditorCommand::ImportJson:
        importLevelJson();
        return true;
    default:
        return false;
    }
}

std::optional<CommandState> CWorldEditorApp::commandState(EditorCommand command) const
{
    switch (command) {
    case EditorCommand::Save:
    case EditorCommand::SaveAs:
    case EditorCommand::ExportJson:
        return CommandState{m_mainFrame->activeChildFrame() != nullptr, false, {}, {}};
    case EditorCommand::TerrainTypes:
    case EditorCommand::RoomTypes:
    case EditorCommand::CreatureTypes:
    case EditorCommand::DoorTypes:
    case EditorCommand::TrapTypes:
    case EditorCommand::ObjectTypes:
    case EditorCommand::VorlanSpellTypes:
    case EditorCommand::CreatureSpellTypes:
    case EditorCommand::ShotTypes:
    case EditorCommand::EffectTypes:
    case EditorCommand::EffectElementTypes:
    case EditorCommand::ImportJson:
        return CommandState{};
    default:
        return std::nullopt;
    }
}

void CWorldEditorApp::onSaveGameData()
{
    // A failure has told the user which file; a success says what it wrote.
    if (m_core->SaveGameData() && m_mainFrame)
        m_mainFrame->statusBar()->showMessage(
            tr("Game data saved: %1 files").arg(EditorApp::kGameDataFileCount), 10000);
}

void CWorldEditorApp::onResetToDefaults()
{
    m_core->ResetToGR2Defaults();
}

void CWorldEditorApp::onPrintSetup()
{
    QPageSetupDialog dialog(&m_printer.get(), m_mainFrame.get());
    dialog.exec();
}

void CWorldEditorApp::onAbout()
{
    QMessageBox::about(m_mainFrame.get(), tr("About GR2 Editor"),
                       tr("<b>GR2 World Editor</b><br>Version %1<br><br>The level editor for GR2.")
                           .arg(QApplication::applicationVersion()));
}

} // namespace gr2
