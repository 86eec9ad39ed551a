#pragma once
// The Keywords browser: a modeless reference card of 46 topics in a grid;
// a click on a topic shows its text in an information box titled with it.
#include <QWidget>
#include <string>

class QTableWidget;

namespace halcyra {

class KeywordsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit KeywordsWindow(QWidget* parent = nullptr);

  // Shows the text of the topic in the cell; a cell that names no topic
  // does nothing.
  void grdOutput_Click(int row, int column);
  // The text of the last topic clicked.
  const std::string& KeywordText() const { return keywordText_; }

 private:
  QTableWidget* grid_ = nullptr;
  std::string keywordText_;
};

// The wheel window's Keywords command: closes an open browser and opens it
// afresh beside `beside` (when given), without blocking it.
KeywordsWindow* ShowKeywords(QWidget* beside = nullptr);
// Closes the browser if it is open.
void CloseKeywords();
KeywordsWindow* TheKeywordsWindow();  // while open

}  // namespace halcyra
