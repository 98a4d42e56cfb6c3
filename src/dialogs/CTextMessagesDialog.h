#pragma once
// "Edit Action Text Messages": the twenty texts that Display Text String actions show. The
// message list picks the text the field shows; OK (and the close box) writes them into the level,
// Cancel leaves the level as it was.

#include "forms/TextMessagesEdit.h"

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace gr2 {

class CWorldEditorDoc;
class Prompter;

class CTextMessagesDialog : public QDialog {
    Q_OBJECT
public:
    CTextMessagesDialog(CWorldEditorDoc& doc, Prompter& prompter, QWidget* parent = nullptr);

    QComboBox* messageList() const { return m_list; }
    QPlainTextEdit* textField() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    void accept() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void choose(int index);

    CWorldEditorDoc& m_doc;
    Prompter& m_prompter;
    TextMessagesEdit m_edit;
    QComboBox* m_list = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace gr2
