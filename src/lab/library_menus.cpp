#include "lab/library_menus.h"

#include <iterator>

#include "lab/laboratory.h"
#include "tables/store.h"

namespace quorvan {
namespace {

constexpr LibraryItem kLibrary[] = {
    {Ctl::MenuReN4, "(1,3)", "RT_4/r_1_3.dat", true, false},
    {Ctl::MenuReN4, "(3,1)", "RT_4/r_3_1.dat", false, false},

    {Ctl::MenuReN5, "(3,3)", "RT_5/r_3_3.dat", false, false},
    {Ctl::MenuReN5, "K=(5,5)", "RT_5/r_5_5.dat", true, false},
    {Ctl::MenuReN5, "(3,5)", "RT_5/r_3_5.dat", false, false},
    {Ctl::MenuReN5, "(1,7)", "RT_5/r_1_7.dat", true, false},
    {Ctl::MenuReN5, "(5,3)", "RT_5/r_5_3.dat", false, false},
    {Ctl::MenuReN5, "(7,1)", "RT_5/r_7_1.dat", true, false},
    {Ctl::MenuReN5, "(3,5) + (5,3)", "RT_5/Ur_3_5.dat", false, false},
    {Ctl::MenuReN5, "(1,7) +(7,1)", "RT_5/Ur_1_7.dat", true, false},
    {Ctl::MenuReN5, "(3,5) p K", "RT_5/r_3_5_p_K.dat", false, false},
    {Ctl::MenuReN5, "(1,7) p K", "RT_5/r_1_7_p_K.dat", false, false},

    {Ctl::MenuReN6n, "(9,25)", "RT_6/r_9_25.dat", false, false},
    {Ctl::MenuReN6n, "(17,19)", "RT_6/r_17_19.dat", true, false},
    {Ctl::MenuReN6n, "(6,22)", "RT_6/r_6_22.dat", false, false},

    {Ctl::MenuReN6, "1  3,7", "RT_6/r_3_7.dat", false, true},
    {Ctl::MenuReN6, "2  3,11", "RT_6/r_3_11.dat", false, true},
    {Ctl::MenuReN6, "3  5,7", "RT_6/r_5_7.dat", false, true},
    {Ctl::MenuReN6, "4  6,7", "RT_6/r_6_7.dat", false, true},
    {Ctl::MenuReN6, "5  9,13", "RT_6/r_9_13.dat", true, true},
    {Ctl::MenuReN6, "6  17,25", "RT_6/r_17_25.dat", false, true},
    {Ctl::MenuReN6, "7  5,13", "RT_6/r_5_13.dat", false, true},
    {Ctl::MenuReN6, "8  6,38", "RT_6/r_6_38.dat", false, true},
    {Ctl::MenuReN6, "9  9,11", "RT_6/r_9_11.dat", false, true},
    {Ctl::MenuReN6, "10  6,14", "RT_6/r_6_14.dat", true, true},
    {Ctl::MenuReN6, "11  33,35", "RT_6/r_33_35.dat", false, true},
    {Ctl::MenuReN6, "12  5,37", "RT_6/r_5_37.dat", false, true},
    {Ctl::MenuReN6, "13  1,15", "RT_6/r_1_15.dat", false, true},
    {Ctl::MenuReN6, "14  7,9", "RT_6/r_7_9.dat", false, true},

    {Ctl::MenuReN6S, "3,7", "RT_6/Pr_3_7.dat", false, false},
    {Ctl::MenuReN6S, "3,11", "RT_6/Pr_3_11.dat", false, false},
    {Ctl::MenuReN6S, "5,7", "RT_6/Pr_5_7.dat", false, false},
    {Ctl::MenuReN6S, "6,7", "RT_6/Pr_6_7.dat", false, false},
    {Ctl::MenuReN6S, "9,13", "RT_6/Pr_9_13.dat", false, false},
    {Ctl::MenuReN6S, "17,25", "RT_6/Pr_17_25.dat", false, false},
    {Ctl::MenuReN6S, "5,13", "RT_6/Pr_5_13.dat", false, false},
    {Ctl::MenuReN6S, "6,38", "RT_6/Pr_6_38.dat", false, false},
    {Ctl::MenuReN6S, "9,11", "RT_6/Pr_9_11.dat", false, false},
    {Ctl::MenuReN6S, "6,14", "RT_6/Pr_6_14.dat", false, false},
    {Ctl::MenuReN6S, "33,35", "RT_6/Pr_33_35.dat", false, false},
    {Ctl::MenuReN6S, "5,37", "RT_6/Pr_5_37.dat", false, false},
    {Ctl::MenuReN6S, "1,15", "RT_6/Pr_1_15.dat", false, false},
    {Ctl::MenuReN6S, "7,9", "RT_6/Pr_7_9.dat", false, false},

    {Ctl::MenuPlus, "13", "RT_6/Zr13.dat", false, false},
    {Ctl::MenuPlus, "12", "RT_6/Zr12.dat", false, false},
    {Ctl::MenuPlus, "11", "RT_6/Zr11.dat", false, false},
    {Ctl::MenuPlus, "10", "RT_6/Zr10.dat", false, false},
    {Ctl::MenuPlus, "09", "RT_6/Zr09.dat", false, false},
    {Ctl::MenuPlus, "08", "RT_6/Zr08.dat", false, false},
    {Ctl::MenuPlus, "07", "RT_6/Zr07.dat", false, false},
    {Ctl::MenuPlus, "06", "RT_6/Zr06.dat", false, false},
    {Ctl::MenuPlus, "05", "RT_6/Zr05.dat", false, false},
    {Ctl::MenuPlus, "04", "RT_6/Zr04.dat", false, false},
};

}  // namespace

std::span<const LibraryItem> libraryItems() { return kLibrary; }

void loadIntoTable1(Laboratory& lab, std::string_view path, bool clearMarks) {
  loadTable(lab.files, path, lab.geometry.pointCount, lab.store.table1, clearMarks);
  lab.Button130Click();
}

// An index outside the list (no such menu item) loads nothing.
void Laboratory::loadLibraryTable(int item) {
  if (item < 0 || static_cast<std::size_t>(item) >= std::size(kLibrary)) return;
  const LibraryItem& it = kLibrary[static_cast<std::size_t>(item)];
  loadIntoTable1(*this, it.file, it.clearsMarks);
}

}  // namespace quorvan
