#include "game_table.h"

#include "games/games.h"
#include "table_state.h"

namespace quillo {

using namespace games;

const std::array<GameHooks, CatalogueSize>& GameTable()
{
    // clang-format off
    static const std::array<GameHooks, CatalogueSize> table = [] {
        std::array<GameHooks, CatalogueSize> t{};
        constexpr auto none = nullptr;
        constexpr uint8_t NapoleonsTraits = TraitShrinkingWastes | TraitRegroupsDrag;
        //  index                layout               deal               after the deal  drop               click               follow-up          win               traits
        t[Klondike]        = {KlondikeLayout,      KlondikeDeal,      none,           none,              none,               none,              none};
        t[BigHarp]         = {BigHarpLayout,       BigHarpDeal,       none,           none,              none,               none,              none};
        t[Agnes]           = {AgnesLayout,         AgnesDeal,         none,           none,              none,               none,              none};
        t[MerryTwos]       = {MerryTwosLayout,     MerryTwosDeal,     none,           none,              none,               none,              none};
        t[Golf]            = {GolfLayout,          GolfDeal,          none,           GolfDrop,          none,               none,              GolfWon};
        t[Chinese]         = {ChineseLayout,       ChineseDeal,       none,           none,              none,               none,              none};
        t[LookOfFortune]   = {LookOfFortuneLayout, LookOfFortuneDeal, none,           none,              none,               none,              none};
        t[Fans]            = {FansLayout,          FansDeal,          none,           none,              none,               none,              none};
        t[Icebreaker]      = {IcebreakerLayout,    IcebreakerDeal,    none,           none,              none,               IcebreakerRefill,  IcebreakerWon};
        t[FourSeasons]     = {FourSeasonsLayout,   FourSeasonsDeal,   none,           none,              none,               none,              none};
        t[Duke]            = {DukeLayout,          DukeDeal,          none,           none,              none,               none,              none};
        t[ShiftedCross]    = {ShiftedCrossLayout,  ShiftedCrossDeal,  none,           none,              none,               none,              none};
        t[Threes]          = {ThreesLayout,        ThreesDeal,        none,           none,              none,               none,              none};
        t[Canfield]        = {CanfieldLayout,      CanfieldDeal,      none,           none,              none,               RefillFromReserve, none};
        t[Aribert]         = {AribertLayout,       AribertDeal,       none,           AribertDrop,       AribertClick,       none,              none,             TraitAlwaysTurnUp};
        t[Trial]           = {TrialLayout,         TrialDeal,         none,           none,              none,               none,              none};
        t[DogsToTheBasket] = {DogsToTheBasketLayout, DogsToTheBasketDeal, none,       none,              none,               none,              none,             TraitGatherTableauOnRedeal};
        t[Scorpion]        = {ScorpionLayout,      ScorpionDeal,      none,           none,              none,               none,              ScorpionWon};
        t[Pyramid]         = {PyramidLayout,       PyramidDeal,       none,           none,              PyramidClick,       none,              PyramidWon};
        t[FreeCell]        = {FreeCellLayout,      FreeCellDeal,      none,           none,              FreeCellClick,      none,              none};
        t[Star]            = {StarLayout,          StarDeal,          none,           none,              none,               none,              none};
        t[Crescent]        = {CrescentLayout,      CrescentDeal,      none,           none,              none,               none,              none,             TraitDealTurnsPiles};
        t[Braid]           = {BraidLayout,         BraidDeal,         BraidLeanCards, BraidDrop,         none,               none,              none,             TraitPutBackOneCard};
        t[NapoleonsTomb]   = {NapoleonsTombLayout, NapoleonsTombDeal, none,           NapoleonsTombDrop, NapoleonsTombClick, none,              none,             NapoleonsTraits};
        t[CatsTail]        = {CatsTailLayout,      CatsTailDeal,      none,           none,              none,               none,              none};
        t[Peacock]         = {PeacockLayout,       AcesThenOneEachDeal, none,           none,              none,               none,              none};
        t[GothicCastle]    = {GothicCastleLayout,  GothicCastleDeal,  none,           none,              none,               none,              none};
        t[Parterre]        = {ParterreLayout,      ParterreDeal,      none,           none,              none,               none,              none};
        t[ForestHouse]     = {ForestHouseLayout,   ForestHouseDeal,   none,           none,              none,               none,              none};
        t[FairMarket]      = {FairMarketLayout,    FairMarketDeal,    none,           none,              none,               none,              none};
        t[NewFashioned]    = {NewFashionedLayout,  AcesThenOneEachDeal, none,           none,              none,               none,              none};
        t[Sun]             = {SunLayout,           SunDeal,           none,           none,              none,               none,              none};
        t[EightSphinxes]   = {EightSphinxesLayout, EightSphinxesDeal, none,           none,              none,               none,              none};
        t[FirstAndLast]    = {FirstAndLastLayout,  FirstAndLastDeal,  none,           none,              none,               FirstAndLastFollowUp, none};
        t[WindMill]        = {WindMillLayout,      WindMillDeal,      none,           WindMillDrop,      none,               none,              none};
        t[Sultan]          = {SultanLayout,        SultanDeal,        none,           none,              none,               none,              none};
        t[WomensKingdom]   = {WomensKingdomLayout, WomensKingdomDeal, none,           none,              none,               WomensKingdomFollowUp, none};
        t[SwedishPacket]   = {SwedishPacketLayout, SwedishPacketDeal, none,           none,              none,               none,              none};
        t[FourPackages]    = {FourPackagesLayout,  FourPackagesDeal,  none,           none,              none,               FourPackagesFollowUp, FourPackagesWon};
        t[KingsCorners]    = {KingsCornersLayout,  KingsCornersDeal,  none,           none,              none,               none,              KingsCornersWon};
        t[Octagon]         = {OctagonLayout,       OctagonDeal,       none,           none,              none,               OctagonFollowUp,   none};
        t[Yukon]           = {YukonLayout,         YukonDeal,         none,           none,              none,               none,              none};
        t[MonteCarlo]      = {MonteCarloLayout,    MonteCarloDeal,    none,           none,              MonteCarloClick,    none,              none,             TraitDealClosesGaps};
        t[BakersDozen]     = {BakersDozenLayout,   BakersDozenDeal,   none,           none,              none,               none,              none};
        t[BlackHole]       = {BlackHoleLayout,     BlackHoleDeal,     none,           none,              none,               none,              none};
        t[EagleWing]       = {EagleWingLayout,     CanfieldDeal,      none,           none,              none,               RefillFromReserve, none};
        t[RougeEtNoir]     = {RougeEtNoirLayout,   RougeEtNoirDeal,   none,           RougeEtNoirDrop,   none,               none,              none};
        t[FortyThieves]    = {FortyThievesLayout,  FortyThievesDeal,  none,           none,              none,               none,              none};
        t[AcesUp]          = {AcesUpLayout,        AcesUpDeal,        none,           AcesUpDrop,        none,               none,              AcesUpWon};
        t[Spider]          = {SpiderLayout,        SpiderDeal,        none,           SpiderDrop,        SpiderClick,        none,              none};
        t[RoyalMarriage]   = {RoyalMarriageLayout, RoyalMarriageDeal, none,           none,              RoyalMarriageClick, none,              RoyalMarriageWon};
        t[Chameleon]       = {ChameleonLayout,     ChameleonDeal,     none,           none,              none,               RefillFromReserve, none};
        t[FlowerGarden]    = {FlowerGardenLayout,  FlowerGardenDeal,  none,           none,              none,               none,              none};
        t[Osmosis]         = {OsmosisLayout,       OsmosisDeal,       none,           OsmosisDrop,       none,               none,              none};
        t[Gaps]            = {GapsLayout,          GapsDeal,          none,           GapsDrop,          none,               none,              GapsWon};
        t[Pyramid].PlaceCards = PyramidPlaceCards;
        t[Braid].PlaceCards = BraidPlaceCards;
        return t;
    }();
    // clang-format on
    return table;
}

const GameHooks& HooksOf(int catalogueIndex)
{
    static const GameHooks none;
    if (catalogueIndex < 0 || catalogueIndex >= CatalogueSize) return none;
    return GameTable()[static_cast<size_t>(catalogueIndex)];
}

bool IsPlayable(int catalogueIndex)
{
    const GameHooks& h = HooksOf(catalogueIndex);
    return h.Layout != nullptr && h.Deal != nullptr;
}

}  // namespace quillo
