#include "ui/CPanelBar.h"

#include "app/StatusTexts.h"
#include "level/LevelIds.h"
#include "mapedit/EditorState.h"
#include "typedb/CTypeDatabase.h"
#include "ui/CMainFrame.h"
#include "ui/IconSheets.h"
#include "ui/QtText.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QToolTip>
#include <qdrawutil.h>

namespace gr2 {

namespace {

std::optional<ThingFamily> thingFamilyOf(PalettePage page)
{
    switch (page) {
    case PalettePage::Creatures:
        return ThingFamily::Creature;
    case PalettePage::Doors:
        return ThingFamily::Door;
    case PalettePage::Traps:
        return ThingFamily::Trap;
    case PalettePage::Objects:
        return ThingFamily::Object;
    default:
        return std::nullopt;
    }
}

ToolCode placingTool(ThingFamily family)
{
    return ToolCode(uint8_t(ToolCode::PlaceCreature) + uint8_t(family));
}

ThingFamily thingFamilyOfKind(TypeKind kind)
{
    switch (kind) {
    case TypeKind::Creature:
        return ThingFamily::Creature;
    case TypeKind::Door:
        return ThingFamily::Door;
    case TypeKind::Trap:
        return ThingFamily::Trap;
    default:
        return ThingFamily::Object;
    }
}

/// The page that shows a thing family's placing choice.
PalettePage pageOfHost(TypeKind host)
{
    return PalettePage(uint8_t(host) - 2);
}

/// A page that offers the "&Show ..." menu on its background.
class PalettePageWidget : public QWidget {
public:
    PalettePageWidget(PalettePage page, CPanelBar* bar, const ViewContext& context)
        : m_page(page), m_bar(bar), m_context(context)
    {
    }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        auto family = thingFamilyOf(m_page);
        if (!family || !m_context.state || !m_context.frame || !m_context.frame->activeView())
            return;
        QMenu menu(this);
        QAction* show = menu.addAction(tr(paletteShowText(m_page)));
        show->setCheckable(true);
        show->setChecked(m_context.state->shows(*family));
        if (menu.exec(event->globalPos()) == show) {
            m_context.state->setShows(*family, !m_context.state->shows(*family));
            emit m_bar->redrawViews();
        }
    }

private:
    PalettePage m_page;
    CPanelBar* m_bar;
    ViewContext m_context;
};

} // namespace

// --- CTypeButton --------------------------------------------------------------------------------

CTypeButton::CTypeButton(const ViewContext& context, PaletteItem item, QWidget* parent)
    : QAbstractButton(parent), m_context(context), m_item(item)
{
    setFocusPolicy(Qt::TabFocus);
}

void CTypeButton::setTypeId(uint8_t id)
{
    m_item.id = id;
    update();
}

void CTypeButton::setSelected(bool on)
{
    if (m_selected == on)
        return;
    m_selected = on;
    update();
}

void CTypeButton::setVariant(int variant)
{
    m_variant = variant;
    update();
}

void CTypeButton::showAsPreview(int iconIndex)
{
    m_preview = iconIndex;
    setFocusPolicy(Qt::NoFocus);
    update();
}

void CTypeButton::mousePressEvent(QMouseEvent* event)
{
    if (m_preview) {
        event->ignore();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

bool CTypeButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_context.types) {
        const QString tip = QtText::fromSystem(paletteButtonTip(*m_context.types, m_item.kind, m_item.id));
        if (!tip.isEmpty())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QAbstractButton::event(event);
}

void CTypeButton::contextMenuEvent(QContextMenuEvent* event)
{
    // Handled here so that the page's "&Show ..." menu never opens over a button.
    event->accept();
    if (m_preview || !m_context.frame || !m_context.frame->activeView())
        return;
    QMenu menu(tr("&Button Type"), this);
    QAction* edit = menu.addAction(tr("&Edit Properties..."));
    edit->setStatusTip(tr("Display the properties dialog for the selected type."));
    // Offered where the type's family has an editor.
    edit->setEnabled(m_editCheck && m_editCheck(m_item));
    if (menu.exec(event->globalPos()) == edit)
        emit editPropertiesRequested(m_item);
}

void CTypeButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect face = rect();
    std::optional<QRect> cell;
    TypeFamily family = TypeFamily::Terrain;
    if (m_context.icons && m_context.types) {
        if (auto f = gr2::familyOfKind(m_item.kind); f && m_preview) {
            family = *f;
            cell = m_context.icons->cellOfIcon(family, *m_preview);
        } else if (m_item.kind == TypeKind::Terrain) {
            if (const CRoomType* room = m_context.types->roomWithFloor(m_item.id)) {
                family = TypeFamily::Room;
                cell = m_context.icons->cellForTypeId(TypeFamily::Room, room->id());
            } else {
                cell =
                    m_context.icons->cellForType(*m_context.types, TypeFamily::Terrain, m_item.id, m_variant);
            }
        } else if (auto f = gr2::familyOfKind(m_item.kind)) {
            family = *f;
            cell = m_context.icons->cellForTypeId(family, m_item.id);
        }
    }
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = face;
    if (m_selected) {
        p.fillRect(face, QColor(200, 0, 0));
        const QRect inner =
            face.adjusted(face.width() / 10, face.height() / 10, -face.width() / 10, -face.height() / 10);
        if (cell)
            p.drawImage(inner, m_context.icons->sheet(family), *cell);
        qDrawShadeRect(&p, face, palette(), true, 1);
    } else {
        if (cell)
            p.drawImage(face.translated(-1, -1), m_context.icons->sheet(family), *cell);
        else
            p.fillRect(face, palette().color(QPalette::Button));
        qDrawShadeRect(&p, face, palette(), false, 1);
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(face.adjusted(2, 2, -3, -3));
    }
}

// --- CPanelBar ----------------------------------------------------------------------------------

CPanelBar::CPanelBar(QWidget* parent) : CDockControlBar(tr("Selection Bar"), QSize(800, 210), parent)
{
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    m_sheet = new QTabWidget(this);
    setWidget(m_sheet);
    connect(m_sheet, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 0 || index >= int(kPalettePages.size()))
            return;
        const PalettePage page = kPalettePages[size_t(index)];
        buildPage(page);
        activatePage(page);
    });
}

void CPanelBar::setContext(const ViewContext& context, std::function<uint8_t()> drawingPlayer)
{
    m_context = context;
    m_drawingPlayer = std::move(drawingPlayer);
    createPages();
    buildPage(PalettePage::Terrain);
    activatePage(PalettePage::Terrain);
}

void CPanelBar::createPages()
{
    m_sheet->blockSignals(true);
    while (m_sheet->count() > 0) {
        QWidget* old = m_sheet->widget(0);
        m_sheet->removeTab(0);
        old->deleteLater();
    }
    m_built = {};
    for (PalettePage page : kPalettePages) {
        auto* scroll = new QScrollArea(m_sheet);
        // The page fills the visible area (its background answers right clicks everywhere) and is
        // never smaller than its buttons, which scroll when the bar is small.
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* widget = new PalettePageWidget(page, this, m_context);
        scroll->setWidget(widget);
        m_pages[size_t(page)] = widget;
        m_buttons[size_t(page)].clear();
        m_current[size_t(page)] = nullptr;
        m_delete[size_t(page)] = nullptr;
        m_sheet->addTab(scroll, tr(palettePageTitle(page)));
    }
    m_sheet->blockSignals(false);
}

void CPanelBar::tablesChanged()
{
    if (!m_context.types)
        return;
    // What each page had chosen, by type, so the new buttons can take it over; a page not yet
    // built keeps its table's initial choice.
    std::array<std::optional<PaletteItem>, 6> chosen;
    std::array<bool, 6> removeMode{};
    for (PalettePage page : kPalettePages) {
        const size_t i = size_t(page);
        if (!m_built[i])
            continue;
        if (m_current[i])
            chosen[i] = m_current[i]->item();
        else
            removeMode[i] = m_delete[i] != nullptr;
    }
    const PalettePage active = activePage();
    createPages();
    buildPage(PalettePage::Terrain);
    buildPage(active);
    refreshForOwner();
    for (PalettePage page : {PalettePage::Terrain, active}) {
        const size_t i = size_t(page);
        if (removeMode[i]) {
            selectButton(page, nullptr);
        } else if (chosen[i]) {
            for (CTypeButton* b : m_buttons[i])
                if (b->item().kind == chosen[i]->kind && b->item().id == chosen[i]->id)
                    selectButton(page, b);
        }
    }
    m_sheet->blockSignals(true);
    m_sheet->setCurrentIndex(int(active));
    m_sheet->blockSignals(false);
    // The rebuild is no choice of the designer's: the tool, the brush and the draw item stay as
    // they were (Rectangle Select stays Rectangle Select). Only a type the tables no longer hold
    // gives way to its page's choice.
    replaceMissingTypes();
    if (m_context.frame)
        m_context.frame->refreshDrawItem();
}

void CPanelBar::replaceMissingTypes()
{
    EditorState* state = m_context.state;
    const CTypeDatabase* types = m_context.types;
    if (!state || !types)
        return;
    for (PalettePage page :
         {PalettePage::Creatures, PalettePage::Doors, PalettePage::Traps, PalettePage::Objects}) {
        const ThingFamily family = *thingFamilyOf(page);
        const TypeKind kind = TypeKind(uint8_t(TypeKind::Creature) + uint8_t(family));
        const uint8_t id = state->currentType(family);
        if (id == 0 || types->table(*gr2::familyOfKind(kind)).findRecordById(id))
            continue;
        buildPage(page);
        const CTypeButton* current = m_current[size_t(page)];
        state->setCurrentType(family, current && current->item().kind == kind ? current->item().id : 0);
        if (m_context.frame && state->tool() == placingTool(family))
            m_context.frame->showDrawItem(kind, state->currentType(family));
    }
    if (!types->terrains().findById(state->slab())) {
        const CTypeButton* current = m_current[size_t(PalettePage::Terrain)];
        if (state->brushActive() && state->brush().isRoom())
            state->dropBrush();
        if (current) {
            state->SetDrawTerrain(current->item().id, m_drawingPlayer ? m_drawingPlayer() : 0);
            showDrawItem(TypeKind::Terrain, current->item().id);
        }
    }
}

PalettePage CPanelBar::activePage() const
{
    const int index = m_sheet->currentIndex();
    return index >= 0 && index < 6 ? kPalettePages[size_t(index)] : PalettePage::Terrain;
}

void CPanelBar::setActivePage(PalettePage page)
{
    m_sheet->setCurrentIndex(int(page));
}

QList<CTypeButton*> CPanelBar::buttons(PalettePage page) const
{
    const_cast<CPanelBar*>(this)->buildPage(page);
    return m_buttons[size_t(page)];
}

void CPanelBar::buildPage(PalettePage page)
{
    const size_t i = size_t(page);
    if (m_built[i] || !m_context.types || !m_pages[i])
        return;
    m_built[i] = true;
    QWidget* widget = m_pages[i];
    const PalettePageContents contents = buildPalettePage(*m_context.types, page);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int side = paletteButtonSide(screen ? screen->geometry().width() : 1024, page);
    QSize extent(0, 0);
    for (const PaletteItem& item : contents.items) {
        auto* button = new CTypeButton(m_context, item, widget);
        const PalettePoint at = palettePosition(page, item, side);
        button->setGeometry(at.x, at.y, side, side);
        if (m_context.types)
            if (auto family = gr2::familyOfKind(item.kind))
                if (const CTypeRecord* r = m_context.types->table(*family).findRecordById(item.id))
                    button->setText(QtText::fromField(r->name()));
        connect(button, &QAbstractButton::clicked, this, [this, button] { clickButton(button); });
        connect(button, &CTypeButton::editPropertiesRequested, this, &CPanelBar::editPropertiesRequested);
        button->setEditCheck([this](const PaletteItem& i) { return m_editCheck && m_editCheck(i); });
        // Built inside a page that may already be on screen: a child added to a shown widget
        // stays hidden until shown itself.
        button->show();
        m_buttons[i] << button;
        extent = extent.expandedTo(QSize(at.x + side + 7, at.y + side + 7));
    }
    if (const char* text = paletteDeleteText(page)) {
        auto* remove = new QPushButton(tr(text), widget);
        const PalettePoint at = paletteDeletePosition(contents, side);
        remove->setGeometry(at.x, at.y, 2 * side + 5, side);
        connect(remove, &QPushButton::clicked, this, [this, page] {
            selectButton(page, nullptr);
            if (auto family = thingFamilyOf(page); family && m_context.state) {
                m_context.state->selectTool(placingTool(*family));
                m_context.state->setCurrentType(*family, 0);
            }
        });
        remove->show();
        m_delete[i] = remove;
        extent = extent.expandedTo(QSize(at.x + 2 * side + 12, at.y + side + 7));
    }
    widget->setMinimumSize(extent);
    if (contents.initialSelection && *contents.initialSelection < size_t(m_buttons[i].size()))
        selectButton(page, m_buttons[i][int(*contents.initialSelection)]);
    // A page first shown while the view draws for the Good player shows its Good variants too.
    refreshForOwner();
}

void CPanelBar::selectButton(PalettePage page, CTypeButton* button)
{
    m_current[size_t(page)] = button;
    for (CTypeButton* b : m_buttons[size_t(page)])
        b->setSelected(b == button);
}

void CPanelBar::showDrawItem(TypeKind kind, uint8_t id)
{
    if (m_context.frame)
        m_context.frame->showDrawItem(kind, id);
}

bool CPanelBar::drawsForGood() const
{
    return m_drawingPlayer && m_drawingPlayer() == 1;
}

void CPanelBar::activatePage(PalettePage page)
{
    EditorState* state = m_context.state;
    if (!state)
        return;
    CTypeButton* current = m_current[size_t(page)];
    if (page == PalettePage::Terrain || page == PalettePage::Rooms) {
        if (!current)
            return;
        state->selectPaintToolUnlessShaping();
        state->SetDrawTerrain(current->item().id, m_drawingPlayer ? m_drawingPlayer() : 0);
        showDrawItem(TypeKind::Terrain, current->item().id);
        return;
    }
    auto family = thingFamilyOf(page);
    if (!family)
        return;
    state->selectTool(placingTool(*family));
    if (current) {
        const ThingFamily chosen = thingFamilyOfKind(current->item().kind);
        state->selectTool(placingTool(chosen));
        state->setCurrentType(chosen, current->item().id);
        showDrawItem(current->item().kind, current->item().id);
    } else {
        state->setCurrentType(*family, 0);
    }
}

void CPanelBar::clickButton(CTypeButton* button)
{
    EditorState* state = m_context.state;
    if (!state || !m_context.types)
        return;
    const PaletteItem item = button->item();
    const uint8_t player = m_drawingPlayer ? m_drawingPlayer() : 0;
    switch (item.kind) {
    case TypeKind::Terrain: {
        // The turn is decided before the tool changes: choosing Paint would drop the very brush a
        // second click on the gate means to turn.
        const bool turnGate =
            item.id == TerrainId::HeroGateSmall && state->slab() == item.id && state->brushActive();
        if (turnGate) {
            state->rotateRoomBrush();
        } else {
            state->selectPaintToolUnlessShaping();
            state->SetDrawTerrain(slabForOwner(item.id, drawsForGood()), player);
        }
        showDrawItem(TypeKind::Terrain, item.id);
        const bool room = m_context.types->roomWithFloor(item.id) != nullptr;
        selectButton(room ? PalettePage::Rooms : PalettePage::Terrain, button);
        break;
    }
    case TypeKind::Creature:
    case TypeKind::Door:
    case TypeKind::Trap:
    case TypeKind::Object: {
        const ThingFamily family = thingFamilyOfKind(item.kind);
        uint8_t id = item.id;
        if (drawsForGood()) {
            if (item.kind == TypeKind::Door)
                id = state->goodPairs().door(id, true);
            else if (item.kind == TypeKind::Trap)
                id = state->goodPairs().trap(id, true);
            if (id != item.id)
                button->setTypeId(id);
        }
        state->selectTool(placingTool(family));
        state->setCurrentType(family, id);
        showDrawItem(item.kind, id);
        const TypeKind host = item.kind == TypeKind::Object ? TypeKind(uint8_t(activePage()) + 2) : item.kind;
        selectButton(pageOfHost(host), button);
        if (item.kind == TypeKind::Creature)
            emit creatureTypeChosen(id);
        break;
    }
    default:
        break;
    }
}

void CPanelBar::repaintButtons()
{
    for (const QList<CTypeButton*>& page : m_buttons)
        for (CTypeButton* b : page)
            b->update();
}

void CPanelBar::refreshForOwner()
{
    const bool good = drawsForGood();
    const int variant = m_drawingPlayer && m_drawingPlayer() ? m_drawingPlayer() : 3;
    for (CTypeButton* b : m_buttons[size_t(PalettePage::Terrain)])
        b->setVariant(variant);
    for (CTypeButton* b : m_buttons[size_t(PalettePage::Rooms)])
        b->setTypeId(slabForOwner(b->item().id, good));
    if (m_context.state)
        for (CTypeButton* b : m_buttons[size_t(PalettePage::Doors)])
            if (b->item().kind == TypeKind::Door)
                b->setTypeId(m_context.state->goodPairs().door(b->item().id, good));
}

} // namespace gr2
