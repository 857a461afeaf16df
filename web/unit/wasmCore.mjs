// The core's WebAssembly build loaded under Node with the shipped catalogues, for the tests that
// call its C functions as the page does.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const root = new URL('../../', import.meta.url);

/** The started core `m`, with `text(pointer)` (null for none) and `withString(value, body)`. */
export async function loadCore() {
  // The module's Node branch of this emscripten expects CommonJS names.
  globalThis.__dirname = new URL('.', import.meta.url).pathname;
  globalThis.require = createRequire(import.meta.url);
  const { default: create } = await import(new URL('build-web/core/tessilar_core.mjs', root));
  const m = await create();
  const text = (pointer) => (pointer === 0 ? null : m.UTF8ToString(pointer));
  const withString = (value, body) => {
    const size = m.lengthBytesUTF8(value) + 1;
    const pointer = m._malloc(size);
    m.stringToUTF8(value, pointer, size);
    try {
      return body(pointer);
    } finally {
      m._free(pointer);
    }
  };
  for (const path of ['Tessilar.ini', 'Magyar/Tessilar.ini', 'English/Tessilar.ini']) {
    const bytes = readFileSync(new URL(`dist/${path}`, root));
    const pointer = m._malloc(bytes.length);
    m.HEAPU8.set(bytes, pointer);
    assert.equal(withString(path, (p) => m._tess_put_file(p, pointer, bytes.length)), 1, path);
    m._free(pointer);
  }
  m._tess_start(','.charCodeAt(0));
  return { m, text, withString };
}
