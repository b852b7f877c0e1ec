#pragma once
// Layout routines and deals of the games, one file per game or family.

#include <cstdint>

namespace quillo {

class Game;
struct GameRules;

namespace games {
void KlondikeLayout(Game&);
void KlondikeDeal(Game&);
void ChineseLayout(Game&);
void ChineseDeal(Game&);
void CanfieldLayout(Game&);
void CanfieldDeal(Game&);
void AribertLayout(Game&);
void AribertDeal(Game&);
void ScorpionLayout(Game&);
void ScorpionDeal(Game&);
void FreeCellLayout(Game&);
void FreeCellDeal(Game&);
void StarLayout(Game&);
void StarDeal(Game&);
void BraidLayout(Game&);
void BraidDeal(Game&);
void BraidLeanCards(Game&);
// Vertical step between the leaning cards of the braid.
int32_t BraidStep(const GameRules&);
void NapoleonsTombLayout(Game&);
void NapoleonsTombDeal(Game&);
void MonteCarloLayout(Game&);
void MonteCarloDeal(Game&);
void RoyalMarriageLayout(Game&);
void RoyalMarriageDeal(Game&);
}  // namespace games

}  // namespace quillo
