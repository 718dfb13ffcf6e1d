#pragma once
// How the tuning pegs of a head with pegs on both sides are shared out: one
// peg per string that is tuned at the head (the banjo's short string has its
// peg on the neck), the odd one on the left.

namespace AssetGen {

struct PegSides
{
    int left;
    int right;
};

inline PegSides pegSides(int headStrings)
{
    return {(headStrings + 1) / 2, headStrings / 2};
}

} // namespace AssetGen
