// The application object: the region and country tables read from the map data
// files, and the user's selection. The map view and the pages hold no selection
// of their own; they call the operations here, which keep both pages in step
// through the running sheet and program the chosen country into the modem.
#pragma once

#include <cstdint>
#include <string>

#include "mapitem.h"
#include "selectionsheet.h"

class CTarvelApp {
 public:
  static constexpr int REGION_COUNT = 7;  // 0 = overview map, 1..6 = regional maps
  static constexpr int MAX_ITEMS = 100;   // item records per region
  static constexpr int GRID_COLUMNS = 80;
  static constexpr int GRID_ROWS = 60;

  // The modem library's programming call: port, four-value code block, flag;
  // -1 means failure.
  using ModemLibraryFn = int (*)(int port, int* codes, int flag);

  CTarvelApp() = default;
  CTarvelApp(const CTarvelApp&) = delete;
  CTarvelApp& operator=(const CTarvelApp&) = delete;

  // Start-up: builds and runs the property sheet. Defined by the desktop part
  // of the program.
  bool InitInstance();

  // Reads "struct1.mpr".."struct7.mpr" into the tables, from `folder` or the
  // current working directory when it is empty. On failure returns false and
  // puts in *error the text for the message box, naming the file and what is
  // wrong; the tables may then be partly filled and must not be used.
  bool LoadRegions(std::string* error, const std::string& folder = std::string());

  // Start-up step after loading: the overview map, nothing chosen, region 0
  // item 0 regarded as programmed, no modem port known.
  void StartSelection();

  // Hit test and names.
  bool PointInMap(int x, int y) const;
  int ItemAt(int x, int y) const;
  std::string RegionName(int i) const;
  std::string CountryName(int i) const;
  void GetLabelPos(int i, std::int16_t* x, std::int16_t* y) const;
  int CurrentRegion() const { return m_nRegion; }
  int CurrentCountry() const { return m_nCountry; }

  // Selection and programming.
  void ClickAt(int x, int y);
  void SelectRegion(int r);
  void SelectCountry(int k);
  bool ProgramModem();
  void SyncListSelection();

  // The sheet that is running, or nullptr. The sheet registers itself while
  // it runs and unregisters (nullptr) when it closes.
  static SelectionSheet* GetSheet();
  static void SetSheet(SelectionSheet* sheet);

  // Replaces the modem library's programming call (tests); nullptr puts back
  // the library's own. Returns the one it replaces.
  static ModemLibraryFn SetModemLibrary(ModemLibraryFn fn);

  // Data model.
  int m_nModemPort = -1;  // 0 = COM1 .. 3 = COM4; -1 = none known
  bool m_bPending = false;
  int m_nRegion = 0;
  int m_nCountry = 0;
  int m_nProgRegion = 0;
  int m_nProgCountry = 0;
  std::uint8_t m_regionByte[REGION_COUNT] = {};
  std::string m_regionText[REGION_COUNT];
  std::uint8_t m_cells[REGION_COUNT][GRID_COLUMNS][GRID_ROWS] = {};
  std::uint8_t m_itemCount[REGION_COUNT] = {};
  MapItem m_items[REGION_COUNT][MAX_ITEMS];
  std::int32_t m_cellSize[REGION_COUNT] = {};
  std::int16_t m_height[REGION_COUNT] = {};
  std::int16_t m_width[REGION_COUNT] = {};

 private:
  const MapItem* Item(int region, int i) const;

  // The user has chosen to end the program from a programming box: the sheet
  // is closing, and the pages' further Apply handling must not ask again.
  bool m_bQuitPosted = false;
};

// The one application object of the program.
extern CTarvelApp theApp;
