#pragma once
// The "Selection Bar": the palette of placeable types in six tabbed pages (Terrain, Rooms,
// Creatures, Doors, Traps, Objects). A click makes a type the draw item and selects the matching
// tool in the shared editing state; the thing pages have a delete button for remove mode.

#include "app/PaletteLayout.h"
#include "ui/CDockControlBar.h"
#include "ui/ViewContext.h"

#include <QAbstractButton>

#include <array>
#include <functional>
#include <optional>

class QPushButton;
class QTabWidget;

namespace gr2 {

/// One square icon button of a type.
class CTypeButton : public QAbstractButton {
    Q_OBJECT
public:
    CTypeButton(const ViewContext& context, PaletteItem item, QWidget* parent);
    PaletteItem item() const { return m_item; }
    void setTypeId(uint8_t id);
    bool isSelected() const { return m_selected; }
    void setSelected(bool on);
    /// The owner variant terrain buttons draw (the drawing player's colour).
    void setVariant(int variant);
    /// Makes the button the type editors' preview: it draws the cell of `iconIndex` of its
    /// family's sheet (the index being edited, not the one of the first type with its id) and is
    /// neither clickable nor has a menu.
    void showAsPreview(int iconIndex);
    bool isPreview() const { return m_preview.has_value(); }
    /// Whether "&Edit Properties..." is offered for the button's type (an editor exists for it).
    void setEditCheck(std::function<bool(const PaletteItem&)> check) { m_editCheck = std::move(check); }

signals:
    /// "&Edit Properties..." of the button's type menu was chosen.
    void editPropertiesRequested(PaletteItem item);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    /// The "&Button Type" menu, while a map view is active.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ViewContext m_context;
    PaletteItem m_item;
    bool m_selected = false;
    int m_variant = 3;
    std::optional<int> m_preview;
    std::function<bool(const PaletteItem&)> m_editCheck;
};

class CPanelBar : public CDockControlBar {
    Q_OBJECT
public:
    explicit CPanelBar(QWidget* parent = nullptr);

    /// Builds the pages from the type tables (the terrain page at once, the others when first
    /// shown). `drawingPlayer` answers the active view's drawing player (0 without a view).
    void setContext(const ViewContext& context, std::function<uint8_t()> drawingPlayer);
    QTabWidget* sheet() const { return m_sheet; }
    PalettePage activePage() const;
    void setActivePage(PalettePage page);
    QList<CTypeButton*> buttons(PalettePage page) const;
    QPushButton* deleteButton(PalettePage page) const { return m_delete[size_t(page)]; }
    /// The page's selected button; none in remove mode.
    CTypeButton* currentButton(PalettePage page) const { return m_current[size_t(page)]; }
    /// A left click on a type button, by its kind's rules.
    void clickButton(CTypeButton* button);
    /// Terrain page redraws; rooms page swaps 26 and 36, doors page the Good/evil door pairs.
    void refreshForOwner();
    /// Redraws every built button (a type editor changed an icon).
    void repaintButtons();
    /// Which types "&Edit Properties..." is offered for; none: no type.
    void setEditCheck(std::function<bool(const PaletteItem&)> check) { m_editCheck = std::move(check); }
    /// The type tables changed (reset, a level's own globals, a type editor): every page is built
    /// again from them, keeping the active page and each page's chosen type where it still exists.
    void tablesChanged();

signals:
    /// Views redraw after a show flag changed.
    void redrawViews();
    /// A type button's "&Edit Properties..." was chosen; the type editors answer it.
    void editPropertiesRequested(PaletteItem item);
    /// A creature button was clicked: a level picking hero-party members takes one of the type.
    void creatureTypeChosen(uint8_t typeId);

private:
    void createPages();
    void buildPage(PalettePage page);
    void activatePage(PalettePage page);
    /// After a rebuild: a current type or draw terrain the tables lost is replaced by its page's
    /// choice; everything else the designer chose stays.
    void replaceMissingTypes();
    void selectButton(PalettePage page, CTypeButton* button);
    void showDrawItem(TypeKind kind, uint8_t id);
    bool drawsForGood() const;

    ViewContext m_context;
    std::function<uint8_t()> m_drawingPlayer;
    QTabWidget* m_sheet = nullptr;
    std::array<QWidget*, 6> m_pages{};
    std::array<bool, 6> m_built{};
    std::array<QList<CTypeButton*>, 6> m_buttons;
    std::array<CTypeButton*, 6> m_current{};
    std::array<QPushButton*, 6> m_delete{};
    std::function<bool(const PaletteItem&)> m_editCheck;
};

} // namespace gr2
