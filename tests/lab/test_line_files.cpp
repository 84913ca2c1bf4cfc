// The line files and the other files of "File2" and "Initial": what each
// writer leaves on disk and what each reader makes of a good, short, long,
// missing or malformed file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "lab_fixture.h"
#include "recording_canvas.h"
#include "render/sample_picture.h"

namespace quorvan::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes fileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& p, const Bytes& b) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes lineFile(std::int32_t length, const Line& slots) {
  Bytes b(154);
  putInt32(b.data(), length);
  std::copy(slots.begin(), slots.end(), b.begin() + 4);
  return b;
}

// A line that uses every slot, beyond the length too.
Line patterned() {
  Line l{};
  for (int q = 0; q < MaxCells; ++q) l[q] = static_cast<CellState>((q * 7 + 1) % 3);
  return l;
}

class LineFiles : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
  }
  Line& line() { return lab->lattice.directLine; }
};

struct Pair {
  Ctl writer, reader;
  const char* file;
};
const Pair kPairs[] = {
    {Ctl::WriteCA1, Ctl::ReadCA1, "CA/ca.dat"}, {Ctl::Wsq21, Ctl::sq21, "CA/ca2.dat"},
    {Ctl::Wsq31, Ctl::Rsq31, "CA/ca3.dat"},     {Ctl::Wsq41, Ctl::sq41, "CA/ca4.dat"},
    {Ctl::Wsq51, Ctl::Rsq51, "CA/ca5.dat"},
};

TEST_F(LineFiles, EveryWriterAndReaderRoundTripsTheLengthAndAll150Slots) {
  for (const Pair& p : kPairs) {
    SCOPED_TRACE(p.file);
    lab->userType(Ctl::Edit1, "37");
    line() = patterned();
    lab->userClick(p.writer);
    EXPECT_EQ(fileBytes(dir / p.file), lineFile(37, patterned()));

    lab->userType(Ctl::Edit1, "5");
    line().fill(A);
    lab->userClick(p.reader);
    EXPECT_EQ(line(), patterned());
    EXPECT_EQ(lab->lattice.lineLength, 37);
    EXPECT_EQ(lab->lattice.squareRows, 37);
    EXPECT_EQ(lab->lattice.squareCols, 37);
    EXPECT_EQ(lab->controls.text(Ctl::Edit1), "37");
    EXPECT_EQ(lab->controls.position(Ctl::UpDown2), 37);
  }
  // A test trial sets the length without the edit: the edit still shows 37
  // while the square is 52. Loading 37 must still bring the square to it.
  lab->lattice.lineLength = lab->lattice.squareRows = lab->lattice.squareCols = 52;
  lab->userClick(Ctl::sq21);
  EXPECT_EQ(lab->lattice.squareRows, 37);
  EXPECT_EQ(lab->lattice.squareCols, 37);
}

TEST_F(LineFiles, WritersCreateNothingAndKeepALongerFilesTail) {
  for (const Pair& p : kPairs) {
    SCOPED_TRACE(p.file);
    fs::remove(dir / p.file);
    lab->userClick(p.writer);
    EXPECT_FALSE(fs::exists(dir / p.file));

    Bytes old(200);
    for (int i = 0; i < 200; ++i) old[i] = static_cast<unsigned char>(i);
    writeBytes(dir / p.file, old);
    lab->userClick(p.writer);
    const Bytes now = fileBytes(dir / p.file);
    ASSERT_EQ(now.size(), 200u);
    EXPECT_EQ(Bytes(now.begin(), now.begin() + 154), lineFile(lab->lattice.lineLength, line()));
    EXPECT_EQ(Bytes(now.begin() + 154, now.end()), Bytes(old.begin() + 154, old.end()));
  }
  fs::remove(dir / "MA/mafin.dat");
  lab->userClick(Ctl::Writemask1);
  EXPECT_FALSE(fs::exists(dir / "MA/mafin.dat"));
}

// "R sq(2)" changes the line and the length only.
TEST_F(LineFiles, SecondSquareReaderNeitherRedrawsNorTouchesTheDualLineOrTheRun) {
  lab->userToggle(Ctl::CheckBox33, true);  // the ordinary view, where a pass would paint
  lab->userClick(Ctl::Button1);            // a step, so that there is a run to keep
  Line slots{};
  slots.fill(B);
  writeBytes(dir / "CA/ca2.dat", lineFile(11, slots));
  const Line dual = lab->lattice.dualLine;
  RecordingCanvas canvas;
  lab->setCanvas(&canvas);
  lab->userClick(Ctl::sq21);
  EXPECT_EQ(line(), slots);
  EXPECT_EQ(lab->lattice.dualLine, dual);
  EXPECT_EQ(lab->lattice.stepCount, 1) << "no reset";
  EXPECT_TRUE(canvas.calls.empty()) << "no redraw, no clear";
  lab->setCanvas(nullptr);
}

TEST_F(LineFiles, LoadedLineExchangesAAndBInTheDualAndLeavesItAtCCells) {
  Line slots{};
  slots.fill(A);
  slots[0] = C;
  slots[1] = B;
  slots[2] = C;
  writeBytes(dir / "CA/ca3.dat", lineFile(4, slots));
  lab->lattice.dualLine[0] = B;
  lab->lattice.dualLine[2] = C;
  lab->userClick(Ctl::Rsq31);
  const Line& dual = lab->lattice.dualLine;
  EXPECT_EQ(dual[0], B) << "kept where the loaded cell is C";
  EXPECT_EQ(dual[1], A);
  EXPECT_EQ(dual[2], C) << "kept where the loaded cell is C";
  EXPECT_EQ(dual[3], B);
}

// The reset covers the cells of the length in force before the read.
TEST_F(LineFiles, ReadSquareResetsOnlyTheOldLengthsAccumulators) {
  for (int i = 0; i < 4; ++i) lab->userClick(Ctl::Button1);
  lab->lattice.directBalance.fill(9);
  lab->lattice.dualBalance.fill(9);
  lab->lattice.directWeight.fill(9);
  Line slots{};
  slots.fill(A);
  writeBytes(dir / "CA/ca.dat", lineFile(20, slots));
  lab->userClick(Ctl::ReadCA1);
  const LatticeState& s = lab->lattice;
  EXPECT_EQ(s.lineLength, 20);
  EXPECT_EQ(s.stepCount, 0);
  for (int q = 0; q < 20; ++q) {
    EXPECT_EQ(s.directBalance[q], q < 11 ? 0 : 9) << q;
    EXPECT_EQ(s.dualBalance[q], q < 11 ? 0 : 9) << q;
    EXPECT_EQ(s.directWeight[q], 9) << "a partial reset keeps the weights";
  }
}

TEST_F(LineFiles, FifthReaderBringsBackTheLatestRandomLineWithWeightsAtZero) {
  lab->userClick(Ctl::Button58);  // "Random": saved to ca5.dat, and the run starts
  const Line saved = line();
  for (int i = 0; i < 3; ++i) lab->timerTick(Ctl::Timer1);
  ASSERT_NE(line(), saved);
  lab->userClick(Ctl::Rsq51);
  const LatticeState& s = lab->lattice;
  EXPECT_EQ(line(), saved);
  for (int q = 0; q < s.lineLength; ++q) {
    EXPECT_EQ(s.directWeight[q], 0) << q;
    EXPECT_EQ(s.dualWeight[q], 0) << q;
    EXPECT_EQ(s.dualLine[q], saved[q] == A ? B : A) << q;
  }
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1)) << "the window clear stops the run";
}

// A short file replaces the bytes it holds; the others keep their values,
// in the length as in the line.
TEST_F(LineFiles, ShortFileReplacesOnlyTheBytesItHolds) {
  lab->userType(Ctl::Edit1, "20");
  line().fill(A);
  Bytes head = lineFile(0x0102, Line{});  // length bytes 02 01 00 00
  head.resize(2 + 0);                     // only the low two bytes of the length
  head[0] = 30;
  head[1] = 0;
  writeBytes(dir / "CA/ca2.dat", head);
  lab->userClick(Ctl::sq21);
  EXPECT_EQ(lab->lattice.lineLength, 30) << "low bytes from the file, high bytes kept";
  EXPECT_EQ(line()[0], A);

  Bytes part = lineFile(12, Line{});  // all C
  part.resize(4 + 6);
  writeBytes(dir / "CA/ca2.dat", part);
  lab->userClick(Ctl::sq21);
  EXPECT_EQ(lab->lattice.lineLength, 12);
  for (int q = 0; q < MaxCells; ++q) EXPECT_EQ(line()[q], q < 6 ? C : A) << q;
}

// A length beyond the arrays or a byte that is no cell state is refused:
// the line and the length stay, and the command's other steps still run.
TEST_F(LineFiles, MalformedFileIsRefusedWholeAndTheCommandGoesOn) {
  struct Bad {
    const char* what;
    std::int32_t length;
    int slot;
    unsigned char value;
  };
  const Bad cases[] = {
      {"length 500", 500, 0, A},
      {"length -7", -7, 0, A},
      {"length 132", 132, 0, A},
      {"byte 7 within the length", 11, 3, 7},
      {"byte 255 beyond the length", 11, 149, 255},
  };
  for (const Bad& b : cases) {
    SCOPED_TRACE(b.what);
    lab->userType(Ctl::Edit1, "11");
    lab->userClick(Ctl::Button1);
    line().fill(A);
    line()[5] = B;
    lab->lattice.dualLine.fill(C);
    Line slots{};
    slots.fill(B);
    slots[b.slot] = b.value;
    writeBytes(dir / "CA/ca4.dat", lineFile(b.length, slots));
    const Line before = line();
    lab->userClick(Ctl::sq41);
    EXPECT_EQ(line(), before);
    EXPECT_EQ(lab->lattice.lineLength, 11);
    EXPECT_EQ(lab->lattice.stepCount, 0) << "the reset still ran";
    EXPECT_EQ(lab->lattice.dualLine[5], A) << "the dual line is rebuilt from the current line";
    EXPECT_EQ(lab->lattice.dualLine[0], B);
  }
  // Length 0 is one the length edit allows: it loads.
  writeBytes(dir / "CA/ca4.dat", lineFile(0, patterned()));
  lab->userClick(Ctl::sq41);
  EXPECT_EQ(lab->lattice.lineLength, 0);
  EXPECT_EQ(line(), patterned());
}

TEST_F(LineFiles, MissingFileStillResetsRebuildsTheDualLineAndRedraws) {
  lab->userClick(Ctl::Button1);
  fs::remove(dir / "CA/ca.dat");
  const Line before = line();
  lab->userToggle(Ctl::CheckBox33, true);  // the ordinary view, so the pass paints
  lab->lattice.dualLine.fill(C);
  RecordingCanvas canvas;
  lab->setCanvas(&canvas);
  lab->userClick(Ctl::ReadCA1);
  EXPECT_EQ(line(), before);
  EXPECT_EQ(lab->lattice.stepCount, 0);
  for (int q = 0; q < 11; ++q)
    EXPECT_EQ(lab->lattice.dualLine[q], before[q] == A ? B : before[q] == B ? A : C) << q;
  EXPECT_FALSE(canvas.calls.empty()) << "the diagram is drawn";
  lab->setCanvas(nullptr);
}

// --- freeze mask and example table -------------------------------------------

TEST_F(LineFiles, WriteMaskStoresTheSquareAndLeavesTheMaskZero) {
  ASSERT_EQ(fs::file_size(dir / "MA/mafin.dat"), 121u) << "the delivered file fits the start-up square";
  for (std::size_t i = 0; i < 121; ++i) lab->tools.freezeMask[i] = static_cast<std::uint8_t>(i + 1);
  lab->userClick(Ctl::Writemask1);
  const Bytes written = fileBytes(dir / "MA/mafin.dat");
  ASSERT_EQ(written.size(), 121u);
  for (std::size_t i = 0; i < 121; ++i) EXPECT_EQ(written[i], i + 1);
  for (std::uint8_t cell : lab->tools.freezeMask) ASSERT_EQ(cell, 0);

  lab->userClick(Ctl::Readmask1);
  for (std::size_t i = 0; i < 121; ++i) EXPECT_EQ(lab->tools.freezeMask[i], i + 1);
  // A short mask file reaches only its own cells.
  writeBytes(dir / "MA/mafin.dat", Bytes(10, 0xEE));
  lab->userClick(Ctl::Readmask1);
  EXPECT_EQ(lab->tools.freezeMask[9], 0xEE);
  EXPECT_EQ(lab->tools.freezeMask[10], 11);
  // The largest square the length allows stays inside the grid.
  lab->userType(Ctl::Edit1, "9999");
  writeBytes(dir / "MA/mafin.dat", Bytes(131 * 131 + 500, 3));
  lab->userClick(Ctl::Readmask1);
  EXPECT_EQ(lab->tools.freezeMask.back(), 3);
}

TEST_F(LineFiles, ExampleTableIsCreatedOrCutToItsSizeAndReadBack) {
  for (std::size_t i = 0; i < ExampleTableSize; ++i) lab->tools.exampleTable[i] = i % 2;
  const Bytes expected(lab->tools.exampleTable.begin(), lab->tools.exampleTable.end());
  fs::remove(dir / "examp/Exr.dat");
  lab->userClick(Ctl::Writerandom1);
  EXPECT_EQ(fileBytes(dir / "examp/Exr.dat"), expected) << "created when missing";
  writeBytes(dir / "examp/Exr.dat", Bytes(5000, 9));
  lab->userClick(Ctl::Writerandom1);
  EXPECT_EQ(fileBytes(dir / "examp/Exr.dat"), expected) << "a longer file is cut to 2250 bytes";

  writeBytes(dir / "examp/Exr.dat", Bytes(3000, 1));
  lab->userClick(Ctl::Readrandom1);
  for (std::uint8_t e : lab->tools.exampleTable) ASSERT_EQ(e, 1);
}

class WriteRca : public LabTest {
 protected:
  std::vector<std::string> filters;
  std::optional<std::string> answer;
  void start() {
    LabEnvironment env;
    env.workDir = dir.string();
    env.clockSeconds = [] { return 1000u; };
    env.askFileName = [this](const std::string& filter) {
      filters.push_back(filter);
      return answer;
    };
    lab = std::make_unique<Laboratory>(env);
    lab->FormShow();
    lab->tools.exampleTable.fill(1);
  }
};

TEST_F(WriteRca, ChosenFileGetsTheTableAndACancelOrABadNameWritesNothing) {
  start();
  answer = (dir / "chosen.dat").string();
  lab->userClick(Ctl::WriteRCA1);
  ASSERT_EQ(filters, std::vector<std::string>{"*.dat|"});
  EXPECT_EQ(fileBytes(dir / "chosen.dat"), Bytes(ExampleTableSize, 1));

  // An existing longer file is replaced whole.
  writeBytes(dir / "chosen.dat", Bytes(9000, 7));
  lab->userClick(Ctl::WriteRCA1);
  EXPECT_EQ(fileBytes(dir / "chosen.dat"), Bytes(ExampleTableSize, 1));

  const auto before = std::distance(fs::directory_iterator(dir), fs::directory_iterator());
  answer = std::nullopt;  // cancelled
  lab->userClick(Ctl::WriteRCA1);
  answer = (dir / "no-such-folder" / "x.dat").string();
  lab->userClick(Ctl::WriteRCA1);
  answer = (dir / "CA").string();  // a folder is no file to write
  lab->userClick(Ctl::WriteRCA1);
  answer = (dir / std::string(5000, 'n')).string();  // longer than any path allows
  lab->userClick(Ctl::WriteRCA1);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), before)
      << "nothing created, not even a half-written file";
  EXPECT_TRUE(fs::is_directory(dir / "CA"));
  EXPECT_EQ(fs::file_size(dir / "CA/ca.dat"), 154u);
}

// --- the picture ------------------------------------------------------------------

// A bottom-up 24-bit picture whose blue bytes are x + 4y (so which pixels
// pass the reader's test is easy to tell).
Bytes picture(std::int32_t width, std::int32_t height, std::uint16_t bits = 24, std::int32_t offset = 54) {
  Bytes b(static_cast<std::size_t>(offset) + static_cast<std::size_t>(width) * height * 3, 0);
  b[0] = 'B';
  b[1] = 'M';
  putInt32(b.data() + 10, offset);
  putInt32(b.data() + 14, 40);
  putInt32(b.data() + 18, width);
  putInt32(b.data() + 22, height);
  b[26] = 1;
  b[28] = static_cast<unsigned char>(bits);
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x)
      b[static_cast<std::size_t>(offset) + (static_cast<std::size_t>(y) * width + x) * 3] =
          static_cast<unsigned char>(std::min(255, x + 4 * y));
  return b;
}

std::size_t pixels(const RecordingCanvas& c) {
  return static_cast<std::size_t>(std::count_if(
      c.calls.begin(), c.calls.end(), [](const auto& call) { return call.shape == RecordingCanvas::Pixel; }));
}

class PictureReaders : public LineFiles {
 protected:
  RecordingCanvas canvas;
  std::size_t paintedBy(const Bytes& file, Ctl reader = Ctl::READFROMFILER1) {
    writeBytes(dir / "data/1_1.BMP", file);
    canvas.calls.clear();
    lab->setCanvas(&canvas);
    lab->userClick(reader);
    lab->setCanvas(nullptr);
    return pixels(canvas);
  }
};

TEST_F(PictureReaders, BlueAboveSixtyPaintsBlueUpsideDownAndThePlainReaderPaintsNothing) {
  lab->tools.pictureWidth = 8;
  lab->tools.pictureHeight = 16;
  // x + 4y > 60 holds for x = 5..7 of row 14 and x = 1..7 of row 15.
  ASSERT_EQ(paintedBy(picture(8, 16)), 3u + 7u);
  for (const auto& call : canvas.calls) {
    if (call.shape != RecordingCanvas::Pixel) continue;
    EXPECT_EQ(call.colour, kBlue);
    EXPECT_LE(call.box.top, 1) << "the file's last rows are the window's top rows";
  }
  EXPECT_EQ(paintedBy(picture(8, 16), Ctl::READFROMFILE1), 0u);
}

TEST_F(PictureReaders, MalformedPicturesPaintNothingAndAShortOneEndsItsRows) {
  lab->tools.pictureWidth = 8;
  lab->tools.pictureHeight = 16;
  struct Case {
    const char* what;
    Bytes file;
  };
  Bytes notBm = picture(8, 16);
  notBm[0] = 'X';
  Bytes farOffset = picture(8, 16);
  putInt32(farOffset.data() + 10, 1 << 30);
  Bytes negativeOffset = picture(8, 16);
  putInt32(negativeOffset.data() + 10, -40);
  Bytes inHeader = picture(8, 16);
  putInt32(inHeader.data() + 10, 51);
  Bytes wide = picture(8, 16);
  putInt32(wide.data() + 18, 5000);
  Bytes compressed = picture(8, 16);
  compressed[30] = 1;
  const Bytes whole = picture(8, 16);
  const Case refused[] = {
      {"empty", {}},
      {"header only, cut", Bytes(whole.begin(), whole.begin() + 30)},
      {"no BM", notBm},
      {"16-bit", picture(8, 16, 16)},
      {"offset past the end", farOffset},
      {"negative offset", negativeOffset},
      {"offset inside the header", inHeader},
      {"5000 pixels wide", wide},
      {"compressed", compressed},
  };
  for (const Case& c : refused) EXPECT_EQ(paintedBy(c.file), 0u) << c.what;

  // Cut in the middle of row 15: only its first 5 whole pixels are painted
  // (x + 60 > 60 from x = 1), none from what the buffer kept of row 14.
  Bytes cut = picture(8, 16);
  cut.resize(54 + (15 * 8 + 5) * 3 + 2);
  EXPECT_EQ(paintedBy(cut), 3u + 4u);

  // The reader's row buffer bounds its own width too.
  lab->tools.pictureWidth = 5000;
  lab->tools.pictureHeight = 1;
  EXPECT_EQ(paintedBy(picture(1024, 1)), 1024u - 61u);
}

TEST_F(PictureReaders, DeliveredPictureIsTheDiagramTheModelDraws) {
  const Bytes delivered = fileBytes(fs::path(QUORVAN_DATA_DIR) / "lab/data/1_1.BMP");
  ASSERT_EQ(delivered.size(), 54u + 512u * 512u * 3u);
  EXPECT_EQ(delivered, samplePicture()) << "redraw it with make_sample_picture";
  std::size_t bright = 0;
  for (std::size_t i = 54; i < delivered.size(); i += 3) bright += delivered[i] > 60;
  EXPECT_EQ(paintedBy(delivered), bright);
  EXPECT_GT(bright, 0u);
  EXPECT_LT(bright, 512u * 512u) << "the red C cells stay unpainted";
}

}  // namespace
}  // namespace quorvan::testing
