#include "forms/MarkerForms.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelChoices.h"
#include "level/CActionPoint.h"
#include "level/CEffectGenerator.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "script/ScriptTreeCommands.h"
#include "script/ScriptTreeTexts.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

std::string onePlaced(TilePoint p)
{
    return std::to_string(int64_t(p.x) + 1) + ", " + std::to_string(int64_t(p.y) + 1);
}

} // namespace

FormDescription<ActionPointEdit> actionPointForm(const CActionPoint& point, ActionPointRows* rowsOut)
{
    FormDescription<ActionPointEdit> d;
    ActionPointRows r{};
    const TileRect& area = point.area();
    d.caption = "Edit Action Point [ " + onePlaced({area.left, area.top}) + " ] - [ " +
                onePlaced({area.right, area.bottom}) + " ]";
    r.id = d.add(integerRow("Action Point ID:"), memberAccess(&ActionPointEdit::id));
    d.row(r.id).enabled = never();
    r.waitDelay = d.add(integerRow("Wait &Delay:", 0, CActionPoint::kMaxWaitDelay),
                        memberAccess(&ActionPointEdit::waitDelay));
    ChoiceList next = {{0, FormChoices::kNone}};
    for (const Choice& c : LevelChoices::actionPoints(*point.document(), point.id()))
        next.push_back(c);
    const bool alone = next.size() == 1;
    r.nextWaypoint = d.add(choiceRow("Next &Waypoint:", FormChoices::fixed(next)),
                           memberAccess(&ActionPointEdit::nextWaypoint));
    if (alone)
        d.row(r.nextWaypoint).enabled = never();
    r.reveal = d.add(flagRow("&Reveal Through Fog Of War"), memberAccess(&ActionPointEdit::reveal));
    r.heroLair = d.add(flagRow("Hero &Lair"), memberAccess(&ActionPointEdit::heroLair));
    r.toolBox = d.add(flagRow("&Tool Box"), memberAccess(&ActionPointEdit::toolBox));
    r.ignoreSolid = d.add(flagRow("&Ignore Solid"), memberAccess(&ActionPointEdit::ignoreSolid));
    if (rowsOut)
        *rowsOut = r;
    return d;
}

ActionPointEdit readActionPoint(const CActionPoint& point)
{
    ActionPointEdit e;
    e.id = point.id();
    e.waitDelay = point.waitDelay();
    e.nextWaypoint = point.nextWaypoint();
    e.reveal = point.hasFlag(ActionPointFlag::RevealThroughFog);
    e.heroLair = point.hasFlag(ActionPointFlag::HeroLair);
    e.toolBox = point.hasFlag(ActionPointFlag::ToolBox);
    e.ignoreSolid = point.hasFlag(ActionPointFlag::IgnoreSolid);
    return e;
}

void writeActionPoint(CActionPoint& point, const ActionPointEdit& edit)
{
    point.setWaitDelay(edit.waitDelay);
    point.setFlag(ActionPointFlag::RevealThroughFog, edit.reveal);
    point.setFlag(ActionPointFlag::HeroLair, edit.heroLair);
    point.setFlag(ActionPointFlag::ToolBox, edit.toolBox);
    point.setFlag(ActionPointFlag::IgnoreSolid, edit.ignoreSolid);
    const bool pathChanged = point.nextWaypoint() != edit.nextWaypoint;
    point.setNextWaypoint(edit.nextWaypoint);
    if (CWorldEditorDoc* doc = point.document()) {
        doc->notifyObjectChanged(point);
        if (pathChanged)
            doc->notifyWaypointsChanged();
    }
}

std::unique_ptr<ThingSession> actionPointSession(CWorldEditorDoc& doc, CActionPoint& point)
{
    CActionPoint* target = &point;
    return std::make_unique<ThingEditSession<ActionPointEdit>>(
        doc, treeCommandName(TreeCommand::EditActionPointProperties), actionPointForm(point),
        readActionPoint(point), [target](const ActionPointEdit& e) { writeActionPoint(*target, e); });
}

FormDescription<EffectGeneratorEdit> effectGeneratorForm(const CEffectGenerator& generator,
                                                         const CTypeDatabase& types,
                                                         EffectGeneratorRows* rowsOut)
{
    FormDescription<EffectGeneratorEdit> d;
    EffectGeneratorRows r{};
    const CWorldEditorDoc& doc = *generator.document();
    d.caption = "Edit Effect Generator [ " + onePlaced(generator.position()) + " - " +
                onePlaced({generator.x() + generator.width(), generator.y() + generator.height()}) + " ]";
    r.id = d.add(integerRow("Generator ID:"), memberAccess(&EffectGeneratorEdit::id));
    d.row(r.id).enabled = never();
    r.frequency = d.add(integerRow("&Frequency:", 0, 255), memberAccess(&EffectGeneratorEdit::frequency));

    // The other generators, each by its text in the script tree.
    ChoiceList others;
    const LevelScript* script = LevelScript::of(doc);
    std::unique_ptr<ScriptTreeTexts> texts = script ? std::make_unique<ScriptTreeTexts>(doc, types) : nullptr;
    for (const auto& g : doc.effectGenerators())
        if (g.get() != &generator)
            others.push_back(
                {g->id(), texts ? utf16ToUtf8(texts->textOf(TreeItemKind::EffectGenerator, g.get(), 0))
                                : "Effect Generator " + std::to_string(unsigned(g->id()))});
    ChoiceList sources = {{int64_t(EffectSource::UseEffects), "Use Effects:"}};
    if (!others.empty())
        sources.push_back({int64_t(EffectSource::SameAs), "Same As:"});
    r.source = d.add(radioRow("", FormChoices::fixed(sources)), memberAccess(&EffectGeneratorEdit::source));
    r.sameAs = d.add(choiceRow("", FormChoices::fixed(others)), memberAccess(&EffectGeneratorEdit::sameAs));
    const size_t sourceRow = r.source;
    const FormRule sameAs = [sourceRow](const FormState& s) {
        return s.value(sourceRow) == int64_t(EffectSource::SameAs);
    };
    d.row(r.sameAs).enabled = sameAs;
    if (others.empty())
        d.row(r.sameAs).visible = never();
    const ChoiceList effects = FormChoices::effects(types);
    static const char* const kLabels[] = {"&0:", "&1:", "&2:", "&3:"};
    for (size_t i = 0; i < 4; ++i) {
        FieldAccess<EffectGeneratorEdit> access = integerAccess<EffectGeneratorEdit, uint16_t>(
            [i](const EffectGeneratorEdit& e) { return e.effects[i]; },
            [i](EffectGeneratorEdit& e, uint16_t v) { e.effects[i] = v; });
        r.effects[i] = d.add(typeListRow(kLabels[i], FormChoices::fixed(effects)), std::move(access));
        d.row(r.effects[i]).enabled = isNot(sameAs);
        // Copied from another generator while greyed: stored as shown.
        d.row(r.effects[i]).whenInactive = InactiveRule::StoreShown;
    }
    const CWorldEditorDoc* level = &doc;
    const size_t sameAsRow = r.sameAs;
    const std::array<size_t, 4> effectRows = r.effects;
    auto copyEffects = [level, sameAsRow, effectRows](FormState& s) {
        if (const CEffectGenerator* source = level->FindEffectGenerator(uint8_t(s.value(sameAsRow))))
            for (size_t i = 0; i < 4; ++i)
                s.assign(effectRows[i], source->effect(i));
    };
    d.row(r.sameAs).onEdit = copyEffects;
    d.row(r.source).onEdit = [sourceRow, copyEffects](FormState& s) {
        if (s.value(sourceRow) == int64_t(EffectSource::SameAs))
            copyEffects(s);
    };
    if (rowsOut)
        *rowsOut = r;
    return d;
}

EffectGeneratorEdit readEffectGenerator(const CEffectGenerator& generator)
{
    EffectGeneratorEdit e;
    e.id = generator.id();
    e.frequency = generator.frequency();
    for (size_t i = 0; i < 4; ++i)
        e.effects[i] = generator.effect(i);
    if (const CWorldEditorDoc* doc = generator.document())
        for (const auto& g : doc->effectGenerators())
            if (g.get() != &generator) {
                e.sameAs = g->id();
                break;
            }
    return e;
}

void writeEffectGenerator(CEffectGenerator& generator, const EffectGeneratorEdit& edit)
{
    generator.setFrequency(edit.frequency);
    for (size_t i = 0; i < 4; ++i)
        generator.setEffect(i, edit.effects[i]);
    if (CWorldEditorDoc* doc = generator.document())
        doc->notifyObjectChanged(generator);
}

std::unique_ptr<ThingSession> effectGeneratorSession(CWorldEditorDoc& doc, CEffectGenerator& generator,
                                                     const CTypeDatabase& types)
{
    CEffectGenerator* target = &generator;
    return std::make_unique<ThingEditSession<EffectGeneratorEdit>>(
        doc, treeCommandName(TreeCommand::EditEffectGeneratorProperties),
        effectGeneratorForm(generator, types), readEffectGenerator(generator),
        [target](const EffectGeneratorEdit& e) { writeEffectGenerator(*target, e); });
}

} // namespace gr2
