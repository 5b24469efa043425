#pragma once

namespace fenwake {

// How the body-fat percentage is estimated: the waist-and-weight formula (the program's own,
// from the lean body mass), the US Navy circumference method (Hodgdon and Beckett, 1984:
// waist, neck and height, and the hip for a woman), or relative fat mass (Woolcott and
// Bergman, 2018: height and waist).
enum class FatMethod { WaistAndWeight, Navy, RelativeFatMass };

// The entry as the form holds it: centimetres and kilograms when metric is set, inches and
// pounds when it is clear. No range is imposed; zero, negative and huge values go through.
// The neck and the hip are read by the Navy method alone.
struct Measurements {
    double waist = 0.0;
    double weight = 0.0;
    double height = 0.0;
    bool female = false;
    bool metric = false;
    double neck = 0.0;
    double hip = 0.0;
    FatMethod method = FatMethod::WaistAndWeight;
};

} // namespace fenwake
