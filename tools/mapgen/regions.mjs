// The seven maps: picture size, projection, and the part of the globe each
// area map shows. `frame` is a longitude/latitude box whose outline is fitted
// into the picture (less `margin` pixels on every side); what lies beyond the
// box but inside the picture is drawn too.

import { geoAzimuthalEqualArea, geoConicEqualArea, geoMercator } from 'd3-geo';
import { geoMollweide } from 'd3-geo-projection';

export const CELL_SIZE = 6;

export const REGIONS = [
  {
    index: 0, file: 'struct1.mpr', bitmap: 129, width: 402, height: 306,
    title: 'World',
    // Whole Earth in an equal-area oval; the overview is not clipped to a box.
    projection: () => geoMollweide(),
    sphere: true, margin: 2,
  },
  {
    index: 1, file: 'struct2.mpr', bitmap: 130, width: 414, height: 308,
    title: 'Africa',
    projection: () => geoAzimuthalEqualArea().rotate([-18, -3]),
    frame: { west: -19, east: 52, south: -35, north: 41 }, margin: 4,
    alsoNamed: ['MT'],
  },
  {
    index: 2, file: 'struct3.mpr', bitmap: 131, width: 408, height: 304,
    title: 'Asia',
    projection: () => geoAzimuthalEqualArea().rotate([-90, -32]),
    frame: { west: 36, east: 145, south: 4, north: 48 }, margin: 2,
  },
  {
    index: 3, file: 'struct4.mpr', bitmap: 132, width: 403, height: 303,
    title: 'Europe',
    projection: () => geoAzimuthalEqualArea().rotate([-12, -52]),
    frame: { west: -23, east: 42, south: 35, north: 70 }, margin: 2,
  },
  {
    index: 4, file: 'struct5.mpr', bitmap: 133, width: 404, height: 301,
    title: 'North America',
    projection: () => geoConicEqualArea().parallels([20, 60]).rotate([102, 0]),
    frame: { west: -150, east: -56, south: 7, north: 64 }, margin: 2,
  },
  {
    index: 5, file: 'struct6.mpr', bitmap: 134, width: 404, height: 303,
    title: 'Pacific',
    projection: () => geoMercator().rotate([-165, 0]),
    frame: { west: 92, east: 232, south: -48, north: 26 }, margin: 2,
  },
  {
    index: 6, file: 'struct7.mpr', bitmap: 135, width: 401, height: 301,
    title: 'South America',
    projection: () => geoAzimuthalEqualArea().rotate([62, 22]),
    frame: { west: -92, east: -34, south: -56, north: 12 }, margin: 3,
  },
];

// Names of the six regions, the items of the overview map. Item i stands for
// region i, and the names sort in that same order.
export const REGION_NAMES = [
  '', 'Africa', 'Asia', 'Europe', 'North America', 'Pacific', 'South America',
];
