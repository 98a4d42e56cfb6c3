#include "forms/TypeEditorForms.h"

namespace gr2 {

bool hasTypeEditor(TypeFamily family)
{
    return family == TypeFamily::Door || family == TypeFamily::Trap || family == TypeFamily::Object;
}

std::optional<FormDescription<CTypeRecord>> typeEditorForm(TypeFamily family, const CTypeDatabase& types)
{
    switch (family) {
    case TypeFamily::Door:
        return doorTypeForm(types);
    case TypeFamily::Trap:
        return trapTypeForm(types);
    case TypeFamily::Object:
        return objectTypeForm(types);
    default:
        return std::nullopt;
    }
}

} // namespace gr2
