#pragma once
// What every map view and the palette reach of the application: the type tables, the icon sheets,
// the editing state all views share, the main frame whose panes they fill, and the printer that
// Print Setup chose.

namespace gr2 {

class CMainFrame;
class CTypeDatabase;
class Prompter;
class EditorState;
class IconSheets;
class SharedPrinter;

struct ViewContext {
    const CTypeDatabase* types = nullptr;
    const IconSheets* icons = nullptr;
    EditorState* state = nullptr;
    CMainFrame* frame = nullptr;
    SharedPrinter* printer = nullptr;
    /// Asks and tells the user (dialogs' refusals, operations' reports).
    Prompter* prompter = nullptr;
};

} // namespace gr2
