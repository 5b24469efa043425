#pragma once

namespace fenwake {

// The entry as the form holds it: centimetres and kilograms when metric is set, inches and
// pounds when it is clear. No range is imposed; zero, negative and huge values go through.
struct Measurements {
    double waist = 0.0;
    double weight = 0.0;
    double height = 0.0;
    bool female = false;
    bool metric = false;
};

} // namespace fenwake
