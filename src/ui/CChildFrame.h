#pragma once
// The window of one open level inside the main frame's document area. It owns the level document
// and shows it in up to 2 × 2 map views (a splitter of splitters); every view observes the same
// document.

#include "ui/ViewContext.h"

#include <QWidget>

#include <functional>
#include <memory>

class QSplitter;

namespace gr2 {

class CWorldEditorDoc;
class CWorldEditorView;

class CChildFrame : public QWidget {
    Q_OBJECT
public:
    CChildFrame(std::unique_ptr<CWorldEditorDoc> doc, const ViewContext& context, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CWorldEditorDoc& document() const { return *m_doc; }
    QString documentTitle() const;
    bool isDocumentModified() const;
    /// The view that last had the focus.
    CWorldEditorView* activeView() const;
    QList<CWorldEditorView*> views() const { return m_views; }
    /// Splits into two columns and two rows of views (the 2 × 2 limit); again joins them to one.
    void toggleSplit();

    /// Asked before the window closes: answers whether it may (the level's save question).
    void setCloseQuestion(std::function<bool(CChildFrame&)> question) { m_closeQuestion = std::move(question); }

signals:
    void titleOrModifiedChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CWorldEditorView* addView(QSplitter* into);

    std::unique_ptr<CWorldEditorDoc> m_doc;
    ViewContext m_context;
    QSplitter* m_rows = nullptr;
    QList<CWorldEditorView*> m_views;
    CWorldEditorView* m_activeView = nullptr;
    std::function<bool(CChildFrame&)> m_closeQuestion;
};

} // namespace gr2
