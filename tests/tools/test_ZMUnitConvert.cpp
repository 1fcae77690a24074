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

// Exact: defined by exact constants, the factor to 1E-12. Close: within 0.1 % of the
// definition. AsIs: no definition to hold it to (measured or varying sizes); the factor as listed.
enum class Check { Exact, Close, AsIs };

struct UnitRow {
    const char* name;
    double expected;  // the factor: 1 / (size of the unit in base units), or the listed one for AsIs
    Check check;
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
            {"square meters", 1, Check::Exact},
            {"acres", Per(43560 * foot * foot), Check::Close},
            {"ares", Per(100), Check::Exact},
            {"circular inches", Per(std::numbers::pi / 4 * inch * inch), Check::Close},
            {"hectares", Per(1e4), Check::Exact},
            {"hides", 2e-06, Check::AsIs},
            {"roods", Per(10890 * foot * foot), Check::Close},
            {"square centimeters", Per(1e-4), Check::Exact},
            {"square feet(UK&US)", Per(foot * foot), Check::Close},
            {"square feet(US survey)", Per(surveyFoot * surveyFoot), Check::Close},
            {"square inches", Per(inch * inch), Check::Close},
            {"square kilometers", Per(1e6), Check::Exact},
            {"square miles", Per(mile * mile), Check::Close},
            {"square millimeters", Per(1e-6), Check::Exact},
            {"squares(of timber)", Per(100 * foot * foot), Check::Close},
            {"square rods(or poles)", Per(16.5 * foot * 16.5 * foot), Check::Close},
            {"square yards", Per(yard * yard), Check::Close},
            {"townships", Per(36 * mile * mile), Check::Close},
        },
        {
            {"bytes [B]", 1, Check::Exact},
            {"bits [b]", Per(1.0 / 8), Check::Exact},
            {"kilobits [Kb]", Per(std::pow(1024, 1) / 8), Check::Exact},
            {"kilobytes [KB]", Per(std::pow(1024, 1)), Check::Exact},
            {"megabits [Mb]", Per(std::pow(1024, 2) / 8), Check::Exact},
            {"megabytes [MB]", Per(std::pow(1024, 2)), Check::Exact},
            {"gigabits [Gb]", Per(std::pow(1024, 3) / 8), Check::Exact},
            {"gigabytes [GB]", Per(std::pow(1024, 3)), Check::Exact},
            {"terabits [Tb]", Per(std::pow(1024, 4) / 8), Check::Exact},
            {"terabytes [TB]", Per(std::pow(1024, 4)), Check::Exact},
            {"petabits [Pb]", Per(std::pow(1024, 5) / 8), Check::Exact},
            {"petabytes [PB]", Per(std::pow(1024, 5)), Check::Exact},
            {"exabits [Eb]", Per(std::pow(1024, 6) / 8), Check::Exact},
            {"exabytes [EB]", Per(std::pow(1024, 6)), Check::Exact},
        },
        {
            {"kilograms/cubic meters", 1, Check::Exact},
            {"grains/gallon (UK)", Per(grain / (ukGallonL / 1000)), Check::Close},
            {"grains/gallon (US)", Per(grain / (usGallonL / 1000)), Check::Close},
            {"grams/cubic centimeters", Per(1000), Check::Exact},
            {"grams/liter", 1, Check::Exact},
            {"grams/milliliters", Per(1000), Check::Exact},
            {"kilogram/liter", Per(1000), Check::Exact},
            {"megagrams/cubic meter", Per(1000), Check::Exact},
            {"milligrams/milliliter", 1, Check::Exact},
            {"milligrams/liter", Per(1e-3), Check::Exact},
            {"ounces/cubic inch", Per(ounce / (cubicInchL / 1000)), Check::Close},
            {"ounces/gallon (UK)", Per(ounce / (ukGallonL / 1000)), Check::Close},
            {"ounces/gallon (US)", Per(ounce / (usGallonL / 1000)), Check::Close},
            {"pounds/cubic inch", Per(pound / (inch * inch * inch)), Check::Exact},
            {"pounds/cubic foot", Per(pound / (foot * foot * foot)), Check::Close},
            {"pounds/gallon (UK)", Per(pound / (ukGallonL / 1000)), Check::Close},
            {"pounds/gallon (US)", Per(pound / (usGallonL / 1000)), Check::Close},
            {"slugs/cubic foot", Per(slug / (foot * foot * foot)), Check::Close},
            {"tonnes/cubic meter", Per(1000), Check::Exact},
            {"kilograms/cubic meters", 1, Check::Exact},
            {"tons (UK)/cubic yard", Per(2240 * pound / (yard * yard * yard)), Check::Close},
            {"tons (US/cubic yard", Per(2000 * pound / (yard * yard * yard)), Check::Close},
        },
        {
            {"joules [J]", 1, Check::Exact},
            {"Btu (IT)", Per(btuIT), Check::Close},
            {"Btu (th)", Per(btuTh), Check::Close},
            {"Btu (mean)", 0.000947, Check::AsIs},
            {"calories (IT)", Per(calIT), Check::Close},
            {"calories (th)", Per(calTh), Check::Close},
            {"calories (mean)", 0.238662, Check::AsIs},
            {"calories (15C)", 0.238903, Check::AsIs},
            {"calories (20C)", 0.239126, Check::AsIs},
            {"calories (food)", Per(1000 * calIT), Check::Close},
            {"centigrade heat units", Per(1.8 * btuIT), Check::Exact},
            {"electron volts [eV]", Per(1.602176634e-19), Check::Close},
            {"ergs", Per(1e-7), Check::Exact},
            {"foot pound-force [ft lbf]", Per(foot * poundForce), Check::Close},
            {"foot poundals", Per(foot * poundal), Check::Close},
            {"gigajoules [GJ]", Per(1e9), Check::Exact},
            {"horsepower hours", Per(horsepower * hour), Check::Close},
            {"inch pound-force [in lbf]", Per(inch * poundForce), Check::Close},
            {"kilocalories (IT)", Per(1000 * calIT), Check::Close},
            {"kilocalories (th)", Per(1000 * calTh), Check::Close},
            {"kilogram-force meters", Per(g0), Check::Close},
            {"kilojoules [kJ]", Per(1e3), Check::Exact},
            {"kilowatt hours [kWh]", Per(1000 * hour), Check::Exact},
            {"megajoules [MJ]", Per(1e6), Check::Exact},
            {"newton meters [Nm]", 1, Check::Exact},
            {"therms", Per(1e5 * btuIT), Check::Close},
            {"watt seconds [Ws]", 1, Check::Exact},
            {"watt hours [Wh]", Per(hour), Check::Exact},
        },
        {
            {"newtons [N]", 1, Check::Exact},
            {"dynes", Per(1e-5), Check::Exact},
            {"kilograms force", Per(g0), Check::Close},
            {"kilonewtons [kN]", Per(1e3), Check::Exact},
            {"kips", Per(1000 * poundForce), Check::Close},
            {"nmeganewtons [MN]", Per(1e6), Check::Exact},
            {"pounds force", Per(poundForce), Check::Close},
            {"poundals", Per(poundal), Check::Close},
            {"sthenes =[kN]", Per(1e3), Check::Exact},
            {"tonnes force", Per(1000 * g0), Check::Close},
            {"tons force (UK)", Per(2240 * poundForce), Check::Exact},
            {"tons force (US)", Per(2000 * poundForce), Check::Exact},
        },
        {
            {"meters [m]", 1, Check::Exact},
            {"astronomical units [AU]", Per(au), Check::Close},
            {"barleycorn", Per(inch / 3), Check::Close},
            {"cables", Per(600 * foot), Check::Close},
            {"centimeters [cm]", Per(1e-2), Check::Exact},
            {"chains [surveyors]", Per(66 * foot), Check::Close},
            {"decimeters", Per(1e-1), Check::Exact},
            {"ells (UK)", Per(45 * inch), Check::Exact},
            {"ems (pica)", Per(inch / 6), Check::Close},
            {"fathoms", Per(6 * foot), Check::Close},
            {"feet (UK and US)", Per(foot), Check::Close},
            {"feet (US survey)", Per(surveyFoot), Check::Close},
            {"furlongs", Per(660 * foot), Check::Close},
            {"hands", Per(4 * inch), Check::Close},
            {"hectometer", Per(1e2), Check::Exact},
            {"inches [in]", Per(inch), Check::Close},
            {"kilometers [km]", Per(1e3), Check::Exact},
            {"light years", Per(299792458.0 * 365.25 * 86400), Check::Close},
            {"micrometers", Per(1e-6), Check::Exact},
            {"mil", Per(inch / 1000), Check::Close},
            {"miles (UK and US)", Per(mile), Check::Close},
            {"miles (nautical,international)", Per(1852), Check::Close},
            {"miles (nautical,UK)", Per(6080 * foot), Check::Close},
            {"millimeters [mm]", Per(1e-3), Check::Exact},
            {"nanometers", Per(1e-9), Check::Exact},
            {"parsecs", Per(648000 / std::numbers::pi * au), Check::Close},
            {"picometers", Per(1e-12), Check::Exact},
            {"yards", Per(yard), Check::Close},
        },
        {
            {"kilograms [kg]", 1, Check::Exact},
            {"carats (metric)", Per(2e-4), Check::Exact},
            {"cental", Per(100 * pound), Check::Close},
            {"Earth masses", 1.6722408026755854e-25, Check::AsIs},
            {"grains", Per(grain), Check::Close},
            {"grams", Per(1e-3), Check::Exact},
            {"hundredweights", Per(112 * pound), Check::Close},
            {"ounces (avoirdupois)", Per(ounce), Check::Close},
            {"ounces (troy)", Per(troyOunce), Check::Close},
            {"pounds (avoirdupois)", Per(pound), Check::Close},
            {"pounds (troy)", Per(12 * troyOunce), Check::Close},
            {"Solar masses", 5.027652086475616e-31, Check::AsIs},
            {"slugs (g-pounds)", Per(slug), Check::Close},
            {"stone", Per(14 * pound), Check::Close},
            {"tons (UK or long)", Per(2240 * pound), Check::Close},
            {"tons (US or short)", Per(2000 * pound), Check::Close},
            {"tonnes", Per(1e3), Check::Exact},
        },
        {
            {"watts [W]", 1, Check::Exact},
            {"Btu/hour", Per(btuIT / hour), Check::Close},
            {"Btu/minute", Per(btuIT / minute), Check::Close},
            {"Btu/second", Per(btuIT), Check::Close},
            {"calories(th)/hour", Per(calTh / hour), Check::Close},
            {"calories(th)/minute", Per(calTh / minute), Check::Close},
            {"calories(th)/second", Per(calTh), Check::Close},
            {"foot pounds-force/minute", Per(foot * poundForce / minute), Check::Close},
            {"foot pounds-force/second", Per(foot * poundForce), Check::Close},
            {"gigawatts [GW]", Per(1e9), Check::Exact},
            {"horsepowers (electric)", Per(746), Check::Close},
            {"horsepowers (international)", Per(horsepower), Check::Close},
            {"horsepowers (water)", Per(746.043), Check::Close},
            {"horsepowers (metric)", Per(75 * g0), Check::Close},
            {"joules/hour", Per(1 / hour), Check::Exact},
            {"joules/minute", Per(1 / minute), Check::Exact},
            {"joules/second", 1, Check::Exact},
            {"kilocalories(th)/hour", Per(1000 * calTh / hour), Check::Close},
            {"kilocalories(th)/minute", Per(1000 * calTh / minute), Check::Close},
            {"kilogram-force meters/hour", Per(g0 / hour), Check::Close},
            {"kilogram-force meters/minute", Per(g0 / minute), Check::Close},
            {"kilowatts [kW]", Per(1e3), Check::Exact},
            {"megawatts [MW]", Per(1e6), Check::Exact},
        },
        {
            {"pascals [Pa]", 1, Check::Exact},
            {"atmosphere", Per(101325), Check::Exact},
            {"bars", Per(1e5), Check::Exact},
            {"centimeters mercury", Per(0.01 * mercuryHead), Check::Close},
            {"centimeters water", Per(0.01 * waterHead), Check::Close},
            {"feet of water", Per(foot * waterHead), Check::Exact},
            {"hectopascals [hPa]", Per(1e2), Check::Exact},
            {"inches of water", Per(inch * waterHead), Check::Close},
            {"inches of mercury", Per(inch * mercuryHead), Check::Exact},
            {"kilogram-forces/sq.centimeter", Per(g0 / 1e-4), Check::Exact},
            {"kilogram-forces/sq.meter", Per(g0), Check::Close},
            {"kilonewtons/sq.meter", Per(1e3), Check::Exact},
            {"kilonewtons/sq.millimeter", Per(1e9), Check::Exact},
            {"kilopascals [kPa]", Per(1e3), Check::Exact},
            {"kips/sq.inch", Per(1000 * poundForce / (inch * inch)), Check::Close},
            {"meganewtons/sq.meter", Per(1e6), Check::Exact},
            {"meganewtons/sq.millimeter", Per(1e12), Check::Exact},
            {"meters of water", Per(waterHead), Check::Close},
            {"millibars", Per(1e2), Check::Exact},
            {"millimeters of mercury", Per(0.001 * mercuryHead), Check::Close},
            {"millimeters of water", Per(0.001 * waterHead), Check::Close},
            {"newtons/sq.centimeter", Per(1e4), Check::Exact},
            {"newtons/sq.meter", 1, Check::Exact},
            {"newtons/sq.millimeter", Per(1e6), Check::Exact},
            {"pounds-force/sq.foot", Per(poundForce / (foot * foot)), Check::Close},
            {"pounds-force/sq.inch [psi]", Per(poundForce / (inch * inch)), Check::Close},
            {"poundals/sq.foot", Per(poundal / (foot * foot)), Check::Exact},
            {"tons (UK)-force/sq.inch", Per(2240 * poundForce / (inch * inch)), Check::Close},
            {"tons (US)-force/sq.foot", Per(2000 * poundForce / (foot * foot)), Check::Close},
            {"tons (US)-force/sq.inch", Per(2000 * poundForce / (inch * inch)), Check::Close},
            {"tonnes-force/sq.cm", Per(1000 * g0 / 1e-4), Check::Close},
            {"tonnes-force/sq.meter", Per(1000 * g0), Check::Close},
            {"toor (mm Hg 0C)", Per(101325.0 / 760), Check::Close},
        },
        {
            {"meters/second [m/s]", 1, Check::Exact},
            {"centimeters/minute", Per(0.01 / minute), Check::Exact},
            {"centimeters/second", Per(0.01), Check::Exact},
            {"feet/hour", Per(foot / hour), Check::Close},
            {"feet/minute", Per(foot / minute), Check::Close},
            {"feet/second", Per(foot), Check::Close},
            {"inches/minute", Per(inch / minute), Check::Close},
            {"inches/second", Per(inch), Check::Close},
            {"kilometers/hour", Per(1000 / hour), Check::Exact},
            {"kilometers/second", Per(1000), Check::Exact},
            {"knots", Per(1852 / hour), Check::Close},
            {"knots (UK)", Per(6080 * foot / hour), Check::Close},
            {"Mach number (ISA/SL)", Per(340.294), Check::Close},
            {"meters/hour", Per(1 / hour), Check::Exact},
            {"meters/minute", Per(1 / minute), Check::Exact},
            {"miles/hour", Per(mile / hour), Check::Close},
            {"miles/minute", Per(mile / minute), Check::Close},
            {"miles/second", Per(mile), Check::Close},
            {"speed of light", Per(299792458), Check::Close},
            {"yards/hour", Per(yard / hour), Check::Close},
            {"yards/minute", Per(yard / minute), Check::Close},
            {"yards/second", Per(yard), Check::Close},
        },
        {
            {"Kelvin", 1, Check::Exact},
            {"Celsius", 1, Check::Exact},
            {"Fahrenheit", 1, Check::Exact},
            {"Rankine", 1, Check::Exact},
        },
        {
            {"liters [I or L]", 1, Check::Exact},
            {"barrels (oil)", Per(42 * usGallonL), Check::Close},
            {"bushels (UK)", Per(8 * ukGallonL), Check::Close},
            {"bushels (US)", Per(2150.42 * cubicInchL), Check::Close},
            {"centiliters", Per(1e-2), Check::Exact},
            {"cubic centimeters", Per(1e-3), Check::Exact},
            {"cubic decimeters", 1, Check::Exact},
            {"cubic decameters", Per(1e6), Check::Exact},
            {"cubic feet", Per(1728 * cubicInchL), Check::Close},
            {"cubic inches", Per(cubicInchL), Check::Close},
            {"cubic meters", Per(1e3), Check::Exact},
            {"cubic millimeters", Per(1e-6), Check::Exact},
            {"cubic yards", Per(46656 * cubicInchL), Check::Close},
            {"cups", Per(usGallonL / 16), Check::Close},
            {"deciliters", Per(1e-1), Check::Exact},
            {"fluid ounces (UK)", Per(ukGallonL / 160), Check::Close},
            {"fluid ounces (US)", Per(usGallonL / 128), Check::Close},
            {"gallons (UK)", Per(ukGallonL), Check::Close},
            {"gallons,dry (US)", Per(usDryGallonL), Check::Close},
            {"gallons,liquid (US)", Per(usGallonL), Check::Close},
            {"liters (1901-1964)", Per(1.000028), Check::Close},
            {"milliliters", Per(1e-3), Check::Exact},
            {"pints (UK)", Per(ukGallonL / 8), Check::Close},
            {"pints, dry (US)", Per(usDryGallonL / 8), Check::Close},
            {"pints, liquid (US)", Per(usGallonL / 8), Check::Close},
            {"quarts (UK)", Per(ukGallonL / 4), Check::Close},
            {"quarts, dry (US)", Per(usDryGallonL / 4), Check::Close},
            {"quarts, liquid (US)", Per(usGallonL / 4), Check::Close},
            {"table spoons", Per(usGallonL / 256), Check::Close},
            {"tea spoons", Per(usGallonL / 768), Check::Close},
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
            const double gap = std::fabs(u.Factor / row.expected - 1);
            switch (row.check) {
                case Check::Exact: EXPECT_LT(gap, 1e-12) << row.name << " " << u.Factor; break;
                case Check::Close: EXPECT_LT(gap, 1e-3) << row.name << " " << u.Factor; break;
                case Check::AsIs: EXPECT_EQ(u.Factor, row.expected) << row.name; break;
            }
        }
    }
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

TEST(UnitConversion, TemperatureNoiseAgainstTheBaseValueIsZero) {
    const TUnitConvert cat = Catalogue();
    const TUnitClass& t = *cat.FindClass("Temperature");
    // Exactly 0, where the formulas alone leave the last bits of 273.15 - 273.15.
    EXPECT_EQ(t.Convert("Fahrenheit", "Celsius", 32), 0);
    EXPECT_EQ(t.Convert("Rankine", "Celsius", 491.67), 0);
    EXPECT_EQ(t.Convert("Celsius", "Kelvin", -273.15), 0);
    EXPECT_EQ(t.Convert("Fahrenheit", "Rankine", -459.67), 0);
    // Small results that are not noise stay, and so does noise in the last digit elsewhere.
    EXPECT_NEAR(t.Convert("Kelvin", "Celsius", 273.16), 0.01, 1e-12);
    EXPECT_NEAR(t.Convert("Celsius", "Kelvin", -273.1499), 0.0001, 1e-12);
    EXPECT_NE(t.Convert("Kelvin", "Celsius", 273.16), 0.01);
    EXPECT_NE(t.Convert("Celsius", "Fahrenheit", 0), 32);
    EXPECT_EQ(ConvertText(t, "Celsius", "Fahrenheit", "0", '.').Output, "31.9999999999999");
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
