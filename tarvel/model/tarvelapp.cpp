#include "tarvelapp.h"

#include <fstream>

#include <fennick.h>
#include <platform/services.h>

#include "codeblock.h"
#include "regionfile.h"
#include "tarveltexts.h"

CTarvelApp theApp;

namespace {

SelectionSheet* g_runningSheet = nullptr;
CTarvelApp::ModemLibraryFn g_setCountryCode = &set_country_code;

}  // namespace

SelectionSheet* CTarvelApp::GetSheet() { return g_runningSheet; }

void CTarvelApp::SetSheet(SelectionSheet* sheet) { g_runningSheet = sheet; }

CTarvelApp::ModemLibraryFn CTarvelApp::SetModemLibrary(ModemLibraryFn fn) {
  ModemLibraryFn previous = g_setCountryCode;
  g_setCountryCode = fn != nullptr ? fn : &set_country_code;
  return previous;
}

bool CTarvelApp::LoadRegions(std::string* error, const std::string& folder) {
  for (int g = 0; g < REGION_COUNT; ++g) {
    const std::string name = RegionFile::FileName(g);
    const std::string path = folder.empty() ? name : folder + "/" + name;
    std::ifstream in(path, std::ios::binary);
    const RegionFile::Problem problem =
        in.is_open() ? RegionFile::Read(in, g, *this) : RegionFile::Problem::CannotOpen;
    if (problem != RegionFile::Problem::None) {
      if (error != nullptr) *error = RegionFile::Describe(problem, name);
      return false;
    }
  }
  return true;
}

void CTarvelApp::StartSelection() {
  m_nRegion = 0;
  m_nCountry = 0;
  m_nProgRegion = 0;
  m_nProgCountry = 0;
  m_nModemPort = -1;
  m_bQuitPosted = false;
}

const MapItem* CTarvelApp::Item(int region, int i) const {
  if (region < 0 || region >= REGION_COUNT || i < 0 || i >= MAX_ITEMS) return nullptr;
  return &m_items[region][i];
}

bool CTarvelApp::PointInMap(int x, int y) const {
  return x >= 0 && x <= m_width[m_nRegion] && y >= 0 && y <= m_height[m_nRegion];
}

int CTarvelApp::ItemAt(int x, int y) const {
  if (!PointInMap(x, y)) return 0;
  const int cellSize = m_cellSize[m_nRegion];
  if (cellSize < 1) return 0;  // a region never loaded
  const unsigned column = static_cast<unsigned>(x) / static_cast<unsigned>(cellSize);
  const unsigned row = static_cast<unsigned>(y) / static_cast<unsigned>(cellSize);
  if (column >= GRID_COLUMNS || row >= GRID_ROWS) return 0;
  return m_cells[m_nRegion][column][row];
}

std::string CTarvelApp::RegionName(int i) const {
  if (i < 0 || i >= m_itemCount[0]) return std::string();
  return m_items[0][i].name;
}

std::string CTarvelApp::CountryName(int i) const {
  if (m_nRegion == 0 || i < 0 || i >= m_itemCount[m_nRegion]) return std::string();
  return m_items[m_nRegion][i].name;
}

void CTarvelApp::GetLabelPos(int i, std::int16_t* x, std::int16_t* y) const {
  const MapItem* item = Item(m_nRegion, i);
  if (x != nullptr) *x = item != nullptr ? item->labelX : 0;
  if (y != nullptr) *y = item != nullptr ? item->labelY : 0;
}

void CTarvelApp::ClickAt(int x, int y) {
  const int v = ItemAt(x, y);
  if (v == 0) return;
  if (m_nRegion == 0)
    SelectRegion(v);
  else
    SelectCountry(v);
}

void CTarvelApp::SelectRegion(int r) {
  if (r == m_nRegion || r < 0 || r >= REGION_COUNT) return;
  m_nCountry = 0;
  m_nRegion = r;
  if (SelectionSheet* sheet = GetSheet()) {
    sheet->MapPage().OnRegionChanged(r);
    sheet->ListPage().OnRegionChanged(r);
    sheet->SetMapModified(false);
  }
  m_bPending = false;
}

void CTarvelApp::SelectCountry(int k) {
  // The overview map has no countries, and an index beyond the item table
  // cannot be a country.
  if (m_nRegion == 0 || k < 0 || k >= MAX_ITEMS) return;
  m_nCountry = k;
  SelectionSheet* sheet = GetSheet();
  if (sheet != nullptr) {
    sheet->MapPage().SetCountrySel(k);
    sheet->ListPage().SetCountrySel(k);
  }
  if (m_nCountry != m_nProgCountry || m_nRegion != m_nProgRegion) {
    if (sheet != nullptr) sheet->SetMapModified(true);
    m_bPending = true;
  }
}

bool CTarvelApp::ProgramModem() {
  if (!m_bPending || m_bQuitPosted) return true;
  const platform::Cursor previousCursor = platform::SetCursor(platform::Cursor::Wait);

  const MapItem* chosen = Item(m_nRegion, m_nCountry);
  if (chosen == nullptr) {
    platform::SetCursor(previousCursor);
    return true;
  }
  const MapItem& item = *chosen;
  CodeBlock block = CodeBlock::For(item.modemCode);

  if (m_nModemPort < 0) {
    const int answer = platform::MessageBox(tarvel_text::kSearchingForModem, tarvel_text::kCaption,
                                            platform::MB_RETRYCANCEL);
    if (answer != platform::IDRETRY) {
      m_bQuitPosted = true;
      platform::PostQuitMessage(0);
    }
  } else if (g_setCountryCode(m_nModemPort, block.codes.data(), block.flag) == -1) {
    platform::MessageBox(tarvel_text::kResetFailed, tarvel_text::kCaption, platform::MB_OK);
  } else {
    const std::string name = item.name;
    platform::MessageBox(std::string(tarvel_text::kResetSucceededPrefix) + name +
                             tarvel_text::kResetSucceededSuffix,
                         tarvel_text::kCaption, platform::MB_OK | platform::MB_ICONINFORMATION);
    m_nProgCountry = m_nCountry;
    m_nProgRegion = m_nRegion;
    if (SelectionSheet* sheet = GetSheet()) {
      sheet->MapPage().SetCurrentSelection(name);
      sheet->ListPage().SetCurrentSelection(name);
      sheet->SetMapModified(false);
    }
    m_bPending = false;
  }

  platform::SetCursor(previousCursor);
  return true;
}

void CTarvelApp::SyncListSelection() {
  if (SelectionSheet* sheet = GetSheet()) sheet->ListPage().SetCountrySel(m_nCountry);
}
