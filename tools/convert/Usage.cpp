#include "Usage.h"

namespace Convert {

const char *UsageText() {
    return R"(Usage: orvanta-convert [OPTIONS] jd JULIAN_DAY
       orvanta-convert [OPTIONS] julian|gregorian|jewish|moslem YEAR MONTH DAY
       orvanta-convert [OPTIONS] --table FIRST_JD LAST_JD

Shows one day in the Julian, Gregorian, Jewish and Moslem calendars with its
year day, week, week day, moon age and Julian Day. With --table, lists every
Julian Day of a range as tab-separated values, one line per day.

Accepted: Julian Days 1721319..2817404; years 1..3000 (Julian, Gregorian),
3761..6761 (Jewish), 1..2452 (Moslem). Jewish month 1 is Tishri; in a leap
year 6 and 7 are Adar I and Adar II and 13 is Elul, and month 13 of a common
year is taken as Elul. A day beyond the end of its month becomes the month's
last day.

Options:
  --moslem-type 1|2         1: Hegira on 15 July 622, leap year 15 of the
                               30-year cycle (default)
                            2: Hegira on 16 July 622, leap year 16
  --first-week-day J,G,H,M  first day of the week in the Julian, Gregorian,
                            Jewish and Moslem calendars, 1 Monday .. 7 Sunday
                            (default 7,7,7,6)
  -h, --help                show this text
  --version                 show the version

Table columns: jd weekday moon_age moon_phase, then for each of jul_, gre_,
jew_, mos_: year month day year_day week year_days year_weeks ("-" where the
day lies outside that calendar's years).

Exit status: 0 done, 1 output could not be written, 2 bad arguments.
)";
}

const char *VersionText() {
    return "orvanta-convert " ORVANTA_VERSION "\n";
}

} // namespace Convert
