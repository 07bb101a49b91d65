#pragma once

namespace censaria {

// The pupil's own enlargement of every text (1 as designed, 1.25 or 1.5 for low
// vision), on top of the display's scale. Twips::font multiplies it in.
class TypeScale
{
public:
    static constexpr double steps[] = {1.0, 1.25, 1.5};

    static double factor() { return factor_; }
    // Takes the nearest of the steps.
    static void setFactor(double factor);

private:
    static double factor_;
};

} // namespace censaria
