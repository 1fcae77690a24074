#include "tools/ZMUnitConvert.h"

#include <cmath>
#include <utility>

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"

namespace {

struct TUnitRow {
    const char* name;
    double factor;  // units in one base unit
};

// Factor categories; the first unit of each is its base unit. Factors defined by exact
// constants are written as the shortest decimal of the double.
const TUnitRow kArea[] = {
    {"square meters", 1},
    {"acres", 0.000247},
    {"ares", 0.01},
    {"circular inches", 1973.525242},
    {"hectares", 0.0001},
    {"hides", 2e-06},
    {"roods", 0.000988},
    {"square centimeters", 10000},
    {"square feet(UK&US)", 10.76391},
    {"square feet(US survey)", 10.763867},
    {"square inches", 1550.0031},
    {"square kilometers", 1e-06},
    {"square miles", 3.8610215854244587e-07},
    {"square millimeters", 1000000},
    {"squares(of timber)", 0.107639},
    {"square rods(or poles)", 0.039537},
    {"square yards", 1.19599},
    {"townships", 1.0725059959523427e-08},
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
    {"grains/gallon (UK)", 70.156},
    {"grains/gallon (US)", 58.418},
    {"grams/cubic centimeters", 0.001},
    {"grams/liter", 1},
    {"grams/milliliters", 0.001},
    {"kilogram/liter", 0.001},
    {"megagrams/cubic meter", 0.001},
    {"milligrams/milliliter", 1},
    {"milligrams/liter", 1000},
    {"ounces/cubic inch", 0.000578},
    {"ounces/gallon (UK)", 0.160359},
    {"ounces/gallon (US)", 0.133526},
    {"pounds/cubic inch", 3.612729200008369e-05},  // 0.45359237 kg per 0.0254^3 m3
    {"pounds/cubic foot", 0.062428},
    {"pounds/gallon (UK)", 0.010022},
    {"pounds/gallon (US)", 0.008345},
    {"slugs/cubic foot", 0.001941},
    {"tonnes/cubic meter", 0.001},
    {"kilograms/cubic meters", 1},
    {"tons (UK)/cubic yard", 0.000752},
    {"tons (US/cubic yard", 0.000843},
};

const TUnitRow kEnergy[] = {
    {"joules [J]", 1},
    {"Btu (IT)", 0.000948},
    {"Btu (th)", 0.000948},
    {"Btu (mean)", 0.000947},
    {"calories (IT)", 0.238846},
    {"calories (th)", 0.239006},
    {"calories (mean)", 0.238662},
    {"calories (15C)", 0.238903},
    {"calories (20C)", 0.239126},
    {"calories (food)", 0.000239},
    {"centigrade heat units", 0.0005265650668407317},  // 1.8 Btu (IT)
    {"electron volts [eV]", 6.241457005723417e+18},
    {"ergs", 10000000},
    {"foot pound-force [ft lbf]", 0.737562},
    {"foot poundals", 23.730422},
    {"gigajoules [GJ]", 1e-09},
    {"horsepower hours", 3.7250607184897115e-07},
    {"inch pound-force [in lbf]", 8.850746},
    {"kilocalories (IT)", 0.00023884589662749594},
    {"kilocalories (th)", 0.0002390057361376673},
    {"kilogram-force meters", 0.101972},
    {"kilojoules [kJ]", 0.001},
    {"kilowatt hours [kWh]", 2.7777777777777776e-07},
    {"megajoules [MJ]", 1e-06},
    {"newton meters [Nm]", 1},
    {"therms", 9.478171203551089e-09},
    {"watt seconds [Ws]", 1},
    {"watt hours [Wh]", 0.0002777777777777778},
};

const TUnitRow kForce[] = {
    {"newtons [N]", 1},
    {"dynes", 100000},
    {"kilograms force", 0.101972},
    {"kilonewtons [kN]", 0.001},
    {"kips", 0.000225},
    {"nmeganewtons [MN]", 1e-06},
    {"pounds force", 0.224809},
    {"poundals", 7.233011},
    {"sthenes =[kN]", 0.001},
    {"tonnes force", 0.000102},
    {"tons force (UK)", 0.00010036113531237075},  // 2240 lbf
    {"tons force (US)", 0.00011240447154985524},  // 2000 lbf
};

const TUnitRow kLength[] = {
    {"meters [m]", 1},
    {"astronomical units [AU]", 6.684556768765473e-12},
    {"barleycorn", 118.105586},
    {"cables", 0.005468},
    {"centimeters [cm]", 100},
    {"chains [surveyors]", 0.04971},
    {"decimeters", 10},
    {"ells (UK)", 0.8748906386701663},  // 45 in = 1.143 m
    {"ems (pica)", 236.222332},
    {"fathoms", 0.546807},
    {"feet (UK and US)", 3.28084},
    {"feet (US survey)", 3.280833},
    {"furlongs", 0.004971},
    {"hands", 9.84252},
    {"hectometer", 0.01},
    {"inches [in]", 39.370079},
    {"kilometers [km]", 0.001},
    {"light years", 1.0570234105227022e-16},
    {"micrometers", 1000000},
    {"mil", 39370.07874},
    {"miles (UK and US)", 0.000621},
    {"miles (nautical,international)", 0.00054},
    {"miles (nautical,UK)", 0.00054},
    {"millimeters [mm]", 1000},
    {"nanometers", 1000000000},
    {"parsecs", 3.240779270005395e-17},
    {"picometers", 1000000000000},
    {"yards", 1.093613},
};

const TUnitRow kMass[] = {
    {"kilograms [kg]", 1},
    {"carats (metric)", 5000},
    {"cental", 0.022046},
    {"Earth masses", 1.6722408026755854e-25},
    {"grains", 15432.358353},
    {"grams", 1000},
    {"hundredweights", 0.019684130722705813},
    {"ounces (avoirdupois)", 35.273962},
    {"ounces (troy)", 32.150747},
    {"pounds (avoirdupois)", 2.204623},
    {"pounds (troy)", 2.679229},
    {"Solar masses", 5.027652086475616e-31},
    {"slugs (g-pounds)", 0.068522},
    {"stone", 0.157473},
    {"tons (UK or long)", 0.0009842065274173282},
    {"tons (US or short)", 0.001102311310924388},
    {"tonnes", 0.001},
};

const TUnitRow kPower[] = {
    {"watts [W]", 1},
    {"Btu/hour", 3.412142},
    {"Btu/minute", 0.05686901819677784},
    {"Btu/second", 0.0009478169879134378},
    {"calories(th)/hour", 860.42065},
    {"calories(th)/minute", 14.340344},
    {"calories(th)/second", 0.239006},
    {"foot pounds-force/minute", 44.253662},
    {"foot pounds-force/second", 0.737561},
    {"gigawatts [GW]", 1e-09},
    {"horsepowers (electric)", 0.0013404825737265416},
    {"horsepowers (international)", 0.0013410220888438076},
    {"horsepowers (water)", 0.0013404053117581694},
    {"horsepowers (metric)", 0.0013596215248753635},
    {"joules/hour", 3600},
    {"joules/minute", 60},
    {"joules/second", 1},
    {"kilocalories(th)/hour", 0.860421},
    {"kilocalories(th)/minute", 0.014340344236808529},
    {"kilogram-force meters/hour", 367.107195},
    {"kilogram-force meters/minute", 6.118304},
    {"kilowatts [kW]", 0.001},
    {"megawatts [MW]", 1e-06},
};

const TUnitRow kPressure[] = {
    {"pascals [Pa]", 1},
    {"atmosphere", 9.869232667160129e-06},  // 101325 Pa
    {"bars", 1e-05},
    {"centimeters mercury", 0.00075},
    {"centimeters water", 0.010197},
    {"feet of water", 0.0003345525633129686},  // 0.3048 m of water at 1000 kg/m3 and 9.80665 m/s2
    {"hectopascals [hPa]", 0.01},
    {"inches of water", 0.004015},
    {"inches of mercury", 0.0002952998330101009},  // 0.0254 m of mercury at 13595.1 kg/m3 and 9.80665 m/s2
    {"kilogram-forces/sq.centimeter", 1.0197162129779282e-05},  // 9.80665 N per 1E-4 m2
    {"kilogram-forces/sq.meter", 0.101972},
    {"kilonewtons/sq.meter", 0.001},
    {"kilonewtons/sq.millimeter", 1e-09},
    {"kilopascals [kPa]", 0.001},
    {"kips/sq.inch", 1.450376807894691e-07},
    {"meganewtons/sq.meter", 1e-06},
    {"meganewtons/sq.millimeter", 1e-12},
    {"meters of water", 0.000102},
    {"millibars", 0.01},
    {"millimeters of mercury", 0.007501},
    {"millimeters of water", 0.101972},
    {"newtons/sq.centimeter", 0.0001},
    {"newtons/sq.meter", 1},
    {"newtons/sq.millimeter", 1e-06},
    {"pounds-force/sq.foot", 0.020886},
    {"pounds-force/sq.inch [psi]", 0.000145},
    {"poundals/sq.foot", 0.6719689751395068},  // 0.138254954376 N per 0.09290304 m2
    {"tons (UK)-force/sq.inch", 6.474880700323096e-08},
    {"tons (US)-force/sq.foot", 1.0442773600668338e-05},
    {"tons (US)-force/sq.inch", 7.251894557453135e-08},
    {"tonnes-force/sq.cm", 1.0197162129779282e-08},
    {"tonnes-force/sq.meter", 0.00010197162129779283},
    {"toor (mm Hg 0C)", 0.007500637554192106},
};

const TUnitRow kSpeed[] = {
    {"meters/second [m/s]", 1},
    {"centimeters/minute", 6000},
    {"centimeters/second", 100},
    {"feet/hour", 11811},
    {"feet/minute", 196.850394},
    {"feet/second", 3.28084},
    {"inches/minute", 2362.2},
    {"inches/second", 39.370079},
    {"kilometers/hour", 3.6},
    {"kilometers/second", 0.001},
    {"knots", 1.943844},
    {"knots (UK)", 1.942615},
    {"Mach number (ISA/SL)", 0.002939},
    {"meters/hour", 3600},
    {"meters/minute", 60},
    {"miles/hour", 2.236936},
    {"miles/minute", 0.037282},
    {"miles/second", 0.000621},
    {"speed of light", 3.335668301144134e-09},
    {"yards/hour", 3937},
    {"yards/minute", 65.616798},
    {"yards/second", 1.093613},
};

const TUnitRow kVolume[] = {
    {"liters [I or L]", 1},
    {"barrels (oil)", 0.00629},
    {"bushels (UK)", 0.027496},
    {"bushels (US)", 0.028378},
    {"centiliters", 100},
    {"cubic centimeters", 1000},
    {"cubic decimeters", 1},
    {"cubic decameters", 1e-06},
    {"cubic feet", 0.035315},
    {"cubic inches", 61.023744},
    {"cubic meters", 0.001},
    {"cubic millimeters", 1000000},
    {"cubic yards", 0.001308},
    {"cups", 4.226753},
    {"deciliters", 10},
    {"fluid ounces (UK)", 35.19508},
    {"fluid ounces (US)", 33.814023},
    {"gallons (UK)", 0.219969},
    {"gallons,dry (US)", 0.227021},
    {"gallons,liquid (US)", 0.264172},
    {"liters (1901-1964)", 0.999972},
    {"milliliters", 1000},
    {"pints (UK)", 1.759754},
    {"pints, dry (US)", 1.816166},
    {"pints, liquid (US)", 2.113376},
    {"quarts (UK)", 0.879877},
    {"quarts, dry (US)", 0.908083},
    {"quarts, liquid (US)", 1.056688},
    {"table spoons", 67.628045},
    {"tea spoons", 202.884136},
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

// A result smaller than this share of the base value is rounding noise.
constexpr double kNoise = 1E-13;

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
    // 32 Fahrenheit to Celsius is 0, not the last bits of 273.15 - 273.15.
    if (std::fabs(result) < kNoise * std::fabs(base)) return 0;
    return result;
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
