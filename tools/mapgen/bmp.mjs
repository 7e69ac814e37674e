// Writes a 16-colour Windows bitmap (BITMAPINFOHEADER, 4 bits per pixel)
// compressed with BI_RLE4, stored bottom-up.

const BI_RLE4 = 2;

// Encodes one row of colour indices (0..15) as RLE4 runs; the caller appends
// the end-of-line or end-of-bitmap code.
export function encodeRow(row) {
  const out = [];
  const n = row.length;
  let x = 0;
  const runAt = (i) => {
    let r = 1;
    while (i + r < n && r < 255 && row[i + r] === row[i]) r++;
    return r;
  };
  while (x < n) {
    const run = runAt(x);
    if (run >= 3) {
      out.push(run, (row[x] << 4) | row[x]);
      x += run;
      continue;
    }
    // Gather pixels up to the next run of three or more (at most 255).
    let end = x;
    while (end < n && end - x < 255 && runAt(end) < 3) end++;
    const count = end - x;
    if (count < 3) {
      // Absolute mode needs at least three pixels: one or two go as a run.
      const a = row[x];
      const b = count === 2 ? row[x + 1] : a;
      out.push(count, (a << 4) | b);
    } else {
      out.push(0, count);
      for (let i = 0; i < count; i += 2) {
        const a = row[x + i];
        const b = i + 1 < count ? row[x + i + 1] : 0;
        out.push((a << 4) | b);
      }
      // Absolute runs end on a 16-bit boundary.
      if (Math.ceil(count / 2) % 2 === 1) out.push(0);
    }
    x = end;
  }
  return out;
}

// pixels: Uint8Array of width*height colour indices, top row first.
// palette: 16 entries of [r, g, b].
export function encodeBmpRle4(width, height, pixels, palette) {
  if (palette.length !== 16) throw new Error('palette must have 16 entries');
  const data = [];
  for (let y = height - 1; y >= 0; y--) {
    const row = pixels.subarray(y * width, (y + 1) * width);
    data.push(...encodeRow(row));
    data.push(0, y === 0 ? 1 : 0); // end of line, or end of bitmap after the top row
  }
  const headerSize = 14 + 40 + 16 * 4;
  const buf = Buffer.alloc(headerSize + data.length);
  buf.write('BM', 0, 'latin1');
  buf.writeUInt32LE(buf.length, 2);
  buf.writeUInt32LE(0, 6);
  buf.writeUInt32LE(headerSize, 10);
  buf.writeUInt32LE(40, 14);
  buf.writeInt32LE(width, 18);
  buf.writeInt32LE(height, 22);
  buf.writeUInt16LE(1, 26);
  buf.writeUInt16LE(4, 28);
  buf.writeUInt32LE(BI_RLE4, 30);
  buf.writeUInt32LE(data.length, 34);
  buf.writeInt32LE(2835, 38); // 72 dots per inch
  buf.writeInt32LE(2835, 42);
  buf.writeUInt32LE(16, 46);
  buf.writeUInt32LE(0, 50);
  palette.forEach(([r, g, b], i) => {
    const o = 54 + 4 * i;
    buf[o] = b; buf[o + 1] = g; buf[o + 2] = r; buf[o + 3] = 0;
  });
  Buffer.from(data).copy(buf, headerSize);
  return buf;
}

// Decodes what encodeBmpRle4 writes (and any RLE4 stream), top row first.
// Used by the generator to check its own output.
export function decodeBmpRle4(buf) {
  const width = buf.readInt32LE(18);
  const height = buf.readInt32LE(22);
  if (buf.readUInt16LE(28) !== 4 || buf.readUInt32LE(30) !== BI_RLE4) throw new Error('not RLE4');
  const pixels = new Uint8Array(width * height);
  let p = buf.readUInt32LE(10);
  let x = 0, y = height - 1;
  const put = (c) => {
    if (x >= width || y < 0) throw new Error(`pixel outside the bitmap at ${x},${y}`);
    pixels[y * width + x++] = c;
  };
  for (;;) {
    const a = buf[p++], b = buf[p++];
    if (a === undefined || b === undefined) throw new Error('bitmap data ends without end-of-bitmap');
    if (a > 0) {
      for (let i = 0; i < a; i++) put(i % 2 === 0 ? b >> 4 : b & 15);
    } else if (b === 0) {
      x = 0; y--;
    } else if (b === 1) {
      break;
    } else if (b === 2) {
      x += buf[p++]; y -= buf[p++];
    } else {
      for (let i = 0; i < b; i++) put(i % 2 === 0 ? buf[p + (i >> 1)] >> 4 : buf[p + (i >> 1)] & 15);
      const bytes = Math.ceil(b / 2);
      p += bytes + (bytes % 2);
    }
  }
  return { width, height, pixels };
}
