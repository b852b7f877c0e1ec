#pragma once
// The games, one file per game or family: layout, deal and each rule of its
// own, reached through its row in table.cpp.

#include <cstdint>
#include <vector>

namespace quillo {

class Game;
struct GameRules;
struct TableState;
struct Press;
struct MoveOutcome;
struct PlayerAction;
struct HeuristicWeights;

namespace games {
void KlondikeLayout(Game&);
void KlondikeDeal(Game&);
void ChineseLayout(Game&);
void ChineseDeal(Game&);
void CanfieldLayout(Game&);
void CanfieldDeal(Game&);
// Canfield, Eagle Wing, Chameleon: one card to each tableau pile, then
// reserveCards onto the reserve (its top card face up), the rest to the stock.
void DealOneEachAndReserve(Game&, int reserveCards);
// Canfield, Eagle Wing, Chameleon: an empty tableau pile takes the reserve's top card.
void RefillFromReserve(Game&, const MoveOutcome&);
void AribertLayout(Game&);
void AribertDeal(Game&);
int AribertDrop(TableState&);
void AribertClick(Game&, const Press&);
void AribertActions(const TableState&, std::vector<PlayerAction>&);
void ScorpionLayout(Game&);
void ScorpionDeal(Game&);
bool ScorpionWon(const TableState&);
void FreeCellLayout(Game&);
void FreeCellDeal(Game&);
void FreeCellClick(Game&, const Press&);
void FreeCellActions(const TableState&, std::vector<PlayerAction>&);
extern const HeuristicWeights FreeCellWeights;
void StarLayout(Game&);
void StarDeal(Game&);
void BraidLayout(Game&);
void BraidDeal(Game&);
void BraidLeanCards(Game&);
int BraidDrop(TableState&);
// Vertical step between the leaning cards of the braid.
int32_t BraidStep(const GameRules&);
// The braid leans down from its corner; every other pile lies flat.
bool BraidPlaceCards(TableState&, int pile);
void NapoleonsTombLayout(Game&);
void NapoleonsTombDeal(Game&);
int NapoleonsTombDrop(TableState&);
void NapoleonsTombClick(Game&, const Press&);
void NapoleonsTombActions(const TableState&, std::vector<PlayerAction>&);
uint64_t NapoleonsTombDragRedraws(const TableState&);
void MonteCarloLayout(Game&);
void MonteCarloDeal(Game&);
void MonteCarloClick(Game&, const Press&);
void MonteCarloActions(const TableState&, std::vector<PlayerAction>&);
void RoyalMarriageLayout(Game&);
void RoyalMarriageDeal(Game&);
void RoyalMarriageClick(Game&, const Press&);
void RoyalMarriageActions(const TableState&, std::vector<PlayerAction>&);
bool RoyalMarriageWon(const TableState&);
void BigHarpLayout(Game&);
void BigHarpDeal(Game&);
void AgnesLayout(Game&);
void AgnesDeal(Game&);
void MerryTwosLayout(Game&);
void MerryTwosDeal(Game&);
void GolfLayout(Game&);
void GolfDeal(Game&);
int GolfDrop(TableState&);
bool GolfWon(const TableState&);
// Some tableau card can never go onto heap, which takes a card a rank up or
// down (round the corner where wrap): no such card is on its top or still to
// come from the stock or the tableau.
bool SomeCardNeverGoes(const TableState&, int heap, bool wrap);
bool GolfHopeless(const TableState&);
void LookOfFortuneLayout(Game&);
void FansLayout(Game&);
void FansDeal(Game&);
void IcebreakerLayout(Game&);
void IcebreakerDeal(Game&);
// An emptied tableau pile takes the waste's top card, dealing one first if need be.
void IcebreakerRefill(Game&, const MoveOutcome&);
bool IcebreakerWon(const TableState&);
void FourSeasonsLayout(Game&);
void FourSeasonsDeal(Game&);
void DukeLayout(Game&);
void DukeDeal(Game&);
void ShiftedCrossLayout(Game&);
void ShiftedCrossDeal(Game&);
void ThreesLayout(Game&);
void ThreesDeal(Game&);
void TrialLayout(Game&);
void TrialDeal(Game&);
void DogsToTheBasketLayout(Game&);
void DogsToTheBasketDeal(Game&);
void PyramidLayout(Game&);
void PyramidDeal(Game&);
void PyramidClick(Game&, const Press&);
void PyramidActions(const TableState&, std::vector<PlayerAction>&);
bool PyramidWon(const TableState&);
// The pyramid's places, the other piles flat.
bool PyramidPlaceCards(TableState&, int pile);
// An in-play, face-up pyramid card with no card on it, or the waste's top card.
bool PyramidAvailable(const TableState&, int card);
void CrescentLayout(Game&);
void CrescentDeal(Game&);
void CrescentActions(const TableState&, std::vector<PlayerAction>&);
void CatsTailLayout(Game&);
void CatsTailDeal(Game&);
void PeacockLayout(Game&);
// Peacock, New Fashioned, Look of Fortune: the Aces start the foundations, one card per tableau pile.
void AcesThenOneEachDeal(Game&);
void GothicCastleLayout(Game&);
void GothicCastleDeal(Game&);
void ParterreLayout(Game&);
void ParterreDeal(Game&);
void ForestHouseLayout(Game&);
void ForestHouseDeal(Game&);
void FairMarketLayout(Game&);
void FairMarketDeal(Game&);
void NewFashionedLayout(Game&);
void BakersDozenLayout(Game&);
void BakersDozenDeal(Game&);
void BlackHoleLayout(Game&);
void BlackHoleDeal(Game&);
bool BlackHoleHopeless(const TableState&);
void EagleWingLayout(Game&);
void AcesUpLayout(Game&);
void AcesUpDeal(Game&);
int AcesUpDrop(TableState&);
bool AcesUpWon(const TableState&);
void FlowerGardenLayout(Game&);
void FlowerGardenDeal(Game&);
void OsmosisLayout(Game&);
void OsmosisDeal(Game&);
int OsmosisDrop(TableState&);
void GapsLayout(Game&);
void GapsDeal(Game&);
int GapsDrop(TableState&);
bool GapsWon(const TableState&);
void SunLayout(Game&);
void SunDeal(Game&);
void EightSphinxesLayout(Game&);
void EightSphinxesDeal(Game&);
void FirstAndLastLayout(Game&);
void FirstAndLastDeal(Game&);
void FirstAndLastFollowUp(Game&, const MoveOutcome&);
void WindMillLayout(Game&);
void WindMillDeal(Game&);
int WindMillDrop(TableState&);
void SultanLayout(Game&);
void SultanDeal(Game&);
void WomensKingdomLayout(Game&);
void WomensKingdomDeal(Game&);
void WomensKingdomFollowUp(Game&, const MoveOutcome&);
void SwedishPacketLayout(Game&);
void SwedishPacketDeal(Game&);
void FourPackagesLayout(Game&);
void FourPackagesDeal(Game&);
// A card played onto another package carries its pile's own package after it.
void FourPackagesFollowUp(Game&, const MoveOutcome&);
bool FourPackagesWon(const TableState&);
void KingsCornersLayout(Game&);
void KingsCornersDeal(Game&);
bool KingsCornersWon(const TableState&);
void OctagonLayout(Game&);
void OctagonDeal(Game&);
void OctagonFollowUp(Game&, const MoveOutcome&);
void YukonLayout(Game&);
void YukonDeal(Game&);
void RougeEtNoirLayout(Game&);
void RougeEtNoirDeal(Game&);
int RougeEtNoirDrop(TableState&);
void FortyThievesLayout(Game&);
void FortyThievesDeal(Game&);
void SpiderLayout(Game&);
void SpiderDeal(Game&);
int SpiderDrop(TableState&);
void SpiderClick(Game&, const Press&);
void SpiderActions(const TableState&, std::vector<PlayerAction>&);
// Spider: runs go home only as a whole.
extern const HeuristicWeights WholeRunWeights;
extern const HeuristicWeights GolfWeights;
extern const HeuristicWeights BlackHoleWeights;
extern const HeuristicWeights AcesUpWeights;
extern const HeuristicWeights PyramidWeights;
extern const HeuristicWeights BakersDozenWeights;
extern const HeuristicWeights ScorpionWeights;
extern const HeuristicWeights FlowerGardenWeights;
extern const HeuristicWeights KlondikeWeights;
// Spider and Rouge et Noir: their common layout (ten columns under a stock
// and eight foundations, room for faceDown hidden cards under eighteen face-up
// ones, King tokens from firstRunFoundation on); any tableau pile empty; a
// King inside the picked group above its bottom card; the picked group a
// 13-card run from a King going onto an empty pile from the tableau.
void LayOutTwoDeckColumns(Game&, int faceDown, int firstRunFoundation);
bool AnyTableauPileEmpty(const TableState&);
bool KingAboveActiveCard(const TableState&);
bool IsWholeRunFromKing(const TableState&, uint8_t suitCode);
void ChameleonLayout(Game&);
void ChameleonDeal(Game&);
}  // namespace games

}  // namespace quillo
