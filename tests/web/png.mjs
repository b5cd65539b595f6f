// Reads an 8-bit RGBA PNG, as the host writes its pictures, into
// { width, height, data } with data RGBA row by row from the top.
import fs from "node:fs";
import zlib from "node:zlib";

export function readPng(file) {
  const bytes = fs.readFileSync(file);
  let width = 0, height = 0;
  const compressed = [];
  for (let at = 8; at < bytes.length; ) {
    const length = bytes.readUInt32BE(at), type = bytes.toString("latin1", at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0); height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[9] !== 6) throw new Error(`${file}: not 8-bit RGBA`);
    } else if (type === "IDAT") compressed.push(body);
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(compressed));
  const stride = width * 4, data = new Uint8Array(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)], row = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; x++) {
      const a = x >= 4 ? data[y * stride + x - 4] : 0, b = y > 0 ? data[(y - 1) * stride + x] : 0;
      const c = x >= 4 && y > 0 ? data[(y - 1) * stride + x - 4] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      data[y * stride + x] = (row[x] + predicted) & 255;
    }
  }
  return { width, height, data };
}
