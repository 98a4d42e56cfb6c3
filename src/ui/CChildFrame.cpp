#include "ui/CChildFrame.h"

#include "document/LevelDocument.h"
#include "document/LevelFiles.h"
#include "level/CWorldEditorDoc.h"
#include "ui/CWorldEditorView.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace gr2 {

CChildFrame::CChildFrame(std::unique_ptr<LevelDocument> level, const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_level(std::move(level)), m_doc(&m_level->doc()), m_context(context)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_rows = new QSplitter(Qt::Vertical, this);
    m_rows->setChildrenCollapsible(false);
    layout->addWidget(m_rows);
    auto* row = new QSplitter(Qt::Horizontal, m_rows);
    row->setChildrenCollapsible(false);
    m_activeView = addView(row);
    setWindowTitle(documentTitle());
}

CChildFrame::~CChildFrame()
{
    // Views observe the document; they go before it.
    delete m_rows;
    m_views.clear();
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
    event->accept();
}

} // namespace gr2
