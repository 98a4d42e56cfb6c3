#pragma once
// "Modify Light Properties": the editor of the 24-byte light descriptor that object, creature,
// shot and effect records carry, opened by their "Light..." buttons on a copy of the descriptor.

#include "forms/Form.h"

#include <memory>

namespace gr2 {

FormDescription<Bytes> lightForm();
/// The one table the "Light..." rows of every editor open.
std::shared_ptr<const FormDescription<Bytes>> sharedLightForm();

} // namespace gr2
