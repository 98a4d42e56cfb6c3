// The creature record's own rules: job lists, hate jobs and abilities, elite variants and pools,
// the Vidad resource rule and the values that are not written back.

#include "support/TypeDataBuilder.h"

#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <set>

namespace gr2 {
namespace {

TEST(CreatureTypeTest, JobListEndsAtTheFirstZeroJob)
{
    Bytes bytes(RecordSize::Creature, 0);
    storeU32(bytes.data() + 3604, 7);
    storeU16(bytes.data() + 3608, uint16_t(-20));
    storeU16(bytes.data() + 3610, 30);
    bytes[3612] = 40;
    storeU32(bytes.data() + 3616, 9);
    // entry 3 stays zero; an angry list whose first job is 0 hides what follows
    storeU32(bytes.data() + 3676, 5);
    CCreatureType c;
    c.applyFileRecord(FlaggedRecord(bytes));

    std::vector<CreatureJob> happy = c.jobs(CreatureJobList::Happy);
    ASSERT_EQ(happy.size(), 2u);
    EXPECT_EQ(happy[0], (CreatureJob{7, -20, 30, 40}));
    EXPECT_EQ(happy[1].job, 9u);
    EXPECT_TRUE(c.jobs(CreatureJobList::Angry).empty());
}

TEST(CreatureTypeTest, SetJobsFillsTheListAndZeroesTheRest)
{
    CCreatureType c;
    c.setJobs(CreatureJobList::Unhappy, {{3, 1, 2, 50}, {4, 5, 6, 70}, {8, 0, 0, 0}});
    EXPECT_EQ(c.jobs(CreatureJobList::Unhappy).size(), 2u); // capacity 2
    EXPECT_EQ(loadU32(c.bytes().data() + 3664), 0u);        // the angry list is untouched
    c.setJobs(CreatureJobList::Unhappy, {{3, 1, 2, 50}});
    EXPECT_EQ(loadU32(c.bytes().data() + 3652), 0u);
}

TEST(CreatureTypeTest, HateJobsAndSpecialAbilitiesComeFromTheirSplitPlaces)
{
    Bytes bytes(RecordSize::Creature, 0);
    storeU32(bytes.data() + 3700, 11);
    storeU32(bytes.data() + 3704, 12);
    storeU32(bytes.data() + 5345, 13);
    storeU32(bytes.data() + 5349, 14);
    bytes[3910] = 2;
    bytes[3911] = 5;
    storeU32(bytes.data() + 5353, 300);
    storeU32(bytes.data() + 5357, 400);
    CCreatureType c;
    c.applyFileRecord(FlaggedRecord(bytes));
    EXPECT_EQ(c.hateJob(0), 11u);
    EXPECT_EQ(c.hateJob(1), 12u);
    EXPECT_EQ(c.hateJob(2), 13u);
    EXPECT_EQ(c.hateJob(3), 14u);
    EXPECT_EQ(c.intValue(CreatureField::SpecialAbilities, 1), 5);
    EXPECT_EQ(c.intValue(CreatureField::SpecialAbilityValues, 1), 400);
    c.setHateJob(3, 21);
    EXPECT_EQ(loadU32(c.fileRecord().data() + 5349), 21u);
}

TEST(CreatureTypeTest, SpellShotOffsetAndAnimationByte)
{
    CCreatureType c;
    c.setRealValue(CreatureField::named("spell2ShotOffsetX", 3548), 1.5);
    c.setIntValue(CreatureField::named("spell2PlayAnimation", 3560), 3);
    c.setIntValue(CreatureField::named("spell1PlaysAnimation", 3537),
                  1); // stale: spell 1 has no play-animation value
    Bytes out = c.fileRecord();
    EXPECT_EQ(loadU32(out.data() + 3548), 6144u);
    EXPECT_EQ(out[3548 + 13], 1);
    EXPECT_EQ(out[3524 + 13], 0);
}

TEST(CreatureTypeTest, WordAt3824IsReadButWrittenAsZero)
{
    Bytes bytes(RecordSize::Creature, 0);
    storeU32(bytes.data() + 3824, 0xDEADBEEF);
    CCreatureType c;
    c.applyFileRecord(FlaggedRecord(bytes));
    EXPECT_EQ(c.intValue(CreatureField::named("value3824", 3824)), 0xDEADBEEF);
    EXPECT_EQ(loadU32(c.fileRecord().data() + 3824), 0u);
}

TEST(CreatureTypeTest, VidadRuleKeepsTwelveResourcesMarkedAndClearsTheOthers)
{
    CCreatureType c;
    Bytes resource(84, 0x5A);
    storeU32(resource.data() + 64, 0x100);
    for (size_t k = 0; k < 37; ++k)
        c.setFieldBytes(CreatureField::AnimationResources, resource, k);
    c.setFieldBytes(CreatureField::AnimationResource37, resource);

    EXPECT_EQ(c.fileRecord(), Bytes(c.bytes().begin(), c.bytes().end())); // not Vidad: unchanged

    c.setFlags1(1u << CreatureFlag1::Vidad);
    Bytes out = c.fileRecord();
    const std::set<size_t> kept = {1, 3, 5, 6, 13, 14, 20, 23, 25, 26, 28, 35};
    for (size_t k = 0; k < 37; ++k) {
        const uint8_t* p = out.data() + 32 + 84 * k;
        if (kept.count(k)) {
            EXPECT_EQ(loadU32(p + 64), 0x101u) << k;
            EXPECT_EQ(p[0], 0x5A) << k;
        } else {
            EXPECT_EQ(Bytes(p, p + 84), Bytes(84, 0)) << k;
        }
    }
    EXPECT_EQ(out[4049], 0x5A); // resource 37 is outside the rule

    // The save rule brings the record itself in line with what was written.
    CTypeDatabase db;
    db.creatures().append(std::make_unique<CCreatureType>(c));
    db.applySaveRules();
    EXPECT_EQ(Bytes(db.creatures().at(0)->bytes().begin(), db.creatures().at(0)->bytes().end())
                  .at(32 + 84 * 2 + 10),
              0);
    EXPECT_EQ(db.creatures().at(0)->fileRecord(), out);
}

TEST(CreatureTypeTest, EliteVariantIsTheFirstUniqueTypeNamingItsBase)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    CCreatureType& second = test::addType(db.creatures(), 21, "Second Elite");
    second.setFlags1(1u << CreatureFlag1::IsUnique);
    second.setEliteBaseId(3);
    CCreatureType& notUnique = test::addType(db.creatures(), 22, "Not Unique");
    notUnique.setEliteBaseId(1);

    ASSERT_NE(db.eliteVariantOf(3), nullptr);
    EXPECT_EQ(db.eliteVariantOf(3)->id(), 20);
    EXPECT_EQ(db.eliteVariantOf(1), nullptr); // base byte alone does not make an elite
    EXPECT_EQ(db.eliteVariantOf(0), nullptr);
}

TEST(CreatureTypeTest, PoolsOfferPortalTypesThatAreNotElite)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    test::addType(db.creatures(), 5, "Hero").setFlags2(1u << CreatureFlag2::AvailableViaHeroPortal);
    std::vector<int> ids;
    for (const CCreatureType* c : db.poolCreatureTypes())
        ids.push_back(c->id());
    EXPECT_EQ(ids, (std::vector<int>{3, 5}));
}

} // namespace
} // namespace gr2
