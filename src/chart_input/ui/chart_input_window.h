#pragma once
// The natal input window InputD and the transit or second-person input window
// InputD1: date, time, zone and place boxes with their option-button pairs,
// and the commands OK, Help, Cities, Zones and Atlas.
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "chart_input/input_boxes.h"
#include "state/app_state.h"
#include "state/moment.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace halcyra {

// The control names of one window; the two windows differ only in them.
struct InputWindowNames {
  const char* window;
  const char* month;
  const char* day;
  const char* year;
  const char* hour;
  const char* minute;
  const char* tz;
  const char* longDeg;
  const char* longMin;
  const char* latDeg;
  const char* latMin;
  const char* am;
  const char* pm;
  const char* west;
  const char* east;
  const char* north;
  const char* south;
  const char* caption;
  const char* helpFile;
  int target;  // 0 natal, 1 transit: the value of TZTarget and GeoTarget for this window
};

class ChartInputWindow : public QWidget {
  Q_OBJECT
 public:
  ChartInputWindow(AppState& state, const InputWindowNames& names, QWidget* parent = nullptr);

  int Target() const { return names_.target; }
  InputBoxTexts BoxTexts() const;

  // Writes the date and time boxes in the order the Input command does: the
  // five boxes (the hour box turning a 24-hour value into the 12-hour form),
  // then A.M., then P.M. when the moment is past noon. A moment other than
  // the present one ends the preset of now.
  void WriteMoment(const MomentTexts& moment);
  // Writes the present moment of the computer's clock as the clock of
  // `zone`, and keeps it as the preset of now.
  void WriteMomentOfNow(const ClockMoment& now, const DotMinutes& zone);
  // Writes the zone box and the place boxes with their option buttons.
  void WritePlace(const PlaceTexts& place);
  // Writes the zone box. While the date and time are still the preset of
  // now, they are written again for the new zone at the same universal
  // moment, so that a city, a zone from the list or the atlas leaves the
  // chart of now at the present moment.
  void WriteZone(const std::string& zone);
  // The same for the zone the zone box holds, once it is a whole zone (not
  // "-" or "5." half typed): WriteZone does it, and so do leaving the zone
  // box and a chart reading the window, for a zone the user typed. A zone
  // the checks would refuse leaves the clock as it is, for them to judge.
  void FollowZoneBox();
  // The present moment, written in the home zone, and the home place of the options.
  void PresetNowAndHome();
  // The focus in a box, its text selected, so that typing replaces it.
  void FocusBox(EntryBox box);

  QLineEdit* Box(const char* name) const;
  QRadioButton* Option(const char* name) const;

  void cmdOK_Click();
  void cmdHelp_Click();
  void cmdCities_Click();
  void cmdZones_Click();
  void cmdAtlas_Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Rows above the date boxes (the natal window's name box).
  virtual void AddTopRows(QGridLayout& grid, int& row) {}
  // Controls below the place rows (the second-person check box).
  virtual void AddBottomRows(QGridLayout& grid, int& row) {}
  // Builds the controls; called once by the derived window's constructor.
  void Build();
  QLabel* CaptionLabel(const QString& text);

  AppState& state_;

 private:
  void txtHour_Change(const QString& text);
  QLineEdit* NumberBox(const char* name, bool signedDotMinutes);
  QRadioButton* PairButton(QButtonGroup*& group, const char* name, const QString& caption);
  // A control's object name with its caption or placeholder text.
  struct NamedText {
    const char* name;
    const char* text;
  };
  // The time, longitude and latitude rows: a caption, two number boxes with
  // their placeholders and a pair of option buttons. Returns the first box.
  QLineEdit* AddPairRow(QGridLayout& grid, int row, const QString& caption, NamedText firstBox, NamedText secondBox,
                        NamedText firstChoice, NamedText secondChoice);

  void WritePresentMoment(const Moment& now);
  MomentTexts ShownMoment() const;

  InputWindowNames names_;
  std::vector<QLabel*> captionLabels_;
  // The preset of now: the present moment as last written and the date and
  // time boxes as it left them. It holds while the boxes still show those
  // texts and the user has not edited them: any typing, pasting or choice in
  // the month, day, year, hour, minute or A.M./P.M. ends it, even one that
  // leaves the same text, and so does a program write of another moment (a
  // name of the names list other than "Now"). Typing in the zone box does
  // not end it: the typed zone, once complete, takes the clock to the
  // preset's moment as a zone the program writes does.
  struct PresetOfNow {
    Moment When;
    MomentTexts Shown;
  };
  std::optional<PresetOfNow> presetOfNow_;
};

// InputD: the natal window, with the chart's name box.
class InputDWindow : public ChartInputWindow {
  Q_OBJECT
 public:
  explicit InputDWindow(AppState& state, QWidget* parent = nullptr);
  std::string NameText() const;
  void SetNameText(const std::string& name);
  // False, after a message naming the character, which is left selected in
  // the name box, when the name holds one no file of the program can hold.
  bool NameFitsFiles();

 protected:
  void AddTopRows(QGridLayout& grid, int& row) override;

 private:
  QLineEdit* txtName_ = nullptr;
};

// InputD1: the transit or second-person window.
class InputD1Window : public ChartInputWindow {
  Q_OBJECT
 public:
  explicit InputD1Window(AppState& state, QWidget* parent = nullptr);
  bool SecondPerson() const;
  std::string SecondPersonCaption() const;

  void chk2ndPerson_Click();

 protected:
  void AddBottomRows(QGridLayout& grid, int& row) override;

 private:
  QCheckBox* chk2ndPerson_ = nullptr;
};

}  // namespace halcyra
