#pragma once
// The read-only library of stored tables behind the six "Re N=..." and "+++"
// menus. The window builds its menus from this list, in this order; the
// core loads an item by its index in it.
#include <cstddef>
#include <span>
#include <string_view>

#include "lab/control_model.h"

namespace quorvan {

class Laboratory;

struct LibraryItem {
  Ctl menu;             // MenuReN4, MenuReN5, MenuReN6n, MenuReN6, MenuReN6S, MenuPlus
  const char* caption;  // the item's caption
  const char* file;     // relative to the working directory
  bool separatorAfter;  // a separator follows the item in its menu
  bool clearsMarks;     // the load sets the marks of the loaded rows to -1
};

std::span<const LibraryItem> libraryItems();

// Reads a table file into table 1 and shows table 1 ("Show RT1").
void loadIntoTable1(Laboratory& lab, std::string_view path, bool clearMarks);

}  // namespace quorvan
