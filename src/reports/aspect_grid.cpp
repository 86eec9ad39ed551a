#include "reports/aspect_grid.h"

#include "platform/number_format.h"
#include "reports/aspect_finder.h"
#include "reports/report_columns.h"
#include "reports/report_names.h"
#include "shell/report_output.h"

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

void WriteTitle(LineSink& sink, const std::string& title) {
  sink.WriteLine(std::string(15, ' ') + title);
  sink.WriteBlankLine();
  sink.WriteLine(kColumnHeading);
}

// Rows for the cusps of houses 1 to 6 against the twelve column points.
void WriteHouseRows(LineSink& sink, const OptionTables& options, const ChartPoints& rows,
                    const ChartPoints& columns) {
  for (int h = 1; h <= 6; ++h) {
    const int i = FirstHousePoint + h - 1;
    std::string line = std::string("  ") + kHouseLabels[h];
    for (int j = kGridPoints; j >= 1; --j) line += LongitudeCell(rows, i, columns, j, options);
    sink.WriteLine(line);
  }
}

}  // namespace

std::vector<int> ListingOrder(int lastPoint) {
  std::vector<int> order;
  if (lastPoint >= Sun) order.push_back(Sun);
  if (lastPoint >= Moon) order.push_back(Moon);
  for (int p = Mercury; p <= lastPoint; ++p)
    if (p != Moon) order.push_back(p);
  return order;
}

std::string LongitudeCell(const ChartPoints& a, int i, const ChartPoints& b, int j,
                          const OptionTables& options) {
  if (a.noData[i] || b.noData[j]) return kNoDataCell;
  AspectFound found = FindAspect(a.longs[i], b.longs[j], options);
  if (found.code == 1) return kNoAspectCell;
  return PadLeft(std::to_string(AngleOfAspect(found.code)), 3) + "  ";
}

std::string DeclinationCell(const ChartPoints& a, int i, const ChartPoints& b, int j,
                            const OptionTables& options) {
  if (a.noData[i] || b.noData[j]) return kNoDataCell;
  switch (FindParallel(a.decls[i], b.decls[j], options).kind) {
    case DeclinationAspect::Parallel: return " P   ";
    case DeclinationAspect::ContraParallel: return " CP  ";
    case DeclinationAspect::None: break;
  }
  return kNoAspectCell;
}

void WriteSelfAspectGrid(AppState& state, const std::string& title, const ChartPoints& chart) {
  ReportBufferSink sink(state);
  WriteSelfAspectGrid(sink, state.options, title, chart);
}

void WriteSelfAspectGrid(LineSink& sink, const OptionTables& options, const std::string& title,
                         const ChartPoints& chart) {
  WriteTitle(sink, title);
  for (int i = 1; i <= kGridPoints; ++i) {
    std::string line = std::string("  ") + kPointLabels[i];
    for (int j = kGridPoints; j >= 1; --j) {
      if (j == i) line += "***  ";
      else if (j > i) line += LongitudeCell(chart, i, chart, j, options);
      else line += DeclinationCell(chart, i, chart, j, options);
    }
    sink.WriteLine(line);
  }
  sink.WriteBlankLine();
  WriteHouseRows(sink, options, chart, chart);
}

void WriteSelfGridLegend(AppState& state) {
  WriteLine(state,
            "  Left of ***: aspect angle.  Right of ***: P parallel, CP contra-parallel.");
}

void WriteCrossAspectGrid(AppState& state, const std::string& title, const ChartPoints& rows,
                          const ChartPoints& columns) {
  ReportBufferSink sink(state);
  WriteTitle(sink, title);
  for (int i = 1; i <= kGridPoints; ++i) {
    std::string line = std::string("  ") + kPointLabels[i];
    for (int j = kGridPoints; j >= 1; --j) line += LongitudeCell(rows, i, columns, j, state.options);
    sink.WriteLine(line);
  }
  sink.WriteBlankLine();
  WriteHouseRows(sink, state.options, rows, columns);
}

void WriteCrossParallelGrid(AppState& state, const std::string& title, const ChartPoints& rows,
                            const ChartPoints& columns) {
  ReportBufferSink sink(state);
  WriteTitle(sink, title);
  for (int i = 1; i <= kGridPoints; ++i) {
    std::string line = std::string("  ") + kPointLabels[i];
    for (int j = kGridPoints; j >= 1; --j)
      line += DeclinationCell(rows, i, columns, j, state.options);
    sink.WriteLine(line);
  }
}

}  // namespace halcyra
