#pragma once
// The small modeless prompt a level shows while the user picks things elsewhere (the members of a
// hero party in the palette): a title, what to do, the list of what was picked so far in one or
// two columns of eight lines, and "Finished" and "Cancel". The close box acts as "Finished". It
// only collects the answer; its owner carries it out.

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace gr2 {

class CPlacementPrompt : public QDialog {
    Q_OBJECT
public:
    explicit CPlacementPrompt(QWidget* parent = nullptr);

    /// Shows the prompt with its texts and an empty list.
    void open(const QString& title, const QString& prompt);
    /// The lines picked so far, laid out in columns.
    void setLines(const std::vector<std::u16string>& lines);

    QLabel* promptLabel() const { return m_prompt; }
    QLabel* leftColumn() const { return m_left; }
    QLabel* rightColumn() const { return m_right; }
    QPushButton* finishedButton() const { return m_finished; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    /// "Finished" (or the close box): true; "Cancel": false. The prompt is hidden already.
    void completed(bool finished);

protected:
    void closeEvent(QCloseEvent* event) override;
    /// Escape is "Cancel".
    void reject() override;

private:
    void complete(bool finished);

    QLabel* m_prompt = nullptr;
    QLabel* m_left = nullptr;
    QLabel* m_right = nullptr;
    QPushButton* m_finished = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace gr2
