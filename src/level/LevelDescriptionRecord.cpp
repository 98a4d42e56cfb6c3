#include "level/LevelDescriptionRecord.h"

#include "worlddata/Reporter.h"
#include "worlddata/SectionIds.h"

#include <algorithm>

namespace gr2::LevelDescriptionRecord {

namespace {

enum Field : size_t {
    Name,
    Description,
    Author,
    Email,
    Information,
    RootTrigger,
    TicksPerSecond,
    TextMessages,
    Flags,
    SoundCategory,
    TalismanPieces,
    PreviousRewards,
    NextRewards,
    SoundTrack,
    TextTableId,
    TitleText,
    PlotText,
    DebriefText,
    ObjectiveText,
    SubObjective3Text,
    SubObjective1Text,
    SubObjective2Text,
    SecretOrSpecial,
    IntroKinds,
    IntroTextIds,
    AlternativeTerrainPath,
    LevelNumber,
    PlayerCount,
    PreviousReward5,
    NextReward5,
    VidadSpeech,
    SpeechIds,
    LordOfTheLand,
};

constexpr FieldDef kFields[] = {
    {"name", 0, 128, FieldKind::Text16},
    {"description", 128, 2048, FieldKind::Text16},
    {"author", 2176, 128, FieldKind::Text16},
    {"email", 2304, 128, FieldKind::Text16},
    {"information", 2432, 2048, FieldKind::Text16},
    {"rootTrigger", 4480, 2, FieldKind::Int},
    {"ticksPerSecond", 4482, 2, FieldKind::UInt},
    {"textMessages", 5004, 1024, FieldKind::Text16, 20},
    {"flags", 25484, 2, FieldKind::UInt},
    {"soundCategory", 25486, 32, FieldKind::Text},
    {"talismanPieces", 25518, 1, FieldKind::UInt},
    {"previousRewards", 25519, 1, FieldKind::UInt, 4},
    {"nextRewards", 25523, 1, FieldKind::UInt, 4},
    {"soundTrack", 25527, 1, FieldKind::UInt},
    {"textTableId", 25528, 1, FieldKind::UInt},
    {"titleTextId", 25529, 2, FieldKind::Int},
    {"plotTextId", 25531, 2, FieldKind::Int},
    {"debriefTextId", 25533, 2, FieldKind::Int},
    {"objectiveTextId", 25535, 2, FieldKind::Int},
    {"subObjective3TextId", 25539, 2, FieldKind::Int},
    {"subObjective1TextId", 25541, 2, FieldKind::Int},
    {"subObjective2TextId", 25543, 2, FieldKind::Int},
    {"secretOrSpecialNumber", 25545, 1, FieldKind::UInt},
    {"introductionKinds", 25547, 1, FieldKind::UInt, 8},
    {"introductionTextIds", 25555, 2, FieldKind::Int, 8},
    {"alternativeTerrainPath", 25571, 32, FieldKind::Text},
    {"levelNumber", 25603, 1, FieldKind::UInt},
    {"playerCountMinus2", 25604, 1, FieldKind::UInt},
    {"previousReward5", 25605, 1, FieldKind::UInt},
    {"nextReward5", 25606, 1, FieldKind::UInt},
    {"vidadSpeechId", 25607, 2, FieldKind::Int},
    {"speechIds", 25609, 2, FieldKind::Int, 5},
    {"lordOfTheLand", 25619, 64, FieldKind::Text16},
};

const RecordLayout kLayout{"Level Description", RecordSize::LevelDescription, kFields};

const FieldDef& f(Field id)
{
    return kFields[id];
}

/// One element of a UTF-16 text array as a field of its own.
FieldDef textElement(const FieldDef& field, size_t element)
{
    return {field.name, field.elementOffset(element), field.width, FieldKind::Text16, 1};
}

// The text id fields in the order of LevelProperties::TextIdIndex.
constexpr Field kTextIdFields[LevelProperties::kTextIds] = {
    TitleText, PlotText, DebriefText, ObjectiveText, SubObjective1Text, SubObjective2Text, SubObjective3Text};

} // namespace

const RecordLayout& layout()
{
    return kLayout;
}

bool isValidReward(uint8_t reward)
{
    switch (reward) {
    case 9:
    case 10:
    case 11:
    case 13:
    case 22:
    case 23:
    case 28:
    case 31:
    case 34:
    case 37:
    case 38:
    case 40:
    case 45:
    case 46:
        return false;
    default:
        return reward <= 51;
    }
}

Bytes pack(const LevelProperties& p, size_t playerCount)
{
    Bytes rec(kLayout.size, 0);
    std::span<uint8_t> r(rec);
    setText16Field(r, f(Name), p.name);
    setText16Field(r, f(Description), p.description);
    setText16Field(r, f(Author), p.author);
    setText16Field(r, f(Email), p.email);
    setText16Field(r, f(Information), p.information);
    setIntField(r, f(RootTrigger), p.rootTrigger);
    setIntField(r, f(TicksPerSecond), p.ticksPerSecond);
    for (size_t i = 0; i < LevelProperties::kTextMessages; ++i)
        setText16Field(r, textElement(f(TextMessages), i), p.textMessages[i]);
    setIntField(r, f(Flags), p.flags);
    setTextField(r, f(SoundCategory), p.soundCategory);
    setIntField(r, f(TalismanPieces), p.talismanPieces);
    for (size_t i = 0; i < 4; ++i) {
        setIntField(r, f(PreviousRewards), p.previousRewards[i], i);
        setIntField(r, f(NextRewards), p.nextRewards[i], i);
    }
    setIntField(r, f(PreviousReward5), p.previousRewards[4]);
    setIntField(r, f(NextReward5), p.nextRewards[4]);
    setIntField(r, f(SoundTrack), p.soundTrack);
    setIntField(r, f(TextTableId), p.textTableId);
    for (size_t i = 0; i < LevelProperties::kTextIds; ++i)
        setIntField(r, f(kTextIdFields[i]), p.textIds[i]);
    setIntField(r, f(SecretOrSpecial), p.secretOrSpecialNumber);
    for (size_t i = 0; i < LevelProperties::kIntroductionOverrides; ++i) {
        setIntField(r, f(IntroKinds), p.introductionOverrides[i].kind, i);
        setIntField(r, f(IntroTextIds), p.introductionOverrides[i].textId, i);
    }
    setTextField(r, f(AlternativeTerrainPath), p.alternativeTerrainPath);
    setIntField(r, f(LevelNumber), p.levelNumber);
    setIntField(r, f(PlayerCount), playerCount >= 2 ? int64_t(playerCount - 2) : 0);
    setIntField(r, f(VidadSpeech), p.vidadSpeechId);
    for (size_t i = 0; i < LevelProperties::kSpeechIds; ++i)
        setIntField(r, f(SpeechIds), p.speechIds[i], i);
    setText16Field(r, f(LordOfTheLand), p.lordOfTheLand);
    return rec;
}

void unpack(const FlaggedRecord& record, const LevelVersion& version, LevelProperties& p, Reporter& reporter)
{
    std::span<const uint8_t> r = record.bytes();
    auto has = [&](Field id, size_t element = 0) { return record.present(kLayout, f(id), element); };
    auto intOf = [&](Field id, size_t element = 0) { return getIntField(r, f(id), element); };

    if (has(Name))
        p.name = getText16Field(r, f(Name));
    if (has(Description))
        p.description = getText16Field(r, f(Description));
    if (has(Author))
        p.author = getText16Field(r, f(Author));
    if (has(Email))
        p.email = getText16Field(r, f(Email));
    if (has(Information))
        p.information = getText16Field(r, f(Information));
    if (has(RootTrigger))
        p.rootTrigger = int16_t(intOf(RootTrigger));
    if (has(TicksPerSecond)) {
        int64_t ticks = intOf(TicksPerSecond);
        p.ticksPerSecond = uint16_t(ticks == 0 || ticks > 50 ? 4 : ticks);
    }
    for (size_t i = 0; i < LevelProperties::kTextMessages; ++i)
        if (has(TextMessages, i))
            p.textMessages[i] = getText16Field(r, textElement(f(TextMessages), i));
    if (has(Flags))
        p.flags = uint16_t(p.flags | intOf(Flags));
    if (has(SoundCategory))
        p.soundCategory = getTextField(r, f(SoundCategory));
    if (has(TalismanPieces))
        p.talismanPieces = uint8_t(intOf(TalismanPieces));

    auto takeReward = [&](Field id, size_t element, uint8_t& target, const char* warning, int number) {
        if (!has(id, element))
            return;
        uint8_t b = uint8_t(intOf(id, element));
        if (isValidReward(b)) {
            target = b;
        } else {
            target = 0;
            reporter.message(formatMessage(warning, std::string(), number), Reporter::Icon::Exclamation);
        }
    };
    static constexpr const char* kPrevious = "Warning: Invalid Previous Reward (Index %d)\n";
    static constexpr const char* kNext = "Warning: Invalid Next Reward (Index %d)\n";
    for (size_t i = 0; i < 4; ++i)
        takeReward(PreviousRewards, i, p.previousRewards[i], kPrevious, int(i) + 1);
    takeReward(PreviousReward5, 0, p.previousRewards[4], kPrevious, 5);
    for (size_t i = 0; i < 4; ++i)
        takeReward(NextRewards, i, p.nextRewards[i], kNext, int(i) + 1);
    takeReward(NextReward5, 0, p.nextRewards[4], kNext, 5);

    if (has(SoundTrack))
        p.soundTrack = uint8_t(intOf(SoundTrack));
    if (has(TextTableId))
        p.textTableId = uint8_t(intOf(TextTableId));
    for (size_t i = 0; i < LevelProperties::kTextIds; ++i)
        if (has(kTextIdFields[i]))
            p.textIds[i] = int16_t(intOf(kTextIdFields[i]));
    if (has(SecretOrSpecial))
        p.secretOrSpecialNumber = uint8_t(intOf(SecretOrSpecial));
    for (size_t i = 0; i < LevelProperties::kIntroductionOverrides; ++i) {
        if (has(IntroKinds, i))
            p.introductionOverrides[i].kind = uint8_t(intOf(IntroKinds, i));
        if (has(IntroTextIds, i))
            p.introductionOverrides[i].textId = int16_t(intOf(IntroTextIds, i));
    }
    if (has(AlternativeTerrainPath))
        p.alternativeTerrainPath = getTextField(r, f(AlternativeTerrainPath));
    if (has(LevelNumber))
        p.levelNumber = uint8_t(intOf(LevelNumber));
    if (has(VidadSpeech))
        p.vidadSpeechId = int16_t(intOf(VidadSpeech));
    for (size_t i = 0; i < LevelProperties::kSpeechIds; ++i)
        if (has(SpeechIds, i))
            p.speechIds[i] = int16_t(intOf(SpeechIds, i));
    if (has(LordOfTheLand))
        p.lordOfTheLand = getText16Field(r, f(LordOfTheLand));

    if (version.major() <= 2 && version.minor() <= 50) {
        p.setFlag(LevelFlag::SecretLevel, false);
        p.setFlag(LevelFlag::SpecialLevel, false);
    }
}

} // namespace gr2::LevelDescriptionRecord
