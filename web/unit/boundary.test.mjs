// The boundary between the page and the core, checked mechanically: the core exports exactly
// the functions Api.h declares (from which the page's typed interface is generated), with as
// many parameters, and every JSON text the core writes has the shape the page reads.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { before, test } from 'node:test';
import { DesignsShape, DialShape, HistogramShape, NotebookTableShape } from '../build-unit/coreShapes.mjs';
import { readJson } from '../build-unit/shapes.mjs';
import { apiFunctions } from '../generate.mjs';
import { loadCore } from './wasmCore.mjs';

let m;
let text;

before(async () => {
  ({ m, text } = await loadCore());
});

test('the core exports the functions Api.h declares, each with its parameters', () => {
  const declared = apiFunctions(readFileSync(new URL('../core/api/Api.h', import.meta.url), 'utf8'));
  // The WebAssembly module's own functions, whose length is their number of parameters.
  const wasm = m.asm;
  const exported = Object.keys(wasm).filter((name) => name.startsWith('tess_')).sort();
  assert.deepEqual(exported, declared.map((f) => f.name).sort());
  for (const f of declared) {
    assert.equal(wasm[f.name].length, f.parameters.length, f.name);
    assert.equal(typeof m[`_${f.name}`], 'function', `${f.name} reaches the page`);
  }
});

test('every JSON text the core writes has the shape the page reads', () => {
  m._tess_begin_run(0, 9, 10);
  m._tess_inject();
  m._tess_run_until(11 * 300);
  m._tess_record();
  m._tess_ionise();
  m._tess_record();
  const texts = [
    ['designs', () => text(m._tess_designs_json()), DesignsShape],
    ['dial', () => text(m._tess_dial_json()), DialShape],
    ['notebook table', () => text(m._tess_notebook_json()), NotebookTableShape],
    ['histogram', () => text(m._tess_histogram_json(600, 180, 15, 20)), HistogramShape],
  ];
  for (const calculations of [1, 0]) {
    m._tess_set_calculations(calculations);
    for (const [what, json, shape] of texts) readJson(json(), shape, what);
  }
  m._tess_set_calculations(1);
  m._tess_end_run();
  // The check itself: a member too many, one missing, one of another type.
  const table = JSON.parse(text(m._tess_notebook_json()));
  const wrong = [{ ...table, extra: 1 }, { columns: table.columns }, { ...table, rows: [{ label: 1, cells: [] }] }];
  for (const bad of wrong) assert.throws(() => readJson(JSON.stringify(bad), NotebookTableShape, 'table'), /the core's table/);
});
