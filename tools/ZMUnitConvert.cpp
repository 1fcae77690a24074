#include "tools/ZMUnitConvert.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "tools/ZMRounding.h"

namespace {

struct TUnitRow {
    const char* name;
    double factor;  // units in one base unit
};

// Sizes of units in SI units (m, m2, m3, kg, s, N, J, Pa), as NIST SP 811 and the Debian units
// tables define them; each is exact unless it says otherwise.
constexpr double kInch = 0.0254;
constexpr double kFoot = 0.3048;
constexpr double kYard = 3 * kFoot;
constexpr double kMile = 5280 * kFoot;
constexpr double kRod = 16.5 * kFoot;
constexpr double kSquareInch = kInch * kInch;
constexpr double kSquareFoot = kFoot * kFoot;
constexpr double kAcre = 43560 * kFoot * kFoot;
constexpr double kSurveyFoot = 1200.0 / 3937;
constexpr double kNauticalMile = 1852;
constexpr double kUkNauticalMile = 6080 * kFoot;
constexpr double kAstronomicalUnit = 149597870700;
constexpr double kSpeedOfLight = 299792458;
constexpr double kLightYear = kSpeedOfLight * 365.25 * 86400;  // a Julian year of light
constexpr double kCubicInch = kInch * kInch * kInch;
constexpr double kCubicFoot = kFoot * kFoot * kFoot;
constexpr double kCubicYard = kYard * kYard * kYard;
constexpr double kUsGallon = 231 * kCubicInch;
constexpr double kUkGallon = 4.54609e-3;
// The same in liters, the base unit of volume.
constexpr double kCubicInchL = 1000 * kCubicInch;
constexpr double kUsGallonL = 1000 * kUsGallon;
constexpr double kUkGallonL = 1000 * kUkGallon;
constexpr double kUsDryGallonL = 268.8025 * kCubicInchL;
constexpr double kPound = 0.45359237;
constexpr double kOunce = kPound / 16;
constexpr double kGrain = kPound / 7000;
constexpr double kTroyOunce = 480 * kGrain;
constexpr double kLongTon = 2240 * kPound;
constexpr double kShortTon = 2000 * kPound;
// Measured: the gravitational parameters over the constant of gravitation.
constexpr double kGravitationalConstant = 6.67430e-11;
constexpr double kEarthMass = 398600.435507e9 / kGravitationalConstant;
constexpr double kSolarMass = 132712440041.279419e9 / kGravitationalConstant;
constexpr double kGravity = 9.80665;  // standard acceleration: a kilogram-force is kGravity N
constexpr double kPoundForce = kPound * kGravity;
constexpr double kPoundal = kPound * kFoot;
constexpr double kSlug = kPoundForce / kFoot;
constexpr double kKip = 1000 * kPoundForce;
constexpr double kLongTonForce = 2240 * kPoundForce;
constexpr double kShortTonForce = 2000 * kPoundForce;
constexpr double kFootPoundForce = kFoot * kPoundForce;
constexpr double kMinute = 60;
constexpr double kHour = 3600;
constexpr double kCalIT = 4.1868;
constexpr double kCalTh = 4.184;
constexpr double kKilocalTh = 1000 * kCalTh;
// Measured calories: the mean one and those at 15 and 20 degrees Celsius.
constexpr double kCalMean = 4.19002;
constexpr double kCal15 = 4.18580;
constexpr double kCal20 = 4.18190;
// A British thermal unit is the calorie of its kind times a pound in grams over 1.8.
constexpr double kPoundGrams = 1000 * kPound;
constexpr double kBtuIT = kCalIT * kPoundGrams / 1.8;
constexpr double kBtuTh = kCalTh * kPoundGrams / 1.8;
constexpr double kBtuMean = kCalMean * kPoundGrams / 1.8;
constexpr double kElectronVolt = 1.602176634e-19;
constexpr double kHorsepower = 550 * kFoot * kPoundForce;
// Pa per metre of head: conventional water (1000 kg/m3) and mercury (13595.1 kg/m3).
constexpr double kWaterHead = 1000 * kGravity;
constexpr double kMercuryHead = 13595.1 * kGravity;

constexpr double Per(double size) { return 1 / size; }

// Factor categories; the first unit of each is its base unit.
const TUnitRow kArea[] = {
    {"square meters", 1},
    {"acres", Per(kAcre)},
    {"ares", Per(100)},
    {"circular inches", Per(std::numbers::pi / 4 * kInch * kInch)},
    {"hectares", Per(1e4)},
    {"hides", Per(120 * kAcre)},
    {"roods", Per(kAcre / 4)},
    {"square centimeters", Per(1e-4)},
    {"square feet(UK&US)", Per(kSquareFoot)},
    {"square feet(US survey)", Per(kSurveyFoot * kSurveyFoot)},
    {"square inches", Per(kSquareInch)},
    {"square kilometers", Per(1e6)},
    {"square miles", Per(kMile * kMile)},
    {"square millimeters", Per(1e-6)},
    {"squares(of timber)", Per(100 * kSquareFoot)},
    {"square rods(or poles)", Per(kRod * kRod)},
    {"square yards", Per(kYard * kYard)},
    {"townships", Per(36 * kMile * kMile)},
};

const TUnitRow kBitsBytes[] = {
    {"bytes [B]", 1},
    {"bits [b]", 8},
    {"kilobits [Kb]", 0.0078125},
    {"kilobytes [KB]", 0.0009765625},
    {"megabits [Mb]", 7.62939453125e-06},
    {"megabytes [MB]", 9.5367431640625e-07},
    {"gigabits [Gb]", 7.450580596923828e-09},
    {"gigabytes [GB]", 9.313225746154785e-10},
    {"terabits [Tb]", 7.275957614183426e-12},
    {"terabytes [TB]", 9.094947017729282e-13},
    {"petabits [Pb]", 7.105427357601002e-15},
    {"petabytes [PB]", 8.881784197001252e-16},
    {"exabits [Eb]", 6.938893903907228e-18},
    {"exabytes [EB]", 8.673617379884035e-19},
};

const TUnitRow kDensity[] = {
    {"kilograms/cubic meters", 1},
    {"grains/gallon (UK)", Per(kGrain / kUkGallon)},
    {"grains/gallon (US)", Per(kGrain / kUsGallon)},
    {"grams/cubic centimeters", Per(1000)},
    {"grams/liter", 1},
    {"grams/milliliters", Per(1000)},
    {"kilogram/liter", Per(1000)},
    {"megagrams/cubic meter", Per(1000)},
    {"milligrams/milliliter", 1},
    {"milligrams/liter", Per(1e-3)},
    {"ounces/cubic inch", Per(kOunce / kCubicInch)},
    {"ounces/gallon (UK)", Per(kOunce / kUkGallon)},
    {"ounces/gallon (US)", Per(kOunce / kUsGallon)},
    {"pounds/cubic inch", Per(kPound / kCubicInch)},
    {"pounds/cubic foot", Per(kPound / kCubicFoot)},
    {"pounds/gallon (UK)", Per(kPound / kUkGallon)},
    {"pounds/gallon (US)", Per(kPound / kUsGallon)},
    {"slugs/cubic foot", Per(kSlug / kCubicFoot)},
    {"tonnes/cubic meter", Per(1000)},
    {"kilograms/cubic meters", 1},
    {"tons (UK)/cubic yard", Per(kLongTon / kCubicYard)},
    {"tons (US/cubic yard", Per(kShortTon / kCubicYard)},
};

const TUnitRow kEnergy[] = {
    {"joules [J]", 1},
    {"Btu (IT)", Per(kBtuIT)},
    {"Btu (th)", Per(kBtuTh)},
    {"Btu (mean)", Per(kBtuMean)},
    {"calories (IT)", Per(kCalIT)},
    {"calories (th)", Per(kCalTh)},
    {"calories (mean)", Per(kCalMean)},
    {"calories (15C)", Per(kCal15)},
    {"calories (20C)", Per(kCal20)},
    {"calories (food)", Per(kKilocalTh)},
    {"centigrade heat units", Per(1.8 * kBtuIT)},
    {"electron volts [eV]", Per(kElectronVolt)},
    {"ergs", Per(1e-7)},
    {"foot pound-force [ft lbf]", Per(kFootPoundForce)},
    {"foot poundals", Per(kFoot * kPoundal)},
    {"gigajoules [GJ]", Per(1e9)},
    {"horsepower hours", Per(kHorsepower * kHour)},
    {"inch pound-force [in lbf]", Per(kInch * kPoundForce)},
    {"kilocalories (IT)", Per(1000 * kCalIT)},
    {"kilocalories (th)", Per(kKilocalTh)},
    {"kilogram-force meters", Per(kGravity)},
    {"kilojoules [kJ]", Per(1e3)},
    {"kilowatt hours [kWh]", Per(1000 * kHour)},
    {"megajoules [MJ]", Per(1e6)},
    {"newton meters [Nm]", 1},
    {"therms", Per(1e5 * kBtuIT)},
    {"watt seconds [Ws]", 1},
    {"watt hours [Wh]", Per(kHour)},
};

const TUnitRow kForce[] = {
    {"newtons [N]", 1},
    {"dynes", Per(1e-5)},
    {"kilograms force", Per(kGravity)},
    {"kilonewtons [kN]", Per(1e3)},
    {"kips", Per(kKip)},
    {"nmeganewtons [MN]", Per(1e6)},
    {"pounds force", Per(kPoundForce)},
    {"poundals", Per(kPoundal)},
    {"sthenes =[kN]", Per(1e3)},
    {"tonnes force", Per(1000 * kGravity)},
    {"tons force (UK)", Per(kLongTonForce)},
    {"tons force (US)", Per(kShortTonForce)},
};

const TUnitRow kLength[] = {
    {"meters [m]", 1},
    {"astronomical units [AU]", Per(kAstronomicalUnit)},
    {"barleycorn", Per(kInch / 3)},
    {"cables", Per(600 * kFoot)},
    {"centimeters [cm]", Per(1e-2)},
    {"chains [surveyors]", Per(66 * kFoot)},
    {"decimeters", Per(1e-1)},
    {"ells (UK)", Per(45 * kInch)},
    {"ems (pica)", Per(kInch / 6)},
    {"fathoms", Per(6 * kFoot)},
    {"feet (UK and US)", Per(kFoot)},
    {"feet (US survey)", Per(kSurveyFoot)},
    {"furlongs", Per(660 * kFoot)},
    {"hands", Per(4 * kInch)},
    {"hectometer", Per(1e2)},
    {"inches [in]", Per(kInch)},
    {"kilometers [km]", Per(1e3)},
    {"light years", Per(kLightYear)},
    {"micrometers", Per(1e-6)},
    {"mil", Per(kInch / 1000)},
    {"miles (UK and US)", Per(kMile)},
    {"miles (nautical,international)", Per(kNauticalMile)},
    {"miles (nautical,UK)", Per(kUkNauticalMile)},
    {"millimeters [mm]", Per(1e-3)},
    {"nanometers", Per(1e-9)},
    {"parsecs", Per(648000 / std::numbers::pi * kAstronomicalUnit)},
    {"picometers", Per(1e-12)},
    {"yards", Per(kYard)},
};

const TUnitRow kMass[] = {
    {"kilograms [kg]", 1},
    {"carats (metric)", Per(2e-4)},
    {"cental", Per(100 * kPound)},
    {"Earth masses", Per(kEarthMass)},
    {"grains", Per(kGrain)},
    {"grams", Per(1e-3)},
    {"hundredweights", Per(112 * kPound)},
    {"ounces (avoirdupois)", Per(kOunce)},
    {"ounces (troy)", Per(kTroyOunce)},
    {"pounds (avoirdupois)", Per(kPound)},
    {"pounds (troy)", Per(12 * kTroyOunce)},
    {"Solar masses", Per(kSolarMass)},
    {"slugs (g-pounds)", Per(kSlug)},
    {"stone", Per(14 * kPound)},
    {"tons (UK or long)", Per(kLongTon)},
    {"tons (US or short)", Per(kShortTon)},
    {"tonnes", Per(1e3)},
};

const TUnitRow kPower[] = {
    {"watts [W]", 1},
    {"Btu/hour", Per(kBtuIT / kHour)},
    {"Btu/minute", Per(kBtuIT / kMinute)},
    {"Btu/second", Per(kBtuIT)},
    {"calories(th)/hour", Per(kCalTh / kHour)},
    {"calories(th)/minute", Per(kCalTh / kMinute)},
    {"calories(th)/second", Per(kCalTh)},
    {"foot pounds-force/minute", Per(kFootPoundForce / kMinute)},
    {"foot pounds-force/second", Per(kFootPoundForce)},
    {"gigawatts [GW]", Per(1e9)},
    {"horsepowers (electric)", Per(746)},
    {"horsepowers (international)", Per(kHorsepower)},
    {"horsepowers (water)", Per(746.043)},
    {"horsepowers (metric)", Per(75 * kGravity)},
    {"joules/hour", Per(1 / kHour)},
    {"joules/minute", Per(1 / kMinute)},
    {"joules/second", 1},
    {"kilocalories(th)/hour", Per(kKilocalTh / kHour)},
    {"kilocalories(th)/minute", Per(kKilocalTh / kMinute)},
    {"kilogram-force meters/hour", Per(kGravity / kHour)},
    {"kilogram-force meters/minute", Per(kGravity / kMinute)},
    {"kilowatts [kW]", Per(1e3)},
    {"megawatts [MW]", Per(1e6)},
};

const TUnitRow kPressure[] = {
    {"pascals [Pa]", 1},
    {"atmosphere", Per(101325)},
    {"bars", Per(1e5)},
    {"centimeters mercury", Per(0.01 * kMercuryHead)},
    {"centimeters water", Per(0.01 * kWaterHead)},
    {"feet of water", Per(kFoot * kWaterHead)},
    {"hectopascals [hPa]", Per(1e2)},
    {"inches of water", Per(kInch * kWaterHead)},
    {"inches of mercury", Per(kInch * kMercuryHead)},
    {"kilogram-forces/sq.centimeter", Per(kGravity / 1e-4)},
    {"kilogram-forces/sq.meter", Per(kGravity)},
    {"kilonewtons/sq.meter", Per(1e3)},
    {"kilonewtons/sq.millimeter", Per(1e9)},
    {"kilopascals [kPa]", Per(1e3)},
    {"kips/sq.inch", Per(kKip / kSquareInch)},
    {"meganewtons/sq.meter", Per(1e6)},
    {"meganewtons/sq.millimeter", Per(1e12)},
    {"meters of water", Per(kWaterHead)},
    {"millibars", Per(1e2)},
    {"millimeters of mercury", Per(0.001 * kMercuryHead)},
    {"millimeters of water", Per(0.001 * kWaterHead)},
    {"newtons/sq.centimeter", Per(1e4)},
    {"newtons/sq.meter", 1},
    {"newtons/sq.millimeter", Per(1e6)},
    {"pounds-force/sq.foot", Per(kPoundForce / kSquareFoot)},
    {"pounds-force/sq.inch [psi]", Per(kPoundForce / kSquareInch)},
    {"poundals/sq.foot", Per(kPoundal / kSquareFoot)},
    {"tons (UK)-force/sq.inch", Per(kLongTonForce / kSquareInch)},
    {"tons (US)-force/sq.foot", Per(kShortTonForce / kSquareFoot)},
    {"tons (US)-force/sq.inch", Per(kShortTonForce / kSquareInch)},
    {"tonnes-force/sq.cm", Per(1000 * kGravity / 1e-4)},
    {"tonnes-force/sq.meter", Per(1000 * kGravity)},
    {"toor (mm Hg 0C)", Per(101325.0 / 760)},
};

const TUnitRow kSpeed[] = {
    {"meters/second [m/s]", 1},
    {"centimeters/minute", Per(0.01 / kMinute)},
    {"centimeters/second", Per(0.01)},
    {"feet/hour", Per(kFoot / kHour)},
    {"feet/minute", Per(kFoot / kMinute)},
    {"feet/second", Per(kFoot)},
    {"inches/minute", Per(kInch / kMinute)},
    {"inches/second", Per(kInch)},
    {"kilometers/hour", Per(1000 / kHour)},
    {"kilometers/second", Per(1000)},
    {"knots", Per(kNauticalMile / kHour)},
    {"knots (UK)", Per(kUkNauticalMile / kHour)},
    {"Mach number (ISA/SL)", Per(340.294)},
    {"meters/hour", Per(1 / kHour)},
    {"meters/minute", Per(1 / kMinute)},
    {"miles/hour", Per(kMile / kHour)},
    {"miles/minute", Per(kMile / kMinute)},
    {"miles/second", Per(kMile)},
    {"speed of light", Per(kSpeedOfLight)},
    {"yards/hour", Per(kYard / kHour)},
    {"yards/minute", Per(kYard / kMinute)},
    {"yards/second", Per(kYard)},
};

const TUnitRow kVolume[] = {
    {"liters [I or L]", 1},
    {"barrels (oil)", Per(42 * kUsGallonL)},
    {"bushels (UK)", Per(8 * kUkGallonL)},
    {"bushels (US)", Per(2150.42 * kCubicInchL)},
    {"centiliters", Per(1e-2)},
    {"cubic centimeters", Per(1e-3)},
    {"cubic decimeters", 1},
    {"cubic decameters", Per(1e6)},
    {"cubic feet", Per(1728 * kCubicInchL)},
    {"cubic inches", Per(kCubicInchL)},
    {"cubic meters", Per(1e3)},
    {"cubic millimeters", Per(1e-6)},
    {"cubic yards", Per(46656 * kCubicInchL)},
    {"cups", Per(kUsGallonL / 16)},
    {"deciliters", Per(1e-1)},
    {"fluid ounces (UK)", Per(kUkGallonL / 160)},
    {"fluid ounces (US)", Per(kUsGallonL / 128)},
    {"gallons (UK)", Per(kUkGallonL)},
    {"gallons,dry (US)", Per(kUsDryGallonL)},
    {"gallons,liquid (US)", Per(kUsGallonL)},
    {"liters (1901-1964)", Per(1.000028)},
    {"milliliters", Per(1e-3)},
    {"pints (UK)", Per(kUkGallonL / 8)},
    {"pints, dry (US)", Per(kUsDryGallonL / 8)},
    {"pints, liquid (US)", Per(kUsGallonL / 8)},
    {"quarts (UK)", Per(kUkGallonL / 4)},
    {"quarts, dry (US)", Per(kUsDryGallonL / 4)},
    {"quarts, liquid (US)", Per(kUsGallonL / 4)},
    {"table spoons", Per(kUsGallonL / 256)},
    {"tea spoons", Per(kUsGallonL / 768)},
};

struct TFactorCategory {
    const char* name;
    const char* description;
    const TUnitRow* first;
    const TUnitRow* last;
};

template <std::size_t N>
constexpr TFactorCategory Category(const char* name, const char* description, const TUnitRow (&rows)[N]) {
    return {name, description, rows, rows + N};
}

// `result` rounded to the place of the 15th significant digit of `largest`, the largest magnitude
// of a conversion: the formulas round at each step, so 0 Celsius would otherwise come out as
// 31.99999999999997 Fahrenheit. Where that place lies beyond 15 decimals or before the decimal
// point, the result stays as it is.
double DropRoundingNoise(double result, double largest) {
    if (!(largest > 0) || !std::isfinite(largest)) return result;
    return RoundToDecimals(result, 14 - static_cast<int>(std::floor(std::log10(largest))));
}

// The value of `formula` at x, or 0 when it does not evaluate.
double Evaluate(const std::string& formula, zm::TOperatorLib& ops, zm::TVarMemory& vars, zm::TVarMemory& consts) {
    zm::TExpCal f(formula, ops, vars, consts);
    if (!f.Valid || !f.Calculate()) return 0;
    return f.Value;
}

}  // namespace

// ------------------------------------------------------------------------------------------------

TUnitClass::TUnitClass(std::string name, std::string baseUnitName, std::string description, uint8_t usesFormulas)
    : Name(std::move(name)),
      BaseUnitName(std::move(baseUnitName)),
      Description(std::move(description)),
      UsesFormulas(usesFormulas) {}

void TUnitClass::AddUnit(std::string name, double factor) {
    TUnitElem& u = Items_.emplace_back();
    u.Name = std::move(name);
    u.CategoryName = Name;
    u.Factor = factor;
}

void TUnitClass::AddFormulaUnit(std::string name, std::string toBaseFormula, double factor,
                                std::string fromBaseFormula) {
    AddUnit(std::move(name), factor);
    Items_.back().ToBaseFormula = std::move(toBaseFormula);
    Items_.back().FromBaseFormula = std::move(fromBaseFormula);
}

const TUnitElem* TUnitClass::GetUnit(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &Items_[static_cast<std::size_t>(index)];
}

const TUnitElem* TUnitClass::FindUnit(std::string_view name) const {
    for (const TUnitElem& u : Items_)
        if (u.Name == name) return &u;
    return nullptr;
}

double TUnitClass::GetFactor(std::string_view fromName, std::string_view toName) const {
    const TUnitElem* from = FindUnit(fromName);
    const TUnitElem* to = FindUnit(toName);
    if (!from || !to || from->Factor == 0 || to->Factor == 0) return 0;
    return to->Factor / from->Factor;
}

double TUnitClass::ConvertByFormula(std::string_view fromName, std::string_view toName, double value) const {
    if (fromName == toName) return value;
    const TUnitElem* from = FindUnit(fromName);
    const TUnitElem* to = FindUnit(toName);
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    vars.AddVar("x", value);
    const double base = from ? Evaluate(from->ToBaseFormula, ops, vars, consts) : 0;
    vars.SetValue("x", base);
    const double result = to ? Evaluate(to->FromBaseFormula, ops, vars, consts) : 0;
    return DropRoundingNoise(result, std::max({std::fabs(value), std::fabs(base), std::fabs(result)}));
}

double TUnitClass::Convert(std::string_view fromName, std::string_view toName, double value) const {
    if (UsesFormulas == 1) return ConvertByFormula(fromName, toName, value);
    return value * GetFactor(fromName, toName);
}

// ------------------------------------------------------------------------------------------------

TUnitClass& TUnitConvert::AddClass(std::string name, std::string baseUnitName, std::string description) {
    return AddFormulaClass(std::move(name), std::move(baseUnitName), std::move(description), 0);
}

TUnitClass& TUnitConvert::AddFormulaClass(std::string name, std::string baseUnitName, std::string description,
                                          uint8_t usesFormulas) {
    return Items_.emplace_back(std::move(name), std::move(baseUnitName), std::move(description), usesFormulas);
}

const TUnitClass* TUnitConvert::GetClass(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &Items_[static_cast<std::size_t>(index)];
}

const TUnitClass* TUnitConvert::FindClass(std::string_view name) const {
    for (const TUnitClass& c : Items_)
        if (c.Name == name) return &c;
    return nullptr;
}

void TUnitConvert::BuildCatalogue() {
    // Temperature, without a row list, converts by formulas.
    const TFactorCategory categories[] = {
        Category("Area", "Area [length^2]", kArea),
        Category("Bits&Bytes", "Bits and Bytes", kBitsBytes),
        Category("Density", "mass/length^3", kDensity),
        Category("Energy", "Energy or work [force length]", kEnergy),
        Category("Force", "Force [mass length/time2]", kForce),
        Category("Length", "Length or distance", kLength),
        Category("Mass", "Mass", kMass),
        Category("Power", "Power [force length/time]", kPower),
        Category("Pressure", "Pressure or stress [force/length2]", kPressure),
        Category("Speed", "Speed [length/time]", kSpeed),
        {"Temperature", "Temperature", nullptr, nullptr},
        Category("Volume", "Volume or capacity [length^3]", kVolume),
    };
    for (const TFactorCategory& c : categories) {
        if (!c.first) {
            TUnitClass& t = AddFormulaClass(c.name, "Kelvin", c.description, 1);
            t.AddFormulaUnit("Kelvin", "x", 1, "x");
            t.AddFormulaUnit("Celsius", "x+273.15", 1, "x-273.15");
            t.AddFormulaUnit("Fahrenheit", "5/9*(x+459.67)", 1, "(9/5)*x-459.67");
            t.AddFormulaUnit("Rankine", "(5/9)*x", 1, "(9/5)*x");
            continue;
        }
        TUnitClass& cls = AddClass(c.name, c.first->name, c.description);
        for (const TUnitRow* r = c.first; r != c.last; ++r) cls.AddUnit(r->name, r->factor);
    }
}

// ------------------------------------------------------------------------------------------------

TUnitConversionText ConvertText(const TUnitClass& category, const std::string& fromName, const std::string& toName,
                                const std::string& input, char sep) {
    double value = 0;
    if (!zm::TryStrToFloat(input, value, sep)) value = 0;
    TUnitConversionText out;
    out.Output = zm::FloatToStr(category.Convert(fromName, toName, value), sep);
    out.Input = value == 0 ? std::string("0") : input;
    out.UnitsLine = fromName + " -> " + toName;
    out.ValuesLine = out.Input + " -> " + out.Output;
    return out;
}
