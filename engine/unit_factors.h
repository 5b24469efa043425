#pragma once

namespace fenwake {

// The program's own unit factors. They are intended: 2.56 centimetres to the inch (not 2.54)
// and 2.2 pounds to the kilogram (not 2.2046), the same in the formulas and in the window's
// unit switch. Every conversion multiplies by one of them; none divides.
inline constexpr double poundsPerKilogram = 2.2;
inline constexpr double kilogramsPerPound = 0.45454545454545453; // the double nearest 1 / 2.2
inline constexpr double centimetresPerInch = 2.56;
inline constexpr double inchesPerCentimetre = 0.390625; // exactly 1 / 2.56

} // namespace fenwake
