#pragma once
// "Find" for the script tree: a small modeless dialog with the text to look for and the direction
// (up or down the tree). Each "Find Next" asks the tree for the next item whose text contains the
// search text, whatever its case; F3 repeats it. Nothing is modal: a search that finds nothing is
// told in the status bar.

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gr2 {

class CTreeFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit CTreeFindDialog(QWidget* parent = nullptr);

    QString text() const;
    bool searchesDown() const;
    QLineEdit* textEdit() const { return m_text; }
    QPushButton* findNextButton() const { return m_findNext; }
    QRadioButton* upButton() const { return m_up; }
    QRadioButton* downButton() const { return m_down; }

signals:
    void findNextRequested(const QString& text, bool down);

public slots:
    /// "Find Next" (and F3): asks for the next match when there is text to look for.
    void findNext();

private:
    QLineEdit* m_text = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_findNext = nullptr;
};

} // namespace gr2
