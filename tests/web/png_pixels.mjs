// Decodes an 8-bit RGB, RGBA or palette non-interlaced PNG into its pixels (a palette picture
// as the RGB it shows), so that two PNGs can be compared by what they show rather than by how
// they were compressed.

import zlib from 'node:zlib';

const SIGNATURE = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a);
  const pb = Math.abs(p - b);
  const pc = Math.abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// { width, height, channels, pixels } with pixels row after row, `channels` bytes a pixel.
export function decodePng(bytes) {
  const data = Buffer.from(bytes);
  if (!data.subarray(0, 8).equals(SIGNATURE)) throw new Error('not a PNG');
  let offset = 8;
  let header = null;
  let palette = null;
  const compressed = [];
  while (offset < data.length) {
    const length = data.readUInt32BE(offset);
    const type = data.toString('latin1', offset + 4, offset + 8);
    const body = data.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      header = {
        width: body.readUInt32BE(0),
        height: body.readUInt32BE(4),
        depth: body[8],
        colorType: body[9],
        interlace: body[12],
      };
    } else if (type === 'PLTE') {
      palette = body;
    } else if (type === 'IDAT') {
      compressed.push(body);
    } else if (type === 'IEND') {
      break;
    }
    offset += 12 + length;
  }
  if (!header) throw new Error('PNG without IHDR');
  // Bytes a pixel as stored: palette pictures store an index.
  const channels = { 2: 3, 3: 1, 6: 4 }[header.colorType];
  if (header.depth !== 8 || !channels || header.interlace !== 0) {
    throw new Error(`unsupported PNG: depth ${header.depth}, colour type ${header.colorType}`);
  }
  if (header.colorType === 3 && !palette) throw new Error('palette PNG without PLTE');
  const raw = zlib.inflateSync(Buffer.concat(compressed));
  const stride = header.width * channels;
  const pixels = Buffer.alloc(stride * header.height);
  for (let y = 0; y < header.height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const out = y * stride;
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? pixels[out + x - channels] : 0;
      const up = y > 0 ? pixels[out - stride + x] : 0;
      const upLeft = y > 0 && x >= channels ? pixels[out - stride + x - channels] : 0;
      const predictor = [0, left, up, (left + up) >> 1, paeth(left, up, upLeft)][filter];
      if (predictor === undefined) throw new Error(`bad PNG filter ${filter}`);
      pixels[out + x] = (line[x] + predictor) & 0xff;
    }
  }
  if (header.colorType !== 3) return { width: header.width, height: header.height, channels, pixels };
  const rgb = Buffer.alloc(pixels.length * 3);
  for (let i = 0; i < pixels.length; ++i) {
    if (3 * pixels[i] + 3 > palette.length) throw new Error(`index ${pixels[i]} past the palette`);
    palette.copy(rgb, 3 * i, 3 * pixels[i], 3 * pixels[i] + 3);
  }
  return { width: header.width, height: header.height, channels: 3, pixels: rgb };
}
