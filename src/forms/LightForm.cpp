#include "forms/LightForm.h"

#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "stats/LightDescriptor.h"

namespace gr2 {

FormDescription<Bytes> lightForm()
{
    namespace L = LightField;
    FormDescription<Bytes> form;
    form.caption = "Modify Light Properties";
    // The position has no range of its own: any value the descriptor can hold is taken, and the
    // spin steps over the usual span.
    for (auto [label, field] : {std::pair{"X:", L::X}, std::pair{"Y:", L::Y}, std::pair{"Z:", L::Z}}) {
        const size_t row = form.add(realRow(label), blockField(field));
        form.row(row).spin = NumberRange{0, 10000};
    }
    form.add(realRow("Radius:", 0, 2.5), blockField(L::Radius));
    form.add(integerRow("Red:", 0, 511), blockNinthBitValue(L::Red, L::Flags, LightFlag::RedNinthBit));
    form.add(integerRow("Green:", 0, 511), blockNinthBitValue(L::Green, L::Flags, LightFlag::GreenNinthBit));
    form.add(integerRow("Blue:", 0, 511), blockNinthBitValue(L::Blue, L::Flags, LightFlag::BlueNinthBit));
    form.add(flagRow("Flicker"), blockFlag(L::Flags, LightFlag::Flicker));
    form.add(flagRow("Pulse"), blockFlag(L::Flags, LightFlag::Pulse));
    form.add(flagRow("Player Coloured"), blockFlag(L::Flags, LightFlag::PlayerColoured));
    return form;
}

std::shared_ptr<const FormDescription<Bytes>> sharedLightForm()
{
    static const auto form = std::make_shared<const FormDescription<Bytes>>(lightForm());
    return form;
}

} // namespace gr2
