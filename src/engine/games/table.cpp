// The one game table: every game's row, in catalogue order.

#include <cassert>

#include "../game_table.h"
#include "../heuristic.h"
#include "games.h"

namespace quillo {

using namespace games;

const std::array<GameHooks, CatalogueSize>& GameTable()
{
    // clang-format off
    static const std::array<GameHooks, CatalogueSize> table{{
    {.Index = Klondike, .Name = "Klondike", .Level = 'M', .HelpTopic = "H_klondike", .Layout = KlondikeLayout, .Deal = KlondikeDeal, .Weights = &KlondikeWeights, .Traits = TraitAlikeEmptyPiles | TraitSafeHome},
    {.Index = BigHarp, .Name = "Big Harp", .Level = 'M', .HelpTopic = "H_big_harp", .Layout = BigHarpLayout, .Deal = BigHarpDeal},
    {.Index = Agnes, .Name = "Agnes", .Level = 'M', .HelpTopic = "H_agnes", .Layout = AgnesLayout, .Deal = AgnesDeal},
    {.Index = MerryTwos, .Name = "Merry Twos", .Level = 'H', .HelpTopic = "H_merry_twos", .Layout = MerryTwosLayout, .Deal = MerryTwosDeal},
    {.Index = Golf, .Name = "Golf", .Level = 'L', .HelpTopic = "H_golf", .Layout = GolfLayout, .Deal = GolfDeal, .Drop = GolfDrop, .Won = GolfWon, .Weights = &GolfWeights},
    {.Index = Chinese, .Name = "Chinese", .Level = 'V', .HelpTopic = "H_chinese", .Layout = ChineseLayout, .Deal = ChineseDeal},
    {.Index = LookOfFortune, .Name = "Look of Fortune", .Level = 'E', .HelpTopic = "H_fortune", .Layout = LookOfFortuneLayout, .Deal = AcesThenOneEachDeal},
    {.Index = Fans, .Name = "Fans", .Level = 'H', .HelpTopic = "H_fans", .Layout = FansLayout, .Deal = FansDeal},
    {.Index = Icebreaker, .Name = "Icebreaker", .Level = 'L', .HelpTopic = "H_icebreaker", .Layout = IcebreakerLayout, .Deal = IcebreakerDeal, .FollowUp = IcebreakerRefill, .Won = IcebreakerWon},
    {.Index = FourSeasons, .Name = "Four Seasons", .Level = 'L', .HelpTopic = "H_seasons", .Layout = FourSeasonsLayout, .Deal = FourSeasonsDeal},
    {.Index = Duke, .Name = "Duke", .Level = 'E', .HelpTopic = "H_duke", .Layout = DukeLayout, .Deal = DukeDeal},
    {.Index = ShiftedCross, .Name = "Shifted Cross", .Level = 'M', .HelpTopic = "H_cross", .Layout = ShiftedCrossLayout, .Deal = ShiftedCrossDeal},
    {.Index = Threes, .Name = "Threes", .Level = 'V', .HelpTopic = "H_threes", .Layout = ThreesLayout, .Deal = ThreesDeal},
    {.Index = Canfield, .Name = "Canfield", .Level = 'L', .HelpTopic = "H_canfield", .Layout = CanfieldLayout, .Deal = CanfieldDeal, .FollowUp = RefillFromReserve},
    {.Index = Aribert, .Name = "Aribert", .Level = 'L', .HelpTopic = "H_aribert", .Layout = AribertLayout, .Deal = AribertDeal, .Drop = AribertDrop, .Click = AribertClick, .Actions = AribertActions, .Traits = TraitAlwaysTurnUp},
    {.Index = Trial, .Name = "Trial", .Level = 'M', .HelpTopic = "H_trial", .Layout = TrialLayout, .Deal = TrialDeal},
    {.Index = DogsToTheBasket, .Name = "Dogs to the Basket", .Level = 'M', .HelpTopic = "H_dogs", .Layout = DogsToTheBasketLayout, .Deal = DogsToTheBasketDeal, .Traits = TraitGatherTableauOnRedeal},
    {.Index = Scorpion, .Name = "Scorpion", .Level = 'E', .HelpTopic = "H_scorpion", .Layout = ScorpionLayout, .Deal = ScorpionDeal, .Won = ScorpionWon, .Weights = &ScorpionWeights, .Traits = TraitAlikeEmptyPiles},
    {.Index = Pyramid, .Name = "Pyramid", .Level = 'H', .HelpTopic = "H_pyramid", .Layout = PyramidLayout, .Deal = PyramidDeal, .Click = PyramidClick, .Won = PyramidWon, .Actions = PyramidActions, .PlaceCards = PyramidPlaceCards, .Weights = &PyramidWeights, .Traits = TraitKeepsPlaces},
    {.Index = FreeCell, .Name = "Free Cell", .Level = 'H', .HelpTopic = "H_free_cell", .Layout = FreeCellLayout, .Deal = FreeCellDeal, .Click = FreeCellClick, .Actions = FreeCellActions, .Weights = &FreeCellWeights, .Traits = TraitAlikeEmptyPiles | TraitSafeHome | TraitMarksRun},
    {.Index = Star, .Name = "Star", .Level = 'H', .HelpTopic = "H_star", .Layout = StarLayout, .Deal = StarDeal, .Traits = TraitDefaultGame},
    {.Index = Crescent, .Name = "Crescent", .Level = 'V', .HelpTopic = "H_crescent", .Layout = CrescentLayout, .Deal = CrescentDeal, .Actions = CrescentActions, .Traits = TraitDealTurnsPiles},
    {.Index = Braid, .Name = "Braid", .Level = 'M', .HelpTopic = "H_braid", .Layout = BraidLayout, .Deal = BraidDeal, .AfterDeal = BraidLeanCards, .Drop = BraidDrop, .PlaceCards = BraidPlaceCards, .Traits = TraitPutBackOneCard},
    {.Index = NapoleonsTomb, .Name = "Napoleon's Tomb", .Level = 'H', .HelpTopic = "H_napoltomb", .Layout = NapoleonsTombLayout, .Deal = NapoleonsTombDeal, .Drop = NapoleonsTombDrop, .Click = NapoleonsTombClick, .Actions = NapoleonsTombActions, .DragRedraws = NapoleonsTombDragRedraws, .Traits = TraitShrinkingWastes | TraitRegroupsDrag},
    {.Index = CatsTail, .Name = "Cat's Tail", .Level = 'H', .HelpTopic = "H_cat_tail", .Layout = CatsTailLayout, .Deal = CatsTailDeal},
    {.Index = Peacock, .Name = "Peacock", .Level = 'E', .HelpTopic = "H_peacock", .Layout = PeacockLayout, .Deal = AcesThenOneEachDeal},
    {.Index = GothicCastle, .Name = "Gothic Castle", .Level = 'L', .HelpTopic = "H_castle", .Layout = GothicCastleLayout, .Deal = GothicCastleDeal},
    {.Index = Parterre, .Name = "Parterre", .Level = 'E', .HelpTopic = "H_parter", .Layout = ParterreLayout, .Deal = ParterreDeal},
    {.Index = ForestHouse, .Name = "Forest House", .Level = 'H', .HelpTopic = "H_house", .Layout = ForestHouseLayout, .Deal = ForestHouseDeal},
    {.Index = FairMarket, .Name = "Fair Market", .Level = 'E', .HelpTopic = "H_market", .Layout = FairMarketLayout, .Deal = FairMarketDeal},
    {.Index = NewFashioned, .Name = "New Fashioned", .Level = 'E', .HelpTopic = "H_newfash", .Layout = NewFashionedLayout, .Deal = AcesThenOneEachDeal},
    {.Index = Sun, .Name = "Sun", .Level = 'E', .HelpTopic = "H_sun", .Layout = SunLayout, .Deal = SunDeal},
    {.Index = EightSphinxes, .Name = "Eight Sphinxes", .Level = 'M', .HelpTopic = "H_sphinx", .Layout = EightSphinxesLayout, .Deal = EightSphinxesDeal},
    {.Index = FirstAndLast, .Name = "First and Last", .Level = 'M', .HelpTopic = "H_first_last", .Layout = FirstAndLastLayout, .Deal = FirstAndLastDeal, .FollowUp = FirstAndLastFollowUp},
    {.Index = WindMill, .Name = "WindMill", .Level = 'V', .HelpTopic = "H_windmill", .Layout = WindMillLayout, .Deal = WindMillDeal, .Drop = WindMillDrop},
    {.Index = Sultan, .Name = "Sultan", .Level = 'E', .HelpTopic = "H_sultan", .Layout = SultanLayout, .Deal = SultanDeal},
    {.Index = WomensKingdom, .Name = "Women's Kingdom", .Level = 'H', .HelpTopic = "H_women", .Layout = WomensKingdomLayout, .Deal = WomensKingdomDeal, .FollowUp = WomensKingdomFollowUp},
    {.Index = SwedishPacket, .Name = "Swedish Packet", .Level = 'E', .HelpTopic = "H_swedish", .Layout = SwedishPacketLayout, .Deal = SwedishPacketDeal},
    {.Index = FourPackages, .Name = "Four Packages", .Level = 'E', .HelpTopic = "H_quarter", .Layout = FourPackagesLayout, .Deal = FourPackagesDeal, .FollowUp = FourPackagesFollowUp, .Won = FourPackagesWon},
    {.Index = KingsCorners, .Name = "Kings Corners", .Level = 'V', .HelpTopic = "H_kings_corners", .Layout = KingsCornersLayout, .Deal = KingsCornersDeal, .Won = KingsCornersWon},
    {.Index = Octagon, .Name = "Octagon", .Level = 'E', .HelpTopic = "H_octagon", .Layout = OctagonLayout, .Deal = OctagonDeal, .FollowUp = OctagonFollowUp},
    {.Index = MonteCarlo, .Name = "Monte Carlo", .Level = 'M', .HelpTopic = "H_monte_carlo", .Layout = MonteCarloLayout, .Deal = MonteCarloDeal, .Click = MonteCarloClick, .Actions = MonteCarloActions, .Traits = TraitDealClosesGaps},
    {.Index = Yukon, .Name = "Yukon", .Level = 'M', .HelpTopic = "H_yukon", .Layout = YukonLayout, .Deal = YukonDeal, .Traits = TraitAlikeEmptyPiles | TraitSafeHome},
    {.Index = BakersDozen, .Name = "Baker's Dozen", .Level = 'M', .HelpTopic = "H_baker_dozen", .Layout = BakersDozenLayout, .Deal = BakersDozenDeal, .Weights = &BakersDozenWeights, .Traits = TraitSafeHome},
    {.Index = BlackHole, .Name = "Black Hole", .Level = 'M', .HelpTopic = "H_black_hole", .Layout = BlackHoleLayout, .Deal = BlackHoleDeal, .Weights = &BlackHoleWeights},
    {.Index = EagleWing, .Name = "Eagle Wing", .Level = 'E', .HelpTopic = "H_eagle_wing", .Layout = EagleWingLayout, .Deal = CanfieldDeal, .FollowUp = RefillFromReserve},
    {.Index = RougeEtNoir, .Name = "Rouge et Noir", .Level = 'V', .HelpTopic = "H_rouge_et_noir", .Layout = RougeEtNoirLayout, .Deal = RougeEtNoirDeal, .Drop = RougeEtNoirDrop},
    {.Index = FortyThieves, .Name = "Forty Thieves", .Level = 'V', .HelpTopic = "H_forty_thieves", .Layout = FortyThievesLayout, .Deal = FortyThievesDeal, .Traits = TraitSafeHome},
    {.Index = AcesUp, .Name = "Aces Up", .Level = 'L', .HelpTopic = "H_aces_up", .Layout = AcesUpLayout, .Deal = AcesUpDeal, .Drop = AcesUpDrop, .Won = AcesUpWon, .Weights = &AcesUpWeights},
    {.Index = Spider, .Name = "Spider", .Level = 'H', .HelpTopic = "H_spider", .Layout = SpiderLayout, .Deal = SpiderDeal, .Drop = SpiderDrop, .Click = SpiderClick, .Actions = SpiderActions, .Weights = &WholeRunWeights, .Traits = TraitAlikeEmptyPiles},
    {.Index = RoyalMarriage, .Name = "Royal Marriage", .Level = 'E', .HelpTopic = "H_royal_marriage", .Layout = RoyalMarriageLayout, .Deal = RoyalMarriageDeal, .Click = RoyalMarriageClick, .Won = RoyalMarriageWon, .Actions = RoyalMarriageActions},
    {.Index = Chameleon, .Name = "Chameleon", .Level = 'L', .HelpTopic = "H_chameleon", .Layout = ChameleonLayout, .Deal = ChameleonDeal, .FollowUp = RefillFromReserve},
    {.Index = FlowerGarden, .Name = "Flower Garden", .Level = 'H', .HelpTopic = "H_flower_garden", .Layout = FlowerGardenLayout, .Deal = FlowerGardenDeal, .Weights = &FlowerGardenWeights, .Traits = TraitSafeHome},
    {.Index = Osmosis, .Name = "Osmosis", .Level = 'M', .HelpTopic = "H_osmosis", .Layout = OsmosisLayout, .Deal = OsmosisDeal, .Drop = OsmosisDrop},
    {.Index = Gaps, .Name = "Gaps", .Level = 'M', .HelpTopic = "H_gaps", .Layout = GapsLayout, .Deal = GapsDeal, .Drop = GapsDrop, .Won = GapsWon},
    }};
    // clang-format on
    // Checked once: the table is asked for on every move.
    [[maybe_unused]] static const bool checked = [] {
        assert(CheckGameTable(table.data(), CatalogueSize).empty());
        return true;
    }();
    return table;
}

}  // namespace quillo
