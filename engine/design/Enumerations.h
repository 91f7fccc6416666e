#pragma once

#include <cstdint>

// The engine's public enumerations, with the values stored in records, passed by
// the windows and written by the command-line tool.
namespace vexa {

enum class Country : int32_t {
    United_Kingdom_London = 0,
    United_Kingdom_Aberdeen = 1,
    Germany_Frankfurt = 2,
    Kuwait_Kuwait_City = 3,
    UAE_Dubai = 4,
    Saudi_Arabia_Riyadh = 5,
    Saudi_Arabia_Jeddah = 6,
    Qatar_Doha = 7,
    Bahrain_Manama = 8,
    Oman_Muscat = 9,
    India_Mumbai = 10,
    India_Calcutta = 11,
    Hong_Kong_Hong_Kong = 12,
    Korea_Soeul = 13,
    Egypt_Cairo = 14,
    Egypt_Alexandria = 15,
};

enum class CasingMat : int32_t { Galvanised = 0, Stainless = 1 };

enum class Drainpan : int32_t { None = 0, Flat = 1, Sloping = 2, Perforated = 3 };

enum class HeatpipeStyling : int32_t {
    Horseshoe_Heatpipe = 0,
    Straight_Heatpipe = 1,
    Combination_Heatpipe = 2,
};

enum class OrientationType : int32_t { Horizontal = 0, Vertical = 1 };

enum class AirFlowDirection : int32_t { L = 0, R = 1 };

enum class Ref : int32_t { R22 = 0, R134a = 1 };

enum class FinMat : int32_t { Aluminium = 0, Copper = 1, Vinyl = 2, Blygold = 3 };

enum class FinType : int32_t { Louvre = 0, Ripple = 1 };

enum class VexaType : int32_t { UK = 0, Sharjah = 1 };

enum class Heatpipe : int32_t { Chilled_Water = 0, Heat_Pipe_Only = 1, Refrigerant = 2 };

enum class WBorRH : int32_t { Wet_Bulb = 0, Relative_Humidity = 1 };

enum class SELECTorRATE : int32_t { Selection_Mode = 0, Rating_Mode = 1 };

enum class Orient : int32_t { Hor = 0, Ver = 1 };

} // namespace vexa
