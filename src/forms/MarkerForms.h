#pragma once
// The dialogs of the level's markers: an action point (its wait delay, next waypoint and flags) and
// an effect generator (its frequency and four effects, typed in or copied from another generator).

#include "forms/ThingEditSession.h"

#include <array>
#include <memory>

namespace gr2 {

class CActionPoint;
class CEffectGenerator;
class CTypeDatabase;

struct ActionPointEdit {
    uint8_t id = 0; ///< shown only
    uint16_t waitDelay = 0;
    uint8_t nextWaypoint = 0;
    bool reveal = false;
    bool heroLair = false;
    bool toolBox = false;
    bool ignoreSolid = false;
};

struct ActionPointRows {
    size_t id, waitDelay, nextWaypoint, reveal, heroLair, toolBox, ignoreSolid;
};

FormDescription<ActionPointEdit> actionPointForm(const CActionPoint& point, ActionPointRows* rows = nullptr);
ActionPointEdit readActionPoint(const CActionPoint& point);
void writeActionPoint(CActionPoint& point, const ActionPointEdit& edit);
std::unique_ptr<ThingSession> actionPointSession(CWorldEditorDoc& doc, CActionPoint& point);

/// How a generator's effects are chosen.
enum class EffectSource : uint8_t { UseEffects = 0, SameAs = 1 };

struct EffectGeneratorEdit {
    uint8_t id = 0; ///< shown only
    uint8_t frequency = 1;
    uint8_t source = uint8_t(EffectSource::UseEffects);
    uint8_t sameAs = 0; ///< the generator whose effects were copied; not stored
    std::array<uint16_t, 4> effects{};
};

struct EffectGeneratorRows {
    size_t id, frequency, source, sameAs;
    std::array<size_t, 4> effects;
};

FormDescription<EffectGeneratorEdit> effectGeneratorForm(const CEffectGenerator& generator,
                                                         const CTypeDatabase& types,
                                                         EffectGeneratorRows* rows = nullptr);
EffectGeneratorEdit readEffectGenerator(const CEffectGenerator& generator);
void writeEffectGenerator(CEffectGenerator& generator, const EffectGeneratorEdit& edit);
std::unique_ptr<ThingSession> effectGeneratorSession(CWorldEditorDoc& doc, CEffectGenerator& generator,
                                                     const CTypeDatabase& types);

} // namespace gr2
