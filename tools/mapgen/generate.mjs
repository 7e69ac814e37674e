// Generates Tarvel's seven map pictures (map129.bmp .. map135.bmp) and region
// data files (struct1.mpr .. struct7.mpr) from the Natural Earth 50m country
// shapes of the world-atlas package.
//
//   node generate.mjs [--out DIR] [--debug DIR]
//
// --out    where to write the fourteen files (default: tarvel/res/maps)
// --debug  also write, per map, a PPM at twice the size showing the hit grid
//          and the label boxes over the picture

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { feature } from 'topojson-client';
import { geoCentroid, geoPath } from 'd3-geo';

import { COUNTRIES, MERGED_SHAPES, PART_SHAPES, OVERVIEW_SPLITS } from './countries.mjs';
import { REGIONS, REGION_NAMES, CELL_SIZE } from './regions.mjs';
import { projectRings, fillRings, largestComponent, distanceInside } from './raster.mjs';
import { encodeBmpRle4, decodeBmpRle4 } from './bmp.mjs';
import { encodeMpr } from './mpr.mjs';

const HERE = path.dirname(fileURLToPath(import.meta.url));
const ROOT = path.resolve(HERE, '..', '..');

// Picture colours: palette indices and the 16-entry palette.
const BORDER = 0, SEA = 1, LAND = 2, OUTSIDE = 3;
const PALETTE = [
  [0, 0, 0], [70, 130, 210], [120, 200, 100], [150, 240, 240],
  [128, 0, 0], [0, 128, 0], [128, 128, 0], [0, 0, 128],
  [128, 0, 128], [0, 128, 128], [192, 192, 192], [128, 128, 128],
  [255, 0, 0], [255, 255, 0], [255, 0, 255], [255, 255, 255],
];

const MAX_NAMED = 98;          // items 1..98; record N = 99 stays empty
// A country is named on a map other than its home map when it covers this
// many cells and this share of its land is in the picture.
const MIN_CELLS_ELSEWHERE = 6;
const MIN_SHARE_ELSEWHERE = 0.5;
const MARKER_MAX_PIXELS = 4; // items this small get a marker
const LABEL_HEIGHT = 15;
const LABEL_CHAR_WIDTH = 7;

function parseArgs(argv) {
  const args = { out: path.join(ROOT, 'tarvel', 'res', 'maps'), debug: null };
  for (let i = 0; i < argv.length; i++) {
    if (argv[i] === '--out') args.out = path.resolve(argv[++i]);
    else if (argv[i] === '--debug') args.debug = path.resolve(argv[++i]);
    else throw new Error(`unknown argument ${argv[i]}`);
  }
  return args;
}

// alpha-2 -> modem code, from the modem library's profile table.
function loadModemCodes() {
  const text = fs.readFileSync(path.join(ROOT, 'standins', 'fennick', 'profiles.tsv'), 'utf8');
  const codes = new Map();
  for (const line of text.split('\n')) {
    if (!line.trim() || line.startsWith('#')) continue;
    const [code, , , list] = line.split('\t');
    for (const a2 of (list || '').split(',').map((s) => s.trim())) {
      if (/^[A-Z]{2}$/.test(a2)) {
        if (codes.has(a2)) throw new Error(`${a2} stands in two modem profiles`);
        codes.set(a2, Number(code));
      }
    }
  }
  return codes;
}

// Shape groups: one per country of the table, holding all its polygons, plus
// one for land that belongs to no entry.
function loadGroups() {
  const file = path.join(HERE, 'node_modules', 'world-atlas', 'countries-50m.json');
  const topo = JSON.parse(fs.readFileSync(file, 'utf8'));
  const shapes = feature(topo, topo.objects.countries).features;
  const modemCodes = loadModemCodes();
  const groups = COUNTRIES.map(([key, a2, name, home]) => ({
    key, a2, name, home, modemCode: modemCodes.get(a2) ?? 0, polygons: [],
  }));
  const byKey = new Map(groups.map((g) => [g.key, g]));
  const unassigned = { key: null, a2: null, name: '', home: 0, modemCode: 0, polygons: [] };
  for (const f of shapes) {
    const key = f.id ?? MERGED_SHAPES[f.properties.name];
    const target = (key && byKey.get(key)) || unassigned;
    const g = f.geometry;
    const polygons = g.type === 'Polygon' ? [g.coordinates] : g.coordinates;
    for (const poly of polygons) {
      const [lon, lat] = geoCentroid({ type: 'Polygon', coordinates: poly });
      const part = PART_SHAPES.find(([from, , w, s, e, n]) => from === key && lon >= w && lon <= e && lat >= s && lat <= n);
      (part ? byKey.get(part[1]) : target).polygons.push(poly);
    }
  }
  for (const g of groups) if (!g.polygons.length) throw new Error(`no shape for ${g.name}`);
  return [...groups, unassigned];
}

function frameOutline(frame) {
  const pts = [];
  for (let t = 0; t <= 20; t++) {
    const lon = frame.west + ((frame.east - frame.west) * t) / 20;
    const lat = frame.south + ((frame.north - frame.south) * t) / 20;
    pts.push([lon, frame.south], [lon, frame.north], [frame.west, lat], [frame.east, lat]);
  }
  return { type: 'MultiPoint', coordinates: pts };
}

function makeProjection(region, clip) {
  const { width: w, height: h, margin: m } = region;
  const p = region.projection();
  p.fitExtent([[m, m], [w - m, h - m]], region.sphere ? { type: 'Sphere' } : frameOutline(region.frame));
  if (clip) p.clipExtent([[-1, -1], [w + 1, h + 1]]);
  return p;
}

// Owner raster of one map: -1 outside the globe, 0 sea, g + 1 for group g.
function rasterise(region, groups) {
  const { width: w, height: h } = region;
  const proj = makeProjection(region, true);
  const owner = new Int32Array(w * h);
  if (region.sphere) {
    owner.fill(-1);
    fillRings(projectRings(proj, { type: 'Sphere' }), w, h, (p) => { owner[p] = 0; });
  }
  const isDot = new Uint8Array(w * h);
  const pixelCount = new Int32Array(groups.length);
  const dots = [];
  groups.forEach((g, gi) => {
    for (const poly of g.polygons) {
      const geometry = { type: 'Polygon', coordinates: poly };
      let covered = 0;
      fillRings(projectRings(proj, geometry), w, h, (p) => {
        covered++;
        if (owner[p] === 0) { owner[p] = gi + 1; pixelCount[gi]++; }
      });
      if (!covered) dots.push({ gi, geometry });
    }
  });
  // Islands and enclaves too small to cover a pixel centre keep one pixel, so
  // that they show on the map and can be found.
  const path2d = geoPath(proj);
  for (const { gi, geometry } of dots) {
    const [x, y] = path2d.centroid(geometry);
    if (!Number.isFinite(x) || x < 0 || y < 0 || x >= w || y >= h) continue;
    // Neighbouring islands may fall on one pixel: the later one takes the
    // nearest free pixel beside it.
    const p = nearFreePixel(Math.floor(x), Math.floor(y), w, h, (q) => owner[q] >= 0 && !isDot[q]);
    if (p < 0) continue;
    if (owner[p] > 0) pixelCount[owner[p] - 1]--;
    owner[p] = gi + 1;
    isDot[p] = 1;
    pixelCount[gi]++;
  }
  return { owner, pixelCount, proj };
}

function nearFreePixel(x0, y0, w, h, free) {
  for (let d = 0; d <= 2; d++) {
    for (let dy = -d; dy <= d; dy++) {
      for (let dx = -d; dx <= d; dx++) {
        const x = x0 + dx, y = y0 + dy;
        if (Math.max(Math.abs(dx), Math.abs(dy)) !== d || x < 0 || y < 0 || x >= w || y >= h) continue;
        if (free(y * w + x)) return y * w + x;
      }
    }
  }
  return -1;
}

// Overview: which region owns each land pixel (0 for land of no region).
function overviewRegions(region, groups, owner, proj) {
  const { width: w } = region;
  const splits = new Map(OVERVIEW_SPLITS.map((s) => [s.key, s]));
  return Array.from(owner, (o, p) => {
    if (o <= 0) return o;
    const g = groups[o - 1];
    const split = splits.get(g.key);
    if (split) {
      const ll = proj.invert([(p % w) + 0.5, Math.floor(p / w) + 0.5]);
      if (ll && (ll[0] + 360) % 360 >= split.eastOf) return split.region;
    }
    return g.home;
  });
}

// Hit grid, column-major: the item covering most of each cell; sea, margins
// and land of unnamed countries count as 0. itemOf(p): -1 sea or outside,
// 0 unnamed land, k item k.
function computeGrid(region, itemOf) {
  const { width: w, height: h } = region;
  const cols = Math.trunc(w / CELL_SIZE), rows = Math.trunc(h / CELL_SIZE);
  const grid = new Uint8Array(cols * rows);
  for (let c = 0; c < cols; c++) {
    for (let r = 0; r < rows; r++) {
      const counts = new Map();
      for (let y = r * CELL_SIZE; y < (r + 1) * CELL_SIZE; y++) {
        for (let x = c * CELL_SIZE; x < (c + 1) * CELL_SIZE; x++) {
          const k = itemOf(y * w + x);
          counts.set(k, (counts.get(k) || 0) + 1);
        }
      }
      let best = -1, bestCount = counts.get(-1) || 0;
      for (const [k, n] of [...counts].sort((a, b) => a[0] - b[0])) {
        if (k >= 0 && n > bestCount) { best = k; bestCount = n; }
      }
      grid[c * rows + r] = Math.max(best, 0);
    }
  }
  return { grid, cols, rows };
}

// Gives every item that owns no cell the cell at its place, taking it from
// sea or from an item that keeps other cells.
function claimCellsForSmallItems(items, region, g, itemOf, owner) {
  const { width: w } = region;
  const owned = new Int32Array(items.length + 1);
  for (const v of g.grid) owned[v]++;
  const forced = new Set();
  for (let k = 1; k <= items.length; k++) {
    if (owned[k]) continue;
    const { cols, rows } = g;
    const cellOf = (x, y) => Math.floor(x / CELL_SIZE) * rows + Math.floor(y / CELL_SIZE);
    const candidates = [];
    const own = new Map();
    for (let p = 0; p < itemOf.length; p++) {
      if (itemOf[p] !== k) continue;
      const x = p % w, y = Math.floor(p / w);
      if (x >= cols * CELL_SIZE || y >= rows * CELL_SIZE) continue;
      const cell = cellOf(x, y);
      own.set(cell, (own.get(cell) || 0) + 1);
    }
    candidates.push(...[...own].sort((a, b) => b[1] - a[1] || a[0] - b[0]).map(([cell]) => cell));
    const [ax, ay] = items[k - 1].place;
    if (ax >= 0 && ay >= 0 && ax < cols * CELL_SIZE && ay < rows * CELL_SIZE) {
      const c0 = Math.floor(ax / CELL_SIZE), r0 = Math.floor(ay / CELL_SIZE);
      for (let d = 0; d <= 2; d++) {
        for (let dc = -d; dc <= d; dc++) {
          for (let dr = -d; dr <= d; dr++) {
            const c = c0 + dc, r = r0 + dr;
            if (Math.max(Math.abs(dc), Math.abs(dr)) === d && c >= 0 && r >= 0 && c < cols && r < rows) {
              candidates.push(c * rows + r);
            }
          }
        }
      }
    }
    const cell = candidates.find((cell) => !forced.has(cell) && (g.grid[cell] === 0 || owned[g.grid[cell]] > 1));
    if (cell === undefined) throw new Error(`region ${region.index}: no cell left for ${items[k - 1].name}`);
    if (!own.has(cell)) {
      // The item shows nowhere in that cell: give it the pixel of the cell
      // nearest to its place, so that the map shows what the grid says.
      const c = Math.floor(cell / rows), r = cell % rows;
      const x = Math.min(Math.max(Math.floor(ax), c * CELL_SIZE), (c + 1) * CELL_SIZE - 1);
      const y = Math.min(Math.max(Math.floor(ay), r * CELL_SIZE), (r + 1) * CELL_SIZE - 1);
      itemOf[y * w + x] = k;
      if (!items[k - 1].ownerValue) throw new Error(`region ${region.index}: ${items[k - 1].name} owns no land`);
      owner[y * w + x] = items[k - 1].ownerValue;
    }
    owned[g.grid[cell]]--;
    g.grid[cell] = k;
    owned[k]++;
    forced.add(cell);
  }
}

// Label anchor: the point deepest inside the item's largest part (preferring
// points over the item's own cells), moved so that " name " fits the picture.
function labelAnchor(region, item, k, itemOf, g) {
  const { width: w, height: h } = region;
  const comp = largestComponent(w, h, (p) => itemOf[p] === k);
  let px, py;
  if (comp.length) {
    const dist = distanceInside(w, h, comp);
    const inOwnCell = (p) => {
      const x = p % w, y = Math.floor(p / w);
      const c = Math.floor(x / CELL_SIZE), r = Math.floor(y / CELL_SIZE);
      return c < g.cols && r < g.rows && g.grid[c * g.rows + r] === k;
    };
    const pool = comp.some(inOwnCell) ? comp.filter(inOwnCell) : comp;
    let best = pool[0];
    for (const p of pool) if (dist[p] > dist[best] || (dist[p] === dist[best] && p < best)) best = p;
    px = best % w; py = Math.floor(best / w);
  } else {
    const cell = g.grid.indexOf(k);
    px = Math.floor(cell / g.rows) * CELL_SIZE + CELL_SIZE / 2;
    py = (cell % g.rows) * CELL_SIZE + CELL_SIZE / 2;
  }
  const labelWidth = LABEL_CHAR_WIDTH * (item.name.length + 2);
  if (labelWidth > w) throw new Error(`label too wide for region ${region.index}: ${item.name}`);
  return {
    labelX: Math.min(Math.max(px, 0), w - labelWidth),
    labelY: Math.min(Math.max(py, LABEL_HEIGHT), h),
  };
}

function byName(a, b) {
  const x = a.name.toLowerCase(), y = b.name.toLowerCase();
  return x < y ? -1 : x > y ? 1 : 0;
}

function buildMap(region, groups) {
  const { width: w, height: h } = region;
  const { owner, pixelCount, proj } = rasterise(region, groups);
  let items, itemOf, borderKey;

  if (region.index === 0) {
    const regionOf = overviewRegions(region, groups, owner, proj);
    items = REGION_NAMES.slice(1).map((name) => ({ name, modemCode: 0 }));
    itemOf = Int32Array.from(regionOf, (v) => (v < 0 ? -1 : v));
    borderKey = (p) => regionOf[p];
  } else {
    // Which countries are named: those at home here, those that cover a few
    // cells of the map with a fair share of their land, and small ones the
    // map is meant to show as well.
    const unclipped = geoPath(makeProjection(region, false));
    const visible = groups.map((g, gi) => g.home > 0 && pixelCount[gi] > 0);
    const pre = computeGrid(region, (p) => (owner[p] <= 0 ? -1 : visible[owner[p] - 1] ? owner[p] : 0));
    const cells = new Int32Array(groups.length + 1);
    for (const v of pre.grid) cells[v]++;
    const named = groups.filter((g, gi) => {
      if (g.home === region.index && !visible[gi]) throw new Error(`${g.name} is not on its home map ${region.title}`);
      if (!visible[gi]) return false;
      if (g.home === region.index || (region.alsoNamed || []).includes(g.a2)) return true;
      const area = unclipped.area({ type: 'MultiPolygon', coordinates: g.polygons });
      return cells[gi + 1] >= MIN_CELLS_ELSEWHERE && pixelCount[gi] >= MIN_SHARE_ELSEWHERE * area;
    });
    named.sort(byName);
    if (named.length > MAX_NAMED) throw new Error(`${region.title}: ${named.length} named items, more than ${MAX_NAMED}`);
    const itemOfGroup = new Int32Array(groups.length + 1);
    named.forEach((g) => { itemOfGroup[groups.indexOf(g) + 1] = named.indexOf(g) + 1; });
    items = named.map((g) => ({ name: g.name, modemCode: g.modemCode, group: g, ownerValue: groups.indexOf(g) + 1 }));
    itemOf = Int32Array.from(owner, (o) => (o <= 0 ? -1 : itemOfGroup[o]));
    borderKey = (p) => owner[p];
  }

  // The place of each item, for items too small to own a cell: where its
  // largest polygon lies on the picture.
  const path2d = geoPath(proj);
  items.forEach((item, i) => {
    const polys = item.group ? item.group.polygons : [];
    let best = null, bestArea = -1;
    for (const poly of polys) {
      const a = path2d.area({ type: 'Polygon', coordinates: poly });
      if (a > bestArea) { bestArea = a; best = poly; }
    }
    item.place = best ? path2d.centroid({ type: 'Polygon', coordinates: best }) : [-1, -1];
    item.index = i + 1;
  });

  const g = computeGrid(region, (p) => itemOf[p]);
  claimCellsForSmallItems(items, region, g, itemOf, owner);
  for (const item of items) Object.assign(item, labelAnchor(region, item, item.index, itemOf, g));

  // Picture: sea, land, outside the globe, and a black line where land of one
  // owner meets land of another.
  const pixels = new Uint8Array(w * h);
  for (let p = 0; p < w * h; p++) {
    if (owner[p] < 0) { pixels[p] = OUTSIDE; continue; }
    if (owner[p] === 0) { pixels[p] = SEA; continue; }
    const x = p % w;
    const k = borderKey(p);
    const differs = (q) => owner[q] > 0 && borderKey(q) !== k;
    pixels[p] = (x > 0 && differs(p - 1)) || (p >= w && differs(p - w)) ? BORDER : LAND;
  }

  // Items of a few pixels get a small black square around them, so that
  // islands and small states can be seen and found.
  if (region.index > 0) {
    for (const item of items) {
      const own = [];
      for (let p = 0; p < w * h; p++) if (itemOf[p] === item.index) own.push(p);
      if (own.length > MARKER_MAX_PIXELS || !own.length) continue;
      const cx = Math.round(own.reduce((a, p) => a + (p % w), 0) / own.length);
      const cy = Math.round(own.reduce((a, p) => a + Math.floor(p / w), 0) / own.length);
      for (let dy = -2; dy <= 2; dy++) {
        for (let dx = -2; dx <= 2; dx++) {
          const x = cx + dx, y = cy + dy;
          if (Math.max(Math.abs(dx), Math.abs(dy)) !== 2 || x < 0 || y < 0 || x >= w || y >= h) continue;
          if (pixels[y * w + x] === SEA) pixels[y * w + x] = BORDER;
        }
      }
    }
  }

  const records = [{ spare: 0, modemCode: 0, labelX: 0, labelY: 0, name: '' }];
  for (const item of items) {
    records.push({ spare: 0, modemCode: item.modemCode, labelX: item.labelX, labelY: item.labelY, name: item.name });
  }
  records.push({ spare: 0, modemCode: 0, labelX: 0, labelY: 0, name: '' });
  const mpr = encodeMpr({
    cellSize: CELL_SIZE, width: w, height: h, regionByte: region.index,
    regionText: region.title, grid: g.grid, items: records,
  });
  const bmp = encodeBmpRle4(w, h, pixels, PALETTE);
  const back = decodeBmpRle4(bmp);
  if (back.width !== w || back.height !== h || !back.pixels.every((v, i) => v === pixels[i])) {
    throw new Error(`region ${region.index}: bitmap does not decode to the picture`);
  }
  return { mpr, bmp, pixels, grid: g, items };
}

// Debug view: the picture at twice the size, red lines between cells of
// different items, label boxes in yellow.
function debugImage(region, map) {
  const s = 2, { width: w, height: h } = region, W = w * s, H = h * s;
  const img = Buffer.alloc(W * H * 3);
  const set = (x, y, [r, gg, b]) => {
    if (x < 0 || y < 0 || x >= W || y >= H) return;
    const o = (y * W + x) * 3; img[o] = r; img[o + 1] = gg; img[o + 2] = b;
  };
  for (let y = 0; y < H; y++) for (let x = 0; x < W; x++) set(x, y, PALETTE[map.pixels[Math.floor(y / s) * w + Math.floor(x / s)]]);
  const { grid, cols, rows } = map.grid;
  const cell = (c, r) => (c < cols && r < rows ? grid[c * rows + r] : 0);
  for (let c = 0; c <= cols; c++) {
    for (let r = 0; r <= rows; r++) {
      const v = cell(c, r);
      if (c > 0 && cell(c - 1, r) !== v) for (let y = r * CELL_SIZE * s; y < (r + 1) * CELL_SIZE * s; y++) set(c * CELL_SIZE * s, y, [255, 0, 0]);
      if (r > 0 && cell(c, r - 1) !== v) for (let x = c * CELL_SIZE * s; x < (c + 1) * CELL_SIZE * s; x++) set(x, r * CELL_SIZE * s, [255, 0, 0]);
    }
  }
  for (const item of map.items) {
    const x0 = item.labelX * s, y1 = item.labelY * s, y0 = (item.labelY - LABEL_HEIGHT) * s;
    const x1 = (item.labelX + LABEL_CHAR_WIDTH * (item.name.length + 2)) * s;
    for (let x = x0; x <= x1; x++) { set(x, y0, [255, 255, 0]); set(x, y1, [255, 255, 0]); }
    for (let y = y0; y <= y1; y++) { set(x0, y, [255, 255, 0]); set(x1, y, [255, 255, 0]); }
  }
  return Buffer.concat([Buffer.from(`P6\n${W} ${H}\n255\n`, 'latin1'), img]);
}

function main() {
  const args = parseArgs(process.argv.slice(2));
  const groups = loadGroups();
  fs.mkdirSync(args.out, { recursive: true });
  if (args.debug) fs.mkdirSync(args.debug, { recursive: true });
  for (const region of REGIONS) {
    const map = buildMap(region, groups);
    fs.writeFileSync(path.join(args.out, region.file), map.mpr);
    fs.writeFileSync(path.join(args.out, `map${region.bitmap}.bmp`), map.bmp);
    if (args.debug) {
      fs.writeFileSync(path.join(args.debug, `map${region.bitmap}.ppm`), debugImage(region, map));
      const list = map.items.map((it) => `${it.index}\t${it.modemCode}\t${it.labelX},${it.labelY}\t${it.name}`);
      fs.writeFileSync(path.join(args.debug, `${region.file}.txt`), list.join('\n') + '\n');
    }
    console.log(`${region.file} ${region.title}: ${map.items.length} items, map${region.bitmap}.bmp ${map.bmp.length} bytes`);
  }
}

main();
