#include "forms/CreatureTypeForm.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LightForm.h"
#include "forms/RecordFields.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>

namespace gr2 {

namespace {

namespace C = CreatureField;

namespace Field {
using CreatureField::named;
inline constexpr TypeField ExperienceForNextLevel = named("experienceForNextLevel", 3840);
inline constexpr TypeField ExperiencePerSecond = named("experiencePerSecond", 3844);
inline constexpr TypeField ExperienceFromTraining = named("experienceFromTraining", 3846);
inline constexpr TypeField ResearchPoints = named("researchPoints", 3848);
inline constexpr TypeField ManufacturePoints = named("manufacturePoints", 3850);
inline constexpr TypeField Height = named("height", 3748);
inline constexpr TypeField EyeHeight = named("eyeHeight", 3760);
inline constexpr TypeField HealthFromChicken = named("healthFromChicken", 3854);
inline constexpr TypeField Threat = named("threat", 3858);
inline constexpr TypeField ManaGeneratedByPrayer = named("manaGeneratedByPrayer", 3864);
inline constexpr TypeField Pay = named("pay", 3868);
inline constexpr TypeField RunSpeed = named("runSpeed", 3768);
inline constexpr TypeField ShuffleSpeed = named("shuffleSpeed", 3383);
inline constexpr TypeField DistanceCanSee = named("distanceCanSee", 3784);
inline constexpr TypeField DistanceCanHear = named("distanceCanHear", 3788);
inline constexpr TypeField SlapDamage = named("slapDamage", 3862);
inline constexpr TypeField HungerRate = named("hungerRate", 3772);
inline constexpr TypeField HungerFill = named("hungerFill", 3918);
inline constexpr TypeField TimeAwake = named("timeAwake", 3776);
inline constexpr TypeField SleepDuration = named("sleepDuration", 3780);
inline constexpr TypeField MoodUnhappyThreshold = named("moodUnhappyThreshold", 3919);
inline constexpr TypeField DecomposeValue = named("decomposeValue", 3874);
inline constexpr TypeField AngerNoLair = named("angerNoLair", 3880);
inline constexpr TypeField AngerNoFood = named("angerNoFood", 3882);
inline constexpr TypeField AngerNoPay = named("angerNoPay", 3884);
inline constexpr TypeField AngerNoWork = named("angerNoWork", 3886);
inline constexpr TypeField AngerSlap = named("angerSlap", 3888);
inline constexpr TypeField AngerInHand = named("angerInHand", 3890);
inline constexpr TypeField TortureTimeToConvert = named("tortureTimeToConvert", 3828);
inline constexpr TypeField StunDuration = named("stunDuration", 3792);
inline constexpr TypeField GuardDuration = named("guardDuration", 3796);
inline constexpr TypeField IdleDuration = named("idleDuration", 3800);
inline constexpr TypeField SlapFearlessDuration = named("slapFearlessDuration", 3804);
inline constexpr TypeField PossessionManaCost = named("possessionManaCost", 3816);
inline constexpr TypeField OwnLandHealthIncrease = named("ownLandHealthIncrease", 3818);
inline constexpr TypeField TortureHealthChange = named("tortureHealthChange", 4223);
inline constexpr TypeField TortureMoodChange = named("tortureMoodChange", 4225);
inline constexpr TypeField PerceptionRange = named("perceptionRange", 3329);

inline constexpr TypeField LairObject = named("lairObject", 3922);
inline constexpr TypeField SlapEffect = named("slapEffect", 3902);
inline constexpr TypeField HealthEffect = named("healthEffect", 3325);
inline constexpr TypeField EntranceEffect = named("entranceEffect", 3894);
inline constexpr TypeField DeathEffect = named("deathEffect", 3904);
inline constexpr TypeField ArmourType = named("armourType", 3958);

inline constexpr TypeField MeleeDamageKind = named("meleeDamageKind", 3920);
inline constexpr TypeField MeleeRechargeTime = named("meleeRechargeTime", 3832);
inline constexpr TypeField MeleeRange = named("meleeRange", 3820);
inline constexpr TypeField MeleeDamage = named("meleeDamage", 3860);
inline constexpr TypeField MeleeShotDelay = named("meleeShotDelay", 3321);

inline constexpr TypeField GammaEffect = named("gammaEffect", 3388);
inline constexpr TypeField SwipeMelee1 = named("swipeMelee1", 3906);
inline constexpr TypeField SwipeMelee2 = named("swipeMelee2", 3907);
inline constexpr TypeField SwipeSpecial1 = named("swipeSpecial1", 4133);
inline constexpr TypeField SwipeSpecial2 = named("swipeSpecial2", 4134);
inline constexpr TypeField SwipeSpell = named("swipeSpell", 3909);

struct SpellFields {
    TypeField type, level, shotDelay, offsetX, offsetY, offsetZ;
};
inline constexpr SpellFields Spells[] = {
    {named("spell1Type", 3546), named("spell1Level", 3547), named("spell1ShotDelay", 3540),
     named("spell1ShotOffsetX", 3524), named("spell1ShotOffsetY", 3528), named("spell1ShotOffsetZ", 3532)},
    {named("spell2Type", 3570), named("spell2Level", 3571), named("spell2ShotDelay", 3564),
     named("spell2ShotOffsetX", 3548), named("spell2ShotOffsetY", 3552), named("spell2ShotOffsetZ", 3556)},
    {named("spell3Type", 3594), named("spell3Level", 3595), named("spell3ShotDelay", 3588),
     named("spell3ShotOffsetX", 3572), named("spell3ShotOffsetY", 3576), named("spell3ShotOffsetZ", 3580)},
};

struct ResistanceFields {
    TypeField kind, percent;
};
inline constexpr ResistanceFields Resistances[] = {
    {named("resistance1Kind", 3596), named("resistance1Percent", 3597)},
    {named("resistance2Kind", 3598), named("resistance2Percent", 3599)},
    {named("resistance3Kind", 3600), named("resistance3Percent", 3601)},
    {named("resistance4Kind", 3602), named("resistance4Percent", 3603)},
};

struct JobFields {
    TypeField job, mood, mana, chance;
};
inline constexpr JobFields HappyJobs[] = {
    {named("happyJob1", 3604), named("happyJob1Mood", 3608), named("happyJob1Mana", 3610),
     named("happyJob1Chance", 3612)},
    {named("happyJob2", 3616), named("happyJob2Mood", 3620), named("happyJob2Mana", 3622),
     named("happyJob2Chance", 3624)},
    {named("happyJob3", 3628), named("happyJob3Mood", 3632), named("happyJob3Mana", 3634),
     named("happyJob3Chance", 3636)},
};
inline constexpr JobFields UnhappyJobs[] = {
    {named("unhappyJob1", 3640), named("unhappyJob1Mood", 3644), named("unhappyJob1Mana", 3646),
     named("unhappyJob1Chance", 3648)},
    {named("unhappyJob2", 3652), named("unhappyJob2Mood", 3656), named("unhappyJob2Mana", 3658),
     named("unhappyJob2Chance", 3660)},
};
inline constexpr JobFields AngryJobs[] = {
    {named("angryJob1", 3664), named("angryJob1Mood", 3668), named("angryJob1Mana", 3670),
     named("angryJob1Chance", 3672)},
    {named("angryJob2", 3676), named("angryJob2Mood", 3680), named("angryJob2Mana", 3682),
     named("angryJob2Chance", 3684)},
    {named("angryJob3", 3688), named("angryJob3Mood", 3692), named("angryJob3Mana", 3694),
     named("angryJob3Chance", 3696)},
};
struct AlternativeJobFields {
    TypeField job, mood, mana;
};
inline constexpr AlternativeJobFields AlternativeJobs[] = {
    {named("alternativeJob1", 3708), named("alternativeJob1Mood", 3712), named("alternativeJob1Mana", 3714)},
    {named("alternativeJob2", 3716), named("alternativeJob2Mood", 3720), named("alternativeJob2Mana", 3722)},
    {named("alternativeJob3", 3724), named("alternativeJob3Mood", 3728), named("alternativeJob3Mana", 3730)},
};
} // namespace Field

namespace Bit1 {
inline constexpr int CanBePickedUp = 1;
inline constexpr int CanBeSlapped = 2;
inline constexpr int AlwaysFlee = 3;
inline constexpr int CanWalkOnWater = 4;
inline constexpr int CanWalkOnLava = 5;
inline constexpr int CanDisarmTraps = 6;
inline constexpr int ImmuneToTurncoat = 9;
inline constexpr int CanFly = 13;
inline constexpr int GenerateDeadBody = 15;
inline constexpr int CanBeHypnotised = 16;
inline constexpr int ImmuneToChicken = 17;
inline constexpr int Fearless = 18;
inline constexpr int CanBeElectrocuted = 19;
inline constexpr int NeedBodyForFightIdle = 20;
inline constexpr int DoesNotTrainWhenIdle = 21;
inline constexpr int OnlyAttackableByVidad = 22;
inline constexpr int CanBeResurrected = 23;
inline constexpr int NotAngryWithEnemies = 24;
inline constexpr int FreesFriendsOnJailBreak = 25;
inline constexpr int RevealsAdjacentTraps = 26;
} // namespace Bit1

/// What the one value field accepts for any attribute; each attribute narrows it to what its
/// field holds, so an unsigned field never takes a negative value.
constexpr NumberRange kValueRange{-32767, 32767};

/// A single element of an array field, as a field of its own (sub-forms name fields this way).
FieldDef elementOf(TypeField field, size_t element = 0)
{
    FieldDef def = field.def();
    def.offset = def.elementOffset(element);
    def.count = 1;
    return def;
}

FieldAccess<Bytes> blockElement(TypeField field, size_t element = 0)
{
    return blockField(elementOf(field, element));
}

/// A shot offset: a component above 4.0 is stored as 0.
FieldAccess<Bytes> shotOffset(TypeField field)
{
    FieldAccess<Bytes> access = blockElement(field);
    const auto write = access.write;
    access.write = [write](Bytes& block, const FieldValue& value) {
        const double number =
            std::holds_alternative<double>(value) ? std::get<double>(value) : double(integerOf(value));
        write(block, number > 4.0 ? FieldValue(0.0) : value);
    };
    return access;
}

/// A sub-editor's working copy: the whole record as the editor shows it; storing writes back only
/// the fields the sub-editor's rows cover, so sub-editors and the editor's own rows never
/// overwrite each other.
FieldAccess<CTypeRecord> recordCopyFor(const FormDescription<Bytes>& sub)
{
    FieldAccess<CTypeRecord> access;
    for (const FieldAccess<Bytes>& f : sub.fields)
        access.footprint.insert(access.footprint.end(), f.footprint.begin(), f.footprint.end());
    access.read = [](const CTypeRecord& r) { return FieldValue(Bytes(r.bytes().begin(), r.bytes().end())); };
    access.write = [footprint = access.footprint](CTypeRecord& r, const FieldValue& v) {
        const auto* block = std::get_if<Bytes>(&v);
        if (!block)
            return;
        for (const FieldFootprint& part : footprint) {
            const std::optional<FieldRef> ref = findFieldAt(r.layout(), part.offset);
            if (!ref)
                continue;
            int64_t value = getIntField(*block, *ref->field, ref->element);
            if (part.bits != 0) {
                const int64_t kept = r.intValue(*ref->field, ref->element) & ~int64_t(part.bits);
                value = kept | (value & int64_t(part.bits));
            }
            r.setIntValue(*ref->field, value, ref->element);
        }
    };
    return access;
}

/// "Modify ... For " followed by the creature's name in double quotes.
std::function<std::string(const Bytes&)> captionWithName(std::string prefix)
{
    return [prefix = std::move(prefix)](const Bytes& block) {
        return prefix + "\"" + getTextField(block, C::Name.def()) + "\"";
    };
}

void addSubEditor(FormDescription<CTypeRecord>& form, const char* label, FormDescription<Bytes> sub,
                  std::string captionPrefix)
{
    FieldAccess<CTypeRecord> copy = recordCopyFor(sub);
    const size_t row = form.add(subFormRow(label, std::make_shared<FormDescription<Bytes>>(std::move(sub))),
                                std::move(copy));
    form.row(row).subFormCaption = captionWithName(std::move(captionPrefix));
}

/// The torture time is a real holding a whole number; only the low eight bits of the entry are kept.
FieldAccess<CTypeRecord> tortureTime()
{
    FieldAccess<CTypeRecord> access = recordField(Field::TortureTimeToConvert);
    access.traits = integerTraits<int16_t>();
    access.traits.capacity.low = 0;
    access.traits.isUnsigned = true;
    access.read = [](const CTypeRecord& r) {
        return FieldValue(int64_t(r.realValue(Field::TortureTimeToConvert)));
    };
    access.write = [](CTypeRecord& r, const FieldValue& v) {
        r.setRealValue(Field::TortureTimeToConvert, double(integerOf(v) & 0xFF));
    };
    return access;
}

/// The attribute chooser itself: it shows which attribute the value field edits and stores nothing.
/// "Train When Idle" is checked while bit 21 of the first flag word is clear.
FieldAccess<CTypeRecord> invertedFlag(TypeField flags, int bit)
{
    FieldAccess<CTypeRecord> access = recordFlag(flags, bit);
    const auto read = access.read;
    const auto write = access.write;
    access.read = [read](const CTypeRecord& r) { return FieldValue(1 - integerOf(read(r))); };
    access.write = [write](CTypeRecord& r, const FieldValue& v) {
        write(r, FieldValue(int64_t(integerOf(v) ? 0 : 1)));
    };
    return access;
}

/// An attraction's room: the low 16 bits of its value. The first attraction is stored with the
/// amount 0; the second keeps its amount in the high 16 bits.
FieldAccess<CTypeRecord> attractionRoom(TypeField value, bool clearsAmount)
{
    FieldAccess<CTypeRecord> access;
    access.traits = integerTraits<uint16_t>();
    access.footprint = {{value.def().offset, value.def().width, clearsAmount ? 0u : 0xFFFFu}};
    access.read = [value](const CTypeRecord& r) { return FieldValue(r.intValue(value) & 0xFFFF); };
    access.write = [value, clearsAmount](CTypeRecord& r, const FieldValue& v) {
        const int64_t kept = clearsAmount ? 0 : r.intValue(value) & 0xFFFF0000;
        r.setIntValue(value, kept | (integerOf(v) & 0xFFFF));
    };
    return access;
}

FieldAccess<CTypeRecord> attractionAmount(TypeField value)
{
    FieldAccess<CTypeRecord> access;
    access.traits = integerTraits<uint16_t>();
    access.footprint = {{value.def().offset, value.def().width, 0xFFFF0000u}};
    access.read = [value](const CTypeRecord& r) { return FieldValue((r.intValue(value) >> 16) & 0xFFFF); };
    access.write = [value](CTypeRecord& r, const FieldValue& v) {
        r.setIntValue(value, (r.intValue(value) & 0xFFFF) | ((integerOf(v) & 0xFFFF) << 16));
    };
    return access;
}

ChoiceList numbered(std::initializer_list<const char*> names)
{
    ChoiceList list;
    int64_t value = 0;
    for (const char* name : names)
        list.push_back({value++, name});
    return list;
}

const ChoiceList& specialAbilities()
{
    static const ChoiceList list =
        numbered({"None", "Pick Up Workers", "Sniper Mode", "Turn To Bat", "Fly", "Hypnotise",
                  "Disguise / Steal", "Pray", "Pick Locks", "Fear Attack", "Ghost Possession"});
    return list;
}

const ChoiceList& swipes()
{
    static const ChoiceList list = numbered({"Null",
                                             "Bite",
                                             "Claw Slash",
                                             "Club Smash",
                                             "Dark FGBS Slash",
                                             "King FGBS Slash",
                                             "Left Punch",
                                             "Right Punch",
                                             "Left Scythe Slash",
                                             "Right Scythe Slash",
                                             "Mistress Slash",
                                             "Small Slash",
                                             "Staff Strike",
                                             "Sword Slash",
                                             "Light Arrow",
                                             "Dark Arrow",
                                             "Left Bile Smash",
                                             "Right Bile Smash",
                                             "Hypnotise",
                                             "Left Small Punch",
                                             "Right Small Punch",
                                             "Left King FGBS Slash",
                                             "Right King FGBS Slash"});
    return list;
}

const ChoiceList& gammaEffects()
{
    static const ChoiceList list =
        numbered({"Normal", "Vampire [ Red ]", "Dark elf [ Purple ]", "Skeleton [ Black & White ]",
                  "Salamander [ Infra Red ]", "Dark Angel [ Bright Blue ]", "Whiteout", "Blackout", "Redout",
                  "Death View [ Half Red ]", "Test 1", "Test 2", "Test 3", "Test 4",
                  "Freeze view [ Only Blue ]", "Maiden", "Ghost"});
    return list;
}

/// The rows of one slot of a job list: the job and the values that go with it.
struct JobSlotRows {
    size_t job = 0;
    std::vector<size_t> values;
};

/// A list ends at its first empty slot, so clearing a job would drop every job after it: the later
/// slots move up instead and the gap closes, and only the job the user cleared leaves the list.
void closeGapsOnClear(FormDescription<Bytes>& form, const std::vector<JobSlotRows>& slots)
{
    for (size_t k = 0; k + 1 < slots.size(); ++k)
        form.row(slots[k].job).onEdit = [slots, k](FormState& s) {
            if (s.value(slots[k].job) != 0)
                return;
            for (size_t i = k; i + 1 < slots.size(); ++i) {
                s.assign(slots[i].job, s.value(slots[i + 1].job));
                for (size_t v = 0; v < slots[i].values.size(); ++v)
                    s.assignText(slots[i].values[v], s.text(slots[i + 1].values[v]));
            }
            s.assign(slots.back().job, 0);
            for (size_t row : slots.back().values)
                s.assignText(row, "0");
        };
}

/// One job list of the job preferences: a slot per job the list holds. A slot is open only while
/// the slot before it holds a job, since the list ends at the first empty slot; a closed slot
/// stores an empty entry.
template <class Slot>
void addJobList(FormDescription<Bytes>& form, const std::string& title, std::span<const Slot> slots,
                bool withChance)
{
    const ChoiceList jobs = [] {
        ChoiceList list{{0, FormChoices::kNone}};
        const ChoiceList& all = creatureJobs();
        list.insert(list.end(), all.begin(), all.end());
        return list;
    }();
    std::optional<size_t> previous;
    std::vector<JobSlotRows> slotRows;
    for (size_t k = 0; k < slots.size(); ++k) {
        const Slot& slot = slots[k];
        const size_t job = form.add(choiceRow("Job " + std::to_string(k + 1) + ":", FormChoices::fixed(jobs)),
                                    blockElement(slot.job));
        slotRows.push_back({job, {}});
        const FormRule open = previous ? valueIsNot(*previous, 0) : FormRule();
        form.row(job).group = title;
        form.row(job).enabled = open;
        form.row(job).whenInactive = InactiveRule::ShowZero;
        auto addValue = [&](const char* label, double low, double high, TypeField field) {
            const size_t row = form.add(integerRow(label, low, high), blockElement(field));
            form.row(row).group = title;
            form.row(row).sameLine = true;
            form.row(row).enabled = bothOf(open, valueIsNot(job, 0));
            form.row(row).whenInactive = InactiveRule::ShowZero;
            slotRows.back().values.push_back(row);
        };
        if constexpr (requires { slot.chance; }) {
            if (withChance)
                addValue("Chance:", 0, 100, slot.chance);
        }
        addValue("Mood Change:", -10000, 10000, slot.mood);
        addValue("Mana Change:", -10000, 10000, slot.mana);
        previous = job;
    }
    closeGapsOnClear(form, slotRows);
}

} // namespace

const std::vector<CreatureAttribute>& creatureAttributes()
{
    namespace F = Field;
    static const std::vector<CreatureAttribute> list = {
        {"Experience Points For Next Level", F::ExperienceForNextLevel},
        {"Experience Points (Per Second)", F::ExperiencePerSecond},
        {"Experience Points From Training (Per Second)", F::ExperienceFromTraining},
        {"Research Points (Per Second)", F::ResearchPoints},
        {"Manufacture Points (Per Second)", F::ManufacturePoints},
        {"Height (Tiles)", F::Height},
        {"Eye Height (Tiles)", F::EyeHeight},
        {"Health", C::Health},
        {"Health From Chicken", F::HealthFromChicken},
        {"Fear", C::Fear},
        {"Threat", F::Threat},
        {"Mana Generated By Prayer", F::ManaGeneratedByPrayer},
        {"Pay", F::Pay},
        {"Max Gold Held", C::MaxGoldHeld},
        {"Speed (Tiles Per Second)", C::Speed},
        {"Run Speed (Tiles Per Second)", F::RunSpeed},
        {"Shuffle Speed (Tiles Per Second)", F::ShuffleSpeed},
        {"Distance Can See (Tiles)", F::DistanceCanSee},
        {"Distance Can Hear (Tiles)", F::DistanceCanHear},
        {"Slap Damage", F::SlapDamage},
        {"Hunger Rate", F::HungerRate},
        {"Hunger Fill", F::HungerFill},
        {"Time Awake (Seconds)", F::TimeAwake},
        {"Sleep Duration (Seconds)", F::SleepDuration},
        {"Mood Unhappy Threshold", F::MoodUnhappyThreshold},
        {"Decompose Value", F::DecomposeValue},
        {"Anger (No Lair)", F::AngerNoLair},
        {"Anger (No Food)", F::AngerNoFood},
        {"Anger (No Pay)", F::AngerNoPay},
        {"Anger (No Work)", F::AngerNoWork},
        {"Anger (Slap)", F::AngerSlap},
        {"Anger (In Hand)", F::AngerInHand},
        {"Initial Gold Held", C::InitialGoldHeld},
        {"Torture Time To Convert (Seconds)", F::TortureTimeToConvert},
        {"Stun Duration (Seconds)", F::StunDuration},
        {"Guard Duration (Seconds)", F::GuardDuration},
        {"Idle Duration (Seconds)", F::IdleDuration},
        {"Slap Fearless Duration (Seconds)", F::SlapFearlessDuration},
        {"Possession Mana Cost (Per Second)", F::PossessionManaCost},
        {"Own Land Health Increase (Per Second)", F::OwnLandHealthIncrease},
        {"Torture Health Change (Per Second)", F::TortureHealthChange},
        {"Torture Mood Change (Per Second)", F::TortureMoodChange},
        {"Perception Range [ Fog Of War ]", F::PerceptionRange},
    };
    return list;
}

const ChoiceList& creatureJobs()
{
    static const ChoiceList list = [] {
        ChoiceList jobs = numbered({"",
                                    "Research",
                                    "Train",
                                    "Manufacture",
                                    "Guard",
                                    "Torture",
                                    "Pray",
                                    "Drink",
                                    "Leave",
                                    "Destroy Rooms",
                                    "Destroy Walls",
                                    "Steal Gold",
                                    "Steal Spells",
                                    "Sulk",
                                    "Rebel",
                                    "Steal Manufacture Crates",
                                    "Kill Creatures",
                                    "Kill Player",
                                    "Tunnelling",
                                    "Wait",
                                    "Send To Action Point",
                                    "Explore",
                                    "Steal Enemy Gold",
                                    "Combat Pit Spectate",
                                    "Jail Break",
                                    "Tolling"});
        jobs.erase(jobs.begin()); // job id 0 ends a list and names no job
        return jobs;
    }();
    return list;
}

const ChoiceList& damageKinds()
{
    static const ChoiceList list =
        numbered({"None", "Melee Blade", "Melee Blunt", "Melee Body", "Fire", "Movement", "Lightning", "Gas",
                  "Projectile", "Enhance Other", "Enhance Self", "Close Combat", "Generation",
                  "Physical Trap", "Non-Lethal Trap", "Melee Scythe"});
    return list;
}

FormDescription<Bytes> creatureAttacksForm(const CTypeDatabase& types)
{
    FormDescription<Bytes> form;
    form.caption = "Modify Available Attacks";
    const ChoiceList spells = FormChoices::typesOf(types.creatureSpells(), true);
    const char* titles[] = {"Spell &1:", "Spell &2:", "Spell &3:"};
    for (size_t k = 0; k < 3; ++k) {
        const Field::SpellFields& spell = Field::Spells[k];
        const std::string title = titles[k];
        std::vector<size_t> rows;
        rows.push_back(form.add(typeListRow("Spell:", FormChoices::fixed(spells)), blockElement(spell.type)));
        rows.push_back(form.add(integerRow("Level Available", 1, 10), blockElement(spell.level)));
        rows.push_back(form.add(realRow("Shot Delay", 0, 1000), blockElement(spell.shotDelay)));
        rows.push_back(form.add(realRow("Shot Offset X"), shotOffset(spell.offsetX)));
        rows.push_back(form.add(realRow("Y"), shotOffset(spell.offsetY)));
        rows.push_back(form.add(realRow("Z"), shotOffset(spell.offsetZ)));
        for (size_t row : rows) {
            form.row(row).group = title;
            form.row(row).sameLine = row != rows.front() && row != rows[3];
        }
    }
    std::vector<size_t> melee;
    melee.push_back(form.add(choiceRow("Damage Kind:", FormChoices::fixed(damageKinds())),
                             blockElement(Field::MeleeDamageKind)));
    melee.push_back(form.add(realRow("Recharge Time", 0, 255), blockElement(Field::MeleeRechargeTime)));
    melee.push_back(form.add(realRow("Range", 0, 1000), blockElement(Field::MeleeRange)));
    melee.push_back(form.add(integerRow("Damage", 0, 32767), blockElement(Field::MeleeDamage)));
    melee.push_back(form.add(realRow("Shot Delay", 0, 1000), blockElement(Field::MeleeShotDelay)));
    for (size_t row : melee) {
        form.row(row).group = "&Melee:";
        form.row(row).sameLine = row == melee[2] || row == melee[4];
    }
    return form;
}

FormDescription<Bytes> creatureResistancesForm()
{
    FormDescription<Bytes> form;
    form.caption = "Modify Resistances";
    for (size_t k = 0; k < 4; ++k) {
        const std::string label = "Resistance &" + std::to_string(k + 1) + ":";
        form.add(choiceRow(label, FormChoices::fixed(damageKinds())),
                 blockElement(Field::Resistances[k].kind));
        const size_t percent =
            form.add(integerRow("Percentage:", 0, 100), blockElement(Field::Resistances[k].percent));
        form.row(percent).sameLine = true;
    }
    return form;
}

FormDescription<Bytes> creatureFirstPersonForm()
{
    FormDescription<Bytes> form;
    form.caption = "Modify 1st Person Properties";
    for (size_t k = 0; k < 2; ++k) {
        const size_t ability =
            form.add(choiceRow(std::to_string(k + 1) + ":", FormChoices::fixed(specialAbilities())),
                     blockElement(C::SpecialAbilities, k));
        const size_t value =
            form.add(integerRow("Value:", 0, 32767), blockElement(C::SpecialAbilityValues, k));
        form.row(ability).group = form.row(value).group = "Special Abilities";
        form.row(value).sameLine = true;
    }
    const std::pair<const char*, TypeField> swipeRows[] = {{"Melee 1:", Field::SwipeMelee1},
                                                           {"Melee 2:", Field::SwipeMelee2},
                                                           {"Special 1:", Field::SwipeSpecial1},
                                                           {"Special 2:", Field::SwipeSpecial2},
                                                           {"Spell:", Field::SwipeSpell}};
    for (const auto& [label, field] : swipeRows) {
        const size_t row = form.add(choiceRow(label, FormChoices::fixed(swipes())), blockElement(field));
        form.row(row).group = "Swipe IDs";
    }
    form.add(choiceRow("Gamma Effect:", FormChoices::fixed(gammaEffects())),
             blockElement(Field::GammaEffect));
    return form;
}

FormDescription<Bytes> creatureJobsForm()
{
    FormDescription<Bytes> form;
    form.caption = "Modify Job Preferences";
    addJobList(form, "&Happy Job:", std::span<const Field::JobFields>(Field::HappyJobs), true);
    addJobList(form, "&Unhappy Job:", std::span<const Field::JobFields>(Field::UnhappyJobs), true);
    addJobList(form, "&Angry Job:", std::span<const Field::JobFields>(Field::AngryJobs), true);
    // The four hate jobs are job ids only, two at 3700 and two at 5345.
    const ChoiceList jobs = [] {
        ChoiceList list{{0, FormChoices::kNone}};
        list.insert(list.end(), creatureJobs().begin(), creatureJobs().end());
        return list;
    }();
    std::optional<size_t> previous;
    std::vector<JobSlotRows> hateRows;
    const std::pair<TypeField, size_t> hate[] = {
        {C::HateJobs, 0}, {C::HateJobs, 1}, {C::MoreHateJobs, 0}, {C::MoreHateJobs, 1}};
    for (size_t k = 0; k < 4; ++k) {
        const size_t row = form.add(choiceRow("Job " + std::to_string(k + 1) + ":", FormChoices::fixed(jobs)),
                                    blockElement(hate[k].first, hate[k].second));
        form.row(row).group = "Hate &Job:";
        if (previous) {
            form.row(row).enabled = valueIsNot(*previous, 0);
            form.row(row).whenInactive = InactiveRule::ShowZero;
        }
        previous = row;
        hateRows.push_back({row, {}});
    }
    closeGapsOnClear(form, hateRows);
    addJobList(form, "Alternatives:", std::span<const Field::AlternativeJobFields>(Field::AlternativeJobs),
               false);
    return form;
}

FormDescription<CTypeRecord> creatureTypeForm(const CTypeDatabase& types)
{
    namespace F = Field;
    namespace FC = FormChoices;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Creature Properties";

    // One value field, shown for the attribute chosen; an edit stays with its attribute when
    // another is chosen and is stored with the type.
    ChoiceList names;
    for (const CreatureAttribute& a : creatureAttributes())
        names.push_back({int64_t(names.size()), a.name});
    const size_t chooser = form.add(choiceRow("Attribute:", FC::fixed(names)), unstoredField<CTypeRecord>());
    for (size_t k = 0; k < creatureAttributes().size(); ++k) {
        const TypeField field = creatureAttributes()[k].field;
        const bool isTorture = field == F::TortureTimeToConvert;
        FieldAccess<CTypeRecord> access = isTorture ? tortureTime() : recordField(field);
        const NumberRange holds = access.traits.capacity;
        const NumberRange range{std::max(kValueRange.low, holds.low), std::min(kValueRange.high, holds.high)};
        const bool whole = isTorture || field.def().kind != FieldKind::Real;
        const size_t row = form.add(whole ? integerRow("Value:", range.low, range.high)
                                          : realRow("Value:", range.low, range.high),
                                    std::move(access));
        FormRow& r = form.row(row);
        r.sameLine = true;
        r.visible = [chooser, k](const FormState& s) { return s.value(chooser) == int64_t(k); };
        r.whenInactive = InactiveRule::KeepEdits;
        r.revealedBy = RevealedBy{chooser, int64_t(k)};
    }

    form.add(typeListRow("Lair Object:", FC::fixed(FC::typesOf(types.objects(), true,
                                                               [](const CTypeRecord& o) {
                                                                   return o.hasFlag(ObjectTypeFlag::Lair);
                                                               }))),
             recordField(F::LairObject));
    const ChoiceList effects = FC::effects(types);
    form.add(typeListRow("Slap Effect:", FC::fixed(effects)), recordField(F::SlapEffect));
    form.add(typeListRow("Health Effect:", FC::fixed(effects)), recordField(F::HealthEffect));
    form.add(typeListRow("Entrance Effect:", FC::fixed(effects)), recordField(F::EntranceEffect));
    form.add(typeListRow("Death Effect:", FC::fixed(effects)), recordField(F::DeathEffect));
    form.add(choiceRow("Job Class:", FC::fixed(numbered({"Artisan", "Thinker", "Fighter", "Scout"}))),
             recordField(C::JobClass));
    form.add(choiceRow("Fight Style:",
                       FC::fixed(numbered({"Non-Fighter", "Blitzer", "Blocker", "Flanker", "Support"}))),
             recordField(C::FightStyle));
    form.add(choiceRow("Armour Type:", FC::fixed(FC::materials())), recordField(F::ArmourType));

    // Attractions: a kind, and for a room its room type; the list is empty and greyed without one.
    const ChoiceList kinds = {{0, FC::kNone}, {1, "Room"}};
    const ChoiceList rooms = FC::typesOf(
        types.rooms(), false, [](const CTypeRecord& room) { return room.hasFlag(RoomTypeFlag::Buildable); });
    const std::string attractions = "Attractions";
    const size_t kind1 = form.add(choiceRow("&1st:", FC::fixed(kinds)), recordField(C::Attraction1Kind));
    const size_t room1 =
        form.add(typeListRow("", FC::fixed(rooms)), attractionRoom(C::Attraction1Value, true));
    const size_t kind2 = form.add(choiceRow("&2nd:", FC::fixed(kinds)), recordField(C::Attraction2Kind));
    const size_t room2 =
        form.add(typeListRow("", FC::fixed(rooms)), attractionRoom(C::Attraction2Value, false));
    const size_t amount = form.add(integerRow("Amount:", 0, 16000), attractionAmount(C::Attraction2Value));
    for (size_t row : {kind1, room1, kind2, room2, amount})
        form.row(row).group = attractions;
    for (auto [room, kind] : {std::pair{room1, kind1}, std::pair{room2, kind2}, std::pair{amount, kind2}}) {
        form.row(room).sameLine = true;
        form.row(room).enabled = valueIsNot(kind, 0);
        form.row(room).whenInactive = InactiveRule::ShowZero;
    }

    // The flag words: the bits the user sets, and those the game decides, shown but greyed.
    struct FlagBox {
        const char* label;
        TypeField word;
        int bit;
        bool editable;
    };
    const FlagBox boxes[] = {
        {"Is &Worker", C::Flags1, CreatureFlag1::IsWorker, false},
        {"Can Be Picked Up", C::Flags1, Bit1::CanBePickedUp, true},
        {"Can Be Slapped", C::Flags1, Bit1::CanBeSlapped, true},
        {"Always Flee", C::Flags1, Bit1::AlwaysFlee, false},
        {"Can Walk On Water", C::Flags1, Bit1::CanWalkOnWater, true},
        {"Can Walk On Lava", C::Flags1, Bit1::CanWalkOnLava, true},
        {"Can Disarm Traps", C::Flags1, Bit1::CanDisarmTraps, false},
        {"Is Evil", C::Flags1, CreatureFlag1::IsEvil, false},
        {"Is Good", C::Flags1, CreatureFlag1::IsGood, false},
        {"Is Immune To Turncoat", C::Flags1, Bit1::ImmuneToTurncoat, true},
        {"Available Via Portal", C::Flags1, CreatureFlag1::AvailableViaPortal, false},
        {"Can Fly", C::Flags1, Bit1::CanFly, false},
        {"Vidad", C::Flags1, CreatureFlag1::Vidad, false},
        {"Generate Dead Body", C::Flags1, Bit1::GenerateDeadBody, true},
        {"Can Be Hypnotised", C::Flags1, Bit1::CanBeHypnotised, true},
        {"Is Immune To Chicken", C::Flags1, Bit1::ImmuneToChicken, true},
        {"Is Fearless", C::Flags1, Bit1::Fearless, true},
        {"Can Be Electrocuted", C::Flags1, Bit1::CanBeElectrocuted, false},
        {"Need Body For Fight Idle", C::Flags1, Bit1::NeedBodyForFightIdle, false},
        {"Only Attackable By Vidad", C::Flags1, Bit1::OnlyAttackableByVidad, false},
        {"Can Be Resurrected", C::Flags1, Bit1::CanBeResurrected, false},
        {"Doesn't Get Angry With Enemies", C::Flags1, Bit1::NotAngryWithEnemies, true},
        {"Frees Friends On JailBreak", C::Flags1, Bit1::FreesFriendsOnJailBreak, true},
        {"Reveals Adjacent Traps", C::Flags1, Bit1::RevealsAdjacentTraps, true},
        {"Is Unique", C::Flags1, CreatureFlag1::IsUnique, false},
        {"SNB Random Invader", C::Flags1, CreatureFlag1::SnbRandomInvader, true},
        {"Is Male", C::Flags1, CreatureFlag1::Male, false},
        {"Immune To Lightning", C::Flags2, CreatureFlag2::ImmuneToLightning, true},
        {"Is Stone Knight", C::Flags2, CreatureFlag2::IsStoneKnight, false},
        {"Is Emotionless", C::Flags2, CreatureFlag2::IsEmotionless, true},
        {"Available Via H.Portal", C::Flags2, CreatureFlag2::AvailableViaHeroPortal, false},
    };
    for (const FlagBox& box : boxes) {
        const size_t row = form.add(flagRow(box.label), recordFlag(box.word, box.bit));
        if (!box.editable)
            form.row(row).enabled = never();
    }
    form.add(flagRow("Is Female"), invertedFlag(C::Flags1, CreatureFlag1::Male));
    form.row(form.rows.size() - 1).enabled = never();
    form.add(flagRow("Train When Idle"), invertedFlag(C::Flags1, Bit1::DoesNotTrainWhenIdle));

    addSubEditor(form, "Attacks...", creatureAttacksForm(types), "Modify Available Attacks For ");
    addSubEditor(form, "Resistances...", creatureResistancesForm(), "Modify Resistances For ");
    addSubEditor(form, "1st Person Properties...", creatureFirstPersonForm(),
                 "Modify 1st Person Properties For ");
    addSubEditor(form, "&Job Preferences...", creatureJobsForm(), "Modify Job Preferences For ");
    form.add(subFormRow("Light...", sharedLightForm()), recordField(C::Light));
    return form;
}

} // namespace gr2
