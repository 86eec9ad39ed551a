// The three print commands without a printer, on a disk that takes no more
// (a file-size limit), in a folder the user may not write to and with no
// memory to spare: the PDF file is written whole or not at all, the message
// names the file and the reason, and an older PDF of that name keeps its
// bytes.
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

#include "shell/data_file.h"
#include "shell/ui/pdf_in_memory.h"
#include "shell/ui/print_target.h"
#include "support/allocation_faults.h"
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
// read-only folder, then with no memory for one of its allocations of a
// megabyte or more, each time over an older PDF of the chosen name. These
// come in turn: the print window's print file, the painter's reserve, the
// PDF's first block, then Qt's (the half page's picture, the PDF writer's
// compressed pages).
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
  enum class Fault { None, FullDisk, ReadOnly, NoMemory };
  const struct {
    Fault fault;
    const char* reason;  // nullptr: printed
    int allocation = 0;  // the one that fails, counted from the reserve
  } faults[] = {
      {Fault::None, nullptr},
      {Fault::FullDisk, "File too large"},
      {Fault::ReadOnly, "Permission denied"},
      {Fault::NoMemory, nullptr, -1},  // the print file: printed as the window shows it
      {Fault::NoMemory, "Out of memory", 0},
      {Fault::NoMemory, "Out of memory", 1},
      {Fault::NoMemory, "Out of memory", 2},
      {Fault::NoMemory, "Out of memory", 3},
  };
  for (const auto& command : commands) {
    const bool printWindow = command.command[0] == 'P';
    for (const auto& row : faults) {
      const int skip = row.allocation + (printWindow ? 1 : 0);
      if (row.fault == Fault::NoMemory && (skip < 0 || (row.allocation > 1 && !testing::LibcFaults()))) continue;
      const std::string what = std::string(command.command) + (row.reason ? ", " + std::string(row.reason) : "") +
                               (row.fault == Fault::NoMemory ? " at " + std::to_string(skip) : "");
      std::ofstream(pdf, std::ios::binary) << older;
      const std::set<std::string> before = Listing(folder);
      sink.shown.clear();
      command.run([&] {
        std::optional<testing::ScopedFileSizeLimit> fullDisk;
        std::optional<testing::ScopedReadOnlyFolder> readOnly;
        std::optional<testing::FailingAllocations> noMemory;
        if (row.fault == Fault::FullDisk) fullDisk.emplace(4096);
        if (row.fault == Fault::ReadOnly) readOnly.emplace(folder);
        if (row.fault == Fault::NoMemory) noMemory.emplace(testing::AllocationFaults{.skip = skip, .times = 1});
        if (printWindow) PrintWindowOnScreen()->findChild<QPushButton*>("btnPrint")->click();
        else Wheel("mnuPrintChartwheel");
        EXPECT_TRUE(!noMemory || noMemory->Refused() == 1) << what;
      });
      EXPECT_EQ(Listing(folder), before) << what << ": no other file, nothing half-written";
      const std::string bytes = ReadWholeFile(pdf).value_or("");
      std::vector<std::string> boxes{row.reason ? "Warning!: " + PdfNotWrittenText(pdf, row.reason)
                                                : "Information: " + PrintedToPdfText(pdf)};
      if (row.allocation < 0)
        boxes.insert(boxes.begin(), "Warning!: Cannot write the file " + PrintFilePath(App()) +
                                        ": Out of memory. The text is printed as it stands in the window.");
      EXPECT_EQ(sink.Boxes(), boxes) << what;
      if (!row.reason) {
        EXPECT_TRUE(bytes.starts_with("%PDF-") && bytes.ends_with("%%EOF\n")) << what << ": a whole PDF";
        EXPECT_EQ(PrintWindowOnScreen(), nullptr) << what << ": printed, the window closes";
        continue;
      }
      EXPECT_TRUE(bytes == older) << what << ": the older PDF changed, now " << bytes.size() << " bytes";
      if (printWindow) {
        ASSERT_NE(PrintWindowOnScreen(), nullptr) << what << ": nothing printed, the text stays";
        PrintWindowOnScreen()->close();
      }
    }
  }
}

// A PDF whose next block cannot be had hands back what it held and takes
// nothing more, even once memory is free again.
TEST(PdfInMemory, AWriteWithoutMemoryEndsTheDrawing) {
  PdfInMemory drawn;
  ASSERT_EQ(drawn.write("%PDF-", 5), 5);
  const std::string page(1 << 20, 'x');  // more than the first block still holds
  {
    const testing::FailingAllocations noMemory({});
    EXPECT_EQ(drawn.write(page.data(), static_cast<qint64>(page.size())), -1);
  }
  EXPECT_EQ(drawn.write("x", 1), -1);
  EXPECT_TRUE(drawn.RanOutOfMemory());
  EXPECT_TRUE(drawn.Parts().empty());
}

}  // namespace
}  // namespace halcyra
