#pragma once
// The eleven instrument tuner pages. Each page does all its work in its
// constructor: picture, string buttons bound to their samples, the
// instrument's links for the user's country and the More menu.

#include "RADarir/tuners/TunerBasePage.h"

namespace RADarir {

// What sets one page apart from the others.
struct TunerDescription
{
    char const* picture;
    char const* stem;
    char const* notes; // the strings, left to right, separated by blanks
    int ownApp;        // TunerTables::AppId of the instrument's chord app, or -1
};

class InstrumentTunerPage : public TunerBasePage
{
    Q_OBJECT
protected:
    InstrumentTunerPage(QWidget* parent, TunerDescription const& description);
};

class ViolinTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit ViolinTuner(QWidget* parent);
};

class ViolaTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit ViolaTuner(QWidget* parent);
};

class CelloTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit CelloTuner(QWidget* parent);
};

class DoubleBassTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit DoubleBassTuner(QWidget* parent);
};

class GuitarTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit GuitarTuner(QWidget* parent);
};

class UkuleleTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit UkuleleTuner(QWidget* parent);
};

class BanjoTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit BanjoTuner(QWidget* parent);
};

class BalalaikaTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit BalalaikaTuner(QWidget* parent);
};

class MandolinTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit MandolinTuner(QWidget* parent);
};

class DombraTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit DombraTuner(QWidget* parent);
};

// Opens with four strings; its Modes menu adds and removes the low B.
class BassGuitarTuner : public InstrumentTunerPage
{
    Q_OBJECT
public:
    explicit BassGuitarTuner(QWidget* parent);

public slots:
    void slot5Strings();
    void slot4Strings();
};

} // namespace RADarir
