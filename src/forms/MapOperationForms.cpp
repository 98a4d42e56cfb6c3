#include "forms/MapOperationForms.h"

#include "app/NewLevelOptions.h"
#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelChoices.h"
#include "level/CCreature.h"
#include "level/CWorldEditorDoc.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

namespace Opt = NewLevelOptions;

constexpr uint8_t kAnchorColumns = 3;

FormRow sideRow(const char* label)
{
    FormRow row = integerRow(label, Opt::kMinSide, Opt::kMaxSide);
    row.spin = NumberRange{double(Opt::kSpinMin), double(Opt::kSpinMax)};
    row.rangeMessage = Opt::kRangeMessageFormat;
    return row;
}

/// The nine anchors as one value: row × 3 + column.
FieldAccess<ResizeRequest> anchorAccess()
{
    return integerAccess<ResizeRequest, uint8_t>(
        [](const ResizeRequest& r) { return uint8_t(r.anchorRow * kAnchorColumns + r.anchorColumn); },
        [](ResizeRequest& r, uint8_t v) {
            r.anchorColumn = uint8_t(v % kAnchorColumns);
            r.anchorRow = uint8_t(v / kAnchorColumns % kAnchorColumns);
        });
}

FieldAccess<ResetChoice> maskBit(uint32_t bit)
{
    return integerAccess<ResetChoice, uint8_t>(
        [bit](const ResetChoice& c) { return uint8_t((c.mask & bit) != 0); },
        [bit](ResetChoice& c, uint8_t on) { c.mask = on ? c.mask | bit : c.mask & ~bit; });
}

} // namespace

ResizeRequest initialResize(const CWorldEditorDoc& doc, const CTypeDatabase& types)
{
    ResizeRequest request;
    request.width = doc.width();
    request.height = doc.height();
    request.terrain = doc.baseTerrain();
    request.owner = Opt::ownerSelectable(types, request.terrain) ? doc.baseOwner() : PlayerId::Neutral;
    return request;
}

FormDescription<ResizeRequest> resizeMapForm(const CWorldEditorDoc& doc, const CTypeDatabase& types)
{
    FormDescription<ResizeRequest> form;
    form.caption = "Resize Map";
    form.add(sideRow("&Width:"), memberAccess(&ResizeRequest::width));
    form.add(sideRow("&Height:"), memberAccess(&ResizeRequest::height));

    ChoiceList anchors;
    for (int64_t i = 0; i < kAnchorColumns * kAnchorColumns; ++i)
        anchors.push_back({i, ""});
    const size_t anchor = form.add(radioRow("Center Image", FormChoices::fixed(anchors)), anchorAccess());
    form.row(anchor).optionColumns = kAnchorColumns;

    const std::vector<uint8_t> offered = Opt::baseTerrains(types);
    const ChoiceList terrains =
        FormChoices::typesOf(types.terrains(), false, [&offered](const CTypeRecord& t) {
            return std::find(offered.begin(), offered.end(), t.id()) != offered.end();
        });
    const size_t terrain = form.add(typeListRow("&Base Terrain Type:", FormChoices::fixed(terrains)),
                                    memberAccess(&ResizeRequest::terrain));
    const size_t owner = form.add(
        listRow("Base &Owner:", ControlKind::PlayerList, FormChoices::fixed(LevelChoices::players(doc))),
        memberAccess(&ResizeRequest::owner));
    const CTypeDatabase* database = &types;
    auto ownable = [database, terrain](const FormState& s) {
        return Opt::ownerSelectable(*database, uint8_t(s.value(terrain)));
    };
    // Terrain nobody can own belongs to the Neutral player: choosing it sets the owner, greyed.
    form.row(terrain).onEdit = [ownable, owner](FormState& s) {
        if (!ownable(s))
            s.assign(owner, PlayerId::Neutral);
    };
    form.row(owner).enabled = ownable;
    form.row(owner).whenInactive = InactiveRule::StoreShown;
    return form;
}

Turn RotateChoice::turn() const
{
    if (angle == kHalf)
        return Turn::Half;
    return direction == kLeft ? Turn::Left : Turn::Right;
}

FormDescription<RotateChoice> rotateMapForm()
{
    FormDescription<RotateChoice> form;
    form.caption = "Rotate Map";
    form.add(radioRow("Angle",
                      FormChoices::fixed({{RotateChoice::kQuarter, "&90 "}, {RotateChoice::kHalf, "&180"}})),
             memberAccess(&RotateChoice::angle));
    form.add(radioRow("Direction",
                      FormChoices::fixed({{RotateChoice::kRight, "&Right"}, {RotateChoice::kLeft, "&Left"}})),
             memberAccess(&RotateChoice::direction));
    return form;
}

ResetChoice initialReset()
{
    return ResetChoice{ResetMask::Health | ResetMask::Gold | ResetMask::Objective | ResetMask::Mood |
                       ResetMask::Level};
}

FormDescription<ResetChoice> resetCreaturesForm()
{
    FormDescription<ResetChoice> form;
    form.caption = "Reset Creature Properties";
    const std::pair<const char*, uint32_t> boxes[] = {{"&Health", ResetMask::Health},
                                                      {"&Gold Held", ResetMask::Gold},
                                                      {"&Objective", ResetMask::Objective},
                                                      {"&Mood", ResetMask::Mood},
                                                      {"&Level", ResetMask::Level}};
    for (const auto& [label, bit] : boxes) {
        const size_t row = form.add(flagRow(label), maskBit(bit));
        form.row(row).group = "Reset...";
    }
    return form;
}

} // namespace gr2
