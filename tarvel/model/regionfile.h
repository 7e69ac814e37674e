// Reader of one region data file ("struct1.mpr".."struct7.mpr") into the
// tables of the application object. The file: cell size (int32), width and
// height (int16), region byte, region text (archive string), item count N
// (byte), the grid column after column (width / cell size columns of
// height / cell size bytes), then N + 1 item records (spare, modem code,
// label x and y as int16, name). Nothing after record N is read.
//
// The reader refuses a file that ends early or whose data the tables cannot
// hold, before anything is stored past a table's bounds.
#pragma once

#include <istream>
#include <string>

class CTarvelApp;

class RegionFile {
 public:
  enum class Problem {
    None,
    CannotOpen,
    EndsEarly,
    CellSizeBelowOne,
    NegativeSize,
    TooManyColumns,
    TooManyRows,
    TooManyItems,
    TooManyRegions,
    CellAboveItemCount,
    CellAboveRegionCount,
    ModemCodeAbove50,
  };

  // "struct1.mpr" for region 0 .. "struct7.mpr" for region 6.
  static std::string FileName(int region);

  // Reads region `region` (0..6) from `in` into `app`. Returns Problem::None
  // on success.
  static Problem Read(std::istream& in, int region, CTarvelApp& app);

  // The text for the message box, e.g. "The map data file struct3.mpr ends
  // before its data is complete."
  static std::string Describe(Problem problem, const std::string& fileName);
};
