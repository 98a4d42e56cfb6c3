#pragma once
// "Create New GR2 Level": the name, size, base terrain and base owner of a new level. One dialog
// lives as long as the application, so it keeps the last size and choices between New commands;
// each opening proposes the next "GR2Level%u" name.

#include "level/CWorldEditorDoc.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace gr2 {

class CTypeDatabase;
class Prompter;

class CNewLevelDialog : public QDialog {
    Q_OBJECT
public:
    CNewLevelDialog(const CTypeDatabase& types, Prompter& prompter, QWidget* parent = nullptr);

    /// What every opening does before the dialog shows: the next proposed name, the terrain list
    /// from the current type tables (keeping the last choice when it is still offered).
    void prepare();
    /// Prepares and runs the dialog; the new level's settings on "OK".
    std::optional<NewLevelSettings> run();
    /// The values the dialog shows now.
    NewLevelSettings settings() const;
    unsigned counter() const { return m_counter; }

    QLineEdit* nameEdit() const { return m_name; }
    QSpinBox* widthBox() const { return m_width; }
    QSpinBox* heightBox() const { return m_height; }
    QComboBox* terrainBox() const { return m_terrain; }
    QComboBox* ownerBox() const { return m_owner; }

public slots:
    /// Refuses a size outside 7 to 128 or an empty name with its message, the focus on the field.
    void accept() override;

protected:
    /// The close box acts as "OK".
    void closeEvent(QCloseEvent* event) override;

private:
    void terrainChosen();

    const CTypeDatabase& m_types;
    Prompter& m_prompter;
    unsigned m_counter = 0;
    QLineEdit* m_name = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QComboBox* m_terrain = nullptr;
    QComboBox* m_owner = nullptr;
    QLabel* m_ownerLabel = nullptr;
};

} // namespace gr2
