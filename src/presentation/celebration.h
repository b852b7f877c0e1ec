#pragma once
// The win celebration: every card spirals away from where it lay, leaving
// trails that fade into the bare background.

#include <array>
#include <cstdint>

#include "engine/table_state.h"
#include "presentation/pixel_buffer.h"

namespace quillo {

class Field;

struct SpiralRecord {
    int32_t cx = 0, cy = 0;  // centre: where the card lay
    int32_t rx = 0, ry = 0;  // half extent of the card's zone
    double angle = 0.0;
    double scale = 1.0;
    double growth = 3.0;
    double step = 0.1;
    int32_t delay = 0;
};

// A number in [0, 1) from the shared generator.
double RandomFraction(uint32_t& seed);

// The spiral record of one card; draws step, scale and delay in that order.
SpiralRecord MakeSpiral(const TableState& t, int card, uint32_t& seed);

class Celebration {
public:
    // Fills the spirals, shuffles the drawing order, paints the bare
    // background into the store and starts the flight.
    void Start(Field& f, TableState& t);
    // One tick of T_Finish; true when the celebration has ended (the field
    // then shows the bare background).
    bool Tick(Field& f, TableState& t);
    bool Running() const { return Running_; }
    void Stop() { Running_ = false; }
    int Phase() const { return Phase_; }
    const SpiralRecord& Spiral(int card) const { return Spirals_[static_cast<size_t>(card)]; }

private:
    std::array<SpiralRecord, MaxCards> Spirals_{};
    int Phase_ = -1;
    bool Running_ = false;
};

// Moves every differing pixel of field a quarter of the way toward target.
void FadeToward(PixelBuffer& field, const PixelBuffer& target);

}  // namespace quillo
