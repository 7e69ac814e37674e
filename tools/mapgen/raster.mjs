// Scanline rasterising of projected polygons onto a pixel array, and the
// pixel-level helpers the generator uses (components, distance to the edge).

import { geoPath } from 'd3-geo';

// A d3 path context that keeps the projected rings instead of drawing them.
class RingRecorder {
  constructor() { this.rings = []; this.ring = null; }
  moveTo(x, y) { this.ring = [[x, y]]; this.rings.push(this.ring); }
  lineTo(x, y) { this.ring.push([x, y]); }
  closePath() { this.ring = null; }
  arc() {}
}

export function projectRings(projection, geometry) {
  const rec = new RingRecorder();
  geoPath(projection, rec)(geometry);
  return rec.rings.filter((r) => r.length >= 3);
}

// Calls visit(index) for every pixel whose centre lies inside the rings
// (even-odd rule, so holes such as enclaves stay out).
export function fillRings(rings, width, height, visit) {
  let minY = Infinity, maxY = -Infinity;
  for (const ring of rings) for (const [, y] of ring) { minY = Math.min(minY, y); maxY = Math.max(maxY, y); }
  const y0 = Math.max(0, Math.floor(minY - 0.5));
  const y1 = Math.min(height - 1, Math.ceil(maxY));
  const xs = [];
  for (let y = y0; y <= y1; y++) {
    const yc = y + 0.5;
    xs.length = 0;
    for (const ring of rings) {
      for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
        const [xa, ya] = ring[j];
        const [xb, yb] = ring[i];
        if ((ya <= yc && yc < yb) || (yb <= yc && yc < ya)) {
          xs.push(xa + ((yc - ya) / (yb - ya)) * (xb - xa));
        }
      }
    }
    xs.sort((a, b) => a - b);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      const from = Math.max(0, Math.ceil(xs[k] - 0.5));
      const to = Math.min(width - 1, Math.ceil(xs[k + 1] - 0.5) - 1);
      for (let x = from; x <= to; x++) visit(y * width + x);
    }
  }
}

// Largest 4-connected set of pixels for which member(index) holds; returns
// the pixel indices, or an empty array.
export function largestComponent(width, height, member) {
  const seen = new Uint8Array(width * height);
  let best = [];
  for (let start = 0; start < width * height; start++) {
    if (seen[start] || !member(start)) continue;
    const comp = [start];
    seen[start] = 1;
    for (let k = 0; k < comp.length; k++) {
      const p = comp[k];
      const x = p % width, y = (p - x) / width;
      const next = [];
      if (x > 0) next.push(p - 1);
      if (x + 1 < width) next.push(p + 1);
      if (y > 0) next.push(p - width);
      if (y + 1 < height) next.push(p + width);
      for (const q of next) if (!seen[q] && member(q)) { seen[q] = 1; comp.push(q); }
    }
    if (comp.length > best.length) best = comp;
  }
  return best;
}

// Chamfer (3-4) distance of every pixel of the set to the nearest pixel
// outside it; the picture's edge counts as outside.
export function distanceInside(width, height, pixels) {
  const INF = 1 << 28;
  const d = new Int32Array(width * height);
  for (const p of pixels) d[p] = INF;
  const at = (x, y) => (x < 0 || y < 0 || x >= width || y >= height ? 0 : d[y * width + x]);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      const p = y * width + x;
      if (!d[p]) continue;
      d[p] = Math.min(d[p], at(x - 1, y) + 3, at(x, y - 1) + 3, at(x - 1, y - 1) + 4, at(x + 1, y - 1) + 4);
    }
  }
  for (let y = height - 1; y >= 0; y--) {
    for (let x = width - 1; x >= 0; x--) {
      const p = y * width + x;
      if (!d[p]) continue;
      d[p] = Math.min(d[p], at(x + 1, y) + 3, at(x, y + 1) + 3, at(x + 1, y + 1) + 4, at(x - 1, y + 1) + 4);
    }
  }
  return d;
}
