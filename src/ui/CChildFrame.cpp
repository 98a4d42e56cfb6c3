#include "ui/CChildFrame.h"

#include "dialogs/CPlacementPrompt.h"
#include "document/LevelDocument.h"
#include "document/LevelFiles.h"
#include "level/CWorldEditorDoc.h"
#include "level/DocumentObserver.h"
#include "mapedit/CreatureActionPicking.h"
#include "mapedit/HeroPartyPicking.h"
#include "mapedit/MapFocus.h"
#include "script/ScriptTreeModel.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CWorldEditorView.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace gr2 {

/// Drops the highlighted thing when it leaves the level, so no view draws a thing that is gone.
class CChildFrame::HighlightKeeper : public DocumentObserver {
public:
    HighlightKeeper(CWorldEditorDoc& doc, DocumentDisplay& display) : m_doc(doc), m_display(display)
    {
        m_doc.addObserver(this);
    }
    ~HighlightKeeper() override { m_doc.removeObserver(this); }
    HighlightKeeper(const HighlightKeeper&) = delete;
    HighlightKeeper& operator=(const HighlightKeeper&) = delete;

    void objectRemoved(CLevelObject& object) override
    {
        if (m_display.highlightedThing == &object)
            m_display.highlightedThing = nullptr;
    }
    void levelReset() override { m_display.highlightedThing = nullptr; }

private:
    CWorldEditorDoc& m_doc;
    DocumentDisplay& m_display;
};

CChildFrame::CChildFrame(std::unique_ptr<LevelDocument> level, const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_level(std::move(level)), m_doc(&m_level->doc()), m_context(context),
      m_highlightKeeper(std::make_unique<HighlightKeeper>(*m_doc, m_display))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_rows = new QSplitter(Qt::Vertical, this);
    m_rows->setChildrenCollapsible(false);
    layout->addWidget(m_rows);
    auto* row = new QSplitter(Qt::Horizontal, m_rows);
    row->setChildrenCollapsible(false);
    m_activeView = addView(row);
    // After the first view: the tree hears of the drawing player after the view that draws.
    if (m_context.types) {
        m_scriptTree = std::make_unique<ScriptTreeModel>(*m_doc, *m_context.types);
        // The level was opened before the tree was made: it starts with the player the views
        // draw for.
        if (const CPlayer* drawing = m_activeView->currentPlayer())
            m_scriptTree->setCurrentPlayer(drawing->id());
        m_partyPicking = std::make_unique<HeroPartyPicking>(*m_doc, *m_context.types);
        // The party being filled was deleted: the prompt has nothing left to collect.
        m_partyPicking->setEndedListener([this] {
            if (m_prompt)
                m_prompt->hide();
            endHeroPartyPicking(false);
        });
        m_actionPicking = std::make_unique<CreatureActionPicking>(*m_doc, *m_context.types);
        m_actionPicking->setChangedListener([this] {
            if (m_prompt && m_actionPicking->isPicking())
                m_prompt->setLines(m_actionPicking->lines());
        });
    }
    // A level that opens with unsaved work (a recovered backup, an import) shows its mark at once.
    setWindowTitle(documentTitle() + (isDocumentModified() ? QStringLiteral("*") : QString()));
}

CChildFrame::~CChildFrame()
{
    // Views observe the document; they go before it.
    delete m_rows;
    m_views.clear();
    if (m_partyPicking && m_partyPicking->isPicking())
        endHeroPartyPicking(false);
    if (m_actionPicking && m_actionPicking->isPicking())
        m_actionPicking->finish(false);
}

void CChildFrame::showMapFocus(const MapFocus& focus)
{
    m_display.highlightedThing = focus.thing;
    m_display.highlightedActionPoint = focus.actionPoint.value_or(DocumentDisplay::kNoHighlight);
    m_display.highlightedEffectGenerator = focus.effectGenerator.value_or(DocumentDisplay::kNoHighlight);
    for (CWorldEditorView* view : m_views)
        view->viewport()->update();
    if (focus.area && m_activeView)
        m_activeView->ensureVisible(*focus.area);
}

CPlacementPrompt* CChildFrame::prompt()
{
    if (!m_prompt) {
        m_prompt = new CPlacementPrompt(this);
        connect(m_prompt, &CPlacementPrompt::completed, this, [this](bool finished) {
            if (m_actionPicking && m_actionPicking->isPicking()) {
                m_actionPicking->finish(finished);
                restorePalette();
            } else {
                endHeroPartyPicking(finished);
            }
        });
    }
    return m_prompt;
}

bool CChildFrame::beginHeroPartyPicking(CHeroParty* party)
{
    if (!m_partyPicking)
        return false;
    const bool wasShown = m_partyPicking->isPicking();
    if (!(party ? m_partyPicking->beginAddingMembers(*party) : m_partyPicking->beginNewParty()))
        return false;
    CPanelBar* palette = m_context.frame ? m_context.frame->selectionBar() : nullptr;
    if (palette && !wasShown) {
        m_paletteBeforePrompt = int(palette->activePage());
        palette->setActivePage(PalettePage::Creatures);
    }
    prompt()->open(QtText::fromSystem(HeroPartyPicking::kTitle),
                   QtText::fromSystem(HeroPartyPicking::promptText()));
    m_prompt->setLines(m_partyPicking->memberLines());
    return true;
}

bool CChildFrame::beginCreatureActionPicking(const CTrigger& trigger)
{
    if (!m_actionPicking || (m_partyPicking && m_partyPicking->isPicking()) ||
        !m_actionPicking->begin(trigger, "Add Creature Action"))
        return false;
    CPanelBar* palette = m_context.frame ? m_context.frame->selectionBar() : nullptr;
    if (palette) {
        m_paletteBeforePrompt = int(palette->activePage());
        palette->setActivePage(PalettePage::Creatures);
    }
    prompt()->open(QtText::fromSystem(CreatureActionPicking::kTitle),
                   QtText::fromSystem(CreatureActionPicking::kPrompt));
    m_prompt->setLines({});
    return true;
}

bool CChildFrame::addPartyMember(uint8_t creatureType)
{
    if (!m_partyPicking || !m_partyPicking->addMember(creatureType))
        return false;
    prompt()->setLines(m_partyPicking->memberLines());
    return true;
}

void CChildFrame::endHeroPartyPicking(bool finished)
{
    if (m_partyPicking)
        m_partyPicking->finish(finished);
    restorePalette();
}

void CChildFrame::restorePalette()
{
    CPanelBar* palette = m_context.frame ? m_context.frame->selectionBar() : nullptr;
    if (palette && m_paletteBeforePrompt >= 0)
        palette->setActivePage(PalettePage(m_paletteBeforePrompt));
    m_paletteBeforePrompt = -1;
}

bool CChildFrame::autosaveDue(std::chrono::steady_clock::time_point now)
{
    return m_level->files().autosaveIfDue(now);
}

CWorldEditorDoc& CChildFrame::document() const
{
    return *m_doc;
}

LevelFiles& CChildFrame::levelFiles() const
{
    return m_level->files();
}

void CChildFrame::displayChanged()
{
    for (CWorldEditorView* view : m_views)
        view->displayChanged();
}

CWorldEditorView* CChildFrame::addView(QSplitter* into)
{
    auto* view = new CWorldEditorView(*m_doc, m_context, m_display, into);
    m_views << view;
    connect(view, &CWorldEditorView::displaySwitchChanged, this, &CChildFrame::displayChanged);
    // Every view times the backup; the level's files save it once per interval however many
    // views ask.
    connect(view, &CWorldEditorView::autosaveDue, this,
            [this] { autosaveDue(std::chrono::steady_clock::now()); });
    connect(view, &CWorldEditorView::activated, this, [this](CWorldEditorView* v) { m_activeView = v; });
    connect(view, &CWorldEditorView::documentStateChanged, this, [this] {
        setWindowTitle(documentTitle() + (isDocumentModified() ? QStringLiteral("*") : QString()));
        emit titleOrModifiedChanged();
    });
    connect(view, &QObject::destroyed, this, [this, view] {
        m_views.removeAll(view);
        if (m_activeView == view)
            m_activeView = m_views.isEmpty() ? nullptr : m_views.first();
    });
    return view;
}

QString CChildFrame::documentTitle() const
{
    QString title = QtText::fromSystem(m_doc->title());
    if (m_doc->isDamaged())
        title += QtText::fromSystem(LevelFiles::kDamagedTitleMark);
    return title;
}

bool CChildFrame::isDocumentModified() const
{
    return m_doc->isModified();
}

CWorldEditorView* CChildFrame::activeView() const
{
    return m_activeView;
}

void CChildFrame::toggleSplit()
{
    if (m_views.size() > 1) {
        // Back to one view: keep the first row's first view.
        CWorldEditorView* keep = m_views.first();
        for (CWorldEditorView* v : m_views)
            if (v != keep)
                v->deleteLater();
        for (int i = m_rows->count() - 1; i > 0; --i)
            m_rows->widget(i)->deleteLater();
        m_activeView = keep;
        return;
    }
    auto* first = qobject_cast<QSplitter*>(m_rows->widget(0));
    addView(first);
    auto* second = new QSplitter(Qt::Horizontal, m_rows);
    second->setChildrenCollapsible(false);
    addView(second);
    addView(second);
    for (CWorldEditorView* v : m_views)
        v->setTileSize(m_activeView ? m_activeView->tileSize() : 32);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeQuestion && !m_closeQuestion(*this)) {
        event->ignore();
        return;
    }
    // Once the close goes ahead the designer has either saved the level or chosen to drop its
    // changes: the backup is not wanted either way. Only a crash leaves one behind.
    m_level->files().RemoveBackup();
    event->accept();
}

} // namespace gr2
