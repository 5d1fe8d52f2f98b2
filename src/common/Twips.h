#pragma once

// Positions and sizes are laid out in twips, 15 to a pixel. Rounds to the nearest pixel, the
// same way on both sides of zero, so an offset and its negative stay mirrored.
constexpr int twips(int tw)
{
    const long long wide = tw; // no overflow at the ends of int
    return static_cast<int>(wide >= 0 ? (wide + 7) / 15 : (wide - 7) / 15);
}

constexpr int toTwips(int px)
{
    return px * 15;
}
