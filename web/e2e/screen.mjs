// What the page shows, read as a person sees it: a screenshot of the viewport decoded into RGBA
// pixels, whatever draws them (canvas, picture or styled element).
import { inflateSync } from 'node:zlib';

/// Decodes Chromium's screenshots: 8-bit RGB or RGBA PNG, not interlaced.
export function decodePng(png) {
  let offset = 8;
  let width = 0, height = 0, channels = 0;
  const data = [];
  while (offset < png.length) {
    const length = png.readUInt32BE(offset);
    const type = png.toString('latin1', offset + 4, offset + 8);
    const body = png.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      const [depth, colour, , , interlace] = body.subarray(8, 13);
      channels = { 2: 3, 6: 4 }[colour];
      if (depth !== 8 || !channels || interlace !== 0) {
        throw new Error(`unsupported PNG: depth ${depth}, colour type ${colour}`);
      }
    } else if (type === 'IDAT') {
      data.push(body);
    }
    offset += length + 12;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const out = rows.subarray(y * stride, (y + 1) * stride);
    const up = y > 0 ? rows.subarray((y - 1) * stride, y * stride) : Buffer.alloc(stride);
    for (let i = 0; i < stride; i++) {
      const a = i >= channels ? out[i - channels] : 0;
      const b = up[i];
      const c = i >= channels ? up[i - channels] : 0;
      let predicted = 0;
      if (filter === 1) predicted = a;
      else if (filter === 2) predicted = b;
      else if (filter === 3) predicted = (a + b) >> 1;
      else if (filter === 4) {
        const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
        predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      out[i] = (line[i] + predicted) & 0xff;
    }
  }
  const rgba = Buffer.alloc(width * height * 4, 0xff);
  for (let p = 0; p < width * height; p++) rows.copy(rgba, p * 4, p * channels, p * channels + 3);
  return { width, height, rgba };
}

/// The viewport as pixels, one per device pixel.
export async function viewportPixels(page) {
  return decodePng(Buffer.from(await page.screenshot({ type: 'png' })));
}

/// Every pixel of exactly the given colour, as its flat index, optionally inside a box of CSS
/// pixels ({x, y, width, height}, converted with the page's device pixel ratio).
export function pixelsOfColour(picture, [r, g, b], box, ratio = 1) {
  const found = [];
  const x0 = box ? Math.max(0, Math.floor(box.x * ratio)) : 0;
  const y0 = box ? Math.max(0, Math.floor(box.y * ratio)) : 0;
  const x1 = box ? Math.min(picture.width, Math.ceil((box.x + box.width) * ratio)) : picture.width;
  const y1 = box ? Math.min(picture.height, Math.ceil((box.y + box.height) * ratio)) : picture.height;
  for (let y = y0; y < y1; y++) {
    for (let x = x0; x < x1; x++) {
      const i = (y * picture.width + x) * 4;
      if (picture.rgba[i] === r && picture.rgba[i + 1] === g && picture.rgba[i + 2] === b) {
        found.push(y * picture.width + x);
      }
    }
  }
  return found;
}

/// The pixels that are dark in `after` but were not in `before` (a needle's new place), as {x, y}.
export function newlyDark(before, after, limit = 64) {
  const points = [];
  for (let p = 0; p < after.width * after.height; p++) {
    const i = p * 4;
    const dark = (rgba) => rgba[i] + rgba[i + 1] + rgba[i + 2] < 3 * limit;
    if (dark(after.rgba) && !dark(before.rgba)) {
      points.push({ x: p % after.width, y: Math.floor(p / after.width) });
    }
  }
  return points;
}

export const colours = {
  markerYellow: [255, 255, 0],
  lampLime: [0, 255, 0],
  columnBlue: [0, 0, 255],
};

/// How many separate spots of the colour the picture shows (touching pixels count as one spot):
/// the droplet markers a student sees.
export function spotsOfColour(picture, colour) {
  const left = new Set(pixelsOfColour(picture, colour));
  let spots = 0;
  for (const start of left) {
    spots += 1;
    const queue = [start];
    left.delete(start);
    while (queue.length) {
      const p = queue.pop();
      const x = p % picture.width;
      const neighbours = [p - picture.width, p + picture.width];
      if (x > 0) neighbours.push(p - 1);
      if (x < picture.width - 1) neighbours.push(p + 1);
      for (const n of neighbours) {
        if (left.delete(n)) queue.push(n);
      }
    }
  }
  return spots;
}

/// Screenshots of the page over `ms` milliseconds: the one that scores highest by `score` (the
/// droplet markers in view unless said otherwise), with its score; a score below 0 is never kept.
export async function bestScreenshot(page, ms, score = (picture) => spotsOfColour(picture, colours.markerYellow)) {
  let best = { count: -1, png: null };
  const until = Date.now() + ms;
  while (Date.now() < until) {
    const png = Buffer.from(await page.screenshot({ type: 'png' }));
    const count = score(decodePng(png));
    if (count > best.count) best = { count, png };
  }
  return best;
}
