#pragma once
// What the two windmill graph windows add to the graph engine: their series,
// elements, plot descriptions, label texts, CSV columns, collation files and
// the three non-time views (power against RPM, power against wind speed and
// the power distribution).
//
//   GV family (GraphGV): the GV day files of the windmill system types,
//      volts, four currents, four derived powers, two RPMs and wind speed,
//      read under the channel table's element names.
//   WD family (GraphDEMO): the WD day files of a single windmill, fixed
//      elements <V>, <I>, <R>, <S> and the derived power.

#include "graphs/GraphController.h"
#include "graphs/GraphCore.h"
#include "graphs/GraphExport.h"
#include "shared/Global_Declarations.h"

#include <string>
#include <vector>

namespace gv {

enum class WindmillFamily { GV, WD };

// Series numbers of the record set (also the order of drawing, of the check
// boxes and of the value labels).
namespace GVSeries {
enum : int { Volts, Amps1, Amps2, Amps3, Amps4, Watts1, Watts2, Watts3, Watts4, RPM1, RPM2, WindSpeed, Count };
}
namespace WDSeries {
enum : int { Volts, Amps, Watts, RPM, WindSpeed, Count };
}

// Channel-table channels whose maximum readings scale the XY views and the
// distribution (both windows).
constexpr int PowerChannel = 17;
constexpr int RpmChannel = 13;
constexpr int WindChannel = 12;

struct WindmillSeriesInfo {
    const char* array;      // series array name ("Volts", "Amps1", ...)
    int channel;            // channel of colour, full scale and box caption
    const char* checkBox;   // "CheckVolts", ...
    const char* valueLabel; // "vv", ...
    const char* wattHourLabel; // "wh1".. or nullptr
};

const std::vector<WindmillSeriesInfo>& windmillSeries(WindmillFamily family);
int seriesCount(WindmillFamily family);

// Series used by the XY views and the distribution.
int wattsSeries(WindmillFamily family);
int rpmSeries(WindmillFamily family);
int windSeries(WindmillFamily family);

// Day-file pattern of the picker, prefix of today's file name.
const char* windmillFilePattern(WindmillFamily family); // "GV*.txt" / "*.txt"
const char* windmillTodayPrefix(WindmillFamily family); // "GV_" / "WD_"

// Reader: GV takes the element names of the channel table as they are now.
ReaderLayout windmillReaderLayout(WindmillFamily family, const Global_Declarations& g);

// Time plot description from the channel table and the series flags.
TimePlotLayout windmillPlotLayout(WindmillFamily family, const Global_Declarations& g, const std::vector<int>& flags);

ReadoutFormat windmillReadoutFormat(WindmillFamily family, int series, const std::string& wsUnits);
ExtremeFormat windmillExtremeFormat(WindmillFamily family, int series);

std::vector<std::string> windmillCsvHeader();
std::vector<CsvColumn> windmillCsvColumns(WindmillFamily family);

const char* windmillCollationFile(WindmillFamily family);  // "GVWattHours.txt" / "WDWattHours.txt"
const char* windmillCollationTitle(WindmillFamily family);

inline constexpr const char* NotEnoughDataMessage = "Not enough data to plot";

// Everything the graph controller needs of the window of that family.
GraphRules windmillRules(WindmillFamily family);

// ---------------------------------------------------------------------------
// Views.  Each draws the displayed records FirstShown..LastShown over the
// yellow grid; records after the last one are skipped, and the empty slot 0
// (all values 0) counts when the range starts there, as before any read.
// ---------------------------------------------------------------------------

// Full scales are 16-bit channel-table numbers; the views take at most this
// much of any scale they step through (curve strokes, distribution classes).
constexpr double MaxViewScale = 100000;

// Colours of the views.
constexpr std::int32_t ReferenceCurveColour = 65280;
constexpr std::int32_t RecordMarkColour = 255;

// Power of windmill 1 against its RPM with the cube-law reference curve.
// maxPower and maxRpm are the channels' full scales.
void plotPowerVsRpm(const GraphRecordSet& set, int wattSeries, int rpmSeries, double maxPower, double maxRpm,
                    PlotSurface& surface);

// Power against wind speed; windTop is PlotHigh of the wind series as the
// last time plot left it (0 before any).
void plotPowerVsWind(const GraphRecordSet& set, int wattSeries, int windSeries, double maxPower,
                     double maxWind, double windTop, PlotSurface& surface);

// How many displayed records fall into each 10 W class of power: bin b
// holds 10b <= W < 10b + 10 (bin 0 also -1 < W < 0); BinCount = floor(Mp/10)
// classes are counted, each record at most once.  The table always has
// BinCount + 1 entries.
PowerDistribution powerDistribution(const GraphRecordSet& set, int wattSeries, double maxPower);
// Grid, then one red bar per non-empty class.
void plotPowerDistribution(const PowerDistribution& d, PlotSurface& surface);

} // namespace gv
