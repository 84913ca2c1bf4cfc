// The line files, the freeze mask, the example table and the picture: the
// file items of "File2" and "Initial".
#include <algorithm>

#include "initial/line_file.h"
#include "lab/laboratory.h"

namespace quorvan {
namespace {

constexpr const char* kSquareFile = "CA/ca.dat";
constexpr const char* kSquare2File = "CA/ca2.dat";
constexpr const char* kSquare3File = "CA/ca3.dat";
constexpr const char* kSquare4File = "CA/ca4.dat";
constexpr const char* kSquare5File = "CA/ca5.dat";
constexpr const char* kMaskFile = "MA/mafin.dat";
constexpr const char* kExampleFile = "examp/Exr.dat";
constexpr const char* kPictureFile = "data/1_1.BMP";

}  // namespace

// --- writing a line: no redraw, no change of state --------------------------

void Laboratory::WriteCA1Click() { writeLineFile(files, kSquareFile, lattice); }
void Laboratory::Wsq21Click() { writeLineFile(files, kSquare2File, lattice); }
void Laboratory::Wsq31Click() { writeLineFile(files, kSquare3File, lattice); }
void Laboratory::Wsq41Click() { writeLineFile(files, kSquare4File, lattice); }
void Laboratory::Wsq51Click() { writeLineFile(files, kSquare5File, lattice); }

// --- reading a line ----------------------------------------------------------

// The loaded length goes through the "Length =" edit, whose handler sets the
// square's sides and the spinner. The edit may already show this number
// while the length differs (a test trial sets the length without it), so the
// handler runs even when the text stays the same.
void Laboratory::applyLoadedLength() {
  const std::string before = controls.text(Ctl::Edit1);
  setNumber(Ctl::Edit1, lattice.lineLength);
  if (controls.text(Ctl::Edit1) == before) Edit1Change();
}

// "R sq(2)": the line and its length only; the dual line, the run and the
// window stay as they were.
void Laboratory::sq21Click() {
  readLineFile(files, kSquare2File, lattice);
  applyLoadedLength();
}

// "Read square", "R sq(3)", "R sq(4)": a new run from the file. The reset
// covers the cells of the length in force before the read. A missing or
// refused file still resets, rebuilds the dual line from the current line
// and redraws.
void Laboratory::ReadCA1Click() {
  partialReset();
  readLineFile(files, kSquareFile, lattice);
  dualFromLoadedLine(lattice);
  applyLoadedLength();
  Button3Click();
}

void Laboratory::Rsq31Click() {
  Button8Click();
  partialReset();
  readLineFile(files, kSquare3File, lattice);
  dualFromLoadedLine(lattice);
  applyLoadedLength();
  Button3Click();
}

void Laboratory::sq41Click() {
  Button8Click();
  partialReset();
  readLineFile(files, kSquare4File, lattice);
  dualFromLoadedLine(lattice);
  applyLoadedLength();
  Button3Click();
}

// "R sq(5)": the latest "Random" line back, with its weights at zero too.
void Laboratory::Rsq51Click() {
  partialReset();
  const int before = lattice.cells();
  std::fill_n(lattice.directWeight.begin(), before, 0);
  std::fill_n(lattice.dualWeight.begin(), before, 0);
  if (!controls.checked(Ctl::CheckBox43)) canvas->fillRect(Box{0, 0, 704, 704}, kButtonFace);
  readLineFile(files, kSquare5File, lattice);
  dualFromLoadedLine(lattice);
  applyLoadedLength();
  Button8Click();
  Button3Click();
}

// --- freeze mask and example table --------------------------------------------

void Laboratory::Readmask1Click() {
  readFreezeMask(files, kMaskFile, tools, lattice.squareRows, lattice.squareCols);
  Button3Click();
}

void Laboratory::Writemask1Click() {
  writeFreezeMask(files, kMaskFile, tools, lattice.squareRows, lattice.squareCols);
}

void Laboratory::Readrandom1Click() {
  readExampleTable(files, kExampleFile, tools);
  Button3Click();
}

void Laboratory::Writerandom1Click() { writeExampleTable(files, kExampleFile, tools); }

// "Write RCA": the table to a file the user names. A cancelled dialog, and a
// name that cannot be written, write nothing (and, the write going through
// a fresh file first, an existing file keeps what it held).
void Laboratory::WriteRCA1Click() {
  if (!env_.askFileName) return;
  const std::optional<std::string> chosen = env_.askFileName("*.dat|");
  if (chosen && !chosen->empty()) SaveDialog1CanClose(*chosen);
}

void Laboratory::SaveDialog1CanClose(const std::string& fileName) {
  writeExampleTable(files, fileName, tools);
}

// --- the picture -----------------------------------------------------------------

void Laboratory::READFROMFILE1Click() {
  readPicture(files, kPictureFile, tools.pictureWidth, tools.pictureHeight, false, *canvas);
  Button3Click();
}

void Laboratory::READFROMFILER1Click() {
  readPicture(files, kPictureFile, tools.pictureWidth, tools.pictureHeight, true, *canvas);
  Button3Click();
}

}  // namespace quorvan
