#include "chart_input/ui/chart_input_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "chart_input/input_checks.h"
#include "chart_input/input_presets.h"
#include "chart_input/input_reading.h"
#include "chart_input/names_file.h"
#include "chart_input/ui/input_windows.h"
#include "shell/local_clock.h"
#include "shell/ui/bevel_frame.h"
#include "shell/ui/enter_key.h"
#include "shell/ui/entry_boxes.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "shell/ui/report_view.h"

namespace halcyra {

namespace {

constexpr int BoxWidth = 56;

}  // namespace

ChartInputWindow::ChartInputWindow(AppState& state, const InputWindowNames& names, QWidget* parent)
    : QWidget(parent), state_(state), names_(names) {
  setObjectName(names.window);
  setWindowTitle(names.caption);
  setAttribute(Qt::WA_DeleteOnClose);
}

QLabel* ChartInputWindow::CaptionLabel(const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName("lbl" + QString(text).remove(' '));
  label->setContentsMargins(3, 1, 3, 1);
  captionLabels_.push_back(label);
  return label;
}

QLineEdit* ChartInputWindow::NumberBox(const char* name, bool signedDotMinutes) {
  auto* box = new QLineEdit(this);
  box->setObjectName(name);
  box->setFixedWidth(BoxWidth);
  // Typed and pasted text alike is held to the characters a value can have;
  // the program's own writes and the checks do the rest.
  HoldToPattern(*box, signedDotMinutes ? R"(-?\d{0,2}(\.\d{0,2})?)" : R"(\d{0,4})");
  return box;
}

QRadioButton* ChartInputWindow::PairButton(QButtonGroup*& group, const char* name, const QString& caption) {
  if (!group) group = new QButtonGroup(this);
  auto* button = new QRadioButton(caption, this);
  button->setObjectName(name);
  group->addButton(button);
  return button;
}

QLineEdit* ChartInputWindow::AddPairRow(QGridLayout& grid, int row, const QString& caption, NamedText firstBox,
                                       NamedText secondBox, NamedText firstChoice, NamedText secondChoice) {
  QButtonGroup* pair = nullptr;
  QLineEdit* first = NumberBox(firstBox.name, false);
  QLineEdit* second = NumberBox(secondBox.name, false);
  first->setPlaceholderText(firstBox.text);
  second->setPlaceholderText(secondBox.text);
  grid.addWidget(CaptionLabel(caption), row, 0);
  grid.addWidget(first, row, 1);
  grid.addWidget(second, row, 2);
  grid.addWidget(PairButton(pair, firstChoice.name, firstChoice.text), row, 3);
  grid.addWidget(PairButton(pair, secondChoice.name, secondChoice.text), row, 4);
  return first;
}

void ChartInputWindow::Build() {
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  int row = 0;
  AddTopRows(*grid, row);

  // The date boxes stand in the user's date order.
  QLineEdit* month = NumberBox(names_.month, false);
  QLineEdit* day = NumberBox(names_.day, false);
  QLineEdit* year = NumberBox(names_.year, false);
  struct DatePart {
    QString caption;
    QLineEdit* box;
  };
  const DatePart mdy[3] = {{"Month", month}, {"Day", day}, {"Year", year}};
  const int orders[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 0, 1}};
  const int format = state_.flags.DateFormat >= 0 && state_.flags.DateFormat <= 2 ? state_.flags.DateFormat : 0;
  for (int column = 0; column < 3; ++column) {
    const DatePart& part = mdy[orders[format][column]];
    grid->addWidget(CaptionLabel(part.caption), row, column + 1);
    grid->addWidget(part.box, row + 1, column + 1);
  }
  grid->addWidget(CaptionLabel("Date"), row + 1, 0);
  row += 2;

  QLineEdit* hour = AddPairRow(*grid, row++, "Time", {names_.hour, "hour"}, {names_.minute, "min"},
                               {names_.am, "A.M."}, {names_.pm, "P.M."});
  connect(hour, &QLineEdit::textChanged, this, &ChartInputWindow::txtHour_Change);

  grid->addWidget(CaptionLabel("Zone"), row, 0);
  QLineEdit* zone = NumberBox(names_.tz, true);
  zone->setToolTip("Hours and minutes (5.30) west of Greenwich; east of Greenwich negative");
  grid->addWidget(zone, row, 1);
  auto* zones = new QPushButton("&Zones...", this);
  zones->setObjectName("cmdZones");
  grid->addWidget(zones, row, 2, 1, 2);
  connect(zones, &QPushButton::clicked, this, &ChartInputWindow::cmdZones_Click);
  ++row;

  AddPairRow(*grid, row++, "Longitude", {names_.longDeg, "deg"}, {names_.longMin, "min"}, {names_.west, "West"},
             {names_.east, "East"});
  AddPairRow(*grid, row++, "Latitude", {names_.latDeg, "deg"}, {names_.latMin, "min"}, {names_.north, "North"},
             {names_.south, "South"});

  auto* cities = new QPushButton("&Cities...", this);
  cities->setObjectName("cmdCities");
  auto* atlas = new QPushButton("&Atlas...", this);
  atlas->setObjectName("cmdAtlas");
  grid->addWidget(cities, row, 1, 1, 2);
  grid->addWidget(atlas, row, 3, 1, 2);
  connect(cities, &QPushButton::clicked, this, &ChartInputWindow::cmdCities_Click);
  connect(atlas, &QPushButton::clicked, this, &ChartInputWindow::cmdAtlas_Click);
  ++row;

  AddBottomRows(*grid, row);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  PressOnEnter(*this, *ok);
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("cmdHelp");
  grid->addWidget(ok, row, 1, 1, 2);
  grid->addWidget(help, row, 3, 1, 2);
  connect(ok, &QPushButton::clicked, this, &ChartInputWindow::cmdOK_Click);
  connect(help, &QPushButton::clicked, this, &ChartInputWindow::cmdHelp_Click);

  Option(names_.am)->setChecked(true);
  Option(names_.west)->setChecked(true);
  Option(names_.north)->setChecked(true);

  // textEdited and clicked come from the user alone (typing, pasting,
  // dropping, undoing, a click or an arrow key), never from the program's writes.
  for (const char* name : {names_.month, names_.day, names_.year, names_.hour, names_.minute})
    connect(Box(name), &QLineEdit::textEdited, this, [this] { presetOfNow_.reset(); });
  for (const char* name : {names_.am, names_.pm})
    connect(Option(name), &QRadioButton::clicked, this, [this] { presetOfNow_.reset(); });
  connect(zone, &QLineEdit::editingFinished, this, &ChartInputWindow::FollowZoneBox);
}

QLineEdit* ChartInputWindow::Box(const char* name) const { return findChild<QLineEdit*>(name); }
QRadioButton* ChartInputWindow::Option(const char* name) const { return findChild<QRadioButton*>(name); }

InputBoxTexts ChartInputWindow::BoxTexts() const {
  InputBoxTexts b;
  b.Month = ToLatin1(Box(names_.month)->text());
  b.Day = ToLatin1(Box(names_.day)->text());
  b.Year = ToLatin1(Box(names_.year)->text());
  b.Hour = ToLatin1(Box(names_.hour)->text());
  b.Minute = ToLatin1(Box(names_.minute)->text());
  b.TZ = ToLatin1(Box(names_.tz)->text());
  b.LongDeg = ToLatin1(Box(names_.longDeg)->text());
  b.LongMin = ToLatin1(Box(names_.longMin)->text());
  b.LatDeg = ToLatin1(Box(names_.latDeg)->text());
  b.LatMin = ToLatin1(Box(names_.latMin)->text());
  b.PM = Option(names_.pm)->isChecked();
  b.East = Option(names_.east)->isChecked();
  b.South = Option(names_.south)->isChecked();
  return b;
}

void ChartInputWindow::WriteMoment(const MomentTexts& moment) {
  presetOfNow_.reset();
  Box(names_.month)->setText(FromLatin1(moment.Month));
  Box(names_.day)->setText(FromLatin1(moment.Day));
  Box(names_.year)->setText(FromLatin1(moment.Year));
  Box(names_.hour)->setText(FromLatin1(moment.Hour));
  Box(names_.minute)->setText(FromLatin1(moment.Minute));
  Option(names_.am)->setChecked(true);
  if (moment.PM) Option(names_.pm)->setChecked(true);
}

void ChartInputWindow::WriteMomentOfNow(const ClockMoment& now, const DotMinutes& zone) {
  WritePresentMoment(MomentOfNow(now, zone));
}

void ChartInputWindow::WritePresentMoment(const Moment& now) {
  WriteMoment(MomentBoxTexts(now));
  presetOfNow_ = PresetOfNow{now, ShownMoment()};
}

MomentTexts ChartInputWindow::ShownMoment() const {
  const InputBoxTexts b = BoxTexts();
  return {b.Month, b.Day, b.Year, b.Hour, b.Minute, b.PM};
}

void ChartInputWindow::WriteZone(const std::string& zone) {
  Box(names_.tz)->setText(FromLatin1(zone));
  FollowZoneBox();
}

void ChartInputWindow::FollowZoneBox() {
  if (presetOfNow_ && presetOfNow_->Shown != ShownMoment()) presetOfNow_.reset();
  if (!presetOfNow_) return;
  // A half-typed zone reads as no zone at all, as a refused one does.
  const std::optional<DotMinutes> zone = ZoneFromText(BoxTexts().TZ);
  if (zone && *zone != presetOfNow_->When.Zone) WritePresentMoment(MomentInZone(presetOfNow_->When, *zone));
}

void ChartInputWindow::WritePlace(const PlaceTexts& place) {
  WriteZone(place.TZ);
  Box(names_.longDeg)->setText(FromLatin1(place.LongDeg));
  Box(names_.longMin)->setText(FromLatin1(place.LongMin));
  Option(place.East ? names_.east : names_.west)->setChecked(true);
  Box(names_.latDeg)->setText(FromLatin1(place.LatDeg));
  Box(names_.latMin)->setText(FromLatin1(place.LatMin));
  Option(place.South ? names_.south : names_.north)->setChecked(true);
}

void ChartInputWindow::PresetNowAndHome() {
  WriteMomentOfNow(ReadClock(state_.services), HomeZone(state_.options));
  WritePlace(HomePlaceTexts(state_.options));
}

void ChartInputWindow::FocusBox(EntryBox box) {
  const char* const names[] = {names_.month,  names_.day,     names_.year,   names_.hour,   names_.minute,
                               names_.tz,     names_.longDeg, names_.longMin, names_.latDeg, names_.latMin};
  QLineEdit* edit = Box(names[static_cast<int>(box)]);
  raise();
  activateWindow();
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

void ChartInputWindow::txtHour_Change(const QString& text) {
  const HourBoxChange change = ApplyHourBoxRule(ToLatin1(text));
  // The warning belongs to the birth hour; the transit box only takes the 12-hour form.
  if (change.Empty && names_.target == 0) ShowMessage(EmptyHourText, "Warning!", MessageIcon::Warning, this);
  if (change.ChoosePM) Option(names_.pm)->setChecked(true);
  if (change.Rewrite) Box(names_.hour)->setText(FromLatin1(change.Text));
}

void ChartInputWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  for (QLabel* label : captionLabels_)
    if (label->isVisible()) DrawSunkenBorder(painter, *label);
}

void ChartInputWindow::cmdOK_Click() { ComputeChartFromInputWindows(state_); }

void ChartInputWindow::cmdHelp_Click() { ShowTextHelp(names_.helpFile); }

void ChartInputWindow::cmdCities_Click() {
  state_.input.GeoTarget = names_.target;
  ShowCityList(state_);
}

void ChartInputWindow::cmdZones_Click() {
  state_.flags.TZTarget = names_.target;
  ShowTimeZoneList(state_);
}

void ChartInputWindow::cmdAtlas_Click() { RunAtlasCommand(state_, *this); }

// ---------------------------------------------------------------- InputD

namespace {
constexpr InputWindowNames NatalNames{
    "InputD",    "txtMonth",   "txtDay",    "txtYear",    "txtBirthHour", "txtBirthMinute", "txtTZ",
    "txtLongDeg", "txtLongMin", "txtLatDeg", "txtLatMin", "optAM",        "optPM",          "optWest",
    "optEast",   "optNorth",   "optSouth",  "Natal Input Data", "\\INPUTD.HLP", 0};
constexpr InputWindowNames TransitNames{
    "InputD1",          "txtDiurnalMonth",  "txtDiurnalDay",    "txtDiurnalYear",  "txtDiurnalHour",
    "txtDiurnalMinute", "txtDiurnalTZ",     "txtDiurnalLongDeg", "txtDiurnalLongMin", "txtDiurnalLatDeg",
    "txtDiurnalLatMin", "optDiurnalAM",     "optDiurnalPM",     "optDiurnalWest",  "optDiurnalEast",
    "optDiurnalNorth",  "optDiurnalSouth",  "Transit Input Data", "\\INPUTD1.HLP", 1};
}  // namespace

InputDWindow::InputDWindow(AppState& state, QWidget* parent) : ChartInputWindow(state, NatalNames, parent) {
  Build();
  SetNameText("Now");
  PresetNowAndHome();
}

void InputDWindow::AddTopRows(QGridLayout& grid, int& row) {
  txtName_ = new QLineEdit(this);
  txtName_->setObjectName("txtName");
  grid.addWidget(CaptionLabel("Name"), row, 0);
  grid.addWidget(txtName_, row, 1, 1, 4);
  ++row;
}

std::string InputDWindow::NameText() const { return ToLatin1(txtName_->text()); }
void InputDWindow::SetNameText(const std::string& name) { txtName_->setText(FromLatin1(name)); }

bool InputDWindow::NameFitsFiles() {
  const std::optional<BeyondLatin1> beyond = FirstBeyondLatin1(txtName_->text());
  if (!beyond) return true;
  ShowMessage(NameCharacterRefusal(beyond->named), InputWarningTitle, MessageIcon::Warning, this);
  raise();
  activateWindow();
  txtName_->setFocus(Qt::OtherFocusReason);
  txtName_->setSelection(static_cast<int>(beyond->at), static_cast<int>(beyond->length));
  return false;
}

// ---------------------------------------------------------------- InputD1

InputD1Window::InputD1Window(AppState& state, QWidget* parent) : ChartInputWindow(state, TransitNames, parent) {
  Build();
  PresetNowAndHome();
}

void InputD1Window::AddBottomRows(QGridLayout& grid, int& row) {
  chk2ndPerson_ = new QCheckBox("2nd Person", this);
  chk2ndPerson_->setObjectName("chk2ndPerson");
  grid.addWidget(chk2ndPerson_, row, 1, 1, 4);
  connect(chk2ndPerson_, &QCheckBox::clicked, this, &InputD1Window::chk2ndPerson_Click);
  ++row;
}

bool InputD1Window::SecondPerson() const { return chk2ndPerson_->isChecked(); }
std::string InputD1Window::SecondPersonCaption() const { return ToLatin1(chk2ndPerson_->text()); }

void InputD1Window::chk2ndPerson_Click() {
  if (state_.services.SecondPersonTicked) state_.services.SecondPersonTicked(chk2ndPerson_->isChecked());
}

}  // namespace halcyra
