#pragma once
// The field table of the creature record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace CreatureField {

using K = FieldKind;

// Entries of the small record structures (spells, jobs, attractions, resistances) are listed field
// by field, so that every value has its own name and presence flag.
inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"animationResources", 32, 84, K::ArtResource, 37},
    {"resource3140", 3140, 84, K::ArtResource},
    {"iconResource", 3224, 84, K::ArtResource},
    {"value3308", 3308, 2, K::Int},
    {"value3310", 3310, 4, K::Real},
    {"value3314", 3314, 4, K::Real},
    {"introductionIndex", 3318, 1, K::UInt},
    {"angerStringId10", 3319, 2, K::UInt},
    {"meleeShotDelay", 3321, 4, K::Real},
    {"healthEffect", 3325, 2, K::Int},
    {"value3327", 3327, 2, K::Int},
    {"perceptionRange", 3329, 4, K::Real},
    {"angerStringIds", 3333, 2, K::UInt, 9},
    {"text3351", 3351, 32, K::Text},
    {"shuffleSpeed", 3383, 4, K::Real},
    {"eliteBaseType", 3387, 1, K::UInt},
    {"gammaEffect", 3388, 1, K::UInt},
    {"value3389", 3389, 1, K::UInt},
    {"value3390", 3390, 1, K::UInt},
    {"resource3392", 3392, 84, K::ArtResource},
    {"light", 3476, 24, K::Light},
    {"attraction1Kind", 3500, 4, K::UInt},
    {"attraction1Value", 3504, 4, K::UInt},
    {"attraction2Kind", 3508, 4, K::UInt},
    {"attraction2Value", 3512, 4, K::UInt},
    {"value3516", 3516, 4, K::Real},
    {"value3520", 3520, 4, K::Real},
    {"spell1ShotOffsetX", 3524, 4, K::Real},
    {"spell1ShotOffsetY", 3528, 4, K::Real},
    {"spell1ShotOffsetZ", 3532, 4, K::Real},
    {"spell1PlayAnimation", 3536, 1, K::UInt},
    {"spell1PlaysAnimation", 3537, 1, K::UInt},
    {"spell1ShotDelay", 3540, 4, K::Real},
    {"spell1Type", 3546, 1, K::UInt},
    {"spell1Level", 3547, 1, K::UInt},
    {"spell2ShotOffsetX", 3548, 4, K::Real},
    {"spell2ShotOffsetY", 3552, 4, K::Real},
    {"spell2ShotOffsetZ", 3556, 4, K::Real},
    {"spell2PlayAnimation", 3560, 1, K::UInt},
    {"spell2PlaysAnimation", 3561, 1, K::UInt},
    {"spell2ShotDelay", 3564, 4, K::Real},
    {"spell2Type", 3570, 1, K::UInt},
    {"spell2Level", 3571, 1, K::UInt},
    {"spell3ShotOffsetX", 3572, 4, K::Real},
    {"spell3ShotOffsetY", 3576, 4, K::Real},
    {"spell3ShotOffsetZ", 3580, 4, K::Real},
    {"spell3PlayAnimation", 3584, 1, K::UInt},
    {"spell3PlaysAnimation", 3585, 1, K::UInt},
    {"spell3ShotDelay", 3588, 4, K::Real},
    {"spell3Type", 3594, 1, K::UInt},
    {"spell3Level", 3595, 1, K::UInt},
    {"resistance1Kind", 3596, 1, K::UInt},
    {"resistance1Percent", 3597, 1, K::UInt},
    {"resistance2Kind", 3598, 1, K::UInt},
    {"resistance2Percent", 3599, 1, K::UInt},
    {"resistance3Kind", 3600, 1, K::UInt},
    {"resistance3Percent", 3601, 1, K::UInt},
    {"resistance4Kind", 3602, 1, K::UInt},
    {"resistance4Percent", 3603, 1, K::UInt},
    {"happyJob1", 3604, 4, K::UInt},
    {"happyJob1Mood", 3608, 2, K::Int},
    {"happyJob1Mana", 3610, 2, K::Int},
    {"happyJob1Chance", 3612, 1, K::UInt},
    {"happyJob2", 3616, 4, K::UInt},
    {"happyJob2Mood", 3620, 2, K::Int},
    {"happyJob2Mana", 3622, 2, K::Int},
    {"happyJob2Chance", 3624, 1, K::UInt},
    {"happyJob3", 3628, 4, K::UInt},
    {"happyJob3Mood", 3632, 2, K::Int},
    {"happyJob3Mana", 3634, 2, K::Int},
    {"happyJob3Chance", 3636, 1, K::UInt},
    {"unhappyJob1", 3640, 4, K::UInt},
    {"unhappyJob1Mood", 3644, 2, K::Int},
    {"unhappyJob1Mana", 3646, 2, K::Int},
    {"unhappyJob1Chance", 3648, 1, K::UInt},
    {"unhappyJob2", 3652, 4, K::UInt},
    {"unhappyJob2Mood", 3656, 2, K::Int},
    {"unhappyJob2Mana", 3658, 2, K::Int},
    {"unhappyJob2Chance", 3660, 1, K::UInt},
    {"angryJob1", 3664, 4, K::UInt},
    {"angryJob1Mood", 3668, 2, K::Int},
    {"angryJob1Mana", 3670, 2, K::Int},
    {"angryJob1Chance", 3672, 1, K::UInt},
    {"angryJob2", 3676, 4, K::UInt},
    {"angryJob2Mood", 3680, 2, K::Int},
    {"angryJob2Mana", 3682, 2, K::Int},
    {"angryJob2Chance", 3684, 1, K::UInt},
    {"angryJob3", 3688, 4, K::UInt},
    {"angryJob3Mood", 3692, 2, K::Int},
    {"angryJob3Mana", 3694, 2, K::Int},
    {"angryJob3Chance", 3696, 1, K::UInt},
    {"hateJobs", 3700, 4, K::UInt, 2},
    {"alternativeJob1", 3708, 4, K::UInt},
    {"alternativeJob1Mood", 3712, 2, K::Int},
    {"alternativeJob1Mana", 3714, 2, K::Int},
    {"alternativeJob2", 3716, 4, K::UInt},
    {"alternativeJob2Mood", 3720, 2, K::Int},
    {"alternativeJob2Mana", 3722, 2, K::Int},
    {"alternativeJob3", 3724, 4, K::UInt},
    {"alternativeJob3Mood", 3728, 2, K::Int},
    {"alternativeJob3Mana", 3730, 2, K::Int},
    {"entries3732", 3732, 4, K::UInt, 3},
    {"value3744", 3744, 4, K::Real},
    {"height", 3748, 4, K::Real},
    {"value3752", 3752, 4, K::Real},
    {"value3756", 3756, 4, K::Real16x16},
    {"eyeHeight", 3760, 4, K::Real},
    {"speed", 3764, 4, K::Real},
    {"runSpeed", 3768, 4, K::Real},
    {"hungerRate", 3772, 4, K::Real},
    {"timeAwake", 3776, 4, K::UInt},
    {"sleepDuration", 3780, 4, K::UInt},
    {"distanceCanSee", 3784, 4, K::Real},
    {"distanceCanHear", 3788, 4, K::Real},
    {"stunDuration", 3792, 4, K::Real},
    {"guardDuration", 3796, 4, K::Real},
    {"idleDuration", 3800, 4, K::Real},
    {"slapFearlessDuration", 3804, 4, K::Real},
    {"value3808", 3808, 4, K::Real},
    {"value3812", 3812, 4, K::UInt},
    {"possessionManaCost", 3816, 2, K::UInt},
    {"ownLandHealthIncrease", 3818, 2, K::UInt},
    {"meleeRange", 3820, 4, K::Real},
    {"value3824", 3824, 4, K::UInt}, // read, but written as 0
    {"tortureTimeToConvert", 3828, 4, K::Real},
    {"meleeRechargeTime", 3832, 4, K::Real},
    {"flags1", 3836, 4, K::Flags},
    {"experienceForNextLevel", 3840, 2, K::UInt},
    {"jobClass", 3842, 1, K::UInt},
    {"fightStyle", 3843, 1, K::UInt},
    {"experiencePerSecond", 3844, 2, K::UInt},
    {"experienceFromTraining", 3846, 2, K::UInt},
    {"researchPoints", 3848, 2, K::UInt},
    {"manufacturePoints", 3850, 2, K::UInt},
    {"health", 3852, 2, K::UInt},
    {"healthFromChicken", 3854, 2, K::UInt},
    {"fear", 3856, 2, K::UInt},
    {"threat", 3858, 2, K::UInt},
    {"meleeDamage", 3860, 2, K::Int},
    {"slapDamage", 3862, 2, K::Int},
    {"manaGeneratedByPrayer", 3864, 2, K::Int},
    {"value3866", 3866, 2, K::Int},
    {"pay", 3868, 2, K::UInt},
    {"maxGoldHeld", 3870, 2, K::UInt},
    {"value3872", 3872, 2, K::Int},
    {"decomposeValue", 3874, 2, K::UInt},
    {"value3876", 3876, 2, K::Int},
    {"value3878", 3878, 2, K::Int},
    {"angerNoLair", 3880, 2, K::Int},
    {"angerNoFood", 3882, 2, K::Int},
    {"angerNoPay", 3884, 2, K::Int},
    {"angerNoWork", 3886, 2, K::Int},
    {"angerSlap", 3888, 2, K::Int},
    {"angerInHand", 3890, 2, K::Int},
    {"initialGoldHeld", 3892, 2, K::UInt},
    {"entranceEffect", 3894, 2, K::Int},
    {"values3896", 3896, 2, K::Int, 3},
    {"slapEffect", 3902, 2, K::Int},
    {"deathEffect", 3904, 2, K::Int},
    {"swipeMelee1", 3906, 1, K::UInt},
    {"swipeMelee2", 3907, 1, K::UInt},
    {"value3908", 3908, 1, K::UInt},
    {"swipeSpell", 3909, 1, K::UInt},
    {"specialAbilities", 3910, 1, K::UInt, 2},
    {"values3912", 3912, 1, K::UInt, 3},
    {"id", 3915, 1, K::UInt},
    {"value3916", 3916, 1, K::UInt},
    {"value3917", 3917, 1, K::UInt},
    {"hungerFill", 3918, 1, K::UInt},
    {"moodUnhappyThreshold", 3919, 1, K::UInt},
    {"meleeDamageKind", 3920, 1, K::UInt},
    {"value3921", 3921, 1, K::UInt},
    {"lairObject", 3922, 1, K::UInt},
    {"value3923", 3923, 1, K::UInt},
    {"soundCategory", 3924, 1, K::UInt},
    {"value3925", 3925, 1, K::UInt},
    {"text3926", 3926, 32, K::Text},
    {"armourType", 3958, 1, K::UInt},
    {"resource3959", 3959, 84, K::ArtResource},
    {"value4043", 4043, 2, K::Int},
    {"value4045", 4045, 4, K::PercentReal},
    {"animationResource37", 4049, 84, K::ArtResource},
    {"swipeSpecial1", 4133, 1, K::UInt},
    {"swipeSpecial2", 4134, 1, K::UInt},
    {"resource4135", 4135, 84, K::ArtResource},
    {"value4219", 4219, 4, K::Real},
    {"tortureHealthChange", 4223, 2, K::Int},
    {"tortureMoodChange", 4225, 2, K::Int},
    {"resources4227", 4227, 84, K::ArtResource, 6},
    {"entries4731", 4731, 4, K::UInt, 21},
    {"animationResource38", 4815, 84, K::ArtResource},
    {"pairs4899", 4899, 2, K::UInt, 96},
    {"animationResource39", 5091, 84, K::ArtResource},
    {"animationResource40", 5175, 84, K::ArtResource},
    {"animationResource41", 5259, 84, K::ArtResource},
    {"uniqueNameTextId", 5343, 2, K::UInt},
    {"moreHateJobs", 5345, 4, K::UInt, 2},
    {"specialAbilityValues", 5353, 4, K::UInt, 2},
    {"resource5361", 5361, 84, K::ArtResource},
    {"flags2", 5529, 4, K::Flags},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Creature, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 3915);
inline constexpr TypeField Flags1 = named("flags1", 3836);
inline constexpr TypeField Flags2 = named("flags2", 5529);
inline constexpr TypeField IconResource = named("iconResource", 3224);
inline constexpr TypeField AnimationResources = named("animationResources", 32);
inline constexpr TypeField AnimationResource37 = named("animationResource37", 4049);
inline constexpr TypeField EliteBaseType = named("eliteBaseType", 3387);
inline constexpr TypeField Attraction1Kind = named("attraction1Kind", 3500);
inline constexpr TypeField Attraction1Value = named("attraction1Value", 3504);
inline constexpr TypeField Attraction2Kind = named("attraction2Kind", 3508);
inline constexpr TypeField Attraction2Value = named("attraction2Value", 3512);
inline constexpr TypeField Light = named("light", 3476);
inline constexpr TypeField HateJobs = named("hateJobs", 3700);
inline constexpr TypeField MoreHateJobs = named("moreHateJobs", 5345);
inline constexpr TypeField Speed = named("speed", 3764);
inline constexpr TypeField JobClass = named("jobClass", 3842);
inline constexpr TypeField FightStyle = named("fightStyle", 3843);
inline constexpr TypeField Health = named("health", 3852);
inline constexpr TypeField Fear = named("fear", 3856);
inline constexpr TypeField MaxGoldHeld = named("maxGoldHeld", 3870);
inline constexpr TypeField InitialGoldHeld = named("initialGoldHeld", 3892);
inline constexpr TypeField SpecialAbilities = named("specialAbilities", 3910);
inline constexpr TypeField SpecialAbilityValues = named("specialAbilityValues", 5353);

} // namespace CreatureField

} // namespace gr2
