#pragma once

namespace KD {
namespace Drying {
namespace RunContext {

// Ids of the run context's values. Settings, CSV metadata, the set-up dialog
// and the report address values by these numbers, so they never change.
enum ContextValue {
    Author = 0,
    Title = 1,
    Introduction = 2,
    Summary = 3,
    Header = 4,
    Footer = 5,
    Product = 6,
    Date = 7,
    Time = 8,
    Plot = 9, // switch only: print the plot
    Data = 10, // switch only: print the record table
    SamplesCount = 11,
    InitialMass = 12,
    FinalMass = 13,
    Formula = 14,
    StartTime = 15,
    EndTime = 16,
};

// Text forms of the date, time and date-time values.
constexpr const char* dateFormat = "dd-MM-yyyy";
constexpr const char* timeFormat = "hh:mm:ss";
constexpr const char* dateTimeFormat = "hh:mm:ss dd-MM-yyyy";

} // namespace RunContext
} // namespace Drying
} // namespace KD
