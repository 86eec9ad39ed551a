#include "reports/aspect_grid.h"

#include "platform/number_format.h"
#include "reports/aspect_finder.h"
#include "reports/report_columns.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

constexpr int kGridPoints = 12;  // Sun .. P. Fort

// Five-character row labels of points 1..12 and of house rows 1..6.
constexpr const char* kPointLabels[kGridPoints + 1] = {
    "", "Sun  ", "Mer  ", "Ven  ", "Mar  ", "Jup  ", "Sat  ",
    "Ura  ", "Nep  ", "Plu  ", "Moo  ", "N.N  ", "PoF  "};
constexpr const char* kHouseLabels[7] = {"", "1st  ", "2nd  ", "3rd  ", "4th  ", "5th  ", "6th  "};

const char* const kColumnHeading =
    "       PoF  N.N  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Sun";

const char* const kNoDataCell = " --  ";
const char* const kNoAspectCell = "---  ";

void WriteTitle(LineSink& out, const std::string& title) {
  out.WriteLine(std::string(15, ' ') + title);
  out.WriteBlankLine();
  out.WriteLine(kColumnHeading);
}

// Rows for the cusps of houses 1 to 6 against the twelve column points.
void WriteHouseRows(LineSink& out, const ChartSet& rows, const ChartSet& columns, const OptionTables& options) {
  for (int h = 1; h <= 6; ++h) {
    const int i = FirstHousePoint + h - 1;
    std::string line = std::string("  ") + kHouseLabels[h];
    for (int j = kGridPoints; j >= 1; --j) line += LongitudeCell(rows, i, columns, j, options);
    out.WriteLine(line);
  }
}

}  // namespace

std::string LongitudeCell(const ChartSet& a, int i, const ChartSet& b, int j, const OptionTables& options) {
  if (a.NoData[i] || b.NoData[j]) return kNoDataCell;
  AspectFound found = FindAspect(a.Long[i], b.Long[j], options);
  if (found.code == 1) return kNoAspectCell;
  return PadLeft(std::to_string(AngleOfAspect(found.code)), 3) + "  ";
}

std::string DeclinationCell(const ChartSet& a, int i, const ChartSet& b, int j, const OptionTables& options) {
  if (a.NoData[i] || b.NoData[j]) return kNoDataCell;
  switch (FindParallel(a.Decl[i], b.Decl[j], options).kind) {
    case DeclinationAspect::Parallel: return " P   ";
    case DeclinationAspect::ContraParallel: return " CP  ";
    case DeclinationAspect::None: break;
  }
  return kNoAspectCell;
}

void WriteSelfAspectGrid(LineSink& out, const std::string& title, const ChartSet& chart,
                         const OptionTables& options) {
  WriteTitle(out, title);
  for (int i = 1; i <= kGridPoints; ++i) {
    std::string line = std::string("  ") + kPointLabels[i];
    for (int j = kGridPoints; j >= 1; --j) {
      if (j == i) line += "***  ";
      else if (j > i) line += LongitudeCell(chart, i, chart, j, options);
      else line += DeclinationCell(chart, i, chart, j, options);
    }
    out.WriteLine(line);
  }
  out.WriteBlankLine();
  WriteHouseRows(out, chart, chart, options);
}

void WriteSelfGridLegend(LineSink& out) {
  out.WriteLine("  Left of ***: aspect angle.  Right of ***: P parallel, CP contra-parallel.");
}

void WriteCrossAspectGrid(LineSink& out, const std::string& title, const ChartSet& rows, const ChartSet& columns,
                          const OptionTables& options) {
  WriteTitle(out, title);
  for (int i = 1; i <= kGridPoints; ++i) {
    std::string line = std::string("  ") + kPointLabels[i];
    for (int j = kGridPoints; j >= 1; --j) line += LongitudeCell(rows, i, columns, j, options);
    out.WriteLine(line);
  }
  out.WriteBlankLine();
  WriteHouseRows(out, rows, columns, options);
}

void WriteCrossParallelGrid(LineSink& out, const std::string& title, const ChartSet& rows,
                            const ChartSet& columns, const OptionTables& options) {
  WriteTitle(out, title);
  for (int i = 1; i <= kGridPoints; ++i) {
    std::string line = std::string("  ") + kPointLabels[i];
    for (int j = kGridPoints; j >= 1; --j) line += DeclinationCell(rows, i, columns, j, options);
    out.WriteLine(line);
  }
}

}  // namespace halcyra
