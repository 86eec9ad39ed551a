// The three print commands without a printer, on a disk that takes no more
// (a file-size limit) and in a folder the user may not write to: the PDF
// file is written whole or not at all, the message names the file and the
// system's reason, and an older PDF of that name keeps its bytes.
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

#include "shell/ui/print_target.h"
#include "support/file_faults.h"
#include "wheel_commands_fixture.h"
#include "wheels/ui/wheel_print.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Listing(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

QWidget* PrintWindowOnScreen() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "PrntFile" && w->isVisible()) return w;
  return nullptr;
}

class PrintPdfFiles : public testing::WheelCommandsTest {
 protected:
  void SetUp() override {
    testing::WheelCommandsTest::SetUp();
    App().services.PrinterInstalled = [] { return false; };
    App().services.ChooseSaveFile = [this](const std::string&, const std::string&) { return std::optional(pdf); };
  }
  std::string pdf;
};

// Each command on a fresh disk, then on one that takes only 4 KB more per
// file (its PDF is 11 KB to 120 KB, the print file under 2 KB), then into a
// read-only folder, each time over an older PDF of the chosen name.
TEST_F(PrintPdfFiles, APdfIsWrittenWholeOrNotAtAll) {
  testing::RecordingSink sink;
  Main("mnuWheelsDualNatTran");
  const std::string folder = testing::ScratchDir("pdf-target");
  pdf = folder + "/chart.pdf";
  const std::string older = "%PDF-1.4 an older print";
  const struct {
    const char* command;
    std::function<void(const std::function<void()>& print)> run;  // `print` runs the last step
  } commands[] = {
      {"Print page",
       [](const auto& print) {
         CurrentDataWindow()->findChild<QAction*>("mnuPrint")->trigger();
         print();
       }},
      {"Print data",
       [](const auto& print) {
         CurrentDataWindow()->findChild<QAction*>("mnuPrintData")->trigger();
         print();
       }},
      {"the wheel's full page", [&](const auto& print) { sink.yesNoCancel = Answer::Yes, print(); }},
      {"the wheel's half page", [&](const auto& print) { sink.yesNoCancel = Answer::No, print(); }},
  };
  enum class Fault { None, FullDisk, ReadOnly };
  const struct {
    Fault fault;
    const char* reason;  // nullptr: printed
  } faults[] = {
      {Fault::None, nullptr},
      {Fault::FullDisk, "File too large"},
      {Fault::ReadOnly, "Permission denied"},
  };
  for (const auto& command : commands) {
    const bool printWindow = command.command[0] == 'P';
    for (const auto& row : faults) {
      const std::string what = std::string(command.command) + (row.reason ? ", " + std::string(row.reason) : "");
      std::ofstream(pdf, std::ios::binary) << older;
      const std::set<std::string> before = Listing(folder);
      sink.shown.clear();
      command.run([&] {
        std::optional<testing::ScopedFileSizeLimit> fullDisk;
        std::optional<testing::ScopedReadOnlyFolder> readOnly;
        if (row.fault == Fault::FullDisk) fullDisk.emplace(4096);
        if (row.fault == Fault::ReadOnly) readOnly.emplace(folder);
        if (printWindow) PrintWindowOnScreen()->findChild<QPushButton*>("btnPrint")->click();
        else Wheel("mnuPrintChartwheel");
      });
      EXPECT_EQ(Listing(folder), before) << what << ": no other file, nothing half-written";
      const std::string bytes = ReadWholeFile(pdf).value_or("");
      if (!row.reason) {
        EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Information: " + PrintedToPdfText(pdf)}) << what;
        EXPECT_TRUE(bytes.starts_with("%PDF-") && bytes.ends_with("%%EOF\n")) << what << ": a whole PDF";
        EXPECT_EQ(PrintWindowOnScreen(), nullptr) << what << ": printed, the window closes";
        continue;
      }
      EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: " + PdfNotWrittenText(pdf, row.reason)}) << what;
      EXPECT_TRUE(bytes == older) << what << ": the older PDF changed, now " << bytes.size() << " bytes";
      if (printWindow) {
        ASSERT_NE(PrintWindowOnScreen(), nullptr) << what << ": nothing printed, the text stays";
        PrintWindowOnScreen()->close();
      }
    }
  }
}

}  // namespace
}  // namespace halcyra
