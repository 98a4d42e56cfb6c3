#pragma once
// The window of one open level inside the main frame's document area. It owns the level (document,
// script and file side), its script tree model, the display switches its views share and the
// member prompt of its hero parties, and shows it in up to 2 × 2 map views (a splitter of
// splitters); every view observes the same document.

#include "ui/DocumentDisplay.h"
#include "ui/ViewContext.h"

#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>

class QSplitter;

namespace gr2 {

class CHeroParty;
class CPlacementPrompt;
class CTrigger;
class CreatureActionPicking;
class CWorldEditorDoc;
class CWorldEditorView;
class HeroPartyPicking;
class LevelDocument;
class LevelFiles;
class ScriptTreeModel;
struct MapFocus;

class CChildFrame : public QWidget {
    Q_OBJECT
public:
    CChildFrame(std::unique_ptr<LevelDocument> level, const ViewContext& context, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CWorldEditorDoc& document() const;
    /// Open, save, close question and backups of the level.
    LevelFiles& levelFiles() const;
    /// The grid, Shrink to Fit and highlights, shared by all views of the level.
    DocumentDisplay& display() { return m_display; }
    const ViewContext& context() const { return m_context; }
    /// The level's script tree; none without type data to name things by (some tests).
    ScriptTreeModel* scriptTree() const { return m_scriptTree.get(); }
    /// Highlights what the script tree selected in every view and scrolls the active view to it.
    void showMapFocus(const MapFocus& focus);

    /// Create New Hero Party (none) or Add Members (the party): shows the "Create Hero Party"
    /// prompt with the palette's creatures. False when the level takes no party or member more.
    bool beginHeroPartyPicking(CHeroParty* party);
    /// A creature type chosen in the palette: a member for the party being built. Answers whether
    /// one joined.
    bool addPartyMember(uint8_t creatureType);
    HeroPartyPicking* partyPicking() const { return m_partyPicking.get(); }
    /// Add Creature Action on the trigger: shows the "Create Creature Action" prompt; each
    /// creature placed on the map until it closes becomes an action's creature. False while the
    /// level is already picking.
    bool beginCreatureActionPicking(const CTrigger& trigger);
    CreatureActionPicking* creatureActionPicking() const { return m_actionPicking.get(); }
    /// The level's prompt window, made when first needed.
    CPlacementPrompt* prompt();
    /// A view's backup timer fired: the level is backed up when the interval has passed since its
    /// last backup, so several views back it up once per interval. Answers whether it was saved.
    bool autosaveDue(std::chrono::steady_clock::time_point now);
    /// Redraws every view after a shared display switch changed.
    void displayChanged();
    QString documentTitle() const;
    bool isDocumentModified() const;
    /// The view that last had the focus.
    CWorldEditorView* activeView() const;
    QList<CWorldEditorView*> views() const { return m_views; }
    /// Splits into two columns and two rows of views (the 2 × 2 limit); again joins them to one.
    void toggleSplit();

    /// Asked before the window closes: answers whether it may (the level's save question).
    void setCloseQuestion(std::function<bool(CChildFrame&)> question)
    {
        m_closeQuestion = std::move(question);
    }

signals:
    void titleOrModifiedChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CWorldEditorView* addView(QSplitter* into);
    /// The palette page shown before a prompt switched it to the creatures.
    void restorePalette();
    void endHeroPartyPicking(bool finished);
    class HighlightKeeper;

    std::unique_ptr<LevelDocument> m_level;
    CWorldEditorDoc* m_doc;
    DocumentDisplay m_display;
    ViewContext m_context;
    std::unique_ptr<HighlightKeeper> m_highlightKeeper;
    std::unique_ptr<ScriptTreeModel> m_scriptTree;
    std::unique_ptr<HeroPartyPicking> m_partyPicking;
    std::unique_ptr<CreatureActionPicking> m_actionPicking;
    CPlacementPrompt* m_prompt = nullptr;
    /// The palette page shown before the member prompt switched it to the creatures.
    int m_paletteBeforePrompt = -1;
    QSplitter* m_rows = nullptr;
    QList<CWorldEditorView*> m_views;
    CWorldEditorView* m_activeView = nullptr;
    std::function<bool(CChildFrame&)> m_closeQuestion;
};

} // namespace gr2
