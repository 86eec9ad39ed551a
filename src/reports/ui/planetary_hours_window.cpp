#include "reports/ui/planetary_hours_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart_input/ui/input_windows.h"
#include "platform/number_format.h"
#include "reports/sunrise_sunset.h"
#include "shell/report_output.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"

namespace halcyra {

namespace {

QPointer<PlanetaryHoursWindow> g_window;

QTableWidgetItem* Cell(const std::string& text) {
  auto* item = new QTableWidgetItem(FromLatin1(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

PlanetaryHoursWindow::PlanetaryHoursWindow(AppState& state, const PlanetaryHoursTable& table,
                                           QWidget* parent)
    : QWidget(parent), state_(state), table_(table) {
  setObjectName("PlanetaryHours");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Planetary Hours");
  auto* layout = new QVBoxLayout(this);

  auto* heading = new QLabel(
      FromLatin1(FormatDateDdMmmYyyy(table.day, table.month, table.year) + "   " +
                 DayRulerName(table.weekday) + " day   Sunrise " + HourText(table.sunriseHour) +
                 "   Sunset " + HourText(table.sunsetHour)),
      this);
  heading->setObjectName("lblDay");
  layout->addWidget(heading);

  grid_ = new QTableWidget(24, 4, this);
  grid_->setObjectName("grdHours");
  grid_->setHorizontalHeaderLabels({"Hour", "From", "To", "Ruler"});
  grid_->verticalHeader()->setVisible(false);
  for (int row = 0; row < 24; ++row) {
    const PlanetaryHour& h = table.hours[row];
    grid_->setItem(row, 0, Cell((h.night ? "Night " : "Day ") + std::to_string(h.hour)));
    grid_->setItem(row, 1, Cell(HourText(h.start)));
    grid_->setItem(row, 2, Cell(HourText(h.end)));
    grid_->setItem(row, 3, Cell(h.ruler));
  }
  grid_->resizeColumnsToContents();
  layout->addWidget(grid_);

  auto* buttons = new QHBoxLayout;
  auto* send = new QPushButton("Send to Output", this);
  send->setObjectName("cmdSendToOutput");
  connect(send, &QPushButton::clicked, this, &PlanetaryHoursWindow::cmdSendToOutput_Click);
  auto* quit = new QPushButton("Quit", this);
  quit->setObjectName("cmdQuit");
  connect(quit, &QPushButton::clicked, this, &PlanetaryHoursWindow::cmdQuit_Click);
  buttons->addWidget(send);
  buttons->addWidget(quit);
  layout->addLayout(buttons);
  resize(360, 620);
}

void PlanetaryHoursWindow::cmdSendToOutput_Click() {
  StartNewPage(state_);
  ReportBufferSink page(state_);
  WritePlanetaryHours(page, table_);
  ShowReport(state_);
}

void PlanetaryHoursWindow::cmdQuit_Click() {
  // the Keywords browser of the wheels closes with this window
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == "Keywords") widget->close();
  close();
}

PlanetaryHoursWindow* ShowPlanetaryHours(AppState& state) {
  // north of 66 degrees 00 minutes; southern latitudes are not refused
  if (state.input.NatalPlace.Latitude > 66) {
    ShowMessage(PlanetaryHoursLatitudeText, "Warning!");
    return nullptr;
  }
  const std::optional<WindowReading> natal = AcceptedNatalBoxes();
  if (!natal) return nullptr;
  ReadInputDForHours(state, natal->When, natal->Where);
  ListingState& l = state.listings;
  const SunriseSunset sun = FindSunriseSunset(l.HoursJulianDay, HoursPlaceOf(l));
  if (!sun.sunriseFound) ShowMessage(NoSunriseText, "Warning!");
  if (!sun.sunsetFound) ShowMessage(NoSunsetText, "Warning!");
  l.SunriseHour = sun.sunriseHour;
  l.SunsetHour = sun.sunsetHour;

  if (g_window) g_window->close();
  g_window = new PlanetaryHoursWindow(
      state, PlanetaryHoursOf(l.HoursDay, l.HoursMonth, l.HoursYear, l.SunriseHour, l.SunsetHour));
  g_window->show();
  return g_window;
}

PlanetaryHoursWindow* ThePlanetaryHoursWindow() { return g_window; }

}  // namespace halcyra
