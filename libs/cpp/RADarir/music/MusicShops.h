#pragma once
// The seven instruments' music-shop link sets. A music page creates its
// instrument's set in its addShopMenu with itself as parent; the set is
// complete when its constructor returns and never changes.

#include "RADarir/music/MusicShopBase.h"

namespace RADarir {

class UkuleleShop : public MusicShopBase
{
    Q_OBJECT
public:
    explicit UkuleleShop(QObject* parent);
};

class GuitarShop : public MusicShopBase
{
    Q_OBJECT
public:
    explicit GuitarShop(QObject* parent);
};

class BanjoShop : public MusicShopBase
{
    Q_OBJECT
public:
    explicit BanjoShop(QObject* parent);
};

// Serves both bass chord pages.
class BassShop : public MusicShopBase
{
    Q_OBJECT
public:
    explicit BassShop(QObject* parent);
};

class BalalaikaShop : public MusicShopBase
{
    Q_OBJECT
public:
    explicit BalalaikaShop(QObject* parent);
};

class PianoShop : public MusicShopBase
{
    Q_OBJECT
public:
    explicit PianoShop(QObject* parent);
};

class MandolinShop : public MusicShopBase
{
    Q_OBJECT
public:
    explicit MandolinShop(QObject* parent);
};

} // namespace RADarir
