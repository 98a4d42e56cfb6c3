#pragma once
// One user action on a level, as one step of its history: everything the document changes while
// an EditStep is alive becomes one undoable step named for the user ("Paste", "Flood Fill").
// Steps nest: an inner step joins the outermost one, so a command built from other commands is
// still one step. A step that changed nothing leaves no trace.
//
//     EditStep step(doc, "Delete Trigger");
//     ... document operations ...
//     // the step closes when it goes out of scope (or at step.commit())

#include <string>

namespace gr2 {

class CWorldEditorDoc;

class EditStep {
public:
    EditStep(CWorldEditorDoc& doc, std::string name);
    ~EditStep() { commit(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

    /// Closes the step now; later changes are not part of it.
    void commit();
    const std::string& name() const { return m_name; }

private:
    CWorldEditorDoc* m_doc;
    std::string m_name;
};

} // namespace gr2
