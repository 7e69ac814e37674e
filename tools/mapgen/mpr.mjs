// Writes a region data file (".mpr"): little-endian fields, archive strings
// with their one-, three- or seven-byte length prefix, the hit grid column
// after column, then item records 0 to N.

class ByteWriter {
  constructor() { this.bytes = []; }
  u8(v) { this.bytes.push(v & 0xff); }
  i16(v) { const b = Buffer.alloc(2); b.writeInt16LE(v); this.bytes.push(...b); }
  u16(v) { const b = Buffer.alloc(2); b.writeUInt16LE(v); this.bytes.push(...b); }
  i32(v) { const b = Buffer.alloc(4); b.writeInt32LE(v); this.bytes.push(...b); }
  u32(v) { const b = Buffer.alloc(4); b.writeUInt32LE(v); this.bytes.push(...b); }
  string(s) {
    const chars = Buffer.from(s, 'latin1');
    if (Buffer.from(chars.toString('latin1'), 'latin1').toString('latin1') !== s) {
      throw new Error(`name not representable in one byte per character: ${s}`);
    }
    const n = chars.length;
    if (n < 0xff) {
      this.u8(n);
    } else if (n < 0xfffe) {
      this.u8(0xff); this.u16(n);
    } else {
      this.u8(0xff); this.u16(0xffff); this.u32(n);
    }
    this.bytes.push(...chars);
  }
  buffer() { return Buffer.from(this.bytes); }
}

// map: { cellSize, width, height, regionByte, regionText, grid (Uint8Array,
// column-major, C*R), items: [{ spare, modemCode, labelX, labelY, name }] for
// indices 0..N }.
export function encodeMpr(map) {
  const cols = Math.trunc(map.width / map.cellSize);
  const rows = Math.trunc(map.height / map.cellSize);
  if (map.grid.length !== cols * rows) throw new Error('grid size does not match the map');
  const n = map.items.length - 1;
  if (n < 0 || n > 99) throw new Error(`item count ${n} outside 0..99`);
  const w = new ByteWriter();
  w.i32(map.cellSize);
  w.i16(map.width);
  w.i16(map.height);
  w.u8(map.regionByte);
  w.string(map.regionText);
  w.u8(n);
  w.bytes.push(...map.grid);
  for (const item of map.items) {
    w.u8(item.spare);
    w.u8(item.modemCode);
    w.i16(item.labelX);
    w.i16(item.labelY);
    w.string(item.name);
  }
  return w.buffer();
}
