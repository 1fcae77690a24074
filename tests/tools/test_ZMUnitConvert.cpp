// The unit catalogue against the definitions of its units, look-ups at their edges, factor and
// formula conversions, and the texts of one conversion.

#include "tools/ZMUnitConvert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

TUnitConvert Catalogue() {
    TUnitConvert c;
    c.BuildCatalogue();
    return c;
}

TEST(UnitCatalogue, TwelveCategoriesInOrderWithTheirBaseUnitsFirst) {
    const struct {
        const char* name;
        const char* description;
        int count;
        const char* first;
        const char* last;
        int usesFormulas;
    } rows[] = {
        {"Area", "Area [length^2]", 18, "square meters", "townships", 0},
        {"Bits&Bytes", "Bits and Bytes", 14, "bytes [B]", "exabytes [EB]", 0},
        {"Density", "mass/length^3", 22, "kilograms/cubic meters", "tons (US/cubic yard", 0},
        {"Energy", "Energy or work [force length]", 28, "joules [J]", "watt hours [Wh]", 0},
        {"Force", "Force [mass length/time2]", 12, "newtons [N]", "tons force (US)", 0},
        {"Length", "Length or distance", 28, "meters [m]", "yards", 0},
        {"Mass", "Mass", 17, "kilograms [kg]", "tonnes", 0},
        {"Power", "Power [force length/time]", 23, "watts [W]", "megawatts [MW]", 0},
        {"Pressure", "Pressure or stress [force/length2]", 33, "pascals [Pa]", "toor (mm Hg 0C)", 0},
        {"Speed", "Speed [length/time]", 22, "meters/second [m/s]", "yards/second", 0},
        {"Temperature", "Temperature", 4, "Kelvin", "Rankine", 1},
        {"Volume", "Volume or capacity [length^3]", 30, "liters [I or L]", "tea spoons", 0},
    };
    const TUnitConvert cat = Catalogue();
    ASSERT_EQ(cat.Count(), 12);
    int total = 0;
    for (int i = 0; i < cat.Count(); ++i) {
        const TUnitClass& c = *cat.GetClass(i);
        const auto& row = rows[i];
        EXPECT_EQ(c.Name, row.name);
        EXPECT_EQ(c.Description, row.description) << row.name;
        EXPECT_EQ(c.BaseUnitName, row.first) << row.name;
        EXPECT_EQ(c.UsesFormulas, row.usesFormulas) << row.name;
        ASSERT_EQ(c.Count(), row.count) << row.name;
        EXPECT_EQ(c.GetUnit(0)->Name, row.first) << row.name;
        EXPECT_EQ(c.GetUnit(0)->Factor, 1) << row.name;
        EXPECT_EQ(c.GetUnit(c.Count() - 1)->Name, row.last) << row.name;
        for (int u = 0; u < c.Count(); ++u) EXPECT_EQ(c.GetUnit(u)->CategoryName, row.name) << u;
        total += c.Count();
    }
    EXPECT_EQ(total, 251);
}

// ------------------------------------------------------------------------------------------------
// Every unit against its definition in base units.

// Every factor to 12 digits at least: defined by exact constants, or taken from NIST SP 811 and
// the units tables where the unit is measured.
struct UnitRow {
    const char* name;
    double expected;  // the factor: 1 / (size of the unit in base units)
};

constexpr double Per(double size) { return 1 / size; }

// Lengths (m), areas (m2), volumes (L) and masses (kg).
constexpr double inch = 0.0254;
constexpr double foot = 12 * inch;
constexpr double yard = 3 * foot;
constexpr double mile = 5280 * foot;
constexpr double surveyFoot = 1200.0 / 3937;
constexpr double cubicInchL = inch * inch * inch * 1000;
constexpr double ukGallonL = 4.54609;
constexpr double usGallonL = 231 * cubicInchL;
constexpr double usDryGallonL = 268.8025 * cubicInchL;
constexpr double pound = 0.45359237;
constexpr double ounce = pound / 16;
constexpr double grain = pound / 7000;
constexpr double troyOunce = 480 * grain;
// Forces (N), energies (J), pressures (Pa), times (s).
constexpr double g0 = 9.80665;
constexpr double poundForce = pound * g0;
constexpr double poundal = pound * foot;
constexpr double slug = poundForce / foot;
constexpr double calIT = 4.1868;
constexpr double calTh = 4.184;
constexpr double calMean = 4.19002;
constexpr double btuIT = 1055.05585262;
constexpr double btuTh = calTh * 453.59237 / 1.8;
constexpr double horsepower = 550 * foot * poundForce;
constexpr double minute = 60;
constexpr double hour = 3600;
constexpr double mercuryHead = 13595.1 * g0;  // Pa per metre of mercury
constexpr double waterHead = 1000 * g0;       // Pa per metre of water
constexpr double au = 149597870700;

// Areas in m2, lengths in m and so on: each category in its base unit, in catalogue order.
const std::vector<std::vector<UnitRow>>& Definitions() {
    static const std::vector<std::vector<UnitRow>> all = {
        {
            {"square meters", 1},
            {"acres", Per(43560 * foot * foot)},
            {"ares", Per(100)},
            {"circular inches", Per(std::numbers::pi / 4 * inch * inch)},
            {"hectares", Per(1e4)},
            {"hides", Per(120 * 43560 * foot * foot)},
            {"roods", Per(10890 * foot * foot)},
            {"square centimeters", Per(1e-4)},
            {"square feet(UK&US)", Per(foot * foot)},
            {"square feet(US survey)", Per(surveyFoot * surveyFoot)},
            {"square inches", Per(inch * inch)},
            {"square kilometers", Per(1e6)},
            {"square miles", Per(mile * mile)},
            {"square millimeters", Per(1e-6)},
            {"squares(of timber)", Per(100 * foot * foot)},
            {"square rods(or poles)", Per(16.5 * foot * 16.5 * foot)},
            {"square yards", Per(yard * yard)},
            {"townships", Per(36 * mile * mile)},
        },
        {
            {"bytes [B]", 1},
            {"bits [b]", Per(1.0 / 8)},
            {"kilobits [Kb]", Per(std::pow(1024, 1) / 8)},
            {"kilobytes [KB]", Per(std::pow(1024, 1))},
            {"megabits [Mb]", Per(std::pow(1024, 2) / 8)},
            {"megabytes [MB]", Per(std::pow(1024, 2))},
            {"gigabits [Gb]", Per(std::pow(1024, 3) / 8)},
            {"gigabytes [GB]", Per(std::pow(1024, 3))},
            {"terabits [Tb]", Per(std::pow(1024, 4) / 8)},
            {"terabytes [TB]", Per(std::pow(1024, 4))},
            {"petabits [Pb]", Per(std::pow(1024, 5) / 8)},
            {"petabytes [PB]", Per(std::pow(1024, 5))},
            {"exabits [Eb]", Per(std::pow(1024, 6) / 8)},
            {"exabytes [EB]", Per(std::pow(1024, 6))},
        },
        {
            {"kilograms/cubic meters", 1},
            {"grains/gallon (UK)", Per(grain / (ukGallonL / 1000))},
            {"grains/gallon (US)", Per(grain / (usGallonL / 1000))},
            {"grams/cubic centimeters", Per(1000)},
            {"grams/liter", 1},
            {"grams/milliliters", Per(1000)},
            {"kilogram/liter", Per(1000)},
            {"megagrams/cubic meter", Per(1000)},
            {"milligrams/milliliter", 1},
            {"milligrams/liter", Per(1e-3)},
            {"ounces/cubic inch", Per(ounce / (cubicInchL / 1000))},
            {"ounces/gallon (UK)", Per(ounce / (ukGallonL / 1000))},
            {"ounces/gallon (US)", Per(ounce / (usGallonL / 1000))},
            {"pounds/cubic inch", Per(pound / (inch * inch * inch))},
            {"pounds/cubic foot", Per(pound / (foot * foot * foot))},
            {"pounds/gallon (UK)", Per(pound / (ukGallonL / 1000))},
            {"pounds/gallon (US)", Per(pound / (usGallonL / 1000))},
            {"slugs/cubic foot", Per(slug / (foot * foot * foot))},
            {"tonnes/cubic meter", Per(1000)},
            {"kilograms/cubic meters", 1},
            {"tons (UK)/cubic yard", Per(2240 * pound / (yard * yard * yard))},
            {"tons (US/cubic yard", Per(2000 * pound / (yard * yard * yard))},
        },
        {
            {"joules [J]", 1},
            {"Btu (IT)", Per(btuIT)},
            {"Btu (th)", Per(btuTh)},
            {"Btu (mean)", Per(calMean * 453.59237 / 1.8)},
            {"calories (IT)", Per(calIT)},
            {"calories (th)", Per(calTh)},
            {"calories (mean)", Per(calMean)},
            {"calories (15C)", Per(4.18580)},
            {"calories (20C)", Per(4.18190)},
            {"calories (food)", Per(1000 * calTh)},
            {"centigrade heat units", Per(1.8 * btuIT)},
            {"electron volts [eV]", Per(1.602176634e-19)},
            {"ergs", Per(1e-7)},
            {"foot pound-force [ft lbf]", Per(foot * poundForce)},
            {"foot poundals", Per(foot * poundal)},
            {"gigajoules [GJ]", Per(1e9)},
            {"horsepower hours", Per(horsepower * hour)},
            {"inch pound-force [in lbf]", Per(inch * poundForce)},
            {"kilocalories (IT)", Per(1000 * calIT)},
            {"kilocalories (th)", Per(1000 * calTh)},
            {"kilogram-force meters", Per(g0)},
            {"kilojoules [kJ]", Per(1e3)},
            {"kilowatt hours [kWh]", Per(1000 * hour)},
            {"megajoules [MJ]", Per(1e6)},
            {"newton meters [Nm]", 1},
            {"therms", Per(1e5 * btuIT)},
            {"watt seconds [Ws]", 1},
            {"watt hours [Wh]", Per(hour)},
        },
        {
            {"newtons [N]", 1},
            {"dynes", Per(1e-5)},
            {"kilograms force", Per(g0)},
            {"kilonewtons [kN]", Per(1e3)},
            {"kips", Per(1000 * poundForce)},
            {"nmeganewtons [MN]", Per(1e6)},
            {"pounds force", Per(poundForce)},
            {"poundals", Per(poundal)},
            {"sthenes =[kN]", Per(1e3)},
            {"tonnes force", Per(1000 * g0)},
            {"tons force (UK)", Per(2240 * poundForce)},
            {"tons force (US)", Per(2000 * poundForce)},
        },
        {
            {"meters [m]", 1},
            {"astronomical units [AU]", Per(au)},
            {"barleycorn", Per(inch / 3)},
            {"cables", Per(600 * foot)},
            {"centimeters [cm]", Per(1e-2)},
            {"chains [surveyors]", Per(66 * foot)},
            {"decimeters", Per(1e-1)},
            {"ells (UK)", Per(45 * inch)},
            {"ems (pica)", Per(inch / 6)},
            {"fathoms", Per(6 * foot)},
            {"feet (UK and US)", Per(foot)},
            {"feet (US survey)", Per(surveyFoot)},
            {"furlongs", Per(660 * foot)},
            {"hands", Per(4 * inch)},
            {"hectometer", Per(1e2)},
            {"inches [in]", Per(inch)},
            {"kilometers [km]", Per(1e3)},
            {"light years", Per(299792458.0 * 365.25 * 86400)},
            {"micrometers", Per(1e-6)},
            {"mil", Per(inch / 1000)},
            {"miles (UK and US)", Per(mile)},
            {"miles (nautical,international)", Per(1852)},
            {"miles (nautical,UK)", Per(6080 * foot)},
            {"millimeters [mm]", Per(1e-3)},
            {"nanometers", Per(1e-9)},
            {"parsecs", Per(648000 / std::numbers::pi * au)},
            {"picometers", Per(1e-12)},
            {"yards", Per(yard)},
        },
        {
            {"kilograms [kg]", 1},
            {"carats (metric)", Per(2e-4)},
            {"cental", Per(100 * pound)},
            {"Earth masses", Per(5.97216839978724e24)},
            {"grains", Per(grain)},
            {"grams", Per(1e-3)},
            {"hundredweights", Per(112 * pound)},
            {"ounces (avoirdupois)", Per(ounce)},
            {"ounces (troy)", Per(troyOunce)},
            {"pounds (avoirdupois)", Per(pound)},
            {"pounds (troy)", Per(12 * troyOunce)},
            {"Solar masses", Per(1.98840987131653e30)},
            {"slugs (g-pounds)", Per(slug)},
            {"stone", Per(14 * pound)},
            {"tons (UK or long)", Per(2240 * pound)},
            {"tons (US or short)", Per(2000 * pound)},
            {"tonnes", Per(1e3)},
        },
        {
            {"watts [W]", 1},
            {"Btu/hour", Per(btuIT / hour)},
            {"Btu/minute", Per(btuIT / minute)},
            {"Btu/second", Per(btuIT)},
            {"calories(th)/hour", Per(calTh / hour)},
            {"calories(th)/minute", Per(calTh / minute)},
            {"calories(th)/second", Per(calTh)},
            {"foot pounds-force/minute", Per(foot * poundForce / minute)},
            {"foot pounds-force/second", Per(foot * poundForce)},
            {"gigawatts [GW]", Per(1e9)},
            {"horsepowers (electric)", Per(746)},
            {"horsepowers (international)", Per(horsepower)},
            {"horsepowers (water)", Per(746.043)},
            {"horsepowers (metric)", Per(75 * g0)},
            {"joules/hour", Per(1 / hour)},
            {"joules/minute", Per(1 / minute)},
            {"joules/second", 1},
            {"kilocalories(th)/hour", Per(1000 * calTh / hour)},
            {"kilocalories(th)/minute", Per(1000 * calTh / minute)},
            {"kilogram-force meters/hour", Per(g0 / hour)},
            {"kilogram-force meters/minute", Per(g0 / minute)},
            {"kilowatts [kW]", Per(1e3)},
            {"megawatts [MW]", Per(1e6)},
        },
        {
            {"pascals [Pa]", 1},
            {"atmosphere", Per(101325)},
            {"bars", Per(1e5)},
            {"centimeters mercury", Per(0.01 * mercuryHead)},
            {"centimeters water", Per(0.01 * waterHead)},
            {"feet of water", Per(foot * waterHead)},
            {"hectopascals [hPa]", Per(1e2)},
            {"inches of water", Per(inch * waterHead)},
            {"inches of mercury", Per(inch * mercuryHead)},
            {"kilogram-forces/sq.centimeter", Per(g0 / 1e-4)},
            {"kilogram-forces/sq.meter", Per(g0)},
            {"kilonewtons/sq.meter", Per(1e3)},
            {"kilonewtons/sq.millimeter", Per(1e9)},
            {"kilopascals [kPa]", Per(1e3)},
            {"kips/sq.inch", Per(1000 * poundForce / (inch * inch))},
            {"meganewtons/sq.meter", Per(1e6)},
            {"meganewtons/sq.millimeter", Per(1e12)},
            {"meters of water", Per(waterHead)},
            {"millibars", Per(1e2)},
            {"millimeters of mercury", Per(0.001 * mercuryHead)},
            {"millimeters of water", Per(0.001 * waterHead)},
            {"newtons/sq.centimeter", Per(1e4)},
            {"newtons/sq.meter", 1},
            {"newtons/sq.millimeter", Per(1e6)},
            {"pounds-force/sq.foot", Per(poundForce / (foot * foot))},
            {"pounds-force/sq.inch [psi]", Per(poundForce / (inch * inch))},
            {"poundals/sq.foot", Per(poundal / (foot * foot))},
            {"tons (UK)-force/sq.inch", Per(2240 * poundForce / (inch * inch))},
            {"tons (US)-force/sq.foot", Per(2000 * poundForce / (foot * foot))},
            {"tons (US)-force/sq.inch", Per(2000 * poundForce / (inch * inch))},
            {"tonnes-force/sq.cm", Per(1000 * g0 / 1e-4)},
            {"tonnes-force/sq.meter", Per(1000 * g0)},
            {"toor (mm Hg 0C)", Per(101325.0 / 760)},
        },
        {
            {"meters/second [m/s]", 1},
            {"centimeters/minute", Per(0.01 / minute)},
            {"centimeters/second", Per(0.01)},
            {"feet/hour", Per(foot / hour)},
            {"feet/minute", Per(foot / minute)},
            {"feet/second", Per(foot)},
            {"inches/minute", Per(inch / minute)},
            {"inches/second", Per(inch)},
            {"kilometers/hour", Per(1000 / hour)},
            {"kilometers/second", Per(1000)},
            {"knots", Per(1852 / hour)},
            {"knots (UK)", Per(6080 * foot / hour)},
            {"Mach number (ISA/SL)", Per(340.294)},
            {"meters/hour", Per(1 / hour)},
            {"meters/minute", Per(1 / minute)},
            {"miles/hour", Per(mile / hour)},
            {"miles/minute", Per(mile / minute)},
            {"miles/second", Per(mile)},
            {"speed of light", Per(299792458)},
            {"yards/hour", Per(yard / hour)},
            {"yards/minute", Per(yard / minute)},
            {"yards/second", Per(yard)},
        },
        {
            {"Kelvin", 1},
            {"Celsius", 1},
            {"Fahrenheit", 1},
            {"Rankine", 1},
        },
        {
            {"liters [I or L]", 1},
            {"barrels (oil)", Per(42 * usGallonL)},
            {"bushels (UK)", Per(8 * ukGallonL)},
            {"bushels (US)", Per(2150.42 * cubicInchL)},
            {"centiliters", Per(1e-2)},
            {"cubic centimeters", Per(1e-3)},
            {"cubic decimeters", 1},
            {"cubic decameters", Per(1e6)},
            {"cubic feet", Per(1728 * cubicInchL)},
            {"cubic inches", Per(cubicInchL)},
            {"cubic meters", Per(1e3)},
            {"cubic millimeters", Per(1e-6)},
            {"cubic yards", Per(46656 * cubicInchL)},
            {"cups", Per(usGallonL / 16)},
            {"deciliters", Per(1e-1)},
            {"fluid ounces (UK)", Per(ukGallonL / 160)},
            {"fluid ounces (US)", Per(usGallonL / 128)},
            {"gallons (UK)", Per(ukGallonL)},
            {"gallons,dry (US)", Per(usDryGallonL)},
            {"gallons,liquid (US)", Per(usGallonL)},
            {"liters (1901-1964)", Per(1.000028)},
            {"milliliters", Per(1e-3)},
            {"pints (UK)", Per(ukGallonL / 8)},
            {"pints, dry (US)", Per(usDryGallonL / 8)},
            {"pints, liquid (US)", Per(usGallonL / 8)},
            {"quarts (UK)", Per(ukGallonL / 4)},
            {"quarts, dry (US)", Per(usDryGallonL / 4)},
            {"quarts, liquid (US)", Per(usGallonL / 4)},
            {"table spoons", Per(usGallonL / 256)},
            {"tea spoons", Per(usGallonL / 768)},
        },
    };
    return all;
}

TEST(UnitCatalogue, EveryUnitInOrderWithTheFactorOfItsDefinition) {
    const TUnitConvert cat = Catalogue();
    const auto& defs = Definitions();
    ASSERT_EQ(static_cast<int>(defs.size()), cat.Count());
    for (int i = 0; i < cat.Count(); ++i) {
        const TUnitClass& c = *cat.GetClass(i);
        ASSERT_EQ(static_cast<int>(defs[i].size()), c.Count()) << c.Name;
        for (int k = 0; k < c.Count(); ++k) {
            const UnitRow& row = defs[i][k];
            const TUnitElem& u = *c.GetUnit(k);
            EXPECT_EQ(u.Name, row.name) << c.Name << " " << k;
            EXPECT_LT(std::fabs(u.Factor / row.expected - 1), 1e-12) << row.name << " " << u.Factor;
        }
    }
}

TEST(UnitConversion, OneUnitIsItsDefinedSize) {
    // The size of one unit as NIST SP 811 and the units tables give it, in the 15-digit format.
    const struct {
        const char* category;
        const char* unit;
        const char* in;
        const char* size;
    } rows[] = {
        {"Length", "miles (UK and US)", "kilometers [km]", "1.609344"},
        {"Length", "feet (UK and US)", "meters [m]", "0.3048"},
        {"Length", "inches [in]", "centimeters [cm]", "2.54"},
        {"Length", "yards", "meters [m]", "0.9144"},
        {"Length", "miles (nautical,international)", "meters [m]", "1852"},
        {"Length", "miles (nautical,UK)", "meters [m]", "1853.184"},
        {"Length", "fathoms", "meters [m]", "1.8288"},
        {"Length", "chains [surveyors]", "meters [m]", "20.1168"},
        {"Length", "feet (US survey)", "meters [m]", "0.304800609601219"},
        {"Length", "mil", "millimeters [mm]", "0.0254"},
        {"Length", "astronomical units [AU]", "kilometers [km]", "149597870.7"},
        {"Length", "light years", "kilometers [km]", "9460730472580.8"},
        {"Area", "acres", "square meters", "4046.8564224"},
        {"Area", "square miles", "square kilometers", "2.589988110336"},
        {"Area", "square inches", "square centimeters", "6.4516"},
        {"Area", "square feet(UK&US)", "square meters", "0.09290304"},
        {"Mass", "pounds (avoirdupois)", "kilograms [kg]", "0.45359237"},
        {"Mass", "ounces (avoirdupois)", "grams", "28.349523125"},
        {"Mass", "grains", "grams", "0.06479891"},
        {"Mass", "ounces (troy)", "grams", "31.1034768"},
        {"Mass", "stone", "kilograms [kg]", "6.35029318"},
        {"Mass", "tons (UK or long)", "kilograms [kg]", "1016.0469088"},
        {"Mass", "slugs (g-pounds)", "kilograms [kg]", "14.5939029372064"},
        {"Volume", "gallons,liquid (US)", "liters [I or L]", "3.785411784"},
        {"Volume", "gallons (UK)", "liters [I or L]", "4.54609"},
        {"Volume", "cubic inches", "cubic centimeters", "16.387064"},
        {"Volume", "cubic feet", "liters [I or L]", "28.316846592"},
        {"Volume", "fluid ounces (US)", "milliliters", "29.5735295625"},
        {"Volume", "barrels (oil)", "liters [I or L]", "158.987294928"},
        {"Volume", "bushels (US)", "liters [I or L]", "35.23907016688"},
        {"Energy", "calories (th)", "joules [J]", "4.184"},
        {"Energy", "calories (IT)", "joules [J]", "4.1868"},
        {"Energy", "Btu (IT)", "joules [J]", "1055.05585262"},
        {"Energy", "foot pound-force [ft lbf]", "joules [J]", "1.3558179483314"},
        {"Energy", "electron volts [eV]", "joules [J]", "1.602176634E-19"},
        {"Power", "horsepowers (international)", "watts [W]", "745.69987158227"},
        {"Power", "horsepowers (metric)", "watts [W]", "735.49875"},
        {"Pressure", "atmosphere", "pascals [Pa]", "101325"},
        {"Pressure", "pounds-force/sq.inch [psi]", "pascals [Pa]", "6894.75729316836"},
        {"Pressure", "millimeters of mercury", "pascals [Pa]", "133.322387415"},
        {"Pressure", "inches of water", "pascals [Pa]", "249.08891"},
        {"Force", "pounds force", "newtons [N]", "4.4482216152605"},
        {"Force", "poundals", "newtons [N]", "0.138254954376"},
        {"Speed", "miles/hour", "kilometers/hour", "1.609344"},
        {"Speed", "knots", "kilometers/hour", "1.852"},
        {"Density", "pounds/cubic foot", "kilograms/cubic meters", "16.0184633739601"},
    };
    const TUnitConvert cat = Catalogue();
    for (const auto& r : rows)
        EXPECT_EQ(ConvertText(*cat.FindClass(r.category), r.unit, r.in, "1", '.').Output, r.size) << r.unit;
}

TEST(UnitCatalogue, LookupsAtTheirEdges) {
    const TUnitConvert cat = Catalogue();
    EXPECT_EQ(cat.GetClass(-1), nullptr);
    EXPECT_EQ(cat.GetClass(12), nullptr);
    EXPECT_EQ(cat.GetClass(0)->Name, "Area");
    EXPECT_EQ(cat.GetClass(11)->Name, "Volume");
    EXPECT_EQ(cat.FindClass("Bits&Bytes"), cat.GetClass(1));
    for (const char* missing : {"", "area", "Bits && Bytes", "Volume "}) EXPECT_EQ(cat.FindClass(missing), nullptr) << missing;

    const TUnitClass& density = *cat.FindClass("Density");
    EXPECT_EQ(density.GetUnit(-1), nullptr);
    EXPECT_EQ(density.GetUnit(density.Count()), nullptr);
    EXPECT_EQ(density.GetUnit(21)->Name, "tons (US/cubic yard");
    // The name listed twice finds its first place.
    EXPECT_EQ(density.FindUnit("kilograms/cubic meters"), density.GetUnit(0));
    EXPECT_EQ(density.GetUnit(19)->Name, "kilograms/cubic meters");
    EXPECT_EQ(density.FindUnit("Kilograms/cubic meters"), nullptr);
    EXPECT_EQ(density.FindUnit(""), nullptr);

    // A missing name or a zero factor gives the factor 0.
    TUnitConvert own;
    TUnitClass& c = own.AddClass("C", "one", "d");
    EXPECT_EQ(c.UsesFormulas, 0);
    c.AddUnit("one", 1);
    c.AddUnit("none", 0);
    c.AddUnit("four", 4);
    EXPECT_EQ(c.GetFactor("one", "four"), 4);
    EXPECT_EQ(c.GetFactor("four", "one"), 0.25);
    EXPECT_EQ(c.GetFactor("one", "none"), 0);
    EXPECT_EQ(c.GetFactor("none", "one"), 0);
    EXPECT_EQ(c.GetFactor("one", "five"), 0);
    EXPECT_EQ(c.Convert("four", "nine", 3), 0);
}

// ------------------------------------------------------------------------------------------------
// Conversions.

void ExpectClose(double got, double want, const std::string& what) {
    EXPECT_NEAR(got, want, 1e-12 * std::max(1.0, std::fabs(want))) << what;
}

TEST(UnitConversion, FactorConversionsBothWays) {
    const struct {
        const char* category;
        const char* a;
        const char* b;
        double aValue;
        double bValue;
    } rows[] = {
        {"Length", "meters [m]", "centimeters [cm]", 1, 100},
        {"Length", "ells (UK)", "meters [m]", 1, 1.143},
        {"Length", "kilometers [km]", "millimeters [mm]", 2.5, 2.5e6},
        {"Bits&Bytes", "kilobytes [KB]", "bits [b]", 1, 8192},
        {"Bits&Bytes", "gigabytes [GB]", "megabits [Mb]", 1, 8192},
        {"Pressure", "atmosphere", "pascals [Pa]", 1, 101325},
        {"Pressure", "atmosphere", "bars", 1, 1.01325},
        {"Pressure", "kilogram-forces/sq.centimeter", "pascals [Pa]", 1, 98066.5},
        {"Energy", "kilowatt hours [kWh]", "megajoules [MJ]", 1, 3.6},
        {"Force", "tons force (US)", "newtons [N]", 1, 2000 * 0.45359237 * 9.80665},
        {"Area", "hectares", "square meters", -3, -30000},
    };
    const TUnitConvert cat = Catalogue();
    for (const auto& r : rows) {
        const TUnitClass& c = *cat.FindClass(r.category);
        const std::string what = std::string(r.a) + " / " + r.b;
        ExpectClose(c.Convert(r.a, r.b, r.aValue), r.bValue, what);
        ExpectClose(c.Convert(r.b, r.a, r.bValue), r.aValue, what);
        EXPECT_EQ(c.Convert(r.a, r.b, 0), 0) << what;
    }
}

TEST(UnitConversion, EveryTemperaturePairAtTwoPoints) {
    // The freezing and boiling points of water and absolute zero in each unit.
    const char* units[] = {"Kelvin", "Celsius", "Fahrenheit", "Rankine"};
    const double points[][4] = {
        {273.15, 0, 32, 491.67},
        {373.15, 100, 212, 671.67},
        {0, -273.15, -459.67, 0},
    };
    const TUnitConvert cat = Catalogue();
    const TUnitClass& t = *cat.FindClass("Temperature");
    for (const auto& p : points)
        for (int from = 0; from < 4; ++from)
            for (int to = 0; to < 4; ++to)
                EXPECT_NEAR(t.Convert(units[from], units[to], p[from]), p[to], 1e-9)
                    << p[from] << " " << units[from] << " -> " << units[to];
}

TEST(UnitConversion, TemperaturesWithAShortExactResultGiveIt) {
    const TUnitConvert cat = Catalogue();
    const TUnitClass& t = *cat.FindClass("Temperature");
    const struct {
        const char* from;
        const char* to;
        const char* input;
        const char* output;
    } rows[] = {
        {"Celsius", "Fahrenheit", "0", "32"},
        {"Celsius", "Fahrenheit", "100", "212"},
        {"Fahrenheit", "Celsius", "32", "0"},
        {"Celsius", "Fahrenheit", "-40", "-40"},
        {"Fahrenheit", "Celsius", "-40", "-40"},
        {"Kelvin", "Celsius", "0", "-273.15"},
        {"Celsius", "Fahrenheit", "37", "98.6"},
        {"Fahrenheit", "Celsius", "212", "100"},
        {"Celsius", "Kelvin", "-273", "0.15"},
        {"Kelvin", "Fahrenheit", "0", "-459.67"},
        {"Rankine", "Celsius", "0", "-273.15"},
        {"Celsius", "Rankine", "0", "491.67"},
        {"Fahrenheit", "Kelvin", "50", "283.15"},
        {"Kelvin", "Celsius", "273.16", "0.01"},
        {"Celsius", "Kelvin", "-273.1499", "0.0001"},
        // Other results keep the digits down to the 15th of the largest value converted.
        {"Fahrenheit", "Celsius", "1", "-17.222222222222"},
        {"Celsius", "Fahrenheit", "0.123456789", "32.2222222202"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ConvertText(t, r.from, r.to, r.input, '.').Output, r.output) << r.input << " " << r.from;
    // Exactly 0 where the formulas alone leave the last bits of 273.15 - 273.15.
    EXPECT_EQ(t.Convert("Rankine", "Celsius", 491.67), 0);
    EXPECT_EQ(t.Convert("Celsius", "Kelvin", -273.15), 0);
    EXPECT_EQ(t.Convert("Fahrenheit", "Rankine", -459.67), 0);
}

TEST(UnitConversion, TheSameUnitAndFailingFormulas) {
    TUnitConvert own;
    TUnitClass& c = own.AddFormulaClass("T", "a", "d", 1);
    c.AddFormulaUnit("a", "x", 1, "x");
    c.AddFormulaUnit("root", "sqrt(x)", 1, "x^2");
    c.AddFormulaUnit("log", "x", 1, "ln(x)");
    c.AddFormulaUnit("broken", "x+", 1, "*x");
    c.AddFormulaUnit("plus", "x+1", 1, "x-1");
    const struct {
        const char* from;
        const char* to;
        double value;
        double want;
    } rows[] = {
        {"broken", "broken", 7, 7},  // no formula runs
        {"root", "root", -4, -4},
        {"root", "a", 9, 3},
        {"root", "a", -4, 0},        // sqrt fails: 0
        {"root", "plus", -4, -1},    // ... and the next step runs on 0
        {"a", "log", 0, 0},          // ln fails: 0
        {"a", "broken", 5, 0},
        {"broken", "plus", 5, -1},
        {"a", "missing", 5, 0},
        {"missing", "plus", 5, -1},
    };
    for (const auto& r : rows)
        EXPECT_EQ(c.ConvertByFormula(r.from, r.to, r.value), r.want) << r.from << " -> " << r.to << " " << r.value;
}

TEST(UnitConversion, TextsOfOneConversion) {
    const TUnitConvert cat = Catalogue();
    const struct {
        const char* category;
        const char* from;
        const char* to;
        const char* input;
        char sep;
        const char* shown;
        const char* output;
    } rows[] = {
        {"Length", "meters [m]", "centimeters [cm]", "1", '.', "1", "100"},
        {"Length", "meters [m]", "centimeters [cm]", "1,5", ',', "1,5", "150"},
        {"Length", "centimeters [cm]", "meters [m]", "1,5", ',', "1,5", "0,015"},
        {"Length", "meters [m]", "centimeters [cm]", "1.5", ',', "0", "0"},
        {"Length", "meters [m]", "centimeters [cm]", "abc", '.', "0", "0"},
        {"Length", "meters [m]", "centimeters [cm]", "", '.', "0", "0"},
        {"Length", "meters [m]", "centimeters [cm]", "-0", '.', "0", "0"},
        {"Length", "meters [m]", "centimeters [cm]", " 2e3 ", '.', " 2e3 ", "200000"},
        {"Length", "meters [m]", "picometers", "1", '.', "1", "1000000000000"},
        {"Length", "nanometers", "meters [m]", "1", '.', "1", "1E-9"},
        {"Bits&Bytes", "exabytes [EB]", "bits [b]", "1", '.', "1", "9.22337203685478E18"},
        {"Bits&Bytes", "kilobytes [KB]", "bits [b]", "1", '.', "1", "8192"},
        {"Temperature", "Celsius", "Kelvin", "0", '.', "0", "273.15"},
        {"Temperature", "Celsius", "Kelvin", "37,5", ',', "37,5", "310,65"},
        {"Temperature", "Celsius", "Kelvin", "x", '.', "0", "273.15"},
    };
    for (const auto& r : rows) {
        const TUnitConversionText t = ConvertText(*cat.FindClass(r.category), r.from, r.to, r.input, r.sep);
        EXPECT_EQ(t.Input, r.shown) << r.input;
        EXPECT_EQ(t.Output, r.output) << r.input;
        EXPECT_EQ(t.UnitsLine, std::string(r.from) + " -> " + r.to);
        EXPECT_EQ(t.ValuesLine, std::string(r.shown) + " -> " + r.output);
    }
}

}  // namespace
