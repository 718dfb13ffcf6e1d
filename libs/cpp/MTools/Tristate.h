#pragma once

namespace MTools {

// False, true or undefined: for settings and answers that may not have been given.
class Tristate
{
public:
    // Undefined is 1000, not 2. A value outside these three counts as defined and
    // false.
    enum TrisateVal : int { TSFalse = 0, TSTrue = 1, TSUndefined = 1000 };

    Tristate(TrisateVal value);
    Tristate(bool value);
    Tristate(const Tristate& other) = default;
    Tristate& operator=(const Tristate& other) = default;
    Tristate& operator=(bool value);

    bool operator==(const Tristate& other) const;
    bool operator!=(const Tristate& other) const;

    // For undefined: sets *ok to false and returns false. Otherwise returns
    // whether the value is true and leaves *ok as it was, so the caller sets it
    // to true beforehand.
    bool toBool(bool* ok) const;

private:
    TrisateVal m_value;
};

} // namespace MTools
